#pragma once
// One simulated machine with the tuner's discovery and parameter store wired
// to it, reading the settings record the way loading does.
#include <memory>
#include <string>

#include "tests/support/tuner_machine.h"
#include "tuner/core/adapter_discovery.h"
#include "tuner/core/tcpip_parameters.h"
#include "tuner/core/tcpip_settings.h"

namespace qn::machine_test {

struct MachineSession {
    explicit MachineSession(const std::string& name) : machine(name) {}

    // Discovery, then the adapters' MTUs, then the global values.
    std::unique_ptr<TcpipSettings> ReadRecord() {
        auto record = std::make_unique<TcpipSettings>();
        discovery.FindAdapters(*record);
        parameters.ReadAdapterMtus(*record);
        parameters.ReadGlobals(*record);
        return record;
    }

    testing::TunerMachine machine;
    AdapterDiscovery discovery{machine.Context(), machine.environment};
    TcpipParameters parameters{machine.Context(), machine.environment, discovery};
};

}  // namespace qn::machine_test
