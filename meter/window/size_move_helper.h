#pragma once
// Turns a window's size-and-move messages into events whose handlers may
// change the rectangle, and can keep the desktop from dragging the window's
// contents while it is the active one.
#include <cstdint>
#include <functional>

#include "platform/window_frame.h"
#include "throughput/subclass.h"

namespace qn {

class cSizeMoveHelper : public ISubclass {
  public:
    // Left, top, width and height in pixels; the handler may change them.
    using RectHandler = std::function<void(std::int32_t& lLeft, std::int32_t& lTop,
                                           std::int32_t& lWidth, std::int32_t& lHeight)>;

    cSizeMoveHelper(MSubclass& hooks, WindowFrame& frame);
    // The hooks keep a raw pointer to the handler: it must leave them first.
    ~cSizeMoveHelper() override;
    cSizeMoveHelper(const cSizeMoveHelper&) = delete;
    cSizeMoveHelper& operator=(const cSizeMoveHelper&) = delete;

    // Detaches from the window attached before. Raises the hooks' errors.
    void Attach(WindowHandle hWndA);
    // Also gives the desktop back its full-window dragging if it was switched off.
    void Detach();

    // Drag outlines instead of contents while the window is active.
    bool NoFullDrag() const { return noFullDrag_; }
    void SetNoFullDrag(bool value);
    bool Active() const { return active_; }

    std::function<void()> EnterSizeMove;
    std::function<void()> ExitSizeMove;
    std::function<void(bool bByMouse)> Activate;
    std::function<void()> Deactivate;
    RectHandler Moving;
    RectHandler Sizing;

    std::intptr_t WindowProc(WindowHandle hWnd, std::uint32_t iMsg, std::uintptr_t wParam,
                             std::intptr_t lParam) override;

  private:
    void OnActivate(std::uintptr_t wParam);
    void OnRectChanging(const RectHandler& handler, std::intptr_t lParam);
    void OnSize();
    void SwitchFullDragOff();
    void RestoreFullDrag();

    MSubclass& hooks_;
    WindowFrame& frame_;
    WindowHandle hWnd_ = 0;
    bool noFullDrag_ = false;
    bool active_ = false;
    bool inSizeMove_ = false;
    bool switchedFullDragOff_ = false;
};

}  // namespace qn
