// Leaving the tuner on whole simulated machines: saving the recommended
// values with Ok, Ok with nothing to save, and closing by the title bar;
// each compared value by value with what the machine tables say saving does.
#include <windows.h>
#include <gtest/gtest.h>

#include <string>

#include "tests/e2e/driver/process.h"
#include "tests/e2e/tuner_leaving.h"
#include "tests/support/same_lines.h"

namespace qn::e2e {
namespace {

using machine_test::Differences;
using machine_test::SameLines;

// Optimum, then Ok: the recommended values are saved exactly as the save
// rules of the machine's Windows have them, nothing else under the TCP/IP and
// adapter keys changes, and the tuner offers a restart.
class OptimumThenOk : public TunerLeaving {};

TEST_P(OptimumThenOk, SavesTheRecommendedValuesAndOffersARestart) {
    const RegistrySnapshot before = TcpipValues();
    Process tuner;
    HWND main = StartClassic(tuner);
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(Press(main, "Optimum"));
    ASSERT_TRUE(Press(main, "Ok"));
    ASSERT_NO_FATAL_FAILURE(DeclineRestart(tuner));
    ExpectEndWithoutMoreDialogs(tuner);

    EXPECT_TRUE(SameLines(ExpectedChangeLines(expected_->savedOptimum),
                          ActualChangeLines(before, TcpipValues(), expected_->savedOptimum)));
}

INSTANTIATE_TEST_SUITE_P(Machines, OptimumThenOk, ::testing::ValuesIn(kMachines), MachineTestName);

// Default, then Ok: saves the defaults as absent values; once the machine is
// at its defaults, the same again writes nothing and asks nothing.
class DefaultThenOk : public TunerLeaving {};

TEST_P(DefaultThenOk, SavesTheDefaultsOnceThenWritesAndAsksNothing) {
    const RegistrySnapshot before = TcpipValues();
    {
        Process tuner;
        HWND main = StartClassic(tuner);
        ASSERT_NE(main, nullptr);
        ASSERT_TRUE(Press(main, "Default"));
        ASSERT_TRUE(Press(main, "Ok"));
        ASSERT_NO_FATAL_FAILURE(DeclineRestart(tuner));
        ExpectEndWithoutMoreDialogs(tuner);
    }
    const RegistrySnapshot atDefaults = TcpipValues();
    EXPECT_TRUE(SameLines(ExpectedChangeLines(expected_->savedDefaults),
                          ActualChangeLines(before, atDefaults, expected_->savedDefaults)));

    Process tuner;
    HWND main = StartClassic(tuner);
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(Press(main, "Default"));
    ASSERT_TRUE(Press(main, "Ok"));
    ExpectEndWithoutMoreDialogs(tuner);
    EXPECT_TRUE(SameLines({}, Differences(atDefaults, TcpipValues())));
}

INSTANTIATE_TEST_SUITE_P(Machines, DefaultThenOk,
                         ::testing::Values(MachineNamed("win98"), MachineNamed("win2k")),
                         MachineTestName);

// The title bar's close asks first: No keeps the window, Yes ends the tuner
// without saving what was chosen.
class ClosingByTitleBar : public TunerLeaving {};

TEST_P(ClosingByTitleBar, AsksAndYesEndsWithoutSaving) {
    const RegistrySnapshot before = TcpipValues();
    Process tuner;
    HWND main = StartClassic(tuner);
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(Press(main, "Optimum"));

    PostMessageA(main, WM_SYSCOMMAND, SC_CLOSE, 0);
    ASSERT_NO_FATAL_FAILURE(AnswerMessageBox(tuner, kExitQuestion, {"Yes", "No"}, "No"));
    EXPECT_EQ(WaitForDialog(tuner.Id(), 500), nullptr) << "a dialog after No";
    EXPECT_TRUE(IsShown(main)) << "No closed the window";

    PostMessageA(main, WM_SYSCOMMAND, SC_CLOSE, 0);
    ASSERT_NO_FATAL_FAILURE(AnswerMessageBox(tuner, kExitQuestion, {"Yes", "No"}, "Yes"));
    ExpectEndWithoutMoreDialogs(tuner);
    EXPECT_TRUE(SameLines({}, Differences(before, TcpipValues())));
}

INSTANTIATE_TEST_SUITE_P(Machines, ClosingByTitleBar,
                         ::testing::Values(MachineNamed("win95"), MachineNamed("nt40")),
                         MachineTestName);

}  // namespace
}  // namespace qn::e2e
