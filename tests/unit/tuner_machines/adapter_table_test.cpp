// Discovery and the MTUs read on each machine: the adapter table the lists,
// the MTU readers and the writers all work from.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/expected_machines.h"
#include "tests/support/same_lines.h"
#include "tests/unit/tuner_machines/machine_params.h"
#include "tests/unit/tuner_machines/machine_session.h"

namespace qn::machine_test {
namespace {

std::string KindText(int kind) {
    return kind == kKindConnectionSharing ? "-1" : std::to_string(kind);
}

// One line per adapter, so that a failure shows the whole table side by side.
std::string Line(const std::string& label, const std::string& kindText, int kind,
                 const std::string& instanceKey, const std::string& deviceId, bool invalid,
                 int ipMtu, int mtu) {
    return label + " | kind " + std::to_string(kind) + " \"" + kindText + "\" | instance \"" +
           instanceKey + "\" | device \"" + deviceId + "\" | " + (invalid ? "INVALID" : "valid") +
           " | IpMtu " + std::to_string(ipMtu) + " | Mtu " + std::to_string(mtu);
}

std::vector<std::string> ExpectedLines(const MachineExpectation& machine) {
    std::vector<std::string> lines;
    for (const ExpectedAdapter& a : machine.adapters)
        lines.push_back(Line(a.label, KindText(a.kind), a.kind, a.instanceKey, a.deviceId,
                             a.invalid, a.ipMtu, a.mtu));
    return lines;
}

std::vector<std::string> ActualLines(const TcpipSettings& record) {
    std::vector<std::string> lines;
    for (int index = 1; index <= record.AdapterCount; ++index) {
        const AdapterEntry& a = record.Adapters[index];
        lines.push_back(Line(a.Label, a.KindText, a.Kind, a.InstanceKey, a.DeviceId, a.Invalid,
                             a.IpMtu, a.Mtu));
    }
    return lines;
}

class AdapterTableTest : public PerMachine {};

TEST_P(AdapterTableTest, RunsAsItsWindowsFamily) {
    MachineSession session(Expected().name);
    const Environment& environment = session.machine.environment;
    const ExpectedFamily& family = Expected().family;
    EXPECT_EQ(environment.IsWinNT(), family.nt);
    EXPECT_EQ(environment.IsWin2000OrLater(), family.win2000OrLater);
    EXPECT_EQ(environment.IsWinXP(), family.xp);
    EXPECT_EQ(environment.IsWin98(), family.win98);
    EXPECT_EQ(environment.HasDun13(), family.dun13);
}

TEST_P(AdapterTableTest, FindsEveryAdapterInOrderWithItsMtu) {
    MachineSession session(Expected().name);
    const auto record = session.ReadRecord();

    EXPECT_TRUE(SameLines(ExpectedLines(Expected()), ActualLines(*record)));
    EXPECT_EQ(record->AdapterCount, static_cast<int>(Expected().adapters.size()));
    EXPECT_TRUE(session.machine.boxes.Shown().empty()) << "discovery reports nothing";
}

TEST_P(AdapterTableTest, LeavesSlotZeroAndTheSlotsAfterTheLastAdapterEmpty) {
    MachineSession session(Expected().name);
    const auto record = session.ReadRecord();
    for (int index : {0, record->AdapterCount + 1, kAdapterSlots - 1}) {
        const AdapterEntry& slot = record->Adapters[index];
        EXPECT_TRUE(slot.Label.empty() && slot.InstanceKey.empty() && slot.KindText.empty() &&
                    slot.DeviceId.empty() && slot.Mtu == 0 && !slot.Invalid)
            << "slot " << index;
    }
}

// Discovery starts from an empty table, whatever the record held before.
TEST_P(AdapterTableTest, FindingAgainGivesTheSameTable) {
    MachineSession session(Expected().name);
    const auto record = session.ReadRecord();
    const std::vector<std::string> first = ActualLines(*record);
    session.discovery.FindAdapters(*record);
    session.parameters.ReadAdapterMtus(*record);
    EXPECT_TRUE(SameLines(first, ActualLines(*record)));
}

QN_FOR_EVERY_MACHINE(AdapterTableTest);

}  // namespace
}  // namespace qn::machine_test
