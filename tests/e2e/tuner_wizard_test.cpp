// The optimization wizard as a user meets it on a fresh install: its pages,
// Optimize and Restore Windows Defaults carried out by the main window's own
// commands, the favorites import saved without showing the hosts editor,
// and the question about the start-up view when the classic view closes.
#include <windows.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/e2e/driver/control_input.h"
#include "tests/e2e/driver/folder_browser.h"
#include "tests/e2e/driver/poll.h"
#include "tests/e2e/driver/registry_dump.h"
#include "tests/e2e/driver/saved_file.h"
#include "tests/e2e/driver/screenshot.h"
#include "tests/e2e/driver/window_finder.h"
#include "tests/e2e/driver/window_timeline.h"
#include "tests/e2e/favorites_folder.h"
#include "tests/e2e/tuner_hosts_session.h"
#include "tests/e2e/tuner_leaving.h"

namespace qn::e2e {
namespace {

using machine_test::SameLines;

constexpr const char* kOptimized = "Optimal settings have been applied!";
constexpr const char* kRestored = "Windows defaults have been restored.";
constexpr const char* kStartupModeCaption = "Quillon Startup Mode";
constexpr const char* kFavoritesFolderName = "Quillon wizard test";

std::string StepCaption(int step, int of) {
    return "Quillon - Step " + std::to_string(step) + " of " + std::to_string(of);
}

std::string TunerSetting(const std::string& section, const std::string& name) {
    std::string value;
    ReadRegistryString(HKEY_CURRENT_USER, kTunerSettingsRoot + section, name, value);
    return value;
}

// A picture box of the window holds a bitmap.
bool ShowsABitmap(HWND window) {
    for (HWND child : ChildWindows(window)) {
        if (lstrcmpiA(ClassNameOf(child).c_str(), "Static") == 0 &&
            (GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_BITMAP &&
            SendMessageA(child, STM_GETIMAGE, IMAGE_BITMAP, 0) != 0) {
            return true;
        }
    }
    return false;
}

class TunerWizard : public TunerLeaving {
  protected:
    // A fresh install: no start-up view stored, nor whether to ask for it.
    void SetUp() override {
        TunerLeaving::SetUp();
        if (IsSkipped() || HasFatalFailure()) return;
        DeleteRegistryValue(HKEY_CURRENT_USER, std::string(kTunerSettingsRoot) + "Settings",
                            "StartupMode");
        DeleteRegistryValue(HKEY_CURRENT_USER, std::string(kTunerSettingsRoot) + "Warnings",
                            "Startup");
        ASSERT_TRUE(tuner_.Start(BesideProgram(kTunerExe), ""));
        timeline_.Start(tuner_.Id());
        wizard_ =
            WaitForTopLevelWindow(Caption::Exact(StepCaption(1, 3)), kStartTimeoutMs, tuner_.Id());
        ASSERT_NE(wizard_, nullptr) << "no wizard at the first start";
    }

    void TearDown() override {
        timeline_.Stop();
        tuner_.Terminate();
        TunerLeaving::TearDown();
    }

    std::string Machine() const { return GetParam().name; }

    void Press(const std::string& caption) {
        HWND button = FindButton(wizard_, caption);
        ASSERT_NE(button, nullptr) << "no single \"" << caption << "\" button";
        Click(button);
    }

    // Next (or Finish) leads to the page whose caption is given.
    void NextTo(int step, int of) {
        ASSERT_NO_FATAL_FAILURE(Press("Next >"));
        EXPECT_TRUE(PollUntil([&] { return WindowText(wizard_) == StepCaption(step, of); },
                              kQuestionTimeoutMs))
            << "caption \"" << WindowText(wizard_) << "\"";
    }

    void Untick(const std::string& caption) {
        HWND box = FindButton(wizard_, caption);
        ASSERT_NE(box, nullptr) << "no \"" << caption << "\" box";
        ASSERT_TRUE(IsChecked(box)) << caption << " is not ticked at first";
        Click(box);
        EXPECT_TRUE(PollUntil([box] { return !IsChecked(box); }, kQuestionTimeoutMs)) << caption;
    }

    bool EverShown(const std::string& caption, bool prefix = false) const {
        for (const ScreenState& state : timeline_.States()) {
            if (state.Find(caption, prefix) != nullptr) return true;
        }
        return false;
    }

    void ExpectSaved(const RegistrySnapshot& before,
                     const std::vector<machine_test::RegistryChange>& changes) {
        EXPECT_TRUE(SameLines(ExpectedChangeLines(changes),
                              ActualChangeLines(before, TcpipValues(), changes)));
    }

    Process tuner_;
    WindowTimeline timeline_;
    HWND wizard_ = nullptr;
};

// The three pages, the adapter list shown on demand and never keeping a
// selection, then Finish without imports.
TEST_P(TunerWizard, OptimizeSavesTheOptimumThroughTheMainWindowsOk) {
    const RegistrySnapshot before = TcpipValues();
    EXPECT_TRUE(TopLevelWindows(Caption::Prefix(kCaptionPrefix), tuner_.Id()).empty())
        << "the main window shows beside the wizard";
    EXPECT_FALSE(IsEnabled(FindButton(wizard_, "< Back")));
    EXPECT_TRUE(ShowsABitmap(wizard_)) << "no side picture";
    EXPECT_NE(SaveNamedScreenshot("tuner-wizard-step1-" + Machine()), "");
    EXPECT_NE(SaveWindowScreenshot(wizard_, "window-tuner-wizard-" + Machine()), "");

    ASSERT_NO_FATAL_FAILURE(NextTo(2, 3));
    HWND list = FindChild(wizard_, Caption::Prefix(""), "ListBox");
    ASSERT_NE(list, nullptr);
    EXPECT_FALSE(IsShown(list));
    ASSERT_NO_FATAL_FAILURE(Press("Details"));
    ASSERT_TRUE(PollUntil([list] { return IsShown(list); }, kQuestionTimeoutMs));
    EXPECT_NE(FindButton(wizard_, "No Details"), nullptr);
    EXPECT_FALSE(ListItems(list).empty()) << "no adapter listed";
    PostMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 6));
    GUITHREADINFO thread{};
    thread.cbSize = sizeof(thread);
    const DWORD threadId = GetWindowThreadProcessId(wizard_, nullptr);
    EXPECT_TRUE(
        PollUntil([&] { return GetGUIThreadInfo(threadId, &thread) && thread.hwndFocus == list; },
                  kQuestionTimeoutMs))
        << "the press did not reach the list";
    // The button is still down: the list itself would tell of the item only
    // at its release.
    EXPECT_TRUE(PollUntil([list] { return SelectedIndex(list) == -1; }, kQuestionTimeoutMs))
        << "a press left a selection";
    PostMessageA(list, WM_LBUTTONUP, 0, MAKELPARAM(20, 6));
    EXPECT_TRUE(PollUntil([list] { return SelectedIndex(list) == -1; }, kQuestionTimeoutMs))
        << "a click left a selection";
    EXPECT_NE(SaveNamedScreenshot("tuner-wizard-step2-" + Machine()), "");

