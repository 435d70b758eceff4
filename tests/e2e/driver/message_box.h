#pragma once
#include <windows.h>

#include <string>

namespace qn::e2e {

// Message boxes and other dialogs are top-level "#32770" windows.
constexpr const char* kDialogClass = "#32770";

// The first visible dialog of process pid, waiting at most timeoutMs.
HWND WaitForDialog(DWORD pid, DWORD timeoutMs);
// The message text of a message box (its static control 0xFFFF); empty when
// the dialog is no message box.
std::string MessageBoxText(HWND box);
bool IsMessageBox(HWND dialog);
// Presses the button whose caption (without mnemonics) is buttonCaption;
// false when there is none.
bool PressButton(HWND dialog, const std::string& buttonCaption);

}  // namespace qn::e2e
