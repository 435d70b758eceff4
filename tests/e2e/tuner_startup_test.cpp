#include <gtest/gtest.h>

#include <string>

#include "tests/e2e/driver/dialog_answerer.h"
#include "tests/e2e/driver/files.h"
#include "tests/e2e/driver/message_box.h"
#include "tests/e2e/driver/process.h"
#include "tests/e2e/driver/screenshot.h"
#include "tests/e2e/driver/window_finder.h"
#include "tests/e2e/driver/wine_prefix.h"
#include "tests/e2e/tuner_session.h"

namespace qn::e2e {
namespace {

constexpr const char* kVersionedCaption = "Quillon v1.0";

// The caption names the Windows family once the tuner tells them apart.
std::string CaptionSuffixFor(const std::string& version) {
    if (version == "win95") return " Win95";
    if (version == "win98" || version == "winme") return " Win98";
    if (version == "nt40") return " WinNT";
    if (version == "win2k") return " Windows 2000";
    return " Windows XP";
}

class TunerOnEachWindows : public TunerEndToEnd,
                           public ::testing::WithParamInterface<const char*> {};

TEST_P(TunerOnEachWindows, OpensItsMainWindowAndEndsOnClose) {
    const std::string version = GetParam();
    ASSERT_TRUE(SetProgramWindowsVersion(kTunerExe, version));
    Process tuner;
    HWND main = StartTuner(tuner);
    ASSERT_NE(main, nullptr) << "no window \"" << kCaptionPrefix << "...\" on " << version;

    const std::string caption = WindowText(main);
    RecordProperty("caption", caption);
    EXPECT_EQ(caption.rfind(kVersionedCaption, 0), 0u) << caption;
    const std::string withSuffix = kVersionedCaption + CaptionSuffixFor(version);
    if (caption != kVersionedCaption) {
        // Windows 95 with Dial-Up Networking 1.3 adds "(DUN1.3)" right after.
        EXPECT_TRUE(caption == withSuffix ||
                    (version == "win95" && caption == withSuffix + "(DUN1.3)"))
            << caption;
    }
    if (version == "winxp") SaveNamedScreenshot("tuner-winxp");

    EXPECT_TRUE(CloseTuner(tuner, main)) << "the tuner did not end after WM_CLOSE";
}

INSTANTIATE_TEST_SUITE_P(WindowsVersions, TunerOnEachWindows, ::testing::ValuesIn(kWindowsVersions),
                         [](const ::testing::TestParamInfo<const char*>& info) {
                             return std::string(info.param);
                         });

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
