#pragma once
// The simulated machines of fixtures/registry/ for the tuner's end-to-end
// tests: the Windows each emulates, the dial-up driver file it has, what its
// adapter lists show, and how a test puts one in place in the Wine prefix.
#include <windows.h>
#include <gtest/gtest.h>

#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "tests/e2e/driver/files.h"
#include "tests/e2e/driver/reg_fixture.h"
#include "tests/e2e/driver/registry_dump.h"
#include "tests/e2e/driver/wine_prefix.h"
#include "tests/e2e/run_key.h"
#include "tests/e2e/tuner_session.h"
#include "tests/e2e/wine_registry_snapshot.h"

namespace qn::e2e {

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
inline void PrintTo(const Machine& machine, std::ostream* out) {
    *out << machine.name;
}

inline const Machine kMachines[] = {
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
      "Microsoft Virtual Private Networking Adapter (Hardware)"},
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

inline const Machine& MachineNamed(const std::string& name) {
    for (const Machine& machine : kMachines) {
        if (name == machine.name) return machine;
    }
    throw std::invalid_argument("no machine " + name);
}

// For INSTANTIATE_TEST_SUITE_P: the machine's name as a test name.
inline std::string MachineTestName(const ::testing::TestParamInfo<Machine>& info) {
    std::string name = info.param.name;
    for (char& c : name) {
        if (c == '-') c = '_';
    }
    return name;
}

inline std::string FixturePath(const Machine& machine) {
    return UnixToWinePath(std::string(QN_SOURCE_DIR) + "/fixtures/registry/" + machine.name +
                          ".reg");
}

// The copies of pppmac.vxd built beside the tests; "" for none.
inline std::string PppmacSource(Pppmac pppmac) {
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

// Where the tuner keeps the hosts file on the emulated Windows.
inline std::string HostsPathOn(const std::string& windowsVersion) {
    char windows[MAX_PATH] = {};
    GetWindowsDirectoryA(windows, MAX_PATH);
    const bool nt =
        windowsVersion == "nt40" || windowsVersion == "win2k" || windowsVersion == "winxp";
    return std::string(windows) + (nt ? "\\system32\\drivers\\etc\\hosts" : "\\hosts");
}

// The Run value that starts the tuner's log-on reminder while the hosts file
// is on; "<absent>" when there is none.
constexpr const char* kReminderRunValue = "Quillon";
inline std::string TunerRunValue() {
    std::string value;
    return ReadRegistryString(HKEY_LOCAL_MACHINE, kRunKey, kReminderRunValue, value) ? value
                                                                                     : "<absent>";
}

// What TunerRunValue() is once the tuner has started or ticked "Enable".
inline std::string TunerRunValueWhileHostsOn() {
    return BesideProgram(kTunerExe) + " splash";
}

// The HKEY_LOCAL_MACHINE trees of the TCP/IP settings and the adapters that
// the tuner reads, the services a fixture names included.
inline std::vector<std::string> TcpipTrees(const std::string& fixtureText) {
    const char* const services = "SYSTEM\\CurrentControlSet\\Services";
    std::vector<std::string> trees = {
        "Enum",
        "System\\CurrentControlSet\\Services\\Class",
        "System\\CurrentControlSet\\Services\\VxD\\MSTCP",
        "System\\CurrentControlSet\\Services\\ICSharing",
        "System\\CurrentControlSet\\Services\\Tcpip\\Parameters",
        "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\NetworkCards",
        "SOFTWARE\\America Online",
    };
    for (const std::string& service : SubKeysInRegFile(fixtureText, HKEY_LOCAL_MACHINE, services)) {
        trees.push_back(std::string(services) + "\\" + service);
    }
    return trees;
}

// Puts the machine in place for the tuner's next start: its dial-up driver
// file, its registry and its Windows version. Skips the test when the DUN 1.3
// file is not built; fixtureText receives the fixture.
inline void PutMachineInPlace(const Machine& machine, std::string& fixtureText) {
    const std::string pppmac = PppmacSource(machine.pppmac);
    if (machine.pppmac == Pppmac::kDun13 && !FileExists(pppmac)) {
        GTEST_SKIP() << pppmac << " is not built: no Dial-Up Networking 1.3 to simulate";
    }
    // Without the old copy, no file at all also means "no Dial-Up Networking 1.3".
    ASSERT_TRUE(PlacePppmac(FileExists(pppmac) ? pppmac : "")) << PppmacPath();
    ASSERT_TRUE(ReadWholeFile(FixturePath(machine), fixtureText)) << FixturePath(machine);
    ASSERT_TRUE(ImportMachineRegFile(FixturePath(machine))) << FixturePath(machine);
    ASSERT_TRUE(SetProgramWindowsVersion(kTunerExe, machine.windowsVersion));
}

// A tuner run on the machine that the test's parameter names: the machine is
// put in place before the test, and the tuner, once started, is closed after
// it.
class TunerRunOnMachine : public TunerEndToEnd, public ::testing::WithParamInterface<const char*> {
  protected:
    void SetUp() override {
        TunerEndToEnd::SetUp();
        if (IsSkipped() || HasFatalFailure()) return;
        std::string fixture;
        PutMachineInPlace(MachineNamed(GetParam()), fixture);
    }

    void TearDown() override {
        if (main_ != nullptr && tuner_.Running()) {
            EXPECT_TRUE(CloseTuner(tuner_, main_));
        }
        TunerEndToEnd::TearDown();
    }

    void StartClassic() {
        main_ = StartTuner(tuner_, "classic");
        ASSERT_NE(main_, nullptr) << "no main window on " << GetParam();
    }

    Process tuner_;
    HWND main_ = nullptr;
};

}  // namespace qn::e2e
