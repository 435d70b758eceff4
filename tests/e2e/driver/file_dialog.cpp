#include "tests/e2e/driver/file_dialog.h"

// After windows.h, which it needs.
#include <dlgs.h>

#include "tests/e2e/driver/control_input.h"
#include "tests/e2e/driver/message_box.h"
#include "tests/e2e/driver/window_finder.h"

namespace qn::e2e {

HWND WaitForFileDialog(DWORD pid, const std::string& title, DWORD timeoutMs) {
    return WaitForTopLevelWindow(WindowQuery{Caption::Exact(title), pid, kDialogClass, true},
                                 timeoutMs);
}

HWND FileNameBox(HWND dialog) {
    HWND combo = GetDlgItem(dialog, cmb13);
    if (combo == nullptr) return GetDlgItem(dialog, edt1);
    HWND edit = FindWindowExA(combo, nullptr, "Edit", nullptr);
    return edit != nullptr ? edit : combo;
}

std::vector<std::string> FileTypes(HWND dialog) {
    HWND types = GetDlgItem(dialog, cmb1);
    return types == nullptr ? std::vector<std::string>() : ComboItems(types);
}

bool ChooseFileName(HWND dialog, const std::string& name) {
    HWND box = FileNameBox(dialog);
    if (box == nullptr) return false;
    SetEditText(box, name);
    // Posted: the dialog may answer with a box of its own (overwrite, not found).
    return PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0) != FALSE;
}

}  // namespace qn::e2e
