// The MaxMTU finder on a Windows 98 and a Windows ME machine, where it pings
// through the command interpreter. Stand-ins placed as C:\command.com and
// C:\ping.exe answer up to a packet size the test sets, after a delay it
// sets, so that a search ends where the test says and can be caught midway.
#include <windows.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "tests/e2e/driver/control_input.h"
#include "tests/e2e/driver/files.h"
#include "tests/e2e/driver/menus.h"
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

constexpr const char* kWarningCaption = "Quillon - Warning";
constexpr const char* kFinderCaption = "Quillon Find MaxMTU";
constexpr const char* kWarningsKey = "Software\\Quillon\\Warnings";
constexpr const char* kFinderWarningValue = "findmtu";

// Where the tuner looks for the interpreter; its ping is found beside it.
constexpr const char* kInterpreterPath = "C:\\command.com";
constexpr const char* kPingPath = "C:\\ping.exe";
constexpr const char* kPingConfigPath = "C:\\ping-stand-in.txt";
constexpr const char* kInterpreterName = "command.com";
constexpr const char* kPingName = "ping.exe";

constexpr DWORD kQuickPingMs = 100;
// Long enough to act while one ping runs.
constexpr DWORD kSlowPingMs = 2000;
constexpr DWORD kSearchTimeoutMs = 40000;
constexpr DWORD kFinderStepMs = 10000;

// The largest payload each machine's stand-in lets through unfragmented, and
// the MaxMTU the search must then find (28 bytes of IP and ICMP headers more).
struct MtuFinderRun {
    const char* machine;
    unsigned limit;
    const char* found;
};
constexpr MtuFinderRun kMtuFinderRuns[] = {{"win98", 1472, "1500"}, {"winme", 548, "576"}};

const MtuFinderRun& MtuFinderRunOn(const std::string& machine) {
    for (const MtuFinderRun& run : kMtuFinderRuns) {
        if (machine == run.machine) return run;
    }
    return kMtuFinderRuns[0];
}

bool StartsWith(const std::string& text, const std::string& start) {
    return text.compare(0, start.size(), start) == 0;
}

// The label that shows a value on the same row, right of the label captioned
// caption: the nearest one.
HWND ValueLabelRightOf(HWND window, const std::string& caption) {
    HWND name = FindChild(window, Caption::Exact(caption), "Static");
    if (name == nullptr) return nullptr;
    RECT named{};
    GetWindowRect(name, &named);
    HWND nearest = nullptr;
    LONG nearestLeft = LONG_MAX;
    for (HWND child : ChildWindows(window)) {
        RECT box{};
        GetWindowRect(child, &box);
        if (child == name || lstrcmpiA(ClassNameOf(child).c_str(), "Static") != 0 ||
            box.top >= named.bottom || box.bottom <= named.top || box.left <= named.left ||
            box.left >= nearestLeft) {
            continue;
        }
        nearest = child;
        nearestLeft = box.left;
    }
    return nearest;
}

// The custom MaxMTU box: the text box of the "MaxMTU" frame (not the edit
// part of a combo box).
HWND CustomMtuBox(HWND main) {
    std::vector<HWND> boxes;
    for (HWND edit : ChildrenInGroupBox(main, "MaxMTU", "Edit")) {
        if (lstrcmpiA(ClassNameOf(GetParent(edit)).c_str(), "ComboBox") != 0) {
            boxes.push_back(edit);
        }
    }
    return OnlyOne(boxes);
}

struct FinderWindow {
    HWND window = nullptr;
    HWND host = nullptr;
    HWND start = nullptr;
    HWND stop = nullptr;
    HWND apply = nullptr;
    HWND cancel = nullptr;
    HWND status = nullptr;
    HWND position = nullptr;

    std::string Status() const { return WindowText(status); }
};

// The finder's successive captions while the timeline ran.
std::vector<std::string> CaptionsShownBy(const WindowTimeline& timeline, HWND window) {
    std::vector<std::string> captions;
    for (const ScreenState& state : timeline.States()) {
        for (const ShownWindow& shown : state.windows) {
            if (shown.window == window && (captions.empty() || captions.back() != shown.caption)) {
                captions.push_back(shown.caption);
            }
        }
    }
    return captions;
}

