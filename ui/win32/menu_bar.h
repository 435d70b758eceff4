#pragma once
// Builds a window menu from a form's menu tree and maps command ids back to
// the items.
#include <windows.h>

#include <vector>

#include "ui/menu_item.h"

namespace qn::ui::win32 {

class MenuBar {
  public:
    // Ids above the control ids, below the 16-bit limit of WM_COMMAND.
    static constexpr int kFirstId = 0x4000;

    // A new menu bar, or null when no menu is visible. Hidden items are left out.
    HMENU Build(const std::vector<MenuItem*>& menus);
    // The item with this command id, or null.
    MenuItem* Find(int id) const;

  private:
    void Append(HMENU menu, MenuItem& item);
    std::vector<MenuItem*> items_;
};

}  // namespace qn::ui::win32
