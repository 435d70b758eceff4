#pragma once
// What the tuner's end-to-end tests share: its file name, what its caption
// says on each Windows, the dial-up driver file it looks at, its window and
// controls, and how they answer the questions it asks on the way out.
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/e2e/driver/control_input.h"
#include "tests/e2e/driver/dialog_answerer.h"
#include "tests/e2e/driver/files.h"
#include "tests/e2e/driver/group_box.h"
#include "tests/e2e/driver/message_box.h"
#include "tests/e2e/driver/poll.h"
#include "tests/e2e/driver/process.h"
#include "tests/e2e/driver/registry_dump.h"
#include "tests/e2e/driver/window_finder.h"
#include "tests/e2e/driver/wine_prefix.h"

namespace qn::e2e {

constexpr const char* kTunerExe = "quillon.exe";
constexpr const char* kCaptionPrefix = "Quillon v";
constexpr const char* kVersionCaption = "Quillon v1.0";
constexpr DWORD kStartTimeoutMs = 15000;
constexpr DWORD kExitTimeoutMs = 10000;
// The title of the tuner's message boxes.
constexpr const char* kAppTitle = "Quillon";

// What the tuner asks and says on the way out.
constexpr const char* kExitQuestion =
    "Are you sure you wish to exit Quillon and cancel all settings?";
constexpr const char* kRestartQuestion = "Restart Windows?";
constexpr const char* kRestartReminder = "Please restart Windows for changes to take effect.";

// Closing by the title bar asks for confirmation; any other question on the
// way out is declined: a restart is never asked for.
inline std::string DeclineAllButExit(HWND dialog) {
    if (MessageBoxText(dialog) == kExitQuestion) return "Yes";
    return IsMessageBox(dialog) ? "No" : "";
}

// Lets the tuner end, answering as DeclineAllButExit does; shown receives
// what it showed meanwhile: each message box's text, or "dialog" and the
// caption of another dialog. True when the tuner ended within timeoutMs.
inline bool EndsShowing(const Process& tuner, std::vector<std::string>& shown,
                        DWORD timeoutMs = kExitTimeoutMs) {
    std::vector<HWND> seen;
    return AnswerDialogsUntilExit(
        tuner,
        [&](HWND dialog) {
            if (std::find(seen.begin(), seen.end(), dialog) == seen.end()) {
                seen.push_back(dialog);
                shown.push_back(IsMessageBox(dialog) ? MessageBoxText(dialog)
                                                     : "dialog \"" + WindowText(dialog) + "\"");
            }
            return DeclineAllButExit(dialog);
        },
        timeoutMs);
}

// The visible message box of the process that says text, waiting at most
// timeoutMs; nullptr when none came. others receives the texts of other
// dialogs seen meanwhile.
inline HWND WaitForMessageBoxSaying(const Process& process, const std::string& text,
                                    std::vector<std::string>& others,
                                    DWORD timeoutMs = kExitTimeoutMs) {
    HWND found = nullptr;
    PollUntil(
        [&] {
            for (HWND dialog :
                 TopLevelWindows(WindowQuery{Caption::Prefix(""), process.Id(), kDialogClass})) {
                const std::string said = MessageBoxText(dialog);
                if (said == text) {
                    found = dialog;
                    return true;
                }
                if (std::find(others.begin(), others.end(), said) == others.end()) {
                    others.push_back(said);
                }
            }
            return false;
        },
        timeoutMs);
    return found;
}

// The captions of a dialog's visible buttons, without mnemonic markers, in
// z-order.
inline std::vector<std::string> ButtonCaptions(HWND dialog) {
    std::vector<std::string> captions;
    for (HWND child : ChildWindows(dialog)) {
        if (lstrcmpiA(ClassNameOf(child).c_str(), "Button") == 0 && IsShown(child)) {
            captions.push_back(WithoutMnemonics(WindowText(child)));
        }
    }
    return captions;
}

// Texts one to a line, quoted, for failure messages.
inline std::string Joined(const std::vector<std::string>& texts) {
    std::string joined;
    for (const std::string& text : texts) joined += "\n  \"" + text + "\"";
    return joined.empty() ? " none" : joined;
}

// How long a question may take to come up.
constexpr DWORD kQuestionTimeoutMs = 5000;

// Waits for the tuner's message box saying text, checks that it is the first
// dialog, its title and its buttons, and presses answer.
inline void AnswerMessageBox(const Process& tuner, const std::string& text,
                             const std::vector<std::string>& buttons, const std::string& answer,
                             const std::string& title = kAppTitle) {
    std::vector<std::string> others;
    HWND box = WaitForMessageBoxSaying(tuner, text, others, kQuestionTimeoutMs);
    ASSERT_NE(box, nullptr) << "no message box \"" << text
                            << "\"; other dialogs:" << Joined(others);
    EXPECT_TRUE(others.empty()) << "before \"" << text << "\":" << Joined(others);
    EXPECT_EQ(WindowText(box), title) << text;
    EXPECT_EQ(ButtonCaptions(box), buttons) << text;
    ASSERT_TRUE(PressButton(box, answer)) << text;
    EXPECT_TRUE(PollUntil([box] { return !IsWindow(box); }, kQuestionTimeoutMs))
        << "\"" << text << "\" stayed after " << answer;
}

// What the caption adds to kVersionCaption for Wine's name of the emulated
// Windows version.
inline std::string CaptionSuffixFor(const std::string& windowsVersion, bool dun13 = false) {
    if (windowsVersion == "win95") return dun13 ? " Win95(DUN1.3)" : " Win95";
    if (windowsVersion == "win98" || windowsVersion == "winme") return " Win98";
    if (windowsVersion == "nt40") return " WinNT";
    if (windowsVersion == "win2k") return " Windows 2000";
    return " Windows XP";
}

// On Windows 95 the tuner tells Dial-Up Networking 1.3 by the version of this
// file.
inline std::string PppmacPath() {
    char windows[MAX_PATH] = {};
    GetWindowsDirectoryA(windows, MAX_PATH);
    return std::string(windows) + "\\system\\pppmac.vxd";
}

// Puts a copy of source at PppmacPath(); an empty source removes the file.
inline bool PlacePppmac(const std::string& source) {
    const std::string target = PppmacPath();
    if (source.empty()) return DeleteFileA(target.c_str()) || !FileExists(target);
    return MakeFolders(target.substr(0, target.find_last_of('\\'))) &&
           CopyFileA(source.c_str(), target.c_str(), FALSE);
}

// The main window's controls that show what the start found, found as a user
// sees them: the adapter lists by their frames, the version label by its text,
// the invalid-adapter box as the one multi-line text box. nullptr where a
// control is missing or ambiguous.
struct TunerStartControls {
    HWND versionLabel = nullptr;     // Label2
    HWND mtuAdapters = nullptr;      // cmbMTUSel, in the "MaxMTU" frame
    HWND rwinAdapters = nullptr;     // cmbRWINCalc, in the "RWIN" frame
    HWND invalidAdapters = nullptr;  // Text1
};

inline HWND OnlyOne(const std::vector<HWND>& windows) {
    return windows.size() == 1 ? windows.front() : nullptr;
}

// The one button of the window captioned caption (mnemonic markers
// ignored); nullptr when there is none or more than one.
inline HWND FindButton(HWND window, const std::string& caption) {
    std::vector<HWND> found;
    for (HWND child : ChildWindows(window)) {
        if (lstrcmpiA(ClassNameOf(child).c_str(), "Button") == 0 &&
            WithoutMnemonics(WindowText(child)) == caption) {
            found.push_back(child);
        }
    }
    return OnlyOne(found);
}

// The small graph's picture box: the one static control without text that is
// much wider than tall (labels have text; frames are buttons).
inline HWND FindGraphBox(HWND main) {
    std::vector<HWND> found;
    for (HWND child : ChildWindows(main)) {
        if (lstrcmpiA(ClassNameOf(child).c_str(), "Static") != 0 || !WindowText(child).empty()) {
            continue;
        }
        RECT box{};
        GetWindowRect(child, &box);
        if (box.right - box.left > 3 * (box.bottom - box.top)) found.push_back(child);
    }
    return OnlyOne(found);
}

// The one button (check box, option) captioned caption inside the frame
// captioned frame; nullptr when there is none or more than one.
inline HWND FindButtonInFrame(HWND window, const std::string& frame, const std::string& caption) {
    std::vector<HWND> found;
    for (HWND button : ChildrenInGroupBox(window, frame, "Button")) {
        if (WithoutMnemonics(WindowText(button)) == caption) found.push_back(button);
    }
    return OnlyOne(found);
}

inline TunerStartControls FindStartControls(HWND mainWindow) {
    TunerStartControls controls;
    std::vector<HWND> labels;
    std::vector<HWND> multiLineEdits;
    for (HWND child : ChildWindows(mainWindow)) {
        const std::string className = ClassNameOf(child);
        if (lstrcmpiA(className.c_str(), "Static") == 0 &&
            Caption::Prefix(kCaptionPrefix).Matches(WindowText(child))) {
            labels.push_back(child);
        } else if (lstrcmpiA(className.c_str(), "Edit") == 0 &&
                   (GetWindowLongA(child, GWL_STYLE) & ES_MULTILINE) != 0) {
            multiLineEdits.push_back(child);
        }
    }
    controls.versionLabel = OnlyOne(labels);
    controls.invalidAdapters = OnlyOne(multiLineEdits);
    controls.mtuAdapters = OnlyOne(ChildrenInGroupBox(mainWindow, "MaxMTU", "ComboBox"));
    controls.rwinAdapters = OnlyOne(ChildrenInGroupBox(mainWindow, "RWIN", "ComboBox"));
    return controls;
}

// For INSTANTIATE_TEST_SUITE_P over Wine's version names: the name as the
// test's name.
inline std::string VersionTestName(const ::testing::TestParamInfo<const char*>& info) {
    return info.param;
}

// Where the tuner keeps its per-user settings, under HKEY_CURRENT_USER.
constexpr const char* kTunerSettingsRoot = "Software\\Quillon\\";

// Skips where this tree builds no tuner; ends any tuner left from an earlier
// test and forgets the emulated version afterwards. The tuner starts in the
// classic view unless a test asks for the wizard (a fresh install opens it).
class TunerEndToEnd : public ::testing::Test {
  protected:
    void SetUp() override {
#ifndef QN_E2E_HAVE_QUILLON
        GTEST_SKIP() << "this tree does not build " << kTunerExe;
#endif
        ASSERT_TRUE(FileExists(BesideProgram(kTunerExe)));
        TerminateOwnersOfWindows("Quillon");
        ASSERT_TRUE(WriteRegistryString(
            HKEY_CURRENT_USER, std::string(kTunerSettingsRoot) + "Settings", "StartupMode", "1"));
    }

    void TearDown() override {
        ClearProgramWindowsVersion(kTunerExe);
    }

    // Starts the tuner (with the given command line) and waits for its main
    // window.
    HWND StartTuner(Process& tuner, const std::string& arguments = "") {
        EXPECT_TRUE(tuner.Start(BesideProgram(kTunerExe), arguments));
        return WaitForMainWindow(tuner);
    }

    HWND WaitForMainWindow(const Process& tuner) {
        return WaitForTopLevelWindow(Caption::Prefix(kCaptionPrefix), kStartTimeoutMs, tuner.Id());
    }

    bool CloseTuner(Process& tuner, HWND mainWindow) {
        PostMessageA(mainWindow, WM_CLOSE, 0, 0);
        return AnswerDialogsUntilExit(tuner, DeclineAllButExit, kExitTimeoutMs);
    }
};

}  // namespace qn::e2e
