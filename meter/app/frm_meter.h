#pragma once
// frmMeter: the small graph window. A tool window without taskbar button,
// always on top, optionally without frame and translucent, whose whole client
// area is the picture box Picture1 the graph draws on. Its size and place are
// kept in the settings.
#include <cstdint>
#include <memory>

#include "meter/app/meter_host.h"
#include "meter/window/anchor.h"
#include "meter/window/form_border.h"
#include "meter/window/size_move_helper.h"
#include "meter/window/size_move_helper_ex.h"
#include "meter/window/translucent_form.h"
#include "platform/drawing_surface.h"
#include "platform/os_version.h"
#include "platform/window_frame.h"
#include "throughput/subclass.h"

namespace qn::meter {

// Mouse buttons as the form's mouse handlers report them (left and right in
// meter/window/form_border.h).
constexpr std::int32_t kMiddleButton = 4;

// What the meter window asks of the system; all must outlive it.
struct MeterWindowServices {
    WindowFrame& frame;
    MSubclass& hooks;
    DrawingSystem& drawing;
    const OsVersionSource& version;
};

class FrmMeter {
  public:
    // form: the meter window; picture1: its child window the graph draws on.
    FrmMeter(MeterHost& host, MeterWindowServices& services, WindowHandle form,
             WindowHandle picture1);
    ~FrmMeter();
    FrmMeter(const FrmMeter&) = delete;
    FrmMeter& operator=(const FrmMeter&) = delete;

    // Raises the hooks' errors when the window cannot be hooked.
    void Form_Load();
    void Form_Unload();
    // The window has changed size.
    void Form_Resize();
    void Picture1_DblClick();
    void Picture1_MouseDown(std::int32_t Button);
    void Sizer_EnterSizeMove();
    void Sizer_ExitSizeMove();
    void Sizer_Sizing(std::int32_t& lLeft, std::int32_t& lTop, std::int32_t& lWidth,
                      std::int32_t& lHeight);

    CFormBorder FrmBorder;
    cAnchor Anchor;
    CTranslucentForm Translucency;
    std::unique_ptr<cSizeMoveHelper> Sizer;  // made as the window loads
    cSizeMoveHelperEx StickyEdges;

  private:
    void ApplyAlpha();
    void RestorePosition();
    void ShowGraph();
    void Redraw();

    MeterHost& host_;
    MeterWindowServices& services_;
    WindowHandle form_;
    WindowHandle picture1_;
    std::unique_ptr<DrawingSurface> surface_;  // Picture1 as the graph's picture
    bool userSizing_ = false;                  // inside the user's size/move loop
};

}  // namespace qn::meter
