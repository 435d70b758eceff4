#pragma once
// Real menus made from the portable menu table.
#include <windows.h>

#include <vector>

#include "meter/app/main_menu.h"

namespace qn::meter::win32 {

// A popup menu (with submenus) that the caller destroys with DestroyMenu.
HMENU CreatePopupMenuFrom(const std::vector<MenuEntry>& entries);

}  // namespace qn::meter::win32