// A search may first say that it is connecting, then shows each size it
// tries, then its result, in that order and nothing else.
::testing::AssertionResult ShowsSearchThenResult(const std::vector<std::string>& captions,
                                                 const std::string& result) {
    const std::vector<std::string> phases = {
        kFinderCaption, "Quillon Establishing Internet Connection...", "Quillon Searching... "};
    size_t phase = 0;
    for (size_t i = 0; i + 1 < captions.size(); ++i) {
        while (phase < phases.size() && !StartsWith(captions[i], phases[phase])) ++phase;
        if (phase == phases.size()) {
            return ::testing::AssertionFailure() << "out of order: \"" << captions[i] << "\"";
        }
        const std::string size = captions[i].substr(phases[phase].size());
        if (phase == 2 && (size.empty() || size.find_first_not_of("0123456789") != size.npos)) {
            return ::testing::AssertionFailure() << "no size tried: \"" << captions[i] << "\"";
        }
    }
    if (phase != 2) return ::testing::AssertionFailure() << "no \"" << phases[2] << "...\"";
    if (captions.back() != result) {
        return ::testing::AssertionFailure() << "no \"" << result << "\" at the end";
    }
    return ::testing::AssertionSuccess();
}

class TunerMtuFinder : public TunerRunOnMachine {
  protected:
    void SetUp() override {
        TunerRunOnMachine::SetUp();
        if (IsSkipped() || HasFatalFailure()) return;
        DeleteFileA(outputFile_.c_str());
        // A copy fails while a stand-in of an earlier test still runs.
        ASSERT_TRUE(CopyFileA(BesideProgram("qn_command_interpreter_stand_in.exe").c_str(),
                              kInterpreterPath, FALSE))
            << kInterpreterPath << " is in use";
        ASSERT_TRUE(CopyFileA(BesideProgram("qn_ping_stand_in.exe").c_str(), kPingPath, FALSE))
            << kPingPath << " is in use";
        ASSERT_NO_FATAL_FAILURE(SetPing(MtuFinderRunOn(GetParam()).limit, kQuickPingMs));
    }

    // A stand-in still running (after a failure) keeps its file a moment.
    void TearDown() override {
        if (tuner_.Started() && !tuner_.Running()) {
            ADD_FAILURE() << "the tuner ended by itself, exit code 0x" << std::hex
                          << tuner_.ExitCode();
        }
        TunerRunOnMachine::TearDown();
        for (const char* path : {kInterpreterPath, kPingPath, kPingConfigPath}) {
            PollUntil([path] { return DeleteFileA(path) || !FileExists(path); }, kFinderStepMs);
        }
        DeleteFileA(outputFile_.c_str());
    }

    static void SetPing(unsigned limit, DWORD delayMs) {
        const std::string text = std::to_string(limit) + "\r\n" + std::to_string(delayMs) + "\r\n";
        ASSERT_TRUE(
            WriteWholeFile(kPingConfigPath, std::vector<uint8_t>(text.begin(), text.end())));
    }

    static bool NoStandInRuns() {
        return ProcessIdsNamed(kInterpreterName).empty() && ProcessIdsNamed(kPingName).empty();
    }

    // Waits for the warning in front of the finder; checks that the main
    // window went away and that "Always show warning" is ticked, as it is
    // while the setting is "0" or absent.
    void WaitForWarning(HWND& warning) {
        warning =
            WaitForTopLevelWindow(Caption::Exact(kWarningCaption), kFinderStepMs, tuner_.Id());
        ASSERT_NE(warning, nullptr) << "no \"" << kWarningCaption << "\"";
        EXPECT_FALSE(IsShown(main_)) << "the main window stayed up beside the warning";
        HWND always = FindButton(warning, "Always show warning");
        ASSERT_NE(always, nullptr);
        EXPECT_TRUE(IsChecked(always));
    }

    std::vector<std::string> ShownCaptions() const {
        std::vector<std::string> captions;
        for (HWND window : TopLevelWindows(Caption::Prefix(""), tuner_.Id())) {
            captions.push_back(WindowText(window));
        }
        return captions;
    }

