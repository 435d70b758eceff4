#include "tests/e2e/driver/message_box.h"

#include "tests/e2e/driver/control_input.h"
#include "tests/e2e/driver/window_finder.h"

namespace qn::e2e {

namespace {

constexpr int kMessageTextId = 0xFFFF;

}  // namespace

HWND WaitForDialog(DWORD pid, DWORD timeoutMs) {
    return WaitForTopLevelWindow(WindowQuery{Caption::Prefix(""), pid, kDialogClass, true},
                                 timeoutMs);
}

bool IsMessageBox(HWND dialog) {
    return FindChildById(dialog, kMessageTextId) != nullptr;
}

std::string MessageBoxText(HWND box) {
    HWND text = FindChildById(box, kMessageTextId);
    return text == nullptr ? std::string() : WindowText(text);
}

bool PressButton(HWND dialog, const std::string& buttonCaption) {
    const std::string wanted = WithoutMnemonics(buttonCaption);
    for (HWND child : ChildWindows(dialog)) {
        if (ClassNameOf(child) != "Button") continue;
        if (WithoutMnemonics(WindowText(child)) != wanted) continue;
        Click(child);
        return true;
    }
    return false;
}

}  // namespace qn::e2e
