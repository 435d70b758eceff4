#include "tests/e2e/driver/dialog_answerer.h"

#include "tests/e2e/driver/message_box.h"
#include "tests/e2e/driver/poll.h"

namespace qn::e2e {

namespace {

// Gives a dialog time to handle the answer before it is looked at again.
constexpr DWORD kAnswerSettleMs = 200;

}  // namespace

bool AnswerDialogsUntilExit(const Process& process, const DialogChooser& choose, DWORD timeoutMs) {
    return PollUntil(
        [&] {
            if (!process.Running()) return true;
            HWND dialog = WaitForDialog(process.Id(), 0);
            if (dialog != nullptr) {
                const std::string button = choose(dialog);
                if (button.empty() || !PressButton(dialog, button)) {
                    PostMessageA(dialog, WM_CLOSE, 0, 0);
                }
                Sleep(kAnswerSettleMs);
            }
            return !process.Running();
        },
        timeoutMs, 50);
}

}  // namespace qn::e2e
