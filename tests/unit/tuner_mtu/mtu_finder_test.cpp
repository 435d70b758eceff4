// The MaxMTU finder from the main window's Find button: the warning, the
// four-stage search over a scripted link, and every way a search ends.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/unit/tuner_mtu/scripted_link.h"
#include "tests/unit/tuner_ui/tuner_session_helpers.h"
#include "tuner/ui/tuner_forms.h"
#include "ui/headless/user_actions.h"

namespace qn {
namespace {

using testing::HeadlessTuner;
using ui::headless::Click;
using ui::headless::Close;
using ui::headless::Type;

const std::string kOutputFile = testing::kTunerFolder + "\\output.dat";

class MtuFinder : public ::testing::Test {
  protected:
    explicit MtuFinder(const char* machine = "win98") : tuner(machine) {
        forms.SetMainWindow(window);
        tuner.windows.forward = &forms;
        testing::ScriptLink(tuner.processes, tuner.files, link);
        window.Show();
    }
    FindMtuWindow& OpenFinder() {
        Click(window.cmd_mtu_find);
        Click(forms.FindMtuWarning()->Command1);
        return *forms.FindMtu();
    }
    // The finder at rest after a search: what the user can press and read.
    void ExpectIdle(const FindMtuWindow& finder, bool applicable) {
        EXPECT_TRUE(finder.Command1.Enabled());
        EXPECT_TRUE(finder.Command2.Enabled());
        EXPECT_TRUE(finder.Text1.Enabled());
        EXPECT_FALSE(finder.Command4.Visible());
        EXPECT_EQ(finder.Command3.Enabled(), applicable);
        EXPECT_EQ(forms.Detection().BusyCount(), 0);
        EXPECT_EQ(tuner.app.MousePointer(), kDefaultPointer);
        EXPECT_EQ(tuner.processes.OpenHandles(), 0u);
    }

