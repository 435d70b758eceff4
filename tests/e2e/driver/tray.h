#pragma once
#include <windows.h>

#include <vector>

namespace qn::e2e {

// Wine's taskbar on the virtual desktop; nullptr when there is none.
HWND TrayWindow();
// The notification icons in the taskbar: in Wine each icon is a child window
// of the taskbar that relays its mouse messages to the icon's owner.
std::vector<HWND> TrayIconWindows();
// Icons that are in the tray now but not in before.
std::vector<HWND> NewTrayIcons(const std::vector<HWND>& before);

// Clicks an icon with the right or left mouse button.
void RightClickTrayIcon(HWND icon);
void LeftClickTrayIcon(HWND icon);

// A popup menu is a top-level window of class "#32768" in the process that
// tracks it.
constexpr const char* kPopupMenuClass = "#32768";
HWND WaitForPopupMenu(DWORD pid, DWORD timeoutMs);
// Chooses the last item of an open popup menu with the keyboard (Up from no
// selection wraps to the last item, then Enter). Menus of another process
// cannot be read in Wine, so items are reached by position.
void ChooseLastPopupMenuItem(HWND menuWindow);
// Closes an open popup menu without choosing.
void CancelPopupMenu(HWND menuWindow);

}  // namespace qn::e2e
