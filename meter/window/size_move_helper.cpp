#include "meter/window/size_move_helper.h"

namespace qn {

namespace {

constexpr std::uint32_t kWmDestroy = 2;
constexpr std::uint32_t kWmSize = 5;
constexpr std::uint32_t kWmActivate = 6;
constexpr std::uint32_t kWmSizing = 532;
constexpr std::uint32_t kWmMoving = 534;
constexpr std::uint32_t kWmEnterSizeMove = 561;
constexpr std::uint32_t kWmExitSizeMove = 562;
constexpr std::uint32_t kHandledMessages[] = {
    kWmEnterSizeMove, kWmExitSizeMove, kWmDestroy, kWmMoving, kWmSizing, kWmActivate, kWmSize};

constexpr std::uintptr_t kWaInactive = 0;
constexpr std::uintptr_t kWaClickActive = 2;

void Raise(const cSizeMoveHelper::RectHandler& handler, FrameRect& rect) {
    if (!handler) return;
    std::int32_t left = rect.left;
    std::int32_t top = rect.top;
    std::int32_t width = rect.Width();
    std::int32_t height = rect.Height();
    handler(left, top, width, height);
    rect = FrameRect{left, top, left + width, top + height};
}

}  // namespace

cSizeMoveHelper::cSizeMoveHelper(MSubclass& hooks, WindowFrame& frame)
    : hooks_(hooks), frame_(frame) {
    SetMsgResponse(emrPostProcess);
}

cSizeMoveHelper::~cSizeMoveHelper() {
    Detach();
}

void cSizeMoveHelper::Attach(WindowHandle hWndA) {
    Detach();
    for (const std::uint32_t message : kHandledMessages) {
        try {
            hooks_.AttachMessage(this, hWndA, message);
        } catch (...) {
            // Leave no message of a half-made attachment behind.
            for (const std::uint32_t attached : kHandledMessages) {
                hooks_.DetachMessage(this, hWndA, attached);
            }
            throw;
        }
    }
    hWnd_ = hWndA;
}

void cSizeMoveHelper::Detach() {
    RestoreFullDrag();
    if (hWnd_ == 0) return;
    for (const std::uint32_t message : kHandledMessages) hooks_.DetachMessage(this, hWnd_, message);
    hWnd_ = 0;
    active_ = false;
    inSizeMove_ = false;
}

void cSizeMoveHelper::SetNoFullDrag(bool value) {
    noFullDrag_ = value;
    if (!value) RestoreFullDrag();
}

std::intptr_t cSizeMoveHelper::WindowProc(WindowHandle, std::uint32_t iMsg, std::uintptr_t wParam,
                                          std::intptr_t lParam) {
    switch (iMsg) {
        case kWmEnterSizeMove:
            inSizeMove_ = true;
            if (EnterSizeMove) EnterSizeMove();
            break;
        case kWmExitSizeMove:
            if (ExitSizeMove) ExitSizeMove();
            inSizeMove_ = false;
            break;
        case kWmSizing:
            OnRectChanging(Sizing, lParam);
            break;
        case kWmMoving:
            OnRectChanging(Moving, lParam);
            break;
        case kWmActivate:
            OnActivate(wParam);
            break;
        case kWmSize:
            OnSize();
            break;
        case kWmDestroy:
            Detach();
            break;
        default:
            break;
    }
    return 0;
}

void cSizeMoveHelper::OnActivate(std::uintptr_t wParam) {
    // The high word says whether the window is minimized, not whether it is active.
    const std::uintptr_t state = wParam & 0xFFFFu;
    if (state != kWaInactive) {
        if (noFullDrag_) SwitchFullDragOff();
        active_ = true;
        if (Activate) Activate(state == kWaClickActive);
    } else {
        RestoreFullDrag();
        active_ = false;
        if (Deactivate) Deactivate();
    }
}

void cSizeMoveHelper::OnRectChanging(const RectHandler& handler, std::intptr_t lParam) {
    FrameRect rect = frame_.RectAt(lParam);
    Raise(handler, rect);
    frame_.SetRectAt(lParam, rect);
}

void cSizeMoveHelper::OnSize() {
    // Inside a size loop the handler has already seen the rectangle through WM_SIZING.
    if (inSizeMove_) return;
    FrameRect rect = frame_.WindowRect(hWnd_);
    Raise(Sizing, rect);
}

void cSizeMoveHelper::SwitchFullDragOff() {
    if (switchedFullDragOff_ || !frame_.DragFullWindows()) return;
    frame_.SetDragFullWindows(false);
    switchedFullDragOff_ = true;
}

void cSizeMoveHelper::RestoreFullDrag() {
    if (!switchedFullDragOff_) return;
    frame_.SetDragFullWindows(true);
    switchedFullDragOff_ = false;
}

}  // namespace qn
