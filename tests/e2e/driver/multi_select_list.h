#pragma once
// List boxes in which each item is selected on its own (LBS_MULTIPLESEL).
#include <windows.h>

#include <vector>

namespace qn::e2e {

// Whether each item is selected, in list order; also of another process.
std::vector<bool> ItemSelections(HWND list);
// Clicks the item as a user would (in such a list the click flips its
// selection and the list tells its parent); false when the item is not in
// view.
bool ClickListItem(HWND list, int index);

}  // namespace qn::e2e
