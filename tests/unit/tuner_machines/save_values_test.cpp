// What saving the settings record does to each machine's registry, value by
// value: the record as read, the recommended values and the system's
// defaults.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/expected_machines.h"
#include "tests/support/registry_snapshot.h"
#include "tests/support/same_lines.h"
#include "tests/unit/tuner_machines/machine_params.h"
#include "tests/unit/tuner_machines/machine_session.h"

namespace qn::machine_test {
namespace {

constexpr std::int16_t kOptimumMtu = 576;
constexpr std::int32_t kOptimumRwin = (576 - 40) * 4;

bool UsesClassKeyMtus(const ExpectedFamily& family) {
    return !family.nt && (family.win98 || family.dun13);
}

std::int16_t SystemDefaultTtl(const ExpectedFamily& family) {
    const bool oldStack = family.nt ? !family.win2000OrLater : !family.win98 && !family.dun13;
    return oldStack ? 32 : 128;
}

void SetOptimum(TcpipSettings& record, const ExpectedFamily& family) {
    for (int index = 1; index <= record.AdapterCount; ++index) {
        record.Adapters[index].Mtu = kOptimumMtu;
        record.Adapters[index].IpMtu = kOptimumMtu;
    }
    record.RwinCalc = 1;
    record.Rwin = kOptimumRwin;
    record.Ttl = 128;
    record.PmtuDiscovery = true;
    record.PmtuBlackHole = false;
    if (!family.nt) record.SessionKeepAlive = 10;
}

// Connection sharing keeps what was read: its MTU is never deleted.
void SetSystemDefaults(TcpipSettings& record, const ExpectedFamily& family) {
    for (int index = 1; index <= record.AdapterCount; ++index) {
        AdapterEntry& adapter = record.Adapters[index];
        if (adapter.Kind == kKindConnectionSharing) continue;
        const bool automatic = UsesClassKeyMtus(family) && adapter.Kind == kKindSoftware;
        adapter.Mtu = automatic ? 576 : 1500;
        adapter.IpMtu = automatic ? 0 : 1500;
    }
    record.Rwin = 8192;
    record.Ttl = SystemDefaultTtl(family);
    record.PmtuDiscovery = true;
    record.PmtuBlackHole = false;
    record.SessionKeepAlive = 60;
}

std::vector<std::string> Saving(MachineSession& session, const TcpipSettings& record) {
    const RegistrySnapshot before = SnapshotOfLocalMachine(session.machine.registry);
    session.parameters.SaveValues(record, session.machine.settings);
    return Differences(before, SnapshotOfLocalMachine(session.machine.registry));
}

bool KeyExists(MachineSession& session, const std::string& path) {
    RegKey key = 0;
    if (session.machine.registry.OpenKey(kHkeyLocalMachine, path, kKeyRead, &key) != kRegSuccess)
        return false;
    session.machine.registry.CloseKey(key);
    return true;
}

class SaveValuesTest : public PerMachine {};

TEST_P(SaveValuesTest, SavingTheRecordAsReadRewritesOnlyWhatTheWritingRulesDictate) {
    MachineSession session(Expected().name);
    const auto record = session.ReadRecord();
    EXPECT_TRUE(SameLines(Describe(Expected().savedAsRead), Saving(session, *record)));
}

TEST_P(SaveValuesTest, SavingTheRecommendedValuesWritesExactlyThem) {
    MachineSession session(Expected().name);
    const auto record = session.ReadRecord();
    SetOptimum(*record, Expected().family);
    EXPECT_TRUE(SameLines(Describe(Expected().savedOptimum), Saving(session, *record)));
}

TEST_P(SaveValuesTest, SavingTheSystemDefaultsLeavesThemAsAbsentValues) {
    MachineSession session(Expected().name);
    const auto record = session.ReadRecord();
    SetSystemDefaults(*record, Expected().family);
    EXPECT_TRUE(SameLines(Describe(Expected().savedDefaults), Saving(session, *record)));
}

TEST_P(SaveValuesTest, WhatWasSavedReadsBack) {
    MachineSession session(Expected().name);
    const auto record = session.ReadRecord();
    SetOptimum(*record, Expected().family);
    session.parameters.SaveValues(*record, session.machine.settings);

    const auto saved = session.ReadRecord();
    for (int index = 1; index <= saved->AdapterCount; ++index) {
        const AdapterEntry& adapter = saved->Adapters[index];
        if (adapter.Invalid) continue;
        EXPECT_EQ(adapter.Mtu, kOptimumMtu) << adapter.Label;
        if (UsesClassKeyMtus(Expected().family)) {
            EXPECT_EQ(adapter.IpMtu, kOptimumMtu) << adapter.Label;
        }
    }
    EXPECT_EQ(saved->Rwin, kOptimumRwin);
    EXPECT_EQ(saved->Ttl, 128);
    EXPECT_TRUE(saved->PmtuDiscovery);
    EXPECT_FALSE(saved->PmtuBlackHole);
    EXPECT_EQ(saved->SessionKeepAlive, Expected().family.nt ? 60 : 10);
}

TEST_P(SaveValuesTest, InvalidAdaptersAreNotWritten) {
    MachineSession session(Expected().name);
    const auto record = session.ReadRecord();
    SetOptimum(*record, Expected().family);
    for (int index = 1; index <= record->AdapterCount; ++index)
        record->Adapters[index].Invalid = true;

    // Only the global values change; no adapter's MTU and no AOL key.
    std::vector<RegistryChange> globalsOnly;
    const std::string globalKey = Expected().family.nt ? kTcpipKey : kMstcpKey;
    for (const RegistryChange& change : Expected().savedOptimum)
        if (change.key == globalKey) globalsOnly.push_back(change);
    EXPECT_TRUE(SameLines(Describe(globalsOnly), Saving(session, *record)));
}

TEST_P(SaveValuesTest, StoresTheRwinCalculatorsAdapterInTheTunersSettings) {
    MachineSession session(Expected().name);
    const auto record = session.ReadRecord();
    record->RwinCalc = record->AdapterCount;
    session.parameters.SaveValues(*record, session.machine.settings);
    EXPECT_EQ(session.machine.settings.Get("Quillon", "Settings", "RWINCalc", "(none)"),
              std::to_string(record->AdapterCount));
}

TEST_P(SaveValuesTest, SavingShowsNoMessage) {
    MachineSession session(Expected().name);
    const auto record = session.ReadRecord();
    SetOptimum(*record, Expected().family);
    session.parameters.SaveValues(*record, session.machine.settings);
    EXPECT_TRUE(session.machine.boxes.Shown().empty());
}

QN_FOR_EVERY_MACHINE(SaveValuesTest);

// The machines with an AOL adapter: saving it removes AOL's socket settings,
// and only those.
TEST(AolSocketKeyTest, SavingAnAolAdapterDeletesTheSocketKeyOnly) {
    for (const char* machine : {"win95", "win98"}) {
        MachineSession session(machine);
        const auto record = session.ReadRecord();
        ASSERT_TRUE(KeyExists(session, kAolSockKey)) << machine;
        session.parameters.SaveValues(*record, session.machine.settings);
        EXPECT_FALSE(KeyExists(session, kAolSockKey)) << machine;
        EXPECT_TRUE(KeyExists(session, kAolCurrentVersionKey)) << machine;
    }
}

TEST(AolSocketKeyTest, AnInvalidAolAdapterIsNotSavedAndKeepsTheKey) {
    MachineSession session("win95");
    const auto record = session.ReadRecord();
    for (int index = 1; index <= record->AdapterCount; ++index)
        if (record->Adapters[index].Kind == kKindAol) record->Adapters[index].Invalid = true;
    session.parameters.SaveValues(*record, session.machine.settings);
    EXPECT_TRUE(KeyExists(session, kAolSockKey));
}

}  // namespace
}  // namespace qn::machine_test
