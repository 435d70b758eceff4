#include <gtest/gtest.h>

#include <string>

#include "meter/app/win32/popup_menu_win32.h"

namespace qn::meter::win32 {
namespace {

std::string ItemText(HMENU menu, int position) {
    char text[64] = {};
    GetMenuStringA(menu, position, text, sizeof(text), MF_BYPOSITION);
    return text;
}

TEST(PopupMenuFromTable, ItemsSeparatorsAndCommandsMatchTheTable) {
    const auto table = BuildMainMenu(true, BuiltInThemeNames());
    HMENU menu = CreatePopupMenuFrom(table);
    ASSERT_EQ(GetMenuItemCount(menu), static_cast<int>(table.size()));
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        const MenuEntry& entry = table[i];
        if (entry.IsSeparator()) {
            EXPECT_TRUE(GetMenuState(menu, i, MF_BYPOSITION) & MF_SEPARATOR) << i;
        } else {
            EXPECT_EQ(ItemText(menu, i), entry.caption);
        }
        if (entry.children.empty() && !entry.IsSeparator()) {
            EXPECT_EQ(GetMenuItemID(menu, i), entry.command) << entry.caption;
        }
    }
    DestroyMenu(menu);
}

TEST(PopupMenuFromTable, GraphStyleIsASubmenu) {
    const auto table = BuildMainMenu(false, BuiltInThemeNames());
    HMENU menu = CreatePopupMenuFrom(table);
    HMENU style = GetSubMenu(menu, 4);
    ASSERT_NE(style, nullptr);
    EXPECT_EQ(ItemText(menu, 4), "Graph Style");
    ASSERT_EQ(GetMenuItemCount(style), 6);
    EXPECT_EQ(ItemText(style, 1), "Task Manager");
    EXPECT_EQ(GetMenuItemID(style, 5), static_cast<UINT>(kThemeCustomCommand));
    DestroyMenu(menu);
}

}  // namespace
}  // namespace qn::meter::win32
