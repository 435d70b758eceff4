// The fixtures as files: each loads without a fault, and importing them one
// after another into the same registry (as the end-to-end tests do in one
// Wine prefix) always gives exactly the machine imported last, without
// touching the keys Wine keeps for itself.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/memory/memory_registry.h"
#include "platform/memory/reg_file.h"
#include "tests/support/registry_snapshot.h"
#include "tests/support/tuner_machine.h"

namespace qn::machine_test {
namespace {

using testing::MachineNames;

std::string Fixture(const std::string& machine) {
    return testing::ReadSourceFile("fixtures/registry/" + machine + ".reg");
}

bool IsNtMachine(const std::string& machine) {
    return machine == "nt40" || machine == "win2k" || machine == "winxp";
}

void Load(Registry& registry, const std::string& text, const std::string& what) {
    const RegFileLoadResult result = LoadRegFile(registry, text);
    for (const RegFileError& error : result.errors)
        ADD_FAILURE() << what << " line " << error.line << ": " << error.message;
}

RegistrySnapshot AfterLoading(const std::vector<std::string>& machines) {
    MemoryRegistry registry;
    for (const std::string& machine : machines) Load(registry, Fixture(machine), machine);
    return SnapshotOfLocalMachine(registry);
}

// What a fresh Wine prefix holds where the fixtures write: the host's
// interfaces as cards 1 and 2, Wine's own TCP/IP values, the NT class key.
const char kWineOwnKeys[] = R"(REGEDIT4

[HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows NT\CurrentVersion\NetworkCards\1]
"Description"="lo"
"ServiceName"="{00000001-0000-0000-0000-4E6574446576}"

[HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows NT\CurrentVersion\NetworkCards\2]
"Description"="eth0"
"ServiceName"="{00000002-0000-0000-0000-4E6574446576}"

[HKEY_LOCAL_MACHINE\System\CurrentControlSet\Services\Tcpip\Parameters]
"DataBasePath"="C:\\windows\\system32\\drivers\\etc"
"Hostname"="vm"

[HKEY_LOCAL_MACHINE\System\CurrentControlSet\Control\Class\{4D36E972-E325-11CE-BFC1-08002BE10318}]
"Class"="Net"
)";

// Deletion lines of keys and values that are not there load without fault.
TEST(FixtureLoadingTest, EveryFixtureLoadsWithoutFaultIntoAnEmptyRegistry) {
    for (const std::string& machine : MachineNames()) {
        MemoryRegistry registry;
        Load(registry, Fixture(machine), machine);
    }
}

TEST(FixtureLoadingTest, AMachineOfTheSameFamilyReplacesThePreviousOneCompletely) {
    for (const std::string& previous : MachineNames()) {
        for (const std::string& machine : MachineNames()) {
            if (IsNtMachine(previous) != IsNtMachine(machine)) continue;
            EXPECT_EQ(AfterLoading({machine}), AfterLoading({previous, machine}))
                << machine << " loaded after " << previous;
        }
    }
}

TEST(FixtureLoadingTest, MachinesOfTheTwoFamiliesLeaveEachOthersKeysAlone) {
    for (const std::string& nine : MachineNames()) {
        for (const std::string& nt : MachineNames()) {
            if (IsNtMachine(nine) || !IsNtMachine(nt)) continue;
            EXPECT_EQ(AfterLoading({nine, nt}), AfterLoading({nt, nine})) << nine << " and " << nt;
        }
    }
}

TEST(FixtureLoadingTest, WinesOwnKeysSurviveEveryFixture) {
    MemoryRegistry wine;
    Load(wine, kWineOwnKeys, "Wine's keys");
    const RegistrySnapshot own = SnapshotOfLocalMachine(wine);
    for (const std::string& machine : MachineNames()) {
        MemoryRegistry registry;
        Load(registry, kWineOwnKeys, "Wine's keys");
        Load(registry, Fixture(machine), machine);
        const RegistrySnapshot after = SnapshotOfLocalMachine(registry);
        for (const auto& value : own) {
            const auto kept = after.find(value.first);
            EXPECT_TRUE(kept != after.end() && kept->second == value.second)
                << machine << " changed " << value.first;
        }
    }
}

}  // namespace
}  // namespace qn::machine_test
