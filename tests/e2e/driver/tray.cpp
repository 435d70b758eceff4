#include "tests/e2e/driver/tray.h"

#include <algorithm>
#include <string>

#include "tests/e2e/driver/control_input.h"
#include "tests/e2e/driver/poll.h"
#include "tests/e2e/driver/screenshot.h"
#include "tests/e2e/driver/window_finder.h"

namespace qn::e2e {

namespace {

// Wine's tray slot: a small icon plus a border of 2 pixels on each side.
constexpr int kIconBorder = 2;

bool IsIconWindowClass(const std::string& className) {
    return className.find("tray_icon") != std::string::npos;
}

// Icons of later Wine versions: child windows of the taskbar.
std::vector<TrayIcon> IconWindows(HWND tray) {
    std::vector<TrayIcon> icons;
    for (HWND child : ChildWindows(tray)) {
        if (!IsIconWindowClass(ClassNameOf(child)) || !IsWindowVisible(child)) continue;
        RECT client{};
        GetClientRect(child, &client);
        icons.push_back({child, {client.right / 2, client.bottom / 2}});
    }
    return icons;
}

// Wine 8 paints icons into the taskbar and exposes no list of them, so a
// slot counts as used when its pixels are not all the taskbar's background.
bool SlotPainted(const RgbImage& strip, int slotLeft, int slot) {
    const auto pixel = [&](int x, int y) {
        const size_t at = (static_cast<size_t>(y) * strip.width + x) * 3;
        return (strip.pixels[at] << 16) | (strip.pixels[at + 1] << 8) | strip.pixels[at + 2];
    };
    const int background = pixel(slotLeft, 0);
    for (int y = 0; y < static_cast<int>(strip.height); ++y) {
        for (int x = slotLeft; x < slotLeft + slot; ++x) {
            if (pixel(x, y) != background) return true;
        }
    }
    return false;
}

int PaintedIconCount(HWND tray, int slot) {
    if (!IsWindowVisible(tray)) return 0;
    RECT client{};
    GetClientRect(tray, &client);
    POINT origin{0, 0};
    ClientToScreen(tray, &origin);
    const RgbImage strip = CaptureScreenRect(origin.x, origin.y, client.right, client.bottom);
    if (strip.width == 0) return 0;
    int count = 0;
    while (client.right - slot * (count + 1) >= 0 &&
           SlotPainted(strip, client.right - slot * (count + 1), slot)) {
        ++count;
    }
    return count;
}

std::vector<TrayIcon> PaintedIcons(HWND tray) {
    std::vector<TrayIcon> icons;
    RECT client{};
    GetClientRect(tray, &client);
    const int slot = GetSystemMetrics(SM_CXSMICON) + 2 * kIconBorder;
    const int count = PaintedIconCount(tray, slot);
    for (int display = 0; display < count; ++display) {
        icons.push_back({tray, {client.right - slot * display - slot / 2, client.bottom / 2}});
    }
    return icons;
}

void PostClick(const TrayIcon& icon, UINT down, UINT up, WPARAM buttonFlag) {
    PostMouseClick(icon.window, icon.at, down, up, buttonFlag);
}

void PostKey(HWND window, WPARAM key) {
    PostMessageA(window, WM_KEYDOWN, key, 1);
    PostMessageA(window, WM_KEYUP, key, 0xC0000001);
}

}  // namespace

HWND TrayWindow(DWORD timeoutMs) {
    GetDesktopWindow();  // starts Wine's desktop process when it is not running yet
    HWND tray = nullptr;
    PollUntil([&] { return (tray = FindWindowA("Shell_TrayWnd", nullptr)) != nullptr; }, timeoutMs);
    return tray;
}

std::vector<TrayIcon> TrayIcons() {
    HWND tray = TrayWindow(0);
    if (tray == nullptr) return {};
    std::vector<TrayIcon> icons = IconWindows(tray);
    return icons.empty() ? PaintedIcons(tray) : icons;
}

std::vector<TrayIcon> NewTrayIcons(const std::vector<TrayIcon>& before) {
    std::vector<TrayIcon> added;
    for (const TrayIcon& icon : TrayIcons()) {
        if (std::find(before.begin(), before.end(), icon) == before.end()) added.push_back(icon);
    }
    return added;
}

bool InTray(const TrayIcon& icon) {
    const auto icons = TrayIcons();
    return std::find(icons.begin(), icons.end(), icon) != icons.end();
}

void RightClickTrayIcon(const TrayIcon& icon) {
    PostClick(icon, WM_RBUTTONDOWN, WM_RBUTTONUP, MK_RBUTTON);
}

void LeftClickTrayIcon(const TrayIcon& icon) {
    PostClick(icon, WM_LBUTTONDOWN, WM_LBUTTONUP, MK_LBUTTON);
}

HWND WaitForPopupMenu(DWORD pid, DWORD timeoutMs) {
    return WaitForTopLevelWindow(WindowQuery{Caption::Prefix(""), pid, kPopupMenuClass, true},
                                 timeoutMs);
}

void ChooseLastPopupMenuItem(HWND menuWindow) {
    PostKey(menuWindow, VK_UP);
    PostKey(menuWindow, VK_RETURN);
}

void ChoosePopupMenuItem(HWND menuWindow, int position) {
    for (int i = 0; i <= position; ++i) PostKey(menuWindow, VK_DOWN);
    PostKey(menuWindow, VK_RETURN);
}

void ChoosePopupSubmenuItem(HWND menuWindow, int position, int subPosition) {
    for (int i = 0; i <= position; ++i) PostKey(menuWindow, VK_DOWN);
    PostKey(menuWindow, VK_RIGHT);
    for (int i = 0; i < subPosition; ++i) PostKey(menuWindow, VK_DOWN);
    PostKey(menuWindow, VK_RETURN);
}

std::string ShellTooltipText(const std::string& prefix) {
    for (HWND tip : TopLevelWindows(WindowQuery{Caption::Prefix(prefix), 0, kTooltipClass, true})) {
        const std::string text = WindowText(tip);
        if (!text.empty()) return text;
    }
    return "";
}

std::string HoverTrayIcon(const TrayIcon& icon, const std::string& prefix, DWORD timeoutMs) {
    POINT screen = icon.at;
    ClientToScreen(icon.window, &screen);
    // The shell shows the tooltip when the pointer comes onto the icon and
    // rests there; moving on the icon would keep it hidden.
    SetCursorPos(screen.x - 40, screen.y);
    Sleep(200);
    SetCursorPos(screen.x, screen.y);
    std::string text;
    PollUntil([&] { return !(text = ShellTooltipText(prefix)).empty(); }, timeoutMs);
    return text;
}

void CancelPopupMenu(HWND menuWindow) {
    PostKey(menuWindow, VK_ESCAPE);
}

}  // namespace qn::e2e
