#include "tuner/core/adapter_information.h"

#include "tuner/core/adapter_registry_paths.h"
#include "tuner/core/tcpip_parameters.h"
#include "tuner/core/tuner_settings.h"

namespace qn {
namespace {

constexpr const char* kLocalMachine = "HKEY_LOCAL_MACHINE\\";

struct Location {
    const char* line;
    std::string path;  // below HKEY_LOCAL_MACHINE
};

Location LocateMtu(AdapterDiscovery& discovery, const Environment& environment,
                   const AdapterEntry& adapter) {
    if (environment.IsWin2000OrLater()) {
        return {"MTU Registry Location:", kInterfacesKeyNt + adapter.DeviceId};
    }
    if (environment.IsWinNT()) {
        return {"MTU Registry Location:", AdapterTcpipKeyNt(adapter.DeviceId)};
    }
    if (environment.UsesDun13Layout()) {
        if (adapter.Kind == kKindConnectionSharing) {
            return {"InternetMTU Registry Location:", kSharingKey};
        }
        if (adapter.Kind == kKindSoftware) {
            return {"IPMTU Registry Location:", kClassNetKey9x + discovery.GetClassNetKey(adapter)};
        }
    }
    return {"MaxMTU Registry Location:", kNetTransKey9x + discovery.GetNetTransKey(adapter)};
}

}  // namespace

AdapterInformation DescribeAdapterLocation(AdapterDiscovery& discovery,
                                           const Environment& environment,
                                           const AdapterEntry& adapter, int listPosition) {
    const Location location = LocateMtu(discovery, environment, adapter);
    return {std::string(kTunerAppName) + " - " + adapter.Label,
            std::string(location.line) + "\r" + kLocalMachine + location.path + "\r\r" +
                "Quillon Adapter ID Number: " + std::to_string(listPosition)};
}

}  // namespace qn
