#pragma once
// What the tuner's end-to-end tests share: its file name, its window and how
// they answer the questions it asks on the way out.
#include <windows.h>

#include <string>

#include <gtest/gtest.h>

#include "tests/e2e/driver/dialog_answerer.h"
#include "tests/e2e/driver/files.h"
#include "tests/e2e/driver/message_box.h"
#include "tests/e2e/driver/process.h"
#include "tests/e2e/driver/window_finder.h"
#include "tests/e2e/driver/wine_prefix.h"

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

// Skips where this tree builds no tuner; ends any tuner left from an earlier
// test and forgets the emulated version afterwards.
class TunerEndToEnd : public ::testing::Test {
  protected:
    void SetUp() override {
#ifndef QN_E2E_HAVE_QUILLON
        GTEST_SKIP() << "this tree does not build " << kTunerExe;
#endif
        ASSERT_TRUE(FileExists(BesideProgram(kTunerExe)));
        TerminateOwnersOfWindows("Quillon");
    }

    void TearDown() override {
        ClearProgramWindowsVersion(kTunerExe);
    }

    // Starts the tuner and waits for its main window.
    HWND StartTuner(Process& tuner) {
        EXPECT_TRUE(tuner.Start(BesideProgram(kTunerExe)));
        return WaitForTopLevelWindow(Caption::Prefix(kCaptionPrefix), kStartTimeoutMs, tuner.Id());
    }

    bool CloseTuner(Process& tuner, HWND mainWindow) {
        PostMessageA(mainWindow, WM_CLOSE, 0, 0);
        return AnswerDialogsUntilExit(tuner, DeclineAllButExit, kExitTimeoutMs);
    }
};

}  // namespace qn::e2e
