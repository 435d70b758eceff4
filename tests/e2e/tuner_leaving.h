#pragma once
// Leaving the tuner on whole simulated machines: the machine put in place,
// its TCP/IP and adapter trees pictured before and after, the restart
// declined as a user would, and the changes compared with what the machine
// tables say saving does.
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

// The table's changes as lines, a text's NUL ignored (Wine decides it, see
// IgnoringTextTerminator): a change of the NUL alone is no change here.
inline std::vector<std::string> ExpectedChangeLines(
    const std::vector<machine_test::RegistryChange>& changes) {
    std::vector<machine_test::RegistryChange> visible;
    for (const machine_test::RegistryChange& change : changes) {
        const machine_test::RegistryChange seen{change.key, change.name,
                                                IgnoringTextTerminator(change.before),
                                                IgnoringTextTerminator(change.after)};
        if (seen.before != seen.after) visible.push_back(seen);
    }
    return machine_test::Describe(visible);
}

// What changed: the values the table names without their NUL, every other
// value byte for byte.
inline std::vector<std::string> ActualChangeLines(
    RegistrySnapshot before, RegistrySnapshot after,
    const std::vector<machine_test::RegistryChange>& named) {
    std::set<std::string> ids;
    for (const machine_test::RegistryChange& change : named) {
        ids.insert(machine_test::ValueId(change.key, change.name));
    }
    for (RegistrySnapshot* snapshot : {&before, &after}) {
        for (auto& value : *snapshot) {
            if (ids.count(value.first) != 0) value.second = IgnoringTextTerminator(value.second);
        }
    }
    return machine_test::Differences(before, after);
}

class TunerLeaving : public TunerEndToEnd, public ::testing::WithParamInterface<Machine> {
  protected:
    // Puts the machine in place; TcpipValues pictures its TCP/IP and adapter
    // trees.
    void SetUp() override {
        TunerEndToEnd::SetUp();
        if (IsSkipped() || HasFatalFailure()) return;
        expected_ = machine_test::ExpectedMachine(GetParam().name);
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

    const machine_test::MachineExpectation* expected_ = nullptr;
    std::vector<std::string> trees_;
};

}  // namespace qn::e2e
