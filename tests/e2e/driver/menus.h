#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace qn::e2e {

// One menu entry as the program built it.
struct MenuEntry {
    std::string caption;  // as stored, "&" markers and any "\t" hint included
    UINT id = 0;          // the WM_COMMAND id of a plain item
    UINT type = 0;        // MFT_* bits
    UINT state = 0;       // MFS_* bits
    bool popup = false;   // opens the submenu in items
    std::vector<MenuEntry> items;

    bool IsSeparator() const { return (type & MFT_SEPARATOR) != 0; }
    bool Grayed() const { return (state & MFS_GRAYED) != 0; }
    bool Checked() const { return (state & MFS_CHECKED) != 0; }
};

// The menu bar of a window, also of another process (read from inside it
// when the menu API cannot reach it, as in Wine). Empty when the window has
// no menu bar; false in ok when it could not be read.
std::vector<MenuEntry> MenuTree(HWND window, bool* ok = nullptr);

// The entry at a caption path, e.g. {"&Help", "About"}: each caption written
// with its markers or as shown ("Save && &Check" or "Save & Check");
// accelerator hints are ignored. nullptr when there is none.
const MenuEntry* FindMenuEntry(const std::vector<MenuEntry>& tree,
                               const std::vector<std::string>& captionPath);

}  // namespace qn::e2e
