#include "tests/e2e/driver/control_input.h"

#include <map>
#include <utility>

#include "tests/e2e/driver/menus.h"
#include "tests/e2e/driver/window_finder.h"

namespace qn::e2e {

namespace {

constexpr UINT kSendTimeoutMs = 5000;

LRESULT SendBounded(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kSendTimeoutMs, &result);
    return static_cast<LRESULT>(result);
}

void NotifyParent(HWND control, WORD code) {
    const int id = GetDlgCtrlID(control);
    SendBounded(GetParent(control), WM_COMMAND, MAKEWPARAM(id, code),
                reinterpret_cast<LPARAM>(control));
}

std::string ToAnsi(const std::wstring& text) {
    if (text.empty()) return {};
    const int size = WideCharToMultiByte(CP_ACP, 0, text.c_str(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, 0, text.c_str(), static_cast<int>(text.size()), &result[0], size,
                        nullptr, nullptr);
    return result;
}

std::vector<std::string> ItemTexts(HWND control, UINT countMsg, UINT lengthMsg, UINT textMsg) {
    std::vector<std::string> items;
    const LRESULT count = SendMessageW(control, countMsg, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        const LRESULT length = SendMessageW(control, lengthMsg, i, 0);
        if (length < 0) break;
        std::wstring text(static_cast<size_t>(length) + 1, L'\0');
        SendMessageW(control, textMsg, i, reinterpret_cast<LPARAM>(&text[0]));
        text.resize(static_cast<size_t>(length));
        items.push_back(ToAnsi(text));
    }
    return items;
}

}  // namespace

std::string WithoutMnemonics(const std::string& caption) {
    std::string plain;
    for (size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] != '&') {
            plain += caption[i];
        } else if (i + 1 < caption.size() && caption[i + 1] == '&') {
            plain += '&';
            ++i;
        }
    }
    return plain;
}

void Click(HWND button) {
    PostMessageA(button, BM_CLICK, 0, 0);
}

void PostMouseClick(HWND window, POINT at, UINT down, UINT up, WPARAM buttonFlag) {
    const LPARAM where = MAKELPARAM(at.x, at.y);
    PostMessageA(window, WM_MOUSEMOVE, 0, where);
    PostMessageA(window, down, buttonFlag, where);
    PostMessageA(window, up, 0, where);
}

void ClickMiddle(HWND control) {
    RECT client{};
    GetClientRect(control, &client);
    PostMouseClick(control, POINT{client.right / 2, client.bottom / 2}, WM_LBUTTONDOWN,
                   WM_LBUTTONUP, MK_LBUTTON);
}

void SetEditText(HWND edit, const std::string& text) {
    SendBounded(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    // A single-line edit control sends EN_CHANGE for WM_SETTEXT itself; a
    // second one would run the program's change handler twice.
    const bool notifiesItself = lstrcmpiA(ClassNameOf(edit).c_str(), "Edit") == 0 &&
                                (GetWindowLongA(edit, GWL_STYLE) & ES_MULTILINE) == 0;
    if (!notifiesItself) NotifyParent(edit, EN_CHANGE);
}

void TypeChars(HWND control, const std::string& text) {
    for (char c : text) {
        SendBounded(control, WM_CHAR, static_cast<unsigned char>(c), 1);
    }
}

bool SelectComboItem(HWND combo, int index) {
    if (SendBounded(combo, CB_SETCURSEL, index, 0) != index) return false;
    NotifyParent(combo, CBN_SELCHANGE);
    return true;
}

bool SelectListItem(HWND list, int index) {
    // Single-selection lists return the index; LB_ERR otherwise.
    if (SendBounded(list, LB_SETCURSEL, index, 0) == LB_ERR) return false;
    NotifyParent(list, LBN_SELCHANGE);
    return true;
}

int SelectedIndex(HWND comboOrList) {
    const UINT message = ClassNameOf(comboOrList) == "ComboBox" ? CB_GETCURSEL : LB_GETCURSEL;
    return static_cast<int>(SendBounded(comboOrList, message, 0, 0));
}

std::vector<std::string> ListItems(HWND list) {
    return ItemTexts(list, LB_GETCOUNT, LB_GETTEXTLEN, LB_GETTEXT);
}

std::vector<std::string> ComboItems(HWND combo) {
    return ItemTexts(combo, CB_GETCOUNT, CB_GETLBTEXTLEN, CB_GETLBTEXT);
}

namespace {

// Reading another process's menu loads a probe into it (see menus.cpp); under
// Wine that has, rarely, left the target wedged for good. So another
// process's menu is read once per window and its command ids reused: ids do
// not change while a window lives (the grayed state is as first read). The
// key holds the process too, so that a reused handle value is not mistaken
// for the same window.
std::vector<MenuEntry> MenuTreeOnce(HWND window) {
    static std::map<std::pair<HWND, DWORD>, std::vector<MenuEntry>> trees;
    const DWORD process = WindowProcessId(window);
    if (process == GetCurrentProcessId()) return MenuTree(window);  // read directly
    const auto key = std::make_pair(window, process);
    auto found = trees.find(key);
    if (found == trees.end() || found->second.empty()) {
        found = trees.insert_or_assign(key, MenuTree(window)).first;
    }
    return found->second;
}

}  // namespace

bool ChooseMenuItem(HWND window, const std::vector<std::string>& captionPath) {
    const std::vector<MenuEntry> tree = MenuTreeOnce(window);
    const MenuEntry* entry = FindMenuEntry(tree, captionPath);
    // A user cannot choose a submenu itself nor a grayed item.
    if (entry == nullptr || entry->popup || entry->Grayed()) return false;
    return PostMessageA(window, WM_COMMAND, MAKEWPARAM(entry->id, 0), 0) != FALSE;
}

}  // namespace qn::e2e
