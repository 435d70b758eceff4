#include <gtest/gtest.h>

#include <string>

#include "tests/e2e/driver/dialog_answerer.h"
#include "tests/e2e/driver/files.h"
#include "tests/e2e/driver/message_box.h"
#include "tests/e2e/driver/process.h"
#include "tests/e2e/driver/window_finder.h"
#include "tests/e2e/driver/wine_prefix.h"
#include "tests/e2e/tuner_session.h"

namespace qn::e2e {
namespace {

class TunerOnEachWindows : public TunerEndToEnd,
                           public ::testing::WithParamInterface<const char*> {};

TEST_P(TunerOnEachWindows, OpensItsMainWindowAndEndsOnClose) {
    const std::string version = GetParam();
    ASSERT_TRUE(SetProgramWindowsVersion(kTunerExe, version));
    // Without pppmac.vxd Windows 95 has no Dial-Up Networking 1.3.
    ASSERT_TRUE(PlacePppmac(""));
    Process tuner;
    HWND main = StartTuner(tuner);
    ASSERT_NE(main, nullptr) << "no window \"" << kCaptionPrefix << "...\" on " << version;

    const std::string caption = WindowText(main);
    RecordProperty("caption", caption);
    EXPECT_EQ(caption, kVersionCaption + CaptionSuffixFor(version));

    EXPECT_TRUE(CloseTuner(tuner, main)) << "the tuner did not end after WM_CLOSE";
}

INSTANTIATE_TEST_SUITE_P(WindowsVersions, TunerOnEachWindows, ::testing::ValuesIn(kWindowsVersions),
                         VersionTestName);

TEST_F(TunerEndToEnd, SecondStartReportsThePreviousInstanceAndEnds) {
    Process first;
    HWND firstWindow = StartTuner(first);
    ASSERT_NE(firstWindow, nullptr);

    Process second;
    ASSERT_TRUE(second.Start(BesideProgram(kTunerExe)));
    HWND box = WaitForDialog(second.Id(), kStartTimeoutMs);
    ASSERT_NE(box, nullptr) << "the second start showed no message box";
    EXPECT_EQ(MessageBoxText(box), "A previous instance of Quillon is running.");
    EXPECT_EQ(WindowText(box), "Quillon");
    EXPECT_TRUE(TopLevelWindows(Caption::Prefix(kCaptionPrefix), second.Id()).empty())
        << "the second instance opened a main window";

    ASSERT_TRUE(PressButton(box, "OK"));
    EXPECT_TRUE(second.WaitForExit(kExitTimeoutMs)) << "the second instance did not end";

    EXPECT_TRUE(first.Running());
    EXPECT_TRUE(IsWindow(firstWindow) && IsShown(firstWindow));
    EXPECT_TRUE(CloseTuner(first, firstWindow));
}

}  // namespace
}  // namespace qn::e2e
