#pragma once
#include <windows.h>

#include <functional>
#include <string>

#include "tests/e2e/driver/process.h"

namespace qn::e2e {

// Given a dialog of the program (a message box or another "#32770" window),
// returns the caption of the button to press, or "" to close it with WM_CLOSE.
using DialogChooser = std::function<std::string(HWND dialog)>;

// Waits up to timeoutMs for the process to end, answering every dialog it
// shows on the way; true when it ended.
bool AnswerDialogsUntilExit(const Process& process, const DialogChooser& choose, DWORD timeoutMs);

}  // namespace qn::e2e