    ASSERT_NO_FATAL_FAILURE(NextTo(3, 3));
    EXPECT_NE(FindButton(wizard_, "Finish"), nullptr);
    EXPECT_NE(SaveNamedScreenshot("tuner-wizard-step3-" + Machine()), "");
    ASSERT_NO_FATAL_FAILURE(Untick("Internet Explorer Favorites"));
    ASSERT_NO_FATAL_FAILURE(Untick("Netscape Navigator Bookmarks"));
    ASSERT_NO_FATAL_FAILURE(Press("Finish"));
    AnswerMessageBox(tuner_, kOptimized, {"OK"}, "OK");
    ASSERT_NO_FATAL_FAILURE(DeclineRestart(tuner_));
    ExpectEndWithoutMoreDialogs(tuner_);

    ExpectSaved(before, expected_->savedOptimum);
    EXPECT_FALSE(EverShown(kCaptionPrefix, true)) << timeline_.Describe();
    EXPECT_EQ(TunerSetting("Settings", "StartupMode"), "0");
}

// Restoring the defaults is a wizard of one page.
TEST_P(TunerWizard, RestoringTheDefaultsSavesThemAsAbsentValues) {
    const RegistrySnapshot before = TcpipValues();
    ASSERT_NO_FATAL_FAILURE(Press("Restore Windows Defaults"));
    EXPECT_TRUE(
        PollUntil([&] { return WindowText(wizard_) == StepCaption(1, 1); }, kQuestionTimeoutMs))
        << "caption \"" << WindowText(wizard_) << "\"";
    ASSERT_NO_FATAL_FAILURE(Press("Finish"));
    AnswerMessageBox(tuner_, kRestored, {"OK"}, "OK");
    ASSERT_NO_FATAL_FAILURE(DeclineRestart(tuner_));
    ExpectEndWithoutMoreDialogs(tuner_);
    ExpectSaved(before, expected_->savedDefaults);
}

// The favorites that resolve reach the hosts file through the editor's Ok,
// which the wizard runs without showing the editor.
TEST_P(TunerWizard, TheFavoritesImportIsSavedWithoutShowingTheEditor) {
    const std::string favorites = FavoritesPath();
    ASSERT_FALSE(favorites.empty()) << "no Favorites folder in the prefix";
    const std::string hosts = HostsPathOn(GetParam().name);
    const SavedFile savedHosts(hosts);
    // The editor keeps the file as it read it in the tuner's folder.
    const std::vector<std::string> copiesBefore = ReadCopies();
    std::shared_ptr<void> removeCopies(nullptr, [&copiesBefore](void*) {
        for (const std::string& name : ReadCopiesSince(copiesBefore)) {
            DeleteFileA(BesideProgram(name).c_str());
        }
    });
    ASSERT_TRUE(WriteText(hosts, "10.0.0.5 printer\r\n"));
    MadeFiles made;
    const std::string folder = favorites + "\\" + kFavoritesFolderName;
    ASSERT_TRUE(made.Folder(folder));
    ASSERT_TRUE(
        made.File(folder + "\\Local.url", "[InternetShortcut]\r\nURL=http://localhost/start\r\n"));
    ASSERT_TRUE(made.File(folder + "\\Nowhere.url",
                          "[InternetShortcut]\r\nURL=http://nowhere.invalid/\r\n"));

    ASSERT_NO_FATAL_FAILURE(NextTo(2, 3));
    ASSERT_NO_FATAL_FAILURE(NextTo(3, 3));
    ASSERT_NO_FATAL_FAILURE(Untick("Netscape Navigator Bookmarks"));
    ASSERT_NO_FATAL_FAILURE(Press("Finish"));
    HWND browser = WaitForFolderBrowser(tuner_.Id(), "Select a Folder to Import", kStartTimeoutMs);
    ASSERT_NE(browser, nullptr) << "no folder browser";
    ASSERT_TRUE(ChooseFolderByTyping(browser, kFavoritesFolderName));
    HWND import = WaitForTopLevelWindow(Caption::Exact("Quillon Importing Favorites"),
                                        kStartTimeoutMs, tuner_.Id());
    ASSERT_NE(import, nullptr);
    HWND start = FindButton(import, "Start");
    ASSERT_NE(start, nullptr);
    ASSERT_TRUE(PollUntil([start] { return IsEnabled(start); }, kQuestionTimeoutMs));
    Click(start);
    AnswerMessageBox(tuner_, "Favorites have been imported to hosts file.", {"OK"}, "OK");
    AnswerMessageBox(tuner_, kOptimized, {"OK"}, "OK");
    ASSERT_NO_FATAL_FAILURE(DeclineRestart(tuner_));
    ExpectEndWithoutMoreDialogs(tuner_);

    EXPECT_EQ(Contents(hosts), WrittenHosts({{"10.0.0.5", "printer"}, {"127.0.0.1", "localhost"}}));
    EXPECT_FALSE(EverShown("Quillon Local DNS")) << timeline_.Describe();
    for (const char* working : {"localhosts.dat", "hostsbackup.dat"}) {
        EXPECT_FALSE(FileExists(BesideProgram(working))) << working;
    }
}

// Advanced leads to the classic view; closing it while the wizard is the
// start-up view asks, proposing the wizard, and Ok keeps what is stored.
TEST_P(TunerWizard, ClosingTheClassicViewOffersTheStartupView) {
    ASSERT_NO_FATAL_FAILURE(Press("Advanced"));
    HWND main = WaitForMainWindow(tuner_);
    ASSERT_NE(main, nullptr) << "Advanced did not show the classic view";
    EXPECT_TRUE(
        PollUntil([&] { return !IsWindow(wizard_) || !IsShown(wizard_); }, kQuestionTimeoutMs));
    HWND cancel = FindButton(main, "Cancel");
    ASSERT_NE(cancel, nullptr);
    Click(cancel);

    HWND dialog =
        WaitForTopLevelWindow(Caption::Exact(kStartupModeCaption), kStartTimeoutMs, tuner_.Id());
    ASSERT_NE(dialog, nullptr) << "no start-up view question";
    EXPECT_NE(FindChild(dialog,
                        Caption::Exact("Quillon was closed in Advanced view and the default view "
                                       "is currently the Wizard view."),
                        "Static"),
              nullptr);
    HWND wizardOption = FindButton(dialog, "Start Quillon with Wizard View");
    HWND classicOption = FindButton(dialog, "Start Quillon with Advanced View");
    HWND always = FindButton(dialog, "Always show this Dialog");
    ASSERT_TRUE(wizardOption != nullptr && classicOption != nullptr && always != nullptr);
    EXPECT_TRUE(IsChecked(wizardOption));
    EXPECT_FALSE(IsChecked(classicOption));
    EXPECT_TRUE(IsChecked(always));
    EXPECT_NE(SaveNamedScreenshot("tuner-startup-view-" + Machine()), "");
    Click(FindButton(dialog, "Ok"));
    ExpectEndWithoutMoreDialogs(tuner_);
    EXPECT_EQ(TunerSetting("Settings", "StartupMode"), "0");
}

INSTANTIATE_TEST_SUITE_P(Machines, TunerWizard,
                         ::testing::Values(MachineNamed("win98"), MachineNamed("win2k")),
                         MachineTestName);

}  // namespace
}  // namespace qn::e2e
