#pragma once
// Runs a test once per machine, named after the machine.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/expected_machines.h"

namespace qn::machine_test {

class PerMachine : public ::testing::TestWithParam<const MachineExpectation*> {
  protected:
    const MachineExpectation& Expected() const { return *GetParam(); }
};

inline std::string MachineTestName(
    const ::testing::TestParamInfo<const MachineExpectation*>& info) {
    std::string name = info.param->name;
    for (char& c : name)
        if (c == '-') c = '_';
    return name;
}

}  // namespace qn::machine_test

#define QN_FOR_EVERY_MACHINE(suite)                                                        \
    INSTANTIATE_TEST_SUITE_P(Machines, suite,                                              \
                             ::testing::ValuesIn(qn::machine_test::AllExpectedMachines()), \
                             qn::machine_test::MachineTestName)
