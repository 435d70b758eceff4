#pragma once
// VB-style message and input boxes. The flag and answer values are those of
// MsgBox (and of MessageBoxA).
#include <string>

namespace qn::ui {

enum MsgBoxStyle : int {
    vbOKOnly = 0,
    vbOKCancel = 1,
    vbAbortRetryIgnore = 2,
    vbYesNoCancel = 3,
    vbYesNo = 4,
    vbRetryCancel = 5,
    vbCritical = 16,
    vbQuestion = 32,
    vbExclamation = 48,
    vbInformation = 64,
    vbDefaultButton2 = 256,
    vbDefaultButton3 = 512,
};

enum MsgBoxResult : int {
    vbOK = 1,
    vbCancel = 2,
    vbAbort = 3,
    vbRetry = 4,
    vbIgnore = 5,
    vbYes = 6,
    vbNo = 7,
};

class MessageBoxes {
  public:
    virtual ~MessageBoxes() = default;
    // Returns the button pressed (vbOK ...).
    virtual int MsgBox(const std::string& prompt, int buttons, const std::string& title) = 0;
    // Returns the text entered, or "" when cancelled.
    virtual std::string InputBox(const std::string& prompt, const std::string& title,
                                 const std::string& defaultText) = 0;
};

}  // namespace qn::ui
