// The About box: modal, with the build's version, and links that reach the
// shell's mail and web handlers, which a recording stand-in replaces here.
#include <windows.h>
#include <gtest/gtest.h>

#include <string>

#include "tests/e2e/driver/control_input.h"
#include "tests/e2e/driver/files.h"
#include "tests/e2e/driver/poll.h"
#include "tests/e2e/driver/process.h"
#include "tests/e2e/driver/registry_dump.h"
#include "tests/e2e/driver/saved_registry_value.h"
#include "tests/e2e/driver/screenshot.h"
#include "tests/e2e/driver/window_finder.h"
#include "tests/e2e/driver/wine_prefix.h"
#include "tests/e2e/tuner_session.h"
#include "version.h"

namespace qn::e2e {
namespace {

constexpr const char* kMailTarget = "mailto:support@quillon-project.org?subject=Quillon";
constexpr const char* kWebTarget = "http://www.quillon-project.org/";

class TunerAbout : public TunerEndToEnd {
  protected:
    void SetUp() override {
        TunerEndToEnd::SetUp();
        if (IsSkipped() || HasFatalFailure()) return;
        DeleteFileA(record_.c_str());
        const std::string handler = "\"" + BesideProgram("qn_command_recorder.exe") + "\" \"%1\"";
        for (const char* command : {kMailCommand, kWebCommand}) {
            ASSERT_TRUE(WriteRegistryString(HKEY_CLASSES_ROOT, command, "", handler));
        }
        ASSERT_TRUE(SetProgramWindowsVersion(kTunerExe, "winxp"));
    }

    void TearDown() override {
        DeleteFileA(record_.c_str());
        TunerEndToEnd::TearDown();
    }

    // Clicks the link and waits for the handler to record target.
    ::testing::AssertionResult OpensThroughTheShell(HWND about, const std::string& caption,
                                                    const std::string& target) {
        HWND link = FindChild(about, Caption::Exact(caption), "Static");
        if (link == nullptr) return ::testing::AssertionFailure() << "no link " << caption;
        ClickMiddle(link);
        std::string recorded;
        if (PollUntil(
                [&] {
                    return ReadWholeFile(record_, recorded) &&
                           recorded.find(target) != std::string::npos;
                },
                kStartTimeoutMs)) {
            return ::testing::AssertionSuccess();
        }
        return ::testing::AssertionFailure() << "the handler got: " << recorded;
    }

    static constexpr const char* kMailCommand = "mailto\\shell\\open\\command";
    static constexpr const char* kWebCommand = "http\\shell\\open\\command";
    const SavedRegistryValue savedMail_{HKEY_CLASSES_ROOT, kMailCommand, ""};
    const SavedRegistryValue savedWeb_{HKEY_CLASSES_ROOT, kWebCommand, ""};
    const std::string record_ = BesideProgram("qn_command_recorder.exe.args");
};

TEST_F(TunerAbout, ShowsTheVersionModallyAndItsLinksOpen) {
    SetCursorPos(0, 0);
    Process tuner;
    HWND main = StartTuner(tuner, "classic");
    ASSERT_NE(main, nullptr);
    HWND aboutButton = FindButton(main, "About");
    ASSERT_NE(aboutButton, nullptr);
    Click(aboutButton);
    HWND about =
        WaitForTopLevelWindow(Caption::Exact("About Quillon"), kStartTimeoutMs, tuner.Id());
    ASSERT_NE(about, nullptr) << "no \"About Quillon\" window";
    EXPECT_FALSE(IsEnabled(main)) << "the About box is not modal";
    const std::string version = "Version " + std::to_string(QN_VERSION_MAJOR) + "." +
                                std::to_string(QN_VERSION_MINOR) + "." +
                                std::to_string(QN_VERSION_REVISION);
    EXPECT_NE(FindChild(about, Caption::Exact(version), "Static"), nullptr) << version;
    WaitForInputIdle(tuner.Handle(), kStartTimeoutMs);
    EXPECT_NE(SaveNamedScreenshot("tuner-about"), "");

    EXPECT_TRUE(OpensThroughTheShell(about, "support@quillon-project.org", kMailTarget));
    EXPECT_TRUE(OpensThroughTheShell(about, kWebTarget, kWebTarget));

    ASSERT_TRUE(PressButton(about, "OK"));
    EXPECT_TRUE(PollUntil([about] { return !IsWindow(about); }, kExitTimeoutMs));
    EXPECT_TRUE(PollUntil([main] { return IsEnabled(main); }, kExitTimeoutMs));
    EXPECT_TRUE(CloseTuner(tuner, main));
}

}  // namespace
}  // namespace qn::e2e
