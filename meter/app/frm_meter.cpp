#include "meter/app/frm_meter.h"

#include <string>

#include "meter/app/meter_identity.h"
#include "meter/app/meter_position.h"
#include "support/number_parse.h"
#include "version.h"

namespace qn::meter {

namespace {

constexpr std::uint32_t kWmNcLButtonDown = 161;
constexpr std::uintptr_t kHtCaption = 2;
constexpr std::int32_t kAnchorAllEdges = kAnchorLeft | kAnchorRight | kAnchorTop | kAnchorBottom;
constexpr double kOpaquePercent = 100;
// Wider than this the graph's history cannot fill the window.
constexpr std::int32_t kMaximumWidthPixels = 1000;
// A background that took this long to render is not rendered while sizing.
constexpr std::uint32_t kSlowBackgroundMs = 100;

// The Alpha setting in percent; text that is no number reads as opaque.
double OpacityPercent(MeterSettings& settings) {
    const std::string text = settings.Get("Graph", "Alpha", "100");
    return IsNumberText(text) ? LeadingNumber(text) : kOpaquePercent;
}

}  // namespace

FrmMeter::FrmMeter(MeterHost& host, MeterWindowServices& services, WindowHandle form,
                   WindowHandle picture1)
    : FrmBorder(services.frame),
      Anchor(services.frame, form),
      Translucency(services.frame, services.version),
      StickyEdges(services.hooks, services.frame),
      host_(host),
      services_(services),
      form_(form),
      picture1_(picture1) {}

FrmMeter::~FrmMeter() {
    // The graph must not keep drawing on a surface that is gone.
    if (surface_) host_.NetGraph().SetPicture(nullptr);
}

void FrmMeter::Form_Load() {
    host_.Log().WriteLog("frmMeter_Load    ");
    host_.SetMeterVisible(true);
    host_.SetTaskVisible(true);
    services_.frame.SetCaption(form_,
                               StartupTooltip(kMeterTitle, QN_VERSION_MAJOR, QN_VERSION_MINOR));

    FrmBorder.SetClient(form_);
    FrmBorder.SetTopMost(true);
    FrmBorder.SetToolWindow(true);

    ApplyAlpha();
    RestorePosition();

    services_.frame.MoveControl(picture1_, services_.frame.ClientRect(form_));
    Anchor.AddControl(picture1_, kAnchorAllEdges);

    Sizer = std::make_unique<cSizeMoveHelper>(services_.hooks, services_.frame);
    Sizer->EnterSizeMove = [this] { Sizer_EnterSizeMove(); };
    Sizer->ExitSizeMove = [this] { Sizer_ExitSizeMove(); };
    Sizer->Sizing = [this](std::int32_t& lLeft, std::int32_t& lTop, std::int32_t& lWidth,
                           std::int32_t& lHeight) { Sizer_Sizing(lLeft, lTop, lWidth, lHeight); };
    Sizer->Attach(form_);
    StickyEdges.Attach(form_);
    services_.frame.SetWindowVisible(form_, true);

    ShowGraph();
}

void FrmMeter::ApplyAlpha() {
    const double percent = OpacityPercent(host_.Settings());
    // An opaque window is never layered: layering costs drawing speed.
    if (!(percent < kOpaquePercent)) return;
    host_.Log().WriteLog("Setting frmMeter Alpha");
    Translucency.SethWnd(form_);
    Translucency.SetMode(kLayerAlpha);
    Translucency.SetAlpha(AlphaFromPercent(percent));
}

void FrmMeter::RestorePosition() {
    host_.Log().WriteLog("frmMeter: Restoring Position");
    WindowFrame& frame = services_.frame;
    const TwipsPerPixel scale{frame.TwipsPerPixelX(), frame.TwipsPerPixelY()};
    frame.PlaceWindow(form_, RestoredMeterRect(host_.Settings(), scale, frame.DesktopRect()));
    const auto noBorder = ParseFlag(host_.Settings().Get(kPositionSection, "NoBorder", "False"));
    if (noBorder.value_or(false)) Picture1_DblClick();
}

void FrmMeter::ShowGraph() {
    WindowFrame& frame = services_.frame;
    const FrameRect client = frame.ClientRect(picture1_);
    surface_ = services_.drawing.SurfaceFor(picture1_, client.Width(), client.Height());
    cGraph& graph = host_.NetGraph();
    // An opening is never part of a size loop: it shows the background.
    graph.IgnoreBack = false;
    graph.SetPicture(surface_.get());
    graph.DrawGraph(false, false);
    frame.RepaintNow(form_);
    graph.DrawGraph(false, true);
    frame.RepaintNow(form_);
    graph.DrawGraph(true, false);
}

void FrmMeter::Form_Unload() {
    host_.Log().WriteLog("frmMeter_Unload");
    host_.NetGraph().SetPicture(nullptr);
    surface_.reset();
    WindowFrame& frame = services_.frame;
    frame.SetWindowVisible(form_, false);
    host_.SetTaskVisible(false);
    FrmBorder.SetTitlebar(true);
    // A minimised or maximised window's rectangle is not the one to come back to.
    if (frame.WindowShowState(form_) == ShowState::Normal) {
        const TwipsPerPixel scale{frame.TwipsPerPixelX(), frame.TwipsPerPixelY()};
        SaveMeterRect(host_.Settings(), frame.WindowRect(form_), scale);
    }
    host_.SetMeterVisible(false);
}

void FrmMeter::Form_Resize() {
    Anchor.DoResize();
    cGraph& graph = host_.NetGraph();
    // Only the user's sizing redraws often enough for a slow background to
    // matter; sizes set while loading must not leave it out.
    if (userSizing_ && graph.LastBench >= kSlowBackgroundMs && !graph.IgnoreBack) {
        graph.IgnoreBack = true;
        host_.Log().WriteLog("frmMeter Performance Corrected.  Violation: " +
                             std::to_string(graph.LastBench) + "ms");
    }
    graph.DrawGraph(true, false);
}

void FrmMeter::Picture1_DblClick() {
    FrmBorder.SetTitlebar(!FrmBorder.Titlebar());
    host_.Settings().Save(kPositionSection, "NoBorder", FlagText(!FrmBorder.Titlebar()));
    Redraw();
}

void FrmMeter::Picture1_MouseDown(std::int32_t Button) {
    switch (Button) {
        case kLeftButton:
            // The system then drags the window as if by its caption.
            services_.frame.ReleaseMouseCapture();
            services_.frame.Send(form_, kWmNcLButtonDown, kHtCaption, 0);
            break;
        case kRightButton:
            host_.ShowMainMenu();
            break;
        case kMiddleButton:
            host_.ShowStatistics();
            break;
        default:
            break;
    }
}

void FrmMeter::Sizer_EnterSizeMove() {
    userSizing_ = true;
}

void FrmMeter::Sizer_ExitSizeMove() {
    userSizing_ = false;
    Redraw();
}

void FrmMeter::Sizer_Sizing(std::int32_t& lLeft, std::int32_t&, std::int32_t& lWidth,
                            std::int32_t&) {
    if (lWidth <= kMaximumWidthPixels) return;
    // A left edge dragged too far stops there: the right edge stays put.
    if (lLeft != services_.frame.WindowRect(form_).left) {
        lLeft += lWidth - kMaximumWidthPixels;
    }
    lWidth = kMaximumWidthPixels;
}

// With its background back, the whole graph.
void FrmMeter::Redraw() {
    cGraph& graph = host_.NetGraph();
    graph.IgnoreBack = false;
    graph.DrawGraph(true, false);
}

}  // namespace qn::meter
