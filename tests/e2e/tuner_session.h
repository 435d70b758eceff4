#pragma once
// What the tuner's end-to-end tests share: its file name, its window and how
// they answer the questions it asks on the way out.
#include <windows.h>

#include <string>

#include "tests/e2e/driver/message_box.h"

namespace qn::e2e {

constexpr const char* kTunerExe = "quillon.exe";
constexpr const char* kCaptionPrefix = "Quillon v";
constexpr DWORD kStartTimeoutMs = 15000;
constexpr DWORD kExitTimeoutMs = 10000;

// Closing by the title bar asks for confirmation; any other question on the
// way out (such as a restart) is declined.
inline std::string DeclineAllButExit(HWND dialog) {
    if (MessageBoxText(dialog).find("Are you sure you wish to exit") != std::string::npos) {
        return "Yes";
    }
    return IsMessageBox(dialog) ? "No" : "";
}

}  // namespace qn::e2e
