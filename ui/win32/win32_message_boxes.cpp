#include "ui/win32/win32_message_boxes.h"

#include <vector>

#include "ui/win32/input_dialog_template.h"

namespace qn::ui::win32 {

namespace {

struct InputBoxState {
    const std::string* prompt;
    const std::string* title;
    const std::string* text;
    std::string result;
};

INT_PTR CALLBACK InputBoxProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* state = reinterpret_cast<InputBoxState*>(GetWindowLongPtrA(dialog, DWLP_USER));
    switch (message) {
        case WM_INITDIALOG: {
            state = reinterpret_cast<InputBoxState*>(lParam);
            SetWindowLongPtrA(dialog, DWLP_USER, lParam);
            SetWindowTextA(dialog, state->title->c_str());
            SetDlgItemTextA(dialog, kInputPromptId, state->prompt->c_str());
            SetDlgItemTextA(dialog, kInputTextId, state->text->c_str());
            SetDlgItemTextA(dialog, IDOK, "OK");
            SetDlgItemTextA(dialog, IDCANCEL, "Cancel");
            SendDlgItemMessageA(dialog, kInputTextId, EM_SETSEL, 0, -1);
            SetFocus(GetDlgItem(dialog, kInputTextId));
            return FALSE;
        }
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK) {
                HWND edit = GetDlgItem(dialog, kInputTextId);
                std::vector<char> buffer(static_cast<size_t>(GetWindowTextLengthA(edit)) + 1);
                GetWindowTextA(edit, buffer.data(), static_cast<int>(buffer.size()));
                state->result = buffer.data();
                EndDialog(dialog, IDOK);
                return TRUE;
            }
            if (LOWORD(wParam) == IDCANCEL) {
                EndDialog(dialog, IDCANCEL);
                return TRUE;
            }
            return FALSE;
        default:
            return FALSE;
    }
}

}  // namespace

int Win32MessageBoxes::MsgBox(const std::string& prompt, int buttons, const std::string& title) {
    HWND owner = GetActiveWindow();
    UINT flags = static_cast<UINT>(buttons);
    if (owner == nullptr) flags |= MB_TASKMODAL;
    return MessageBoxA(owner, prompt.c_str(), title.c_str(), flags);
}

std::string Win32MessageBoxes::InputBox(const std::string& prompt, const std::string& title,
                                        const std::string& defaultText) {
    InputBoxState state{&prompt, &title, &defaultText, {}};
    const std::vector<WORD> dialogTemplate = InputDialogTemplate();
    const INT_PTR answer =
        DialogBoxIndirectParamA(instance_, reinterpret_cast<LPCDLGTEMPLATEA>(dialogTemplate.data()),
                                GetActiveWindow(), InputBoxProc, reinterpret_cast<LPARAM>(&state));
    return answer == IDOK ? state.result : std::string();
}

}  // namespace qn::ui::win32
