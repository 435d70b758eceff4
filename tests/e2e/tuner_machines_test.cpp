// The tuner's start on whole simulated machines: each registry fixture
// imported into Wine, the matching Windows version emulated, then the window
// checked against what the fixture's README says the tuner must find.
#include <windows.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/e2e/driver/control_input.h"
#include "tests/e2e/driver/files.h"
#include "tests/e2e/driver/process.h"
#include "tests/e2e/driver/screenshot.h"
#include "tests/e2e/driver/window_finder.h"
#include "tests/e2e/driver/window_timeline.h"
#include "tests/e2e/tuner_machines.h"
#include "tests/e2e/tuner_session.h"
#include "tests/e2e/wine_registry_snapshot.h"
#include "tests/support/same_lines.h"

namespace qn::e2e {
namespace {

using machine_test::Differences;
using machine_test::SameLines;

constexpr const char* kScanningText = "Scanning registry for adapter TCP/IP MaxMTU Location...";

std::string InvalidAdaptersText(const Machine& machine) {
    std::string text = "Invalid Adapters:\r\n";
    for (const std::string& label : machine.invalid) text += " * " + label + "\r\n";
    return text;
}

bool IsScanningNotice(const ShownWindow& shown) {
    return shown.caption.empty() && shown.HasChildText(kScanningText);
}

bool ShowsScanningNotice(const ScreenState& state) {
    for (const ShownWindow& shown : state.windows) {
        if (IsScanningNotice(shown)) return true;
    }
    return false;
}

// The notice must come and go while the tuner loads, before its main window
// appears.
void ExpectScanningNoticeBeforeMainWindow(const WindowTimeline& timeline) {
    const std::vector<ScreenState> states = timeline.States();
    size_t mainAt = states.size();
    for (size_t i = 0; i < states.size() && mainAt == states.size(); ++i) {
        if (states[i].Find(kCaptionPrefix, true) != nullptr) mainAt = i;
    }
    ASSERT_LT(mainAt, states.size()) << "the main window never appeared:\n" << timeline.Describe();
    bool noticeShown = false;
    for (size_t i = 0; i < mainAt; ++i) noticeShown = noticeShown || ShowsScanningNotice(states[i]);
    EXPECT_TRUE(noticeShown) << "no \"" << kScanningText << "\" window before the main window:\n"
                             << timeline.Describe();
    bool noticeBesideMain = false;
    for (size_t i = mainAt; i < states.size(); ++i) {
        noticeBesideMain = noticeBesideMain || ShowsScanningNotice(states[i]);
    }
    EXPECT_FALSE(noticeBesideMain) << "the scanning window is up beside the main window:\n"
                                   << timeline.Describe();
}

void ExpectAdapterList(HWND list, const Machine& machine, const char* which) {
    ASSERT_NE(list, nullptr) << "no single drop-down list in the " << which << " frame";
    EXPECT_EQ(ComboItems(list), machine.listed) << which;
    if (machine.listed.empty()) {
        EXPECT_EQ(SelectedIndex(list), CB_ERR) << which;
    } else {
        EXPECT_EQ(SelectedIndex(list), 0) << which;
        EXPECT_EQ(WindowText(list), machine.listed.front()) << which << ": the text shown";
    }
}

class TunerOnMachine : public TunerEndToEnd, public ::testing::WithParamInterface<Machine> {};

TEST_P(TunerOnMachine, ShowsTheMachinesAdaptersAndLeavesItsRegistryAlone) {
    const Machine& machine = GetParam();
    std::string fixture;
    PutMachineInPlace(machine, fixture);
    if (IsSkipped() || HasFatalFailure()) return;
    // Plus the Run key, where the start only sets the log-on reminder's value.
    std::vector<std::string> trees = TcpipTrees(fixture);
    trees.push_back(kRunKey);
    RegistrySnapshot before = SnapshotOfLocalMachineTrees(trees);

    Process tuner;
    WindowTimeline timeline;
    ASSERT_TRUE(tuner.Start(BesideProgram(kTunerExe), "classic"));
    timeline.Start(tuner.Id());
    HWND main = WaitForMainWindow(tuner);
    ASSERT_NE(main, nullptr) << "no main window on " << machine.name;
    const TunerStartControls controls = FindStartControls(main);
    timeline.Stop();
    ExpectScanningNoticeBeforeMainWindow(timeline);

    EXPECT_EQ(WindowText(main),
              kVersionCaption +
                  CaptionSuffixFor(machine.windowsVersion, machine.pppmac == Pppmac::kDun13));
    ASSERT_NE(controls.versionLabel, nullptr) << "no single label \"" << kCaptionPrefix << "...\"";
    EXPECT_EQ(WindowText(controls.versionLabel), kVersionCaption);
    ExpectAdapterList(controls.mtuAdapters, machine, "MaxMTU");
    ExpectAdapterList(controls.rwinAdapters, machine, "RWIN");
    ASSERT_NE(controls.invalidAdapters, nullptr) << "no single multi-line text box";
    EXPECT_NE(GetWindowLongA(controls.invalidAdapters, GWL_STYLE) & ES_READONLY, 0)
        << "the invalid-adapter box can be typed into";
    EXPECT_EQ(WindowText(controls.invalidAdapters), InvalidAdaptersText(machine));
    SaveNamedScreenshot(std::string("tuner-") + machine.name);

    EXPECT_TRUE(CloseTuner(tuner, main)) << "the tuner did not end after WM_CLOSE";
    // The start only reads: nothing of the machine may have changed but the
    // log-on reminder's Run value, which follows the hosts file as the
    // "Enable" box does. (The tuner's own per-user settings do change: they
    // are not compared.)
    EXPECT_EQ(TunerRunValue(), FileExists(HostsPathOn(machine.windowsVersion))
                                   ? TunerRunValueWhileHostsOn()
                                   : "<absent>");
    RegistrySnapshot after = SnapshotOfLocalMachineTrees(trees);
    for (RegistrySnapshot* snapshot : {&before, &after}) {
        snapshot->erase(machine_test::ValueId(kRunKey, kReminderRunValue));
    }
    EXPECT_TRUE(SameLines({}, Differences(before, after)));
}

INSTANTIATE_TEST_SUITE_P(Machines, TunerOnMachine, ::testing::ValuesIn(kMachines), MachineTestName);

}  // namespace
}  // namespace qn::e2e
