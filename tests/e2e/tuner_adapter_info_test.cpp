// The Info button in the MaxMTU frame on whole simulated machines: the box
// names where the selected adapter keeps its MTU and its place in the list.
#include <windows.h>
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "tests/e2e/driver/control_input.h"
#include "tests/e2e/driver/process.h"
#include "tests/e2e/driver/window_finder.h"
#include "tests/e2e/tuner_machines.h"
#include "tests/e2e/tuner_session.h"

namespace qn::e2e {
namespace {

struct InfoBox {
    int listPosition;  // from 1
    const char* label;
    const char* text;
};

struct InfoCase {
    const char* machine;
    std::vector<InfoBox> boxes;
};

void PrintTo(const InfoCase& c, std::ostream* out) {
    *out << c.machine;
}

class AdapterInformation : public TunerEndToEnd, public ::testing::WithParamInterface<InfoCase> {};

TEST_P(AdapterInformation, InfoNamesWhereTheSelectedAdapterKeepsItsMtu) {
    std::string fixture;
    PutMachineInPlace(MachineNamed(GetParam().machine), fixture);
    if (IsSkipped() || HasFatalFailure()) return;
    Process tuner;
    HWND main = StartTuner(tuner, "classic");
    ASSERT_NE(main, nullptr);
    HWND list = FindStartControls(main).mtuAdapters;
    HWND info = FindButtonInFrame(main, "MaxMTU", "Info");
    ASSERT_TRUE(list != nullptr && info != nullptr) << "no adapter list or Info button";

    for (const InfoBox& box : GetParam().boxes) {
        ASSERT_TRUE(SelectComboItem(list, box.listPosition - 1)) << box.label;
        Click(info);
        ASSERT_NO_FATAL_FAILURE(
            AnswerMessageBox(tuner, box.text, {"OK"}, "OK", std::string("Quillon - ") + box.label));
    }
    EXPECT_TRUE(CloseTuner(tuner, main));
}

INSTANTIATE_TEST_SUITE_P(
    Machines, AdapterInformation,
    ::testing::Values(
        InfoCase{"win2k",
                 {{2, "Xircom CardBus Ethernet 10/100 Adapter",
                   "MTU Registry Location:\rHKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\"
                   "Services\\Tcpip\\Parameters\\Interfaces\\"
                   "{2F6B9C51-0D7A-4E88-A4C3-7B1E5D20C9A6}\r\rQuillon Adapter ID Number: 2"}}},
        InfoCase{"nt40",
                 {{1, "[10] Intel(R) PRO/100B PCI Adapter (TX)",
                   "MTU Registry Location:\rHKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\"
                   "Services\\E100B1\\Parameters\\Tcpip\r\rQuillon Adapter ID Number: 1"}}},
        InfoCase{"win95",
                 {{2, "NE2000 Compatible (Hardware - ISA)",
                   "MaxMTU Registry Location:\rHKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\"
                   "Services\\Class\\NetTrans\\0002\r\rQuillon Adapter ID Number: 2"}}},
        // Sharing, a software and a hardware adapter; the hardware one comes
        // after an invalid adapter, so its list position is not its index.
        InfoCase{"winme",
                 {{1, "Internet Connection Sharing (ICS)",
                   "InternetMTU Registry Location:\rHKEY_LOCAL_MACHINE\\System\\"
                   "CurrentControlSet\\Services\\ICSharing\\Settings\\General\r\r"
                   "Quillon Adapter ID Number: 1"},
                  {3, "Microsoft Virtual Private Networking Adapter (Software)",
                   "IPMTU Registry Location:\rHKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\"
                   "Services\\Class\\Net\\0002\r\rQuillon Adapter ID Number: 3"},
                  {4, "3Com EtherLink III LAN PC Card (3C589D) (Hardware - PCMCIA)",
                   "MaxMTU Registry Location:\rHKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\"
                   "Services\\Class\\NetTrans\\0003\r\rQuillon Adapter ID Number: 4"}}}),
    [](const ::testing::TestParamInfo<InfoCase>& info) { return std::string(info.param.machine); });

}  // namespace
}  // namespace qn::e2e
