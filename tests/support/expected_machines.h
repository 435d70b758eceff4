#pragma once
// Every machine of fixtures/registry/ with what the tuner must find there and
// what saving must do to it.
#include <string>
#include <vector>

#include "tests/support/expected_9x_machines.h"
#include "tests/support/expected_nt_machines.h"
#include "tests/support/machine_expectation.h"

namespace qn::machine_test {

inline const std::vector<const MachineExpectation*>& AllExpectedMachines() {
    static const std::vector<const MachineExpectation*> machines = {
        &ExpectedWin95(), &ExpectedWin95Dun13(), &ExpectedWin98(), &ExpectedWinMe(),
        &ExpectedNt40(),  &ExpectedWin2000(),    &ExpectedWinXp(),
    };
    return machines;
}

// The machine named after its fixture file; nullptr for an unknown name.
inline const MachineExpectation* ExpectedMachine(const std::string& name) {
    for (const MachineExpectation* machine : AllExpectedMachines()) {
        if (machine->name == name) return machine;
    }
    return nullptr;
}

}  // namespace qn::machine_test
