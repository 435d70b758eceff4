// The small throughput graph beside the version label: moving while traffic
// flows on Windows 98 and XP, absent on Windows 95.
#include <windows.h>
#include <gtest/gtest.h>

#include <string>

#include "tests/e2e/driver/loopback_traffic.h"
#include "tests/e2e/driver/process.h"
#include "tests/e2e/driver/screenshot.h"
#include "tests/e2e/driver/window_finder.h"
#include "tests/e2e/tuner_machines.h"
#include "tests/e2e/tuner_session.h"

namespace qn::e2e {
namespace {

RgbImage CaptureWindow(HWND window) {
    RECT box{};
    GetWindowRect(window, &box);
    return CaptureScreenRect(box.left, box.top, box.right - box.left, box.bottom - box.top);
}

class TunerGraph : public TunerEndToEnd {
  protected:
    HWND StartOn(const char* machine) {
        std::string fixture;
        PutMachineInPlace(MachineNamed(machine), fixture);
        if (IsSkipped() || HasFatalFailure()) return nullptr;
        SetCursorPos(0, 0);
        HWND main = StartTuner(tuner_, "classic");
        EXPECT_NE(main, nullptr) << "no main window on " << machine;
        return main;
    }

    // The graph box shows something different a few seconds later while
    // traffic flows; a screenshot of each machine to look at.
    void ExpectMovingGraph(const char* machine) {
        HWND main = StartOn(machine);
        if (main == nullptr) return;
        HWND graph = FindGraphBox(main);
        ASSERT_NE(graph, nullptr) << "no single graph box on " << machine;
        EXPECT_TRUE(IsShown(graph)) << machine;
        ASSERT_TRUE(KeepLoopbackTrafficFlowing(1500));
        const RgbImage before = CaptureWindow(graph);
        ASSERT_TRUE(KeepLoopbackTrafficFlowing(3000));
        const RgbImage after = CaptureWindow(graph);
        EXPECT_GT(before.width, 0u);
        EXPECT_NE(before.pixels, after.pixels) << "the graph did not move on " << machine;
        SaveNamedScreenshot(std::string("tuner-graph-") + machine);
        EXPECT_TRUE(CloseTuner(tuner_, main));
    }

    Process tuner_;
};

TEST_F(TunerGraph, MovesWithTrafficOnWindowsXp) {
    ExpectMovingGraph("winxp");
}

TEST_F(TunerGraph, MovesWithTrafficOnWindows98) {
    ExpectMovingGraph("win98");
}

TEST_F(TunerGraph, IsHiddenOnWindows95) {
    HWND main = StartOn("win95");
    if (main == nullptr) return;
    HWND graph = FindGraphBox(main);
    EXPECT_TRUE(graph == nullptr || !IsShown(graph));
    EXPECT_TRUE(CloseTuner(tuner_, main));
}

}  // namespace
}  // namespace qn::e2e
