// The help file beside the tuner as its three Help commands open it in the
// system's help viewer ("&Contents", the hosts editor's Help and the
// wizard's hidden Help), and what "&Contents" says when the file is gone.
#include <windows.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/e2e/driver/control_input.h"
#include "tests/e2e/driver/files.h"
#include "tests/e2e/driver/message_box.h"
#include "tests/e2e/driver/poll.h"
#include "tests/e2e/driver/process.h"
#include "tests/e2e/driver/registry_dump.h"
#include "tests/e2e/driver/saved_file.h"
#include "tests/e2e/driver/screenshot.h"
#include "tests/e2e/driver/window_finder.h"
#include "tests/e2e/tuner_hosts_session.h"
#include "tests/e2e/tuner_session.h"

namespace qn::e2e {
namespace {

constexpr const char* kViewer = "winhlp32.exe";
// The help file's first topic, shown by command 11.
constexpr const char* kContentsTitle = "Quillon Help Contents";
// The viewer's control that holds the topic's text.
constexpr int kTopicTextId = 0x701;
constexpr DWORD kViewerTimeoutMs = 15000;

// The first line of the topic the viewer shows; "" while it shows none.
std::string TopicTitle(HWND viewer) {
    HWND text = GetDlgItem(viewer, kTopicTextId);
    if (text == nullptr) return "";
    const std::string all = WindowText(text);
    return all.substr(0, all.find_first_of("\r\n"));
}

// A help viewer started after before was taken, once it shows a topic.
HWND WaitForViewer(const std::vector<DWORD>& before) {
    HWND found = nullptr;
    PollUntil(
        [&] {
            for (DWORD pid : ProcessIdsNamed(kViewer)) {
                if (std::find(before.begin(), before.end(), pid) != before.end()) continue;
                for (HWND window : TopLevelWindows(Caption::Prefix(""), pid)) {
                    if (!TopicTitle(window).empty()) found = window;
                }
            }
            return found != nullptr;
        },
        kViewerTimeoutMs);
    return found;
}

void EndViewersSince(const std::vector<DWORD>& before) {
    for (DWORD pid : ProcessIdsNamed(kViewer)) {
        if (std::find(before.begin(), before.end(), pid) != before.end()) continue;
        Process viewer;
        if (viewer.Attach(pid)) viewer.Terminate();
    }
}

class TunerHelp : public TunerHostsSession {
  protected:
    std::string PreparedHosts() const override { return "127.0.0.1 localhost\r\n"; }

    void TearDown() override {
        EndViewersSince(viewersBefore_);
        TunerHostsSession::TearDown();
    }

    // The viewer that the command just given opened, on the contents topic.
    void ExpectContents(const std::string& screenshot) {
        HWND viewer = WaitForViewer(viewersBefore_);
        ASSERT_NE(viewer, nullptr) << "no help viewer showed a topic";
        EXPECT_EQ(TopicTitle(viewer), kContentsTitle);
        if (!screenshot.empty()) {
            EXPECT_NE(SaveNamedScreenshot(screenshot), "");
        }
        EndViewersSince(viewersBefore_);
    }

    const std::string helpFile_ = BesideProgram("quillon.hlp");
    const std::vector<DWORD> viewersBefore_ = ProcessIdsNamed(kViewer);
};

TEST_P(TunerHelp, ContentsAndTheHostsEditorsHelpOpenTheHelpFile) {
    ASSERT_TRUE(FileExists(helpFile_)) << helpFile_;
    ASSERT_NO_FATAL_FAILURE(Start());
    ASSERT_TRUE(ChooseMenuItem(main_, {"&Help", "&Contents"}));
    ASSERT_NO_FATAL_FAILURE(ExpectContents("tuner-help-contents"));

    ASSERT_NO_FATAL_FAILURE(OpenEditor());
    Press("Help");
    ASSERT_NO_FATAL_FAILURE(ExpectContents(""));
    Press("Cancel");
}

// The button is hidden; the command behind it still works.
TEST_P(TunerHelp, TheWizardsHelpOpensTheHelpFile) {
    ASSERT_TRUE(FileExists(helpFile_)) << helpFile_;
    DeleteRegistryValue(HKEY_CURRENT_USER, std::string(kTunerSettingsRoot) + "Settings",
                        "StartupMode");
    ASSERT_TRUE(tuner_.Start(BesideProgram(kTunerExe), ""));
    HWND wizard = WaitForTopLevelWindow(Caption::Exact("Quillon - Step 1 of 3"), kStartTimeoutMs,
                                        tuner_.Id());
    ASSERT_NE(wizard, nullptr);
    HWND help = FindButton(wizard, "Help");
    ASSERT_NE(help, nullptr);
    EXPECT_FALSE(IsShown(help));
    Click(help);
    ASSERT_NO_FATAL_FAILURE(ExpectContents(""));
    tuner_.Terminate();
}

// WinHelp would wait on a box of its own for a missing file.
TEST_P(TunerHelp, ContentsWithoutTheHelpFileSaysSoAndTheTunerStaysUsable) {
    const SavedFile savedHelp(helpFile_);
    ASSERT_TRUE(DeleteFileA(helpFile_.c_str()) || !FileExists(helpFile_));
    ASSERT_NO_FATAL_FAILURE(Start());
    ASSERT_TRUE(ChooseMenuItem(main_, {"&Help", "&Contents"}));
    AnswerMessageBox(tuner_, "The help file \"" + helpFile_ + "\" was not found.", {"OK"}, "OK");

    EXPECT_EQ(ProcessIdsNamed(kViewer), viewersBefore_) << "the help viewer was started";
    EXPECT_EQ(WaitForDialog(tuner_.Id(), 500), nullptr) << "a dialog after OK";
    DWORD_PTR answer = 0;
    EXPECT_NE(SendMessageTimeoutA(main_, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &answer), 0)
        << "the main window does not answer";
    EXPECT_TRUE(IsEnabled(main_) && IsShown(main_));
}

INSTANTIATE_TEST_SUITE_P(Machines, TunerHelp, ::testing::Values("win98"), VersionTestName);

}  // namespace
}  // namespace qn::e2e