    // Waits for the finder as it opens (known by its Start Search button) and
    // finds its controls.
    void WaitForFinder(FinderWindow& finder) {
        PollUntil(
            [&] {
                for (HWND window : TopLevelWindows(
                         WindowQuery{Caption::Prefix(""), tuner_.Id(), "QnForm", true})) {
                    if (FindButton(window, "Start Search") != nullptr) finder.window = window;
                }
                return finder.window != nullptr;
            },
            kFinderStepMs);
        ASSERT_NE(finder.window, nullptr) << "no finder; shown:" << Joined(ShownCaptions());
        EXPECT_EQ(WindowText(finder.window), kFinderCaption);
        EXPECT_FALSE(IsShown(main_)) << "the main window stayed up beside the finder";
        std::vector<HWND> edits;
        for (HWND child : ChildWindows(finder.window)) {
            if (lstrcmpiA(ClassNameOf(child).c_str(), "Edit") == 0) edits.push_back(child);
        }
        finder.host = OnlyOne(edits);
        finder.start = FindButton(finder.window, "Start Search");
        finder.stop = FindButton(finder.window, "Stop");
        finder.apply = FindButton(finder.window, "Apply MaxMTU");
        finder.cancel = FindButton(finder.window, "Cancel");
        finder.status = ValueLabelRightOf(finder.window, "Status:");
        finder.position = ValueLabelRightOf(finder.window, "Current Position:");
        ASSERT_TRUE(finder.host && finder.start && finder.stop && finder.apply && finder.cancel &&
                    finder.status && finder.position)
            << "a control of the finder is missing";
        EXPECT_NE(FindGroupBox(finder.window, "MaxMTU Search Status"), nullptr);
        EXPECT_EQ(WindowText(finder.host), "www.google.com");
        EXPECT_FALSE(IsShown(finder.stop)) << "Stop before a search";
        EXPECT_FALSE(IsEnabled(finder.apply)) << "Apply MaxMTU before a search";
    }

    // The finder shows status while a ping runs.
    bool WaitForPingWhile(const FinderWindow& finder, const std::string& status) {
        return PollUntil(
            [&] { return finder.Status() == status && !ProcessIdsNamed(kPingName).empty(); },
            kFinderStepMs + 2 * kSlowPingMs);
    }

    // Polls done (at most kFinderStepMs); the number of pings that started
    // meanwhile.
    static size_t PingsStartedUntil(const std::function<bool()>& done) {
        const std::vector<DWORD> before = ProcessIdsNamed(kPingName);
        std::vector<DWORD> started;
        const auto known = [](const std::vector<DWORD>& ids, DWORD pid) {
            return std::find(ids.begin(), ids.end(), pid) != ids.end();
        };
        PollUntil(
            [&] {
                for (DWORD pid : ProcessIdsNamed(kPingName)) {
                    if (!known(before, pid) && !known(started, pid)) started.push_back(pid);
                }
                return done();
            },
            kFinderStepMs);
        return started.size();
    }

    // Waits until no stand-in has run for a while (a search that goes on
    // starts its next ping well within it); the number of pings that started
    // meanwhile.
    static size_t PingsStartedUntilQuiet() {
        constexpr DWORD kQuietMs = 1000;
        DWORD quietSince = 0;
        return PingsStartedUntil([&] {
            if (!NoStandInRuns()) {
                quietSince = 0;
            } else if (quietSince == 0) {
                quietSince = GetTickCount();
            }
            return quietSince != 0 && GetTickCount() - quietSince >= kQuietMs;
        });
    }

