#include "tests/e2e/driver/folder_browser.h"

// After windows.h, which it needs.
#include <commctrl.h>

#include "tests/e2e/driver/control_input.h"
#include "tests/e2e/driver/message_box.h"
#include "tests/e2e/driver/poll.h"
#include "tests/e2e/driver/window_finder.h"

namespace qn::e2e {

namespace {

HWND TreeOf(HWND browser) {
    return FindChild(browser, Caption::Prefix(""), WC_TREEVIEWA);
}

}  // namespace

HWND WaitForFolderBrowser(DWORD pid, const std::string& title, DWORD timeoutMs) {
    HWND found = nullptr;
    PollUntil(
        [&] {
            for (HWND dialog :
                 TopLevelWindows(WindowQuery{Caption::Prefix(""), pid, kDialogClass})) {
                if (TreeOf(dialog) != nullptr &&
                    FindChild(dialog, Caption::Exact(title), "Static") != nullptr) {
                    found = dialog;
                    return true;
                }
            }
            return false;
        },
        timeoutMs);
    return found;
}

bool ChooseFolderByTyping(HWND browser, const std::string& name) {
    HWND tree = TreeOf(browser);
    if (tree == nullptr) return false;
    // Item handles are plain values: these messages need no memory of the
    // other process.
    const LRESULT before = SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CARET, 0);
    TypeChars(tree, name);
    if (SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CARET, 0) == before) return false;
    // Posted: the browser ends its modal loop on OK.
    return PostMessageA(browser, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0) != FALSE;
}

}  // namespace qn::e2e
