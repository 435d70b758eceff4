// Leaving the main window: OK saves a changed record and offers a restart,
// Cancel and the title bar leave the registry alone.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "tests/unit/tuner_main_window/window_on_machine.h"
#include "tuner/core/tcpip_parameters.h"
#include "ui/headless/user_actions.h"

namespace qn {
namespace {

using testing::LocalMachine;
using testing::ValueText;
using testing::Win98Window;
using ui::headless::Click;

const char* const kExitQuestion = "Are you sure you wish to exit Quillon and cancel all settings?";

class Closing : public Win98Window {
  protected:
    const std::vector<ui::headless::ShownBox>& Shown() { return tuner.host.Script().Shown(); }
    const std::string before = LocalMachine(tuner.machine.registry);
};

TEST_F(Closing, OkWithChangesSavesAndOffersARestart) {
    Click(window.chk_auto);
    tuner.host.Script().Answer(ui::vbNo, "Restart Windows?");
    tuner.host.Script().Answer(ui::vbOK, "Please restart Windows for changes to take effect.");
    Click(window.cmd_ok);

    EXPECT_EQ(ValueText(tuner.machine.registry, kMstcpKey9x, "PMTUDiscovery"), std::nullopt)
        << "on is the default";
    ASSERT_EQ(Shown().size(), 2u);
    EXPECT_EQ(Shown()[0].buttons, ui::vbYesNo + ui::vbQuestion);
    EXPECT_EQ(Shown()[0].title, "Quillon");
    EXPECT_EQ(Shown()[1].buttons, ui::vbExclamation);
    EXPECT_TRUE(tuner.app.Ended());
}

TEST_F(Closing, OkWithoutChangesAsksNothingAndEnds) {
    Click(window.cmd_ok);
    EXPECT_TRUE(Shown().empty());
    EXPECT_EQ(LocalMachine(tuner.machine.registry), before);
    EXPECT_TRUE(tuner.app.Ended());
}

TEST_F(Closing, CancelWritesNothingAndAsksNothing) {
    Click(window.chk_auto);
    Click(window.opt_ttl_32);
    Click(window.cmd_cancel);
    EXPECT_TRUE(Shown().empty());
    EXPECT_EQ(LocalMachine(tuner.machine.registry), before);
    EXPECT_TRUE(tuner.app.Ended());
}

TEST_F(Closing, TitleBarCloseAnsweredNoKeepsTheWindow) {
    tuner.host.Script().Answer(ui::vbNo, kExitQuestion);
    EXPECT_FALSE(ui::headless::Close(window));
    ASSERT_EQ(Shown().size(), 1u);
    EXPECT_EQ(Shown()[0].buttons, ui::vbYesNo + ui::vbInformation);
    EXPECT_TRUE(window.Loaded());
    EXPECT_TRUE(window.Visible());
    EXPECT_FALSE(tuner.app.Ended());
}

TEST_F(Closing, TitleBarCloseAnsweredYesEndsWithoutSaving) {
    Click(window.chk_auto);
    tuner.host.Script().Answer(ui::vbYes, kExitQuestion);
    ui::headless::Close(window);
    EXPECT_EQ(Shown().size(), 1u) << "no restart question";
    EXPECT_EQ(LocalMachine(tuner.machine.registry), before);
    EXPECT_TRUE(tuner.app.Ended());
}

TEST_F(Closing, YesToRestartAsksWindowsForAForcedReboot) {
    Click(window.chk_auto);
    tuner.host.Script().Answer(ui::vbYes, "Restart Windows?");
    Click(window.cmd_ok);

    ASSERT_EQ(tuner.restart.CallsTo("ExitWindowsEx"), 1u);
    const std::vector<std::string>& calls = tuner.restart.calls;
    const auto exit = std::find_if(calls.begin(), calls.end(), [](const std::string& call) {
        return call.rfind("ExitWindowsEx(", 0) == 0;
    });
    EXPECT_EQ(exit->rfind("ExitWindowsEx(6, ", 0), 0u) << *exit << ": reboot + force";
    EXPECT_EQ(Shown().size(), 1u);
    EXPECT_TRUE(tuner.app.Ended());
}

TEST_F(Closing, AFailedRestartSaysWhyAndAsksForAShutdown) {
    tuner.restart.systemTexts[5] = "Access is denied.\r\n";
    tuner.restart.Fail(RestartStep::ExitWindowsEx, 5);
    Click(window.chk_auto);
    tuner.host.Script().Answer(ui::vbYes, "Restart Windows?");
    tuner.host.Script().Answer(ui::vbOK,
                               "ShutdownSystem failed: Access is denied.\r\n"
                               "\r\n\r\n"
                               "Please shutdown your system for changes to take effect.");
    Click(window.cmd_ok);

    ASSERT_EQ(Shown().size(), 2u);
    EXPECT_EQ(Shown()[1].buttons, ui::vbCritical);
    EXPECT_TRUE(tuner.app.Ended());
}

}  // namespace
}  // namespace qn
