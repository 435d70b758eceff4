#pragma once
// frmMeter as a real window: a top-level window whose client area is filled
// by the child window Picture1, on which the graph draws.
#include <windows.h>

#include <functional>
#include <memory>

#include "meter/app/frm_meter.h"

namespace qn::meter::win32 {

inline constexpr char kMeterWindowClass[] = "DappletMeter";
inline constexpr char kMeterPictureClass[] = "DappletMeterPicture";

class MeterWindow {
  public:
    // Creates, loads and shows the window; null when the system cannot create
    // it. Raises the hooks' errors. closedByUser runs after the window closed
    // itself (its caption's close button); the owner may then destroy this
    // object from inside it.
    static std::unique_ptr<MeterWindow> Open(HINSTANCE instance, MeterHost& host,
                                             MeterWindowServices& services,
                                             std::function<void()> closedByUser);
    // Unloads the window if it is still open.
    ~MeterWindow();
    MeterWindow(const MeterWindow&) = delete;
    MeterWindow& operator=(const MeterWindow&) = delete;

    // Settings written, window destroyed; later calls do nothing.
    void Unload();
    // Above other topmost windows again (a window that left the band may
    // have covered it).
    void KeepOnTop();
    // Null once unloaded.
    HWND Handle() const { return form_; }
    HWND Picture1() const { return picture1_; }

  private:
    MeterWindow(MeterHost& host, MeterWindowServices& services, std::function<void()> closedByUser);
    static void RegisterClasses(HINSTANCE instance);
    static LRESULT CALLBACK FormProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK PictureProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void OnClose();
    void OnPictureMouse(UINT message);
    void DestroyWindows();

    MeterHost& host_;
    MeterWindowServices& services_;
    std::function<void()> closedByUser_;
    HWND form_ = nullptr;
    HWND picture1_ = nullptr;
    std::unique_ptr<FrmMeter> frm_;
};

}  // namespace qn::meter::win32
