#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace qn::e2e {

// A notification icon as the mouse reaches it: the window that receives its
// clicks and the point (client coordinates) to click.
struct TrayIcon {
    HWND window = nullptr;
    POINT at{};
    bool operator==(const TrayIcon& other) const {
        return window == other.window && at.x == other.at.x && at.y == other.at.y;
    }
};

// Wine's taskbar on the virtual desktop, waiting at most timeoutMs for the
// desktop to start; nullptr when there is none.
HWND TrayWindow(DWORD timeoutMs = 5000);
// The icons in the tray, oldest first. Wine 8 paints the icons into the
// taskbar itself in 20-pixel slots from the right edge leftwards and hides
// the taskbar when no icon is left; later Wine versions give each icon a
// child window of the taskbar.
std::vector<TrayIcon> TrayIcons();
// Icons in the tray now but not in before.
std::vector<TrayIcon> NewTrayIcons(const std::vector<TrayIcon>& before);
bool InTray(const TrayIcon& icon);

void RightClickTrayIcon(const TrayIcon& icon);
void LeftClickTrayIcon(const TrayIcon& icon);

// A popup menu is a top-level window of class "#32768" in the process that
// tracks it.
constexpr const char* kPopupMenuClass = "#32768";
HWND WaitForPopupMenu(DWORD pid, DWORD timeoutMs);
// Chooses the last item of an open popup menu with the keyboard (Up from no
// selection wraps to the last item, then Enter). Menus of another process
// cannot be read in Wine, so items are reached by position.
void ChooseLastPopupMenuItem(HWND menuWindow);
// Chooses the item at position among the items the keyboard reaches
// (separators do not count; 0 is the first item).
void ChoosePopupMenuItem(HWND menuWindow, int position);
// The same for the item at subPosition of the submenu at position (the
// submenu opens on its first item).
void ChoosePopupSubmenuItem(HWND menuWindow, int position, int subPosition);
// The shell's tooltips and balloons are windows of this class whose text is
// what they show.
constexpr const char* kTooltipClass = "tooltips_class32";
// The text of a visible tooltip or balloon that begins with prefix; "" when
// none shows.
std::string ShellTooltipText(const std::string& prefix);
// Brings the pointer onto the icon and waits for the shell's tooltip that
// begins with prefix; its text, or "" when none showed within timeoutMs.
std::string HoverTrayIcon(const TrayIcon& icon, const std::string& prefix, DWORD timeoutMs);
// Closes an open popup menu without choosing.
void CancelPopupMenu(HWND menuWindow);

}  // namespace qn::e2e
