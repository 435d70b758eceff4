#include "tests/e2e/driver/group_box.h"

#include "tests/e2e/driver/control_input.h"
#include "tests/e2e/driver/window_finder.h"

namespace qn::e2e {

namespace {

bool IsGroupBox(HWND window) {
    return lstrcmpiA(ClassNameOf(window).c_str(), "Button") == 0 &&
           (GetWindowLongA(window, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX;
}

}  // namespace

HWND FindGroupBox(HWND parent, const std::string& groupCaption) {
    for (HWND child : ChildWindows(parent)) {
        if (IsGroupBox(child) && WithoutMnemonics(WindowText(child)) == groupCaption) return child;
    }
    return nullptr;
}

std::vector<HWND> ChildrenInGroupBox(HWND parent, const std::string& groupCaption,
                                     const std::string& className) {
    std::vector<HWND> inside;
    HWND group = FindGroupBox(parent, groupCaption);
    if (group == nullptr) return inside;
    RECT frame{};
    GetWindowRect(group, &frame);
    for (HWND child : ChildWindows(parent)) {
        if (child == group || lstrcmpiA(ClassNameOf(child).c_str(), className.c_str()) != 0) {
            continue;
        }
        RECT bounds{};
        GetWindowRect(child, &bounds);
        // A drop-down list's window reaches below its box; its top edge and
        // horizontal centre say where it is shown.
        const POINT anchor{(bounds.left + bounds.right) / 2, bounds.top + 1};
        if (PtInRect(&frame, anchor)) inside.push_back(child);
    }
    return inside;
}

}  // namespace qn::e2e