    HeadlessTuner tuner;
    MainWindow& window = *tuner.window;
    TunerForms forms{tuner.app, tuner.services};
    testing::ScriptedLink link;
};

TEST_F(MtuFinder, FindsTheLargestPayloadInFourStagesAndAppliesItPlusTheHeaders) {
    Click(window.opt_mtu_custom);
    FindMtuWindow& finder = OpenFinder();
    EXPECT_FALSE(window.Visible());
    EXPECT_EQ(finder.Caption(), "Quillon Find MaxMTU");
    EXPECT_FALSE(finder.Command3.Enabled());
    std::vector<std::string> positions;
    link.afterPing = [&](int) { positions.push_back(finder.Label4.Caption()); };

    Click(finder.Command1);

    EXPECT_EQ(link.pinged,
              (std::vector<int>{1000, 2000, 1100, 1200, 1300, 1400, 1500, 1410, 1420, 1430, 1440,
                                1450, 1460, 1470, 1480, 1471, 1472, 1473}));
    // Each stage shows the last size that passed, plus 28, before its ping.
    EXPECT_EQ(positions.at(1), "1028");
    EXPECT_EQ(positions.at(6), "1428");
    EXPECT_EQ(positions.at(14), "1498");
    EXPECT_EQ(link.unredirected,
              std::vector<std::string>{"C:\\command.com /c ping -f -n 1 -l 9999 www.google.com"});
    EXPECT_EQ(tuner.processes.started.at(1).first,
              "C:\\command.com /c ping -f -n 1 -l 1000 www.google.com > \"" + kOutputFile + "\"");
    for (const auto& run : tuner.processes.started) EXPECT_EQ(run.second, WindowState::Hidden);
    EXPECT_EQ(finder.StageResult(), 1472);
    EXPECT_EQ(finder.Label4.Caption(), "1500");
    EXPECT_EQ(finder.Label5.Caption(), "Search Complete");
    EXPECT_EQ(finder.Caption(), "Quillon Search Complete 1500");
    ExpectIdle(finder, true);
    EXPECT_TRUE(tuner.files.FileExists(kOutputFile));

    Click(finder.Command3);
    EXPECT_EQ(window.txt_mtu_custom.Text(), "1500");
    EXPECT_TRUE(window.Visible());
    EXPECT_FALSE(finder.Loaded());
    EXPECT_FALSE(tuner.files.FileExists(kOutputFile));
}

TEST_F(MtuFinder, ApplyLeavesADisabledCustomBoxAlone) {
    Click(window.opt_mtu_1500);
    FindMtuWindow& finder = OpenFinder();
    link.largestPayload = 548;
    Click(finder.Command1);
    EXPECT_EQ(finder.Label4.Caption(), "576");
    Click(finder.Command3);
    EXPECT_EQ(window.txt_mtu_custom.Text(), "1500");
    EXPECT_TRUE(window.Visible());
}

struct EndingCase {
    const char* name;
    int largestPayload;
    bool hostKnown;
    const char* host;
    int hostLostAfter;  // the host stops answering after pinging this size
    const char* status;
    const char* position;
};

class SearchEnding : public MtuFinder, public ::testing::WithParamInterface<EndingCase> {};

TEST_P(SearchEnding, EndsWithItsStatusAndMessage) {
    const EndingCase& c = GetParam();
    link.largestPayload = c.largestPayload;
    link.hostKnown = c.hostKnown;
    link.afterPing = [&](int size) {
        if (size == c.hostLostAfter) link.hostKnown = false;
    };
    FindMtuWindow& finder = OpenFinder();
    Type(finder.Text1, c.host);
    const bool fails = std::string(c.status) == "Search Error";
    if (fails) tuner.host.Script().Answer(ui::vbOK, "Bad Domain or IP");

    Click(finder.Command1);

    EXPECT_EQ(finder.Label5.Caption(), c.status);
    EXPECT_EQ(finder.Label4.Caption(), c.position);
    EXPECT_EQ(finder.Caption(), std::string("Quillon ") + c.status + " " + c.position);
    EXPECT_EQ(tuner.host.Script().Shown().size(), fails ? 1u : 0u);
    if (fails) {
        EXPECT_EQ(tuner.host.Script().Shown()[0].title, "Quillon");
    }
    ExpectIdle(finder, !fails);
}

INSTANTIATE_TEST_SUITE_P(
    Links, SearchEnding,
    ::testing::Values(
        // Stage 1 keeps 0 and stage 2 starts there with steps of 100.
        EndingCase{"FirstPingTooLarge", 500, true, "www.google.com", 0, "Search Complete", "528"},
        EndingCase{"UnknownHost", 1472, false, "nowhere.invalid", 0, "Search Error", "28"},
        EndingCase{"HostLostInStageTwo", 1472, true, "www.google.com", 1400, "Search Error",
                   "1428"},
        // Nothing would ever fail: the stage stops before leaving 16 bits.
        EndingCase{"SixteenBitLimit", 100000, true, "www.google.com", 0, "Search Error", "32028"},
        // Not a host name: it never reaches the command interpreter.
        EndingCase{"CommandInHost", 1472, true, "x.com & del C:\\*.*", 0, "Search Error", "28"},
        EndingCase{"OptionAsHost", 1472, true, "-t", 0, "Search Error", "28"}),
    [](const ::testing::TestParamInfo<EndingCase>& info) { return info.param.name; });

TEST_F(MtuFinder, AHostThatIsNoNameStartsNoProcess) {
    FindMtuWindow& finder = OpenFinder();
    Type(finder.Text1, "a.com > C:\\AUTOEXEC.BAT");
    tuner.host.Script().Answer(ui::vbOK);
    Click(finder.Command1);
    EXPECT_TRUE(tuner.processes.started.empty());
}

TEST(MtuDetection, APingThatCannotStartIsAnErrorNotTheLastTranscript) {
    HeadlessTuner tuner("win98");
    TunerForms forms(tuner.app, tuner.services);
    tuner.files.Write(kOutputFile, "\r\nReply from 10.1.2.3: bytes=1000 time=1ms TTL=54\r\n");
    EXPECT_EQ(forms.Detection().PingUnfragmented("www.google.com", 1000), kPingError);
}

TEST_F(MtuFinder, StopDuringTheWarmUpHaltsAtTheFirstPing) {
    FindMtuWindow& finder = OpenFinder();
    tuner.host.Post([&] { Click(finder.Command4); });
    Click(finder.Command1);
    // The flag stays set: stage 1 starts its ping and ends at once.
    EXPECT_EQ(link.unredirected.size(), 1u);
    EXPECT_EQ(link.pinged, std::vector<int>{1000});
    EXPECT_EQ(finder.StageResult(), kStageStopped);
    EXPECT_EQ(finder.Label5.Caption(), "Search Halted");
    ExpectIdle(finder, false);
}

TEST_F(MtuFinder, StopInALaterStageWaitsForTheRunningPingAndHalts) {
    FindMtuWindow& finder = OpenFinder();
    link.afterPing = [&](int size) {
        if (size == 1200)
            tuner.host.Post([&] {
                EXPECT_EQ(finder.Label5.Caption(), "Searching...");
                EXPECT_TRUE(finder.Command4.Visible());
                EXPECT_FALSE(finder.Command2.Enabled());
                Click(finder.Command4);
                EXPECT_EQ(finder.Label5.Caption(), "Searching...(Stopping)");
            });
    };
    Click(finder.Command1);
    EXPECT_EQ(link.pinged.back(), 1300);
    EXPECT_EQ(finder.Label5.Caption(), "Search Halted");
    EXPECT_EQ(finder.Caption(), "Quillon Search Halted 1228");
    ExpectIdle(finder, false);

    // A new search starts again at stage 1.
    link.afterPing = nullptr;
    Click(finder.Command1);
    EXPECT_EQ(finder.Label5.Caption(), "Search Complete");
    EXPECT_EQ(link.pinged.at(5), 1000);
}

TEST_F(MtuFinder, ClosingDuringASearchShowsTheMainWindowAndNothingMore) {
    FindMtuWindow& finder = OpenFinder();
    link.afterPing = [&](int size) {
        // Handled while the next ping runs.
        if (size == 1100) tuner.host.Post([&] { tuner.host.Post([&] { Close(finder); }); });
    };
    Click(finder.Command1);
    EXPECT_FALSE(finder.Loaded());
    EXPECT_TRUE(window.Visible());
    EXPECT_TRUE(tuner.host.Script().Shown().empty());
    // The ping running at the close was let finish, and its transcript goes.
    EXPECT_EQ(link.pinged.back(), 1200);
    EXPECT_FALSE(tuner.files.FileExists(kOutputFile));
    EXPECT_EQ(tuner.processes.OpenHandles(), 0u);
    EXPECT_EQ(tuner.app.MousePointer(), kDefaultPointer);
}

TEST_F(MtuFinder, CancelAndTheCloseBoxDeleteTheTranscriptAndShowTheMainWindow) {
    for (bool viaCloseBox : {false, true}) {
        FindMtuWindow& finder = OpenFinder();
        Click(finder.Command1);
        ASSERT_TRUE(tuner.files.FileExists(kOutputFile));
        if (viaCloseBox) {
            Close(finder);
        } else {
            Click(finder.Command2);
        }
        EXPECT_FALSE(finder.Loaded());
        EXPECT_TRUE(window.Visible());
        EXPECT_FALSE(tuner.files.FileExists(kOutputFile));
    }
}

TEST_F(MtuFinder, TheWarningRemembersItsTickAndTheCloseBoxAlsoLeadsOn) {
    Click(window.cmd_mtu_find);
    WarningWindow& warning = *forms.FindMtuWarning();
    EXPECT_TRUE(warning.Visible());
    EXPECT_FALSE(window.Visible());
    EXPECT_EQ(warning.Check1.Value(), ui::vbChecked);
    EXPECT_EQ(warning.Label2.Caption(),
              "Quillon is unable to detect a MaxMTU greater than the current settings.  For "
              "optimum detection, please set MaxMTU to Windows Default (1500) and Reboot before "
              "running the detection.\r\rThis may not always be the optimum setting.\r\rWARNING: "
              "May not work with some video cards!");
    Click(warning.Check1);
    EXPECT_EQ(tuner.Setting("Warnings", "findmtu"), "1");
    Close(warning);
    EXPECT_FALSE(warning.Loaded());
    EXPECT_TRUE(forms.FindMtu()->Visible());

    // Now the warning is skipped.
    Click(forms.FindMtu()->Command2);
    Click(window.cmd_mtu_find);
    EXPECT_FALSE(warning.Loaded());
    EXPECT_TRUE(forms.FindMtu()->Visible());
    EXPECT_FALSE(window.Visible());
}

TEST(MtuDetection, TheBusyPointerCountsAndNeverGoesBelowZero) {
    HeadlessTuner tuner("win98");
    TunerForms forms(tuner.app, tuner.services);
    mtudetection& detection = forms.Detection();
    detection.SetBusyCursor(kDefaultPointer);
    EXPECT_EQ(detection.BusyCount(), 0);
    detection.SetBusyCursor(kHourglassPointer);
    detection.SetBusyCursor(kHourglassPointer);
    detection.SetBusyCursor(kDefaultPointer);
    EXPECT_EQ(tuner.app.MousePointer(), kHourglassPointer);
    detection.SetBusyCursor(2);  // any other pointer is shown as it is
    EXPECT_EQ(tuner.app.MousePointer(), 2);
    EXPECT_EQ(detection.BusyCount(), 1);
    detection.SetBusyCursor(kDefaultPointer);
    detection.SetBusyCursor(kDefaultPointer);
    EXPECT_EQ(detection.BusyCount(), 0);
    detection.SetBusyCursor(kHourglassPointer);
    EXPECT_EQ(tuner.app.MousePointer(), kHourglassPointer);
}

TEST(MtuDetection, OnTheNtFamilyCmdCarriesOutTheRedirection) {
    HeadlessTuner tuner("winxp");
    TunerForms forms(tuner.app, tuner.services);
    tuner.processes.Script("cmd /c ping", ScriptedProcess{});
    EXPECT_EQ(forms.Detection().PingUnfragmented("www.google.com", 1000), kPingError);
    EXPECT_EQ(tuner.processes.started.at(0).first,
              "cmd /c ping -f -n 1 -l 1000 www.google.com > \"" + kOutputFile + "\"");
}

}  // namespace
}  // namespace qn
