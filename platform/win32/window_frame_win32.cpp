#include <windows.h>

#include <algorithm>

#include "platform/win32/optional_api.h"
#include "platform/win32/win32_services.h"
#include "platform/win32/window_handle_win32.h"

namespace qn::win32 {

namespace {

FrameRect FromRect(const RECT& rect) {
    return FrameRect{rect.left, rect.top, rect.right, rect.bottom};
}

RECT ToRect(const FrameRect& rect) {
    return RECT{rect.left, rect.top, rect.right, rect.bottom};
}

constexpr int kTwipsPerInch = 1440;

std::int32_t TwipsPerPixel(int axis) {
    HDC screen = GetDC(nullptr);
    const int dotsPerInch = GetDeviceCaps(screen, axis);
    ReleaseDC(nullptr, screen);
    // A screen finer than a twip per pixel still counts one twip per pixel.
    return dotsPerInch > 0 ? std::max(1, kTwipsPerInch / dotsPerInch) : 15;
}

class Win32WindowFrame : public WindowFrame {
  public:
    std::uint32_t Style(WindowHandle window) const override {
        return static_cast<std::uint32_t>(GetWindowLongA(ToHwnd(window), GWL_STYLE));
    }

    void SetStyle(WindowHandle window, std::uint32_t style) override {
        SetWindowLongA(ToHwnd(window), GWL_STYLE, static_cast<LONG>(style));
    }

    std::uint32_t ExStyle(WindowHandle window) const override {
        return static_cast<std::uint32_t>(GetWindowLongA(ToHwnd(window), GWL_EXSTYLE));
    }

    void SetExStyle(WindowHandle window, std::uint32_t exStyle) override {
        SetWindowLongA(ToHwnd(window), GWL_EXSTYLE, static_cast<LONG>(exStyle));
    }

    void SetTopMost(WindowHandle window, bool topMost) override {
        SetWindowPos(ToHwnd(window), topMost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE);
    }

    void RefreshFrame(WindowHandle window) override {
        SetWindowPos(ToHwnd(window), nullptr, 0, 0, 0, 0,
                     SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED);
    }

    bool SystemMenuItemEnabled(WindowHandle window, std::uint32_t item) const override {
        const UINT state = GetMenuState(GetSystemMenu(ToHwnd(window), FALSE), item, MF_BYCOMMAND);
        return state != static_cast<UINT>(-1) && (state & (MF_GRAYED | MF_DISABLED)) == 0;
    }

    void EnableSystemMenuItem(WindowHandle window, std::uint32_t item, bool enabled) override {
        EnableMenuItem(GetSystemMenu(ToHwnd(window), FALSE), item,
                       MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
    }

    void RemoveSystemMenuItem(WindowHandle window, std::uint32_t item) override {
        RemoveMenu(GetSystemMenu(ToHwnd(window), FALSE), item, MF_BYCOMMAND);
    }

    bool SetLayeredAttributes(WindowHandle window, std::uint32_t colorKey, std::uint8_t alpha,
                              std::uint32_t flags) override {
        const auto set = Optional().SetLayeredWindowAttributes;
        return set && set(ToHwnd(window), colorKey, alpha, flags) != 0;
    }

    std::uint32_t SysColor(std::int32_t index) const override { return GetSysColor(index); }

    bool DragFullWindows() const override {
        BOOL on = FALSE;
        return SystemParametersInfoA(SPI_GETDRAGFULLWINDOWS, 0, &on, 0) && on;
    }

    void SetDragFullWindows(bool on) override {
        SystemParametersInfoA(SPI_SETDRAGFULLWINDOWS, on ? 1 : 0, nullptr, SPIF_SENDCHANGE);
    }

    FrameRect WorkArea() const override {
        RECT rect{};
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &rect, 0);
        return FromRect(rect);
    }

    FrameRect WindowRect(WindowHandle window) const override {
        RECT rect{};
        GetWindowRect(ToHwnd(window), &rect);
        return FromRect(rect);
    }

    FrameRect ClientRect(WindowHandle window) const override {
        RECT rect{};
        GetClientRect(ToHwnd(window), &rect);
        return FromRect(rect);
    }

    void PlaceWindow(WindowHandle window, const FrameRect& rect) override {
        SetWindowPos(ToHwnd(window), nullptr, rect.left, rect.top, rect.Width(), rect.Height(),
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }

    ShowState WindowShowState(WindowHandle window) const override {
        if (IsIconic(ToHwnd(window))) return ShowState::Minimised;
        if (IsZoomed(ToHwnd(window))) return ShowState::Maximised;
        return ShowState::Normal;
    }

    void SetWindowVisible(WindowHandle window, bool visible) override {
        ShowWindow(ToHwnd(window), visible ? SW_SHOW : SW_HIDE);
    }

    void RepaintNow(WindowHandle window) override {
        RedrawWindow(ToHwnd(window), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    }

    void SetCaption(WindowHandle window, const std::string& text) override {
        SetWindowTextA(ToHwnd(window), text.c_str());
    }

    std::int32_t TwipsPerPixelX() const override { return TwipsPerPixel(LOGPIXELSX); }
    std::int32_t TwipsPerPixelY() const override { return TwipsPerPixel(LOGPIXELSY); }

    FrameRect DesktopRect() const override {
        const int width = GetSystemMetrics(SM_CXVIRTUALSCREEN);
        const int height = GetSystemMetrics(SM_CYVIRTUALSCREEN);
        // Windows 95 and NT 4 know one monitor only and answer 0 here.
        if (width <= 0 || height <= 0) {
            return FrameRect{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
        }
        const int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
        const int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
        return FrameRect{left, top, left + width, top + height};
    }

    FrameRect ControlRect(WindowHandle control) const override {
        RECT rect{};
        GetWindowRect(ToHwnd(control), &rect);
        MapWindowPoints(HWND_DESKTOP, GetParent(ToHwnd(control)), reinterpret_cast<POINT*>(&rect),
                        2);
        return FromRect(rect);
    }

    void MoveControl(WindowHandle control, const FrameRect& rect) override {
        MoveWindow(ToHwnd(control), rect.left, rect.top, rect.Width(), rect.Height(), TRUE);
    }

    FramePoint CursorPosition() const override {
        POINT point{};
        GetCursorPos(&point);
        return FramePoint{point.x, point.y};
    }

    void ReleaseMouseCapture() override { ReleaseCapture(); }

    std::intptr_t Send(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                       std::intptr_t lParam) override {
        return SendMessageA(ToHwnd(window), message, wParam, lParam);
    }

    FrameRect RectAt(std::intptr_t lParam) const override {
        if (lParam == 0) return FrameRect{};
        return FromRect(*reinterpret_cast<const RECT*>(lParam));
    }

    void SetRectAt(std::intptr_t lParam, const FrameRect& rect) override {
        if (lParam != 0) *reinterpret_cast<RECT*>(lParam) = ToRect(rect);
    }
};

}  // namespace

std::unique_ptr<WindowFrame> MakeWin32WindowFrame() {
    return std::make_unique<Win32WindowFrame>();
}

}  // namespace qn::win32
