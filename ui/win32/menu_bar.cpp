#include "ui/win32/menu_bar.h"

namespace qn::ui::win32 {

HMENU MenuBar::Build(const std::vector<MenuItem*>& menus) {
    items_.clear();
    bool anyVisible = false;
    for (const MenuItem* menu : menus) anyVisible = anyVisible || menu->Visible();
    if (!anyVisible) return nullptr;
    HMENU bar = CreateMenu();
    for (MenuItem* menu : menus) Append(bar, *menu);
    return bar;
}

MenuItem* MenuBar::Find(int id) const {
    const int index = id - kFirstId;
    if (index < 0 || index >= static_cast<int>(items_.size())) return nullptr;
    return items_[static_cast<size_t>(index)];
}

void MenuBar::Append(HMENU menu, MenuItem& item) {
    if (!item.Visible()) return;
    if (item.IsSeparator()) {
        AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
        return;
    }
    UINT flags = MF_STRING;
    if (item.Checked()) flags |= MF_CHECKED;
    if (!item.Enabled()) flags |= MF_GRAYED;
    if (!item.Items().empty()) {
        HMENU popup = CreatePopupMenu();
        for (MenuItem* child : item.Items()) Append(popup, *child);
        AppendMenuA(menu, flags | MF_POPUP, reinterpret_cast<UINT_PTR>(popup),
                    item.Caption().c_str());
        return;
    }
    items_.push_back(&item);
    const UINT_PTR id = static_cast<UINT_PTR>(kFirstId) + items_.size() - 1;
    AppendMenuA(menu, flags, id, item.Caption().c_str());
}

}  // namespace qn::ui::win32
