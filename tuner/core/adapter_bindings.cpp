#include <string>

#include "tuner/core/adapter_discovery.h"
#include "tuner/core/adapter_registry_paths.h"
#include "tuner/core/tcpip_machine_key.h"
#include "tuner/core/tuner_settings.h"

namespace qn {
namespace {

constexpr int kBindingNumbers = 100;

// The key that lists what the adapter is bound to; "" when the adapter names
// none (an entry without its instance or device, or a device without
// sub-keys).
std::string BindingsKey(RegistryContext context, const AdapterEntry& adapter) {
    switch (adapter.Kind) {
        case kKindSoftware:
        case kKindAol:
        case kKindRootHardware:
            if (adapter.InstanceKey.empty()) return "";
            return kEnumRootNetKey9x + adapter.InstanceKey + "\\Bindings";
        case kKindIsa:
            if (adapter.DeviceId.empty()) return "";
            return kEnumRootKey9x + adapter.DeviceId + "\\0000\\Bindings";
        case kKindPci:
        case kKindPcmcia: {
            if (adapter.DeviceId.empty()) return "";
            const std::string device = kEnumKey9x + adapter.DeviceId;
            const std::optional<std::string> first = MachineKey(context, device).SubKeyName(0);
            if (!first || first->empty()) return "";
            return device + "\\" + *first + "\\Bindings";
        }
        default:
            return "";
    }
}

}  // namespace

std::string AdapterDiscovery::FindTcpBinding(const AdapterEntry& adapter) {
    const std::string path = BindingsKey(context_, adapter);
    if (path.empty()) return kNoTcpBinding;
    MachineKey bindings(context_, path);
    if (!bindings.IsOpen()) return kNoTcpBinding;
    for (int number = 0; number < kBindingNumbers; ++number) {
        const std::string binding = InstanceKey9x(number);
        if (bindings.HasValue("MSTCP\\" + binding)) return binding;
    }
    return kNoTcpBinding;
}

std::string AdapterDiscovery::GetNetTransKey(const AdapterEntry& adapter) {
    const std::string binding = FindTcpBinding(adapter);
    if (binding == kNoTcpBinding) return binding;
    const std::string driver = MachineKey(context_, kEnumMstcpKey9x + binding).Text("Driver");
    if (driver.empty()) {
        const std::string adapterKey = adapter.KindText + "\\" + adapter.InstanceKey;
        if (reported_ == nullptr || reported_->insert(adapterKey).second) {
            context_.boxes.MsgBox("Registry Error.", ui::vbOKOnly, kTunerAppName);
        }
        return "";
    }
    return LastFourCharacters(driver);
}

std::string AdapterDiscovery::GetClassNetKey(const AdapterEntry& adapter) {
    if (adapter.InstanceKey.empty()) return "";
    return LastFourCharacters(
        MachineKey(context_, kEnumRootNetKey9x + adapter.InstanceKey).Text("Driver"));
}

}  // namespace qn
