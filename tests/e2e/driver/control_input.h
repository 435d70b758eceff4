#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace qn::e2e {

// A caption without its mnemonic markers: "E&xit" -> "Exit", "&&" -> "&".
std::string WithoutMnemonics(const std::string& caption);

// Posts BM_CLICK: the button's handler may open a modal window, which must
// not block the driver.
void Click(HWND button);
// Posts a mouse move, button press and release at a point of the window's
// client area, as a user's click would come.
void PostMouseClick(HWND window, POINT at, UINT down, UINT up, WPARAM buttonFlag);
// A left click in the middle of a control that answers the mouse but not
// BM_CLICK (a label, a picture box).
void ClickMiddle(HWND control);

// Replaces an edit control's text and tells its parent, as typing would.
void SetEditText(HWND edit, const std::string& text);
// Types text one WM_CHAR at a time (the control's own key handling runs).
void TypeChars(HWND control, const std::string& text);

// CB_SETCURSEL / LB_SETCURSEL notify nobody; these also send the
// CBN_SELCHANGE / LBN_SELCHANGE that a user's choice would.
bool SelectComboItem(HWND combo, int index);
bool SelectListItem(HWND list, int index);
int SelectedIndex(HWND comboOrList);

// Item texts of a list or combo box, also of another process (read through
// the W messages: the A ones return UTF-16 bytes across processes in Wine).
std::vector<std::string> ListItems(HWND list);
std::vector<std::string> ComboItems(HWND combo);

// Chooses a menu-bar item by its caption path, e.g. {"File", "Exit"};
// mnemonic markers are ignored; also for another process's window. Posts the
// WM_COMMAND; false when the path does not lead to an item a user could
// choose (missing, a submenu, grayed) or the menu cannot be read.
bool ChooseMenuItem(HWND window, const std::vector<std::string>& captionPath);

}  // namespace qn::e2e
