#pragma once
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/window_frame.h"

namespace qn {

// Windows the test adds, each with its styles, rectangle and system menu, and
// the desktop's settings. Windows have no borders: the client area is the
// whole rectangle. RECTs behind message lParams live in a table by address.
class MemoryWindowFrame : public WindowFrame {
  public:
    static constexpr std::uint32_t kExLayered = 0x80000;
    static constexpr std::uint32_t kExTopMost = 0x8;

    struct LayeredAttributes {
        std::uint32_t colorKey = 0;
        std::uint8_t alpha = 0;
        std::uint32_t flags = 0;
    };
    struct Window {
        std::uint32_t style = 0;
        std::uint32_t exStyle = 0;
        FrameRect rect;  // screen for top-level windows, the parent's client area for controls
        int frameRefreshes = 0;
        std::map<std::uint32_t, bool> systemMenu;  // item -> enabled; the test adds the items
        std::optional<LayeredAttributes> layered;  // the last attributes the system accepted
        std::string caption;
        bool visible = false;
        ShowState showState = ShowState::Normal;  // the test sets it
        int repaints = 0;
    };
    struct Message {
        WindowHandle window = 0;
        std::uint32_t message = 0;
        std::uintptr_t wParam = 0;
        std::intptr_t lParam = 0;
    };

    Window& AddWindow(WindowHandle handle, const FrameRect& rect);

    std::uint32_t Style(WindowHandle window) const override;
    void SetStyle(WindowHandle window, std::uint32_t style) override;
    std::uint32_t ExStyle(WindowHandle window) const override;
    void SetExStyle(WindowHandle window, std::uint32_t exStyle) override;
    void SetTopMost(WindowHandle window, bool topMost) override;
    void RefreshFrame(WindowHandle window) override;
    bool SystemMenuItemEnabled(WindowHandle window, std::uint32_t item) const override;
    void EnableSystemMenuItem(WindowHandle window, std::uint32_t item, bool enabled) override;
    void RemoveSystemMenuItem(WindowHandle window, std::uint32_t item) override;
    // Refused, as by the system, unless the window has WS_EX_LAYERED.
    bool SetLayeredAttributes(WindowHandle window, std::uint32_t colorKey, std::uint8_t alpha,
                              std::uint32_t flags) override;
    std::uint32_t SysColor(std::int32_t index) const override;
    bool DragFullWindows() const override { return dragFullWindows; }
    void SetDragFullWindows(bool on) override;
    FrameRect WorkArea() const override { return workArea; }
    FrameRect WindowRect(WindowHandle window) const override;
    FrameRect ClientRect(WindowHandle window) const override;
    void PlaceWindow(WindowHandle window, const FrameRect& rect) override;
    ShowState WindowShowState(WindowHandle window) const override;
    void SetWindowVisible(WindowHandle window, bool visible) override;
    void RepaintNow(WindowHandle window) override;
    void SetCaption(WindowHandle window, const std::string& text) override;
    std::int32_t TwipsPerPixelX() const override { return twipsPerPixelX; }
    std::int32_t TwipsPerPixelY() const override { return twipsPerPixelY; }
    FrameRect DesktopRect() const override { return desktop; }
    FrameRect ControlRect(WindowHandle control) const override { return WindowRect(control); }
    void MoveControl(WindowHandle control, const FrameRect& rect) override;
    FramePoint CursorPosition() const override { return cursor; }
    void ReleaseMouseCapture() override { ++captureReleases; }
    std::intptr_t Send(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                       std::intptr_t lParam) override;
    FrameRect RectAt(std::intptr_t lParam) const override;
    void SetRectAt(std::intptr_t lParam, const FrameRect& rect) override;

    std::map<WindowHandle, Window> windows;
    std::map<std::int32_t, std::uint32_t> sysColors;  // missing ones are black
    bool dragFullWindows = true;
    int dragFullWindowsChanges = 0;
    FrameRect workArea;
    FrameRect desktop{0, 0, 1024, 768};
    std::int32_t twipsPerPixelX = 15;
    std::int32_t twipsPerPixelY = 15;
    FramePoint cursor;
    int captureReleases = 0;
    std::vector<Message> sent;
    std::map<std::intptr_t, FrameRect> rects;

  private:
    const Window* Find(WindowHandle window) const;
    Window* Find(WindowHandle window);
};

}  // namespace qn
