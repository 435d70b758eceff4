// The global TCP/IP values each machine's readers give, absent values
// included (they read as the system's defaults).
#include <gtest/gtest.h>

#include "tests/support/expected_machines.h"
#include "tests/unit/tuner_machines/machine_params.h"
#include "tests/unit/tuner_machines/machine_session.h"

namespace qn::machine_test {
namespace {

class GlobalValuesTest : public PerMachine {};

TEST_P(GlobalValuesTest, ReadersGiveTheStoredValuesOrTheSystemDefaults) {
    MachineSession session(Expected().name);
    const auto record = session.ReadRecord();
    const ExpectedGlobals& expected = Expected().globals;
    EXPECT_EQ(record->Rwin, expected.rwin);
    EXPECT_EQ(record->Ttl, expected.ttl);
    EXPECT_EQ(record->PmtuDiscovery, expected.pmtuDiscovery);
    EXPECT_EQ(record->PmtuBlackHole, expected.pmtuBlackHole);
    EXPECT_EQ(record->SessionKeepAlive, expected.sessionKeepAliveMinutes);
}

QN_FOR_EVERY_MACHINE(GlobalValuesTest);

}  // namespace
}  // namespace qn::machine_test
