#include "tests/e2e/driver/tray.h"

#include <algorithm>

#include "tests/e2e/driver/window_finder.h"

namespace qn::e2e {

namespace {

bool IsTrayIconClass(const std::string& className) {
    return className.find("tray_icon") != std::string::npos;
}

void PostClick(HWND icon, UINT down, UINT up) {
    RECT client{};
    GetClientRect(icon, &client);
    const LPARAM middle = MAKELPARAM(client.right / 2, client.bottom / 2);
    PostMessageA(icon, WM_MOUSEMOVE, 0, middle);
    PostMessageA(icon, down, 0, middle);
    PostMessageA(icon, up, 0, middle);
}

void PostKey(HWND window, WPARAM key) {
    PostMessageA(window, WM_KEYDOWN, key, 1);
    PostMessageA(window, WM_KEYUP, key, 0xC0000001);
}

}  // namespace

HWND TrayWindow() {
    return FindWindowA("Shell_TrayWnd", nullptr);
}

std::vector<HWND> TrayIconWindows() {
    std::vector<HWND> icons;
    HWND tray = TrayWindow();
    if (tray == nullptr) return icons;
    for (HWND child : ChildWindows(tray)) {
        if (IsTrayIconClass(ClassNameOf(child)) && IsWindowVisible(child)) icons.push_back(child);
    }
    return icons;
}

std::vector<HWND> NewTrayIcons(const std::vector<HWND>& before) {
    std::vector<HWND> added;
    for (HWND icon : TrayIconWindows()) {
        if (std::find(before.begin(), before.end(), icon) == before.end()) added.push_back(icon);
    }
    return added;
}

void RightClickTrayIcon(HWND icon) {
    PostClick(icon, WM_RBUTTONDOWN, WM_RBUTTONUP);
}

void LeftClickTrayIcon(HWND icon) {
    PostClick(icon, WM_LBUTTONDOWN, WM_LBUTTONUP);
}

HWND WaitForPopupMenu(DWORD pid, DWORD timeoutMs) {
    return WaitForTopLevelWindow(WindowQuery{Caption::Prefix(""), pid, kPopupMenuClass, true},
                                 timeoutMs);
}

void ChooseLastPopupMenuItem(HWND menuWindow) {
    PostKey(menuWindow, VK_UP);
    PostKey(menuWindow, VK_RETURN);
}

void CancelPopupMenu(HWND menuWindow) {
    PostKey(menuWindow, VK_ESCAPE);
}

}  // namespace qn::e2e
