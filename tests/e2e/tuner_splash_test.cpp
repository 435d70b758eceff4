// The log-on reminder: "quillon.exe splash" on the Windows 98 machine shows
// only the reminder, which ends the program by itself after three seconds or
// at once when clicked.
#include <windows.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "tests/e2e/driver/control_input.h"
#include "tests/e2e/driver/poll.h"
#include "tests/e2e/driver/process.h"
#include "tests/e2e/driver/registry_dump.h"
#include "tests/e2e/driver/saved_registry_value.h"
#include "tests/e2e/driver/screenshot.h"
#include "tests/e2e/driver/window_finder.h"
#include "tests/e2e/driver/window_timeline.h"
#include "tests/e2e/tuner_machines.h"
#include "tests/e2e/tuner_session.h"

namespace qn::e2e {
namespace {

constexpr const char* kReminderSentence = "Please remember to update your hosts file often.";
constexpr const char* kTunerSettingsKey = "Software\\Quillon\\Settings";
// The reminder's three ticks of a second, and what a slow machine adds.
constexpr DWORD kReminderEndsWithinMs = 8000;

class TunerSplash : public TunerEndToEnd {
  protected:
    void SetUp() override {
        TunerEndToEnd::SetUp();
        if (IsSkipped() || HasFatalFailure()) return;
        std::string fixture;
        PutMachineInPlace(MachineNamed("win98"), fixture);
        if (HasFatalFailure()) return;
        // "Permanently Disable Splash Screen", left ticked, would show nothing.
        DeleteRegistryValue(HKEY_CURRENT_USER, kTunerSettingsKey, "NoSplash");
    }

    // Starts a splash run and waits for the reminder: the tuner's window
    // that holds the sentence. sentence receives that label.
    HWND StartReminder(HWND& sentence) {
        EXPECT_TRUE(tuner_.Start(BesideProgram(kTunerExe), "splash"));
        timeline_.Start(tuner_.Id());
        HWND reminder = nullptr;
        PollUntil(
            [&] {
                for (HWND window :
                     TopLevelWindows(WindowQuery{Caption::Prefix(""), tuner_.Id(), "", true})) {
                    sentence = FindChild(window, Caption::Exact(kReminderSentence), "Static");
                    if (sentence != nullptr) {
                        reminder = window;
                        return true;
                    }
                }
                return false;
            },
            kStartTimeoutMs, 5);
        return reminder;
    }

    // No main window came up meanwhile.
    void ExpectOnlyTheReminderWasShown() {
        timeline_.Stop();
        for (const ScreenState& state : timeline_.States()) {
            EXPECT_EQ(state.Find(kCaptionPrefix, true), nullptr) << timeline_.Describe();
        }
    }

    const SavedRegistryValue savedNoSplash_{HKEY_CURRENT_USER, kTunerSettingsKey, "NoSplash"};
    Process tuner_;
    WindowTimeline timeline_;
};

TEST_F(TunerSplash, ShowsOnlyThePictureWithTheReminderAndEndsByItself) {
    HWND sentence = nullptr;
    HWND reminder = StartReminder(sentence);
    ASSERT_NE(reminder, nullptr) << "no window saying \"" << kReminderSentence << "\"";
    const DWORD shownAt = GetTickCount();
    EXPECT_EQ(GetWindowLongA(reminder, GWL_STYLE) & WS_CAPTION, 0) << "no caption bar";
    RECT client{};
    GetClientRect(reminder, &client);
    EXPECT_EQ(client.right, 320);
    EXPECT_EQ(client.bottom, 120);
    RECT label{};
    GetWindowRect(sentence, &label);
    MapWindowPoints(HWND_DESKTOP, reminder, reinterpret_cast<POINT*>(&label), 2);
    EXPECT_LE(std::abs(label.left - (client.right - label.right)), 1) << "the sentence is centred";
    bool showsPicture = false;
    for (HWND child : ChildWindows(reminder)) {
        showsPicture = showsPicture || SendMessageA(child, STM_GETIMAGE, IMAGE_BITMAP, 0) != 0;
    }
    EXPECT_TRUE(showsPicture) << "no control shows the reminder's picture";
    WaitForInputIdle(tuner_.Handle(), kStartTimeoutMs);
    EXPECT_NE(SaveNamedScreenshot("tuner-splash-reminder"), "");

    EXPECT_TRUE(tuner_.WaitForExit(kReminderEndsWithinMs)) << "the reminder stayed";
    const DWORD shownFor = GetTickCount() - shownAt;
    EXPECT_GE(shownFor, 2000u) << "it closed before its three seconds";
    EXPECT_EQ(tuner_.ExitCode(), 0u);
    ExpectOnlyTheReminderWasShown();
}

TEST_F(TunerSplash, AClickOnTheReminderEndsTheProgramAtOnce) {
    HWND sentence = nullptr;
    ASSERT_NE(StartReminder(sentence), nullptr);
    const DWORD shownAt = GetTickCount();
    ClickMiddle(sentence);
    EXPECT_TRUE(tuner_.WaitForExit(kReminderEndsWithinMs));
    EXPECT_LT(GetTickCount() - shownAt, 1500u) << "it waited for its timer";
    ExpectOnlyTheReminderWasShown();
}

}  // namespace
}  // namespace qn::e2e
