#include "tests/e2e/driver/multi_select_list.h"

#include "tests/e2e/driver/control_input.h"

namespace qn::e2e {

std::vector<bool> ItemSelections(HWND list) {
    std::vector<bool> selected;
    const LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        selected.push_back(SendMessageA(list, LB_GETSEL, static_cast<WPARAM>(i), 0) > 0);
    }
    return selected;
}

bool ClickListItem(HWND list, int index) {
    // Computed here rather than asked with LB_GETITEMRECT, whose RECT would
    // have to cross into the other process.
    const LRESULT top = SendMessageA(list, LB_GETTOPINDEX, 0, 0);
    const LRESULT height = SendMessageA(list, LB_GETITEMHEIGHT, 0, 0);
    RECT client{};
    GetClientRect(list, &client);
    const LONG y = static_cast<LONG>((index - top) * height + height / 2);
    if (index < top || height <= 0 || y >= client.bottom) return false;
    PostMouseClick(list, POINT{client.right / 2, y}, WM_LBUTTONDOWN, WM_LBUTTONUP, MK_LBUTTON);
    return true;
}

}  // namespace qn::e2e
