#pragma once
// What the meter window's mechanics need of the system: frame styles, the
// system menu, layering, placement, showing and painting, and the desktop's
// drag, work-area and resolution settings.
#include <cstdint>
#include <string>

#include "platform/window_handle.h"

namespace qn {

struct FrameRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    std::int32_t Width() const { return right - left; }
    std::int32_t Height() const { return bottom - top; }
    bool operator==(const FrameRect& other) const {
        return left == other.left && top == other.top && right == other.right &&
               bottom == other.bottom;
    }
    bool operator!=(const FrameRect& other) const { return !(*this == other); }
};

struct FramePoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
};

enum class ShowState { Normal, Minimised, Maximised };

class WindowFrame {
  public:
    virtual ~WindowFrame() = default;

    // The window's style and extended style bits (GWL_STYLE, GWL_EXSTYLE).
    virtual std::uint32_t Style(WindowHandle window) const = 0;
    virtual void SetStyle(WindowHandle window, std::uint32_t style) = 0;
    virtual std::uint32_t ExStyle(WindowHandle window) const = 0;
    virtual void SetExStyle(WindowHandle window, std::uint32_t exStyle) = 0;

    // Into or out of the topmost band, without moving or sizing it.
    virtual void SetTopMost(WindowHandle window, bool topMost) = 0;
    // Makes the system take a style change into the frame; nothing moves.
    virtual void RefreshFrame(WindowHandle window) = 0;

    // Items of the window's system menu, by command (SC_MOVE ...). A missing
    // item reads as disabled.
    virtual bool SystemMenuItemEnabled(WindowHandle window, std::uint32_t item) const = 0;
    virtual void EnableSystemMenuItem(WindowHandle window, std::uint32_t item, bool enabled) = 0;
    virtual void RemoveSystemMenuItem(WindowHandle window, std::uint32_t item) = 0;

    // SetLayeredWindowAttributes; false when it fails or the system lacks it.
    virtual bool SetLayeredAttributes(WindowHandle window, std::uint32_t colorKey,
                                      std::uint8_t alpha, std::uint32_t flags) = 0;
    // The RGB value of a system colour (COLOR_...).
    virtual std::uint32_t SysColor(std::int32_t index) const = 0;

    // Whether windows are dragged with their contents showing; the setting is
    // the whole desktop's, and changing it tells every program.
    virtual bool DragFullWindows() const = 0;
    virtual void SetDragFullWindows(bool on) = 0;
    // The desktop less the taskbar, in screen coordinates.
    virtual FrameRect WorkArea() const = 0;

    // In screen coordinates.
    virtual FrameRect WindowRect(WindowHandle window) const = 0;
    // Left and top are 0.
    virtual FrameRect ClientRect(WindowHandle window) const = 0;
    // A top-level window's outer rectangle, in screen coordinates.
    virtual void PlaceWindow(WindowHandle window, const FrameRect& rect) = 0;
    virtual ShowState WindowShowState(WindowHandle window) const = 0;
    virtual void SetWindowVisible(WindowHandle window, bool visible) = 0;
    // Paints the window and its children at once rather than when the queue is empty.
    virtual void RepaintNow(WindowHandle window) = 0;
    virtual void SetCaption(WindowHandle window, const std::string& text) = 0;
    // The screen's resolution, as twips (1/1440 inch) per pixel; 15 at 96 dots per inch.
    virtual std::int32_t TwipsPerPixelX() const = 0;
    virtual std::int32_t TwipsPerPixelY() const = 0;
    // Every monitor together, in screen coordinates.
    virtual FrameRect DesktopRect() const = 0;
    // A child window's rectangle in its parent's client coordinates, and
    // placing it there.
    virtual FrameRect ControlRect(WindowHandle control) const = 0;
    virtual void MoveControl(WindowHandle control, const FrameRect& rect) = 0;

    // In screen coordinates.
    virtual FramePoint CursorPosition() const = 0;
    virtual void ReleaseMouseCapture() = 0;
    virtual std::intptr_t Send(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                               std::intptr_t lParam) = 0;

    // The RECT a message's lParam points at (WM_MOVING, WM_SIZING); an lParam
    // of 0 reads as an empty rectangle and takes no write.
    virtual FrameRect RectAt(std::intptr_t lParam) const = 0;
    virtual void SetRectAt(std::intptr_t lParam, const FrameRect& rect) = 0;
};

}  // namespace qn
