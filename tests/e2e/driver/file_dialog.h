#pragma once
// The system's open and save dialogs, operated from outside the program that
// shows them, as a user types a file name and presses the default button.
#include <windows.h>

#include <string>
#include <vector>

namespace qn::e2e {

// The visible open or save dialog of process pid captioned title, waiting at
// most timeoutMs; nullptr when none came.
HWND WaitForFileDialog(DWORD pid, const std::string& title, DWORD timeoutMs);
// The file-name box: an edit box inside a combo box in the Explorer-style
// dialog, an edit box alone in the old one; nullptr when there is none.
HWND FileNameBox(HWND dialog);
// The entries of the file-type list ("Text Files(*.txt)", ...).
std::vector<std::string> FileTypes(HWND dialog);
// Types name (a bare name is taken in the dialog's current folder) and
// presses Open or Save; false when the dialog has no file-name box.
bool ChooseFileName(HWND dialog, const std::string& name);

}  // namespace qn::e2e
