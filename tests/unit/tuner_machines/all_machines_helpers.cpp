// Every machine of fixtures/registry/, in the order the test support names them.
#include "tests/unit/tuner_machines/machine_expectations.h"

namespace qn::machine_test {

const std::vector<const MachineExpectation*>& AllExpectedMachines() {
    static const std::vector<const MachineExpectation*> machines = {
        &ExpectedWin95(), &ExpectedWin95Dun13(), &ExpectedWin98(), &ExpectedWinMe(),
        &ExpectedNt40(),  &ExpectedWin2000(),    &ExpectedWinXp(),
    };
    return machines;
}

}  // namespace qn::machine_test