    // Stop while a ping runs: "(Stopping)" until that ping has ended, then
    // "Search Halted", and no other ping meanwhile.
    void ExpectStopLetsThePingFinish(const FinderWindow& finder) {
        EXPECT_TRUE(IsShown(finder.stop));
        Click(finder.stop);
        EXPECT_TRUE(WaitForStatus(finder, "Searching...(Stopping)", kSlowPingMs))
            << finder.Status();
        EXPECT_FALSE(NoStandInRuns()) << "the ping was not let finish";
        std::vector<std::string> statuses = {finder.Status()};
        const size_t started = PingsStartedUntil([&] {
            const std::string status = finder.Status();
            if (statuses.back() != status) statuses.push_back(status);
            return status == "Search Halted" && NoStandInRuns();
        });
        EXPECT_EQ(started, 0u) << "pings started after Stop";
        EXPECT_EQ(statuses, (std::vector<std::string>{"Searching...(Stopping)", "Search Halted"}));
        EXPECT_TRUE(NoStandInRuns()) << "a stand-in still runs";
        EXPECT_FALSE(IsShown(finder.stop));
        EXPECT_FALSE(IsEnabled(finder.apply)) << "Apply MaxMTU after a halted search";
    }

    bool WaitForStatus(const FinderWindow& finder, const std::string& status,
                       DWORD timeoutMs = kFinderStepMs) {
        return PollUntil([&] { return finder.Status() == status; }, timeoutMs);
    }

    // The finder closed, the main window back, no output file left.
    void ExpectBackInMainWindow(const FinderWindow& finder) {
        EXPECT_TRUE(PollUntil([&] { return !IsWindow(finder.window) || !IsShown(finder.window); },
                              kFinderStepMs))
            << "the finder stayed";
        EXPECT_TRUE(PollUntil([&] { return IsShown(main_); }, kFinderStepMs))
            << "the main window did not come back";
        EXPECT_FALSE(FileExists(outputFile_)) << outputFile_;
    }

    const std::string outputFile_ = BesideProgram("output.dat");
    const SavedRegistryValue savedWarning_{HKEY_CURRENT_USER, kWarningsKey, kFinderWarningValue};
};

TEST_P(TunerMtuFinder, ASearchFindsTheLargestPacketAndApplyPutsItInTheCustomBox) {
    const MtuFinderRun& run = MtuFinderRunOn(GetParam());
    DeleteRegistryValue(HKEY_CURRENT_USER, kWarningsKey, kFinderWarningValue);
    ASSERT_NO_FATAL_FAILURE(StartClassic());
    HWND custom = FindButtonInFrame(main_, "MaxMTU", "Custom:");
    HWND customBox = CustomMtuBox(main_);
    HWND find = FindButton(main_, "Find");
    ASSERT_TRUE(custom && customBox && find);
    EXPECT_TRUE(IsEnabled(find)) << "Find is disabled on " << GetParam();
    Click(custom);
    EXPECT_TRUE(PollUntil([&] { return IsEnabled(customBox); }, kFinderStepMs));

    Click(find);
    HWND warning = nullptr;
    ASSERT_NO_FATAL_FAILURE(WaitForWarning(warning));
    Click(FindButton(warning, "Ok"));
    FinderWindow finder;
    ASSERT_NO_FATAL_FAILURE(WaitForFinder(finder));

    WindowTimeline timeline;
    timeline.Start(tuner_.Id());
    Click(finder.start);
    const std::string result = std::string("Quillon Search Complete ") + run.found;
    PollUntil([&] { return WindowText(finder.window) == result; }, kSearchTimeoutMs);
    timeline.Stop();
    EXPECT_TRUE(ShowsSearchThenResult(CaptionsShownBy(timeline, finder.window), result))
        << timeline.Describe();
    EXPECT_EQ(finder.Status(), "Search Complete");
    EXPECT_EQ(WindowText(finder.position), run.found);
    EXPECT_TRUE(IsEnabled(finder.apply));
    EXPECT_FALSE(IsShown(finder.stop));
    EXPECT_NE(SaveNamedScreenshot(std::string("tuner-mtu-finder-complete-") + GetParam()), "");

    Click(finder.apply);
    ExpectBackInMainWindow(finder);
    EXPECT_EQ(WindowText(customBox), run.found);
}

