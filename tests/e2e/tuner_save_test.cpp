// Leaving the tuner on whole simulated machines: saving the recommended
// values with Ok, Ok with nothing to save, and closing by the title bar;
// each compared value by value with what the machine tables say saving does.
#include <windows.h>
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "tests/e2e/driver/control_input.h"
#include "tests/e2e/driver/message_box.h"
#include "tests/e2e/driver/poll.h"
#include "tests/e2e/driver/process.h"
#include "tests/e2e/driver/window_finder.h"
#include "tests/e2e/tuner_machines.h"
#include "tests/e2e/tuner_session.h"
#include "tests/e2e/wine_registry_snapshot.h"
#include "tests/support/expected_machines.h"
#include "tests/support/same_lines.h"

namespace qn::e2e {
namespace {

using machine_test::Describe;
using machine_test::Differences;
using machine_test::ExpectedMachine;
using machine_test::MachineExpectation;
using machine_test::RegistryChange;
using machine_test::SameLines;

// The table's changes as lines, a text's NUL ignored (Wine decides it, see
// IgnoringTextTerminator): a change of the NUL alone is no change here.
std::vector<std::string> ExpectedChangeLines(const std::vector<RegistryChange>& changes) {
    std::vector<RegistryChange> visible;
    for (const RegistryChange& change : changes) {
        const RegistryChange seen{change.key, change.name, IgnoringTextTerminator(change.before),
                                  IgnoringTextTerminator(change.after)};
        if (seen.before != seen.after) visible.push_back(seen);
    }
    return Describe(visible);
}

// What changed: the values the table names without their NUL, every other
// value byte for byte.
std::vector<std::string> ActualChangeLines(RegistrySnapshot before, RegistrySnapshot after,
                                           const std::vector<RegistryChange>& named) {
    std::set<std::string> ids;
    for (const RegistryChange& change : named) {
        ids.insert(machine_test::ValueId(change.key, change.name));
    }
    for (RegistrySnapshot* snapshot : {&before, &after}) {
        for (auto& value : *snapshot) {
            if (ids.count(value.first) != 0) value.second = IgnoringTextTerminator(value.second);
        }
    }
    return Differences(before, after);
}

class TunerLeaving : public TunerEndToEnd, public ::testing::WithParamInterface<Machine> {
  protected:
    // Puts the machine in place; TcpipValues pictures its TCP/IP and adapter
    // trees.
    void SetUp() override {
        TunerEndToEnd::SetUp();
        if (IsSkipped() || HasFatalFailure()) return;
        expected_ = ExpectedMachine(GetParam().name);
        ASSERT_NE(expected_, nullptr) << "no table for " << GetParam().name;
        std::string fixture;
        PutMachineInPlace(GetParam(), fixture);
        trees_ = TcpipTrees(fixture);
    }

    RegistrySnapshot TcpipValues() const { return SnapshotOfLocalMachineTrees(trees_); }

    HWND StartClassic(Process& tuner) {
        HWND main = StartTuner(tuner, "classic");
        EXPECT_NE(main, nullptr) << "no main window on " << GetParam().name;
        return main;
    }

    static ::testing::AssertionResult Press(HWND main, const std::string& caption) {
        HWND button = FindButton(main, caption);
        if (button == nullptr) {
            return ::testing::AssertionFailure() << "no single button \"" << caption << "\"";
        }
        Click(button);
        return ::testing::AssertionSuccess();
    }

    // Declines the restart as a user would: No, then OK to the reminder.
    static void DeclineRestart(const Process& tuner) {
        AnswerMessageBox(tuner, kRestartQuestion, {"Yes", "No"}, "No");
        if (::testing::Test::HasFatalFailure()) return;
        AnswerMessageBox(tuner, kRestartReminder, {"OK"}, "OK");
    }

    static void ExpectEndWithoutMoreDialogs(const Process& tuner) {
        std::vector<std::string> shown;
        EXPECT_TRUE(EndsShowing(tuner, shown)) << "the tuner did not end";
        EXPECT_TRUE(shown.empty()) << "shown on the way out:" << Joined(shown);
    }

    const MachineExpectation* expected_ = nullptr;
    std::vector<std::string> trees_;
};

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
