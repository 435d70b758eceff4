// The tuner's start on whole simulated machines: each registry fixture
// imported into Wine, the matching Windows version emulated, then the window
// checked against what the fixture's README says the tuner must find.
#include <windows.h>
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "tests/e2e/driver/control_input.h"
#include "tests/e2e/driver/files.h"
#include "tests/e2e/driver/process.h"
#include "tests/e2e/driver/reg_fixture.h"
#include "tests/e2e/driver/registry_dump.h"
#include "tests/e2e/driver/screenshot.h"
#include "tests/e2e/driver/window_finder.h"
#include "tests/e2e/driver/window_timeline.h"
#include "tests/e2e/driver/wine_prefix.h"
#include "tests/e2e/tuner_session.h"

namespace qn::e2e {
namespace {

// Which pppmac.vxd the machine has: none, the one of Windows 95 itself, or the
// one of Dial-Up Networking 1.3.
enum class Pppmac { kNone, kOld, kDun13 };

struct Machine {
    const char* name;  // the fixture, fixtures/registry/<name>.reg
    const char* windowsVersion;
    Pppmac pppmac;
    // Labels of the valid adapters (both lists) and of the invalid ones
    // (the text box), in adapter order.
    std::vector<std::string> listed;
    std::vector<std::string> invalid;
};

// Test names and failure messages show the machine by its name.
void PrintTo(const Machine& machine, std::ostream* out) {
    *out << machine.name;
}

const Machine kMachines[] = {
    {"win95",
     "win95",
     Pppmac::kOld,
     {"Dial-Up Adapter (Software)", "NE2000 Compatible (Hardware - ISA)",
      "3Com Fast EtherLink XL 10/100Mb TX Ethernet Adapter (3C905-TX) (Hardware - PCI)",
      "AOL Adapter (AOL)"},
     {"Megahertz XJ10BT PCMCIA Ethernet Adapter (Hardware - PCMCIA)"}},
    {"win95-dun13",
     "win95",
     Pppmac::kDun13,
     {"Dial-Up Adapter (Software)", "Dial-Up Adapter #2 (VPN Support) (Software)",
      "NE2000 Compatible (Hardware - ISA)"},
     {"Intel 8255x-based PCI Ethernet Adapter (10/100) (Hardware - PCI)"}},
    {"win98",
     "win98",
     Pppmac::kNone,
     {"Dial-Up Adapter (Software)", "NE2000 Compatible (Hardware - ISA)",
      "Realtek RTL8139(A/B/C/8130) PCI Fast Ethernet NIC (Hardware - PCI)", "AOL Adapter (AOL)",
      "Microsoft Virtual Private Networking Adapter (Hardware)", "AOL Adapter (Hardware)"},
     {"Realtek RTL8139(A/B/C/8130) PCI Fast Ethernet NIC (Hardware - ISA)",
      "NE1000 Compatible (Hardware - ISA)"}},
    {"winme",
     "winme",
     Pppmac::kNone,
     {"Internet Connection Sharing (ICS)", "Dial-Up Adapter (Software)",
      "Microsoft Virtual Private Networking Adapter (Software)",
      "3Com EtherLink III LAN PC Card (3C589D) (Hardware - PCMCIA)"},
     {"3Com EtherLink III LAN PC Card (3C589D) (Hardware - ISA)"}},
    {"nt40",
     "nt40",
     Pppmac::kNone,
     {"[10] Intel(R) PRO/100B PCI Adapter (TX)", "[13] Novell NE2000 Adapter"},
     {}},
    {"win2k",
     "win2k",
     Pppmac::kNone,
     {"3Com EtherLink XL 10/100 PCI For Complete PC Management NIC (3C905C-TX)",
      "Xircom CardBus Ethernet 10/100 Adapter"},
     {}},
    {"winxp",
     "winxp",
     Pppmac::kNone,
     {"Realtek RTL8139 Family PCI Fast Ethernet NIC",
      "Intel(R) PRO/Wireless 2200BG Network Connection"},
     {}},
};

constexpr const char* kScanningCaption = "Quillon";
constexpr const char* kScanningText = "Scanning for network adapters, please wait...";
constexpr const char* kServices = "SYSTEM\\CurrentControlSet\\Services";
constexpr const char* kNetworkCards =
    "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\NetworkCards";

// The HKEY_LOCAL_MACHINE trees the tuner reads while it starts, plus the Run
// key it must leave alone; the services a fixture names come on top.
const char* const kTreesReadAtStart[] = {
    "Enum",
    "System\\CurrentControlSet\\Services\\Class",
    "System\\CurrentControlSet\\Services\\VxD\\MSTCP",
    "System\\CurrentControlSet\\Services\\ICSharing",
    "System\\CurrentControlSet\\Services\\Tcpip\\Parameters",
    kNetworkCards,
    "SOFTWARE\\America Online",
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run",
};

std::string FixturePath(const Machine& machine) {
    return UnixToWinePath(std::string(QN_SOURCE_DIR) + "/fixtures/registry/" + machine.name +
                          ".reg");
}

// The copies of pppmac.vxd built beside the tests; "" for none.
std::string PppmacSource(Pppmac pppmac) {
    switch (pppmac) {
        case Pppmac::kOld:
            return BesideProgram("fixtures\\pppmac-old.vxd");
        case Pppmac::kDun13:
            return BesideProgram("fixtures\\pppmac-dun13.vxd");
        case Pppmac::kNone:
        default:
            return "";
    }
}

std::vector<std::string> TreesToCompare(const std::string& fixtureText) {
    std::vector<std::string> trees(std::begin(kTreesReadAtStart), std::end(kTreesReadAtStart));
    for (const std::string& service :
         SubKeysInRegFile(fixtureText, HKEY_LOCAL_MACHINE, kServices)) {
        trees.push_back(std::string(kServices) + "\\" + service);
    }
    return trees;
}

std::string Snapshot(const std::vector<std::string>& trees) {
    std::string text;
    for (const std::string& tree : trees) {
        text += "; HKLM\\" + tree + "\n" + ExportRegistryTree(HKEY_LOCAL_MACHINE, tree) + "\n";
    }
    return text;
}

std::string InvalidAdaptersText(const Machine& machine) {
    std::string text = "Invalid Adapters:\r\n";
    for (const std::string& label : machine.invalid) text += " * " + label + "\r\n";
    return text;
}

bool IsScanningNotice(const ShownWindow& shown) {
    return shown.caption == kScanningCaption && shown.HasChildText(kScanningText);
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
        noticeBesideMain = noticeBesideMain || states[i].Find(kScanningCaption) != nullptr;
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
    const std::string pppmac = PppmacSource(machine.pppmac);
    if (machine.pppmac == Pppmac::kDun13 && !FileExists(pppmac)) {
        GTEST_SKIP() << pppmac << " is not built: no Dial-Up Networking 1.3 to simulate";
    }
    // Without the old copy, no file at all also means "no Dial-Up Networking 1.3".
    ASSERT_TRUE(PlacePppmac(FileExists(pppmac) ? pppmac : "")) << PppmacPath();

    std::string fixture;
    ASSERT_TRUE(ReadWholeFile(FixturePath(machine), fixture)) << FixturePath(machine);
    ASSERT_TRUE(ImportMachineRegFile(FixturePath(machine))) << FixturePath(machine);
    ASSERT_TRUE(SetProgramWindowsVersion(kTunerExe, machine.windowsVersion));
    const std::vector<std::string> trees = TreesToCompare(fixture);
    const std::string before = Snapshot(trees);

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
    // The start only reads: nothing of the machine may have changed. (The
    // tuner's own per-user settings do change: they are not compared.)
    EXPECT_EQ(Snapshot(trees), before);
}

INSTANTIATE_TEST_SUITE_P(Machines, TunerOnMachine, ::testing::ValuesIn(kMachines),
                         [](const ::testing::TestParamInfo<Machine>& info) {
                             std::string name = info.param.name;
                             for (char& c : name) {
                                 if (c == '-') c = '_';
                             }
                             return name;
                         });

}  // namespace
}  // namespace qn::e2e