// Through the menu, the warning off: Stop, while connecting and while
// probing, lets the running ping end first; a name that does not resolve is
// an error; Cancel goes back.
TEST_P(TunerMtuFinder, StopLetsTheRunningPingFinishAndAnUnknownHostIsAnError) {
    ASSERT_TRUE(WriteRegistryString(HKEY_CURRENT_USER, kWarningsKey, kFinderWarningValue, "1"));
    ASSERT_NO_FATAL_FAILURE(SetPing(MtuFinderRunOn(GetParam()).limit, kSlowPingMs));
    ASSERT_NO_FATAL_FAILURE(StartClassic());
    ASSERT_TRUE(ChooseMenuItem(main_, {"&Tools", "&MaxMTU Finder"}));
    FinderWindow finder;
    ASSERT_NO_FATAL_FAILURE(WaitForFinder(finder));
    EXPECT_EQ(TopLevelWindows(Caption::Exact(kWarningCaption), tuner_.Id()).size(), 0u);

    for (const char* phase : {"Establishing Internet Connection...", "Searching..."}) {
        SCOPED_TRACE(phase);
        Click(finder.start);
        ASSERT_TRUE(WaitForPingWhile(finder, phase)) << finder.Status();
        ExpectStopLetsThePingFinish(finder);
    }

    ASSERT_NO_FATAL_FAILURE(SetPing(MtuFinderRunOn(GetParam()).limit, kQuickPingMs));
    SetEditText(finder.host, "nowhere.invalid");
    Click(finder.start);
    AnswerMessageBox(tuner_, "Bad Domain or IP", {"OK"}, "OK");
    EXPECT_TRUE(WaitForStatus(finder, "Search Error")) << finder.Status();
    EXPECT_FALSE(IsEnabled(finder.apply)) << "Apply MaxMTU after an error";

    Click(finder.cancel);
    ExpectBackInMainWindow(finder);
}

// The close box mid-search, while connecting and while probing: the main
// window comes back at once; when the running ping ends, no other starts,
// nothing more shows and its output goes too.
TEST_P(TunerMtuFinder, TheCloseBoxMidSearchGoesBackAndLeavesNothing) {
    ASSERT_TRUE(WriteRegistryString(HKEY_CURRENT_USER, kWarningsKey, kFinderWarningValue, "0"));
    ASSERT_NO_FATAL_FAILURE(SetPing(MtuFinderRunOn(GetParam()).limit, kSlowPingMs));
    ASSERT_NO_FATAL_FAILURE(StartClassic());
    HWND find = FindButton(main_, "Find");
    ASSERT_NE(find, nullptr);
    for (const char* phase : {"Establishing Internet Connection...", "Searching..."}) {
        SCOPED_TRACE(phase);
        Click(find);
        HWND warning = nullptr;
        ASSERT_NO_FATAL_FAILURE(WaitForWarning(warning));
        PostMessageA(warning, WM_SYSCOMMAND, SC_CLOSE, 0);
        FinderWindow finder;
        ASSERT_NO_FATAL_FAILURE(WaitForFinder(finder));

        Click(finder.start);
        ASSERT_TRUE(WaitForPingWhile(finder, phase)) << finder.Status();
        WindowTimeline timeline;
        timeline.Start(tuner_.Id());
        PostMessageA(finder.window, WM_SYSCOMMAND, SC_CLOSE, 0);
        EXPECT_TRUE(PollUntil([&] { return IsShown(main_); }, kSlowPingMs));
        EXPECT_FALSE(NoStandInRuns()) << "the main window waited for the ping, or it was ended";
        EXPECT_EQ(PingsStartedUntilQuiet(), 0u) << "pings started after the close box";
        EXPECT_TRUE(NoStandInRuns()) << "a stand-in still runs";
        ExpectBackInMainWindow(finder);
        EXPECT_EQ(WaitForDialog(tuner_.Id(), 0), nullptr) << "a dialog after the search ended";
        timeline.Stop();
        EXPECT_EQ(TopLevelWindows(WindowQuery{Caption::Prefix(""), tuner_.Id(), "QnForm", true}),
                  std::vector<HWND>{main_})
            << "not the main window alone after the search ended:\n"
            << timeline.Describe();
    }
}

INSTANTIATE_TEST_SUITE_P(Machines, TunerMtuFinder, ::testing::Values("win98", "winme"),
                         VersionTestName);

}  // namespace
}  // namespace qn::e2e
