#include "meter/app/win32/popup_menu_win32.h"

namespace qn::meter::win32 {

HMENU CreatePopupMenuFrom(const std::vector<MenuEntry>& entries) {
    HMENU menu = CreatePopupMenu();
    for (const MenuEntry& entry : entries) {
        if (!entry.children.empty()) {
            AppendMenuA(menu, MF_POPUP | MF_STRING,
                        reinterpret_cast<UINT_PTR>(CreatePopupMenuFrom(entry.children)),
                        entry.caption.c_str());
        } else if (entry.IsSeparator()) {
            AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
        } else {
            AppendMenuA(menu, MF_STRING, entry.command, entry.caption.c_str());
        }
    }
    return menu;
}

}  // namespace qn::meter::win32
