// Reading and writing the MTU of one adapter, wherever its family keeps it.
#include <string>

#include "tuner/core/adapter_registry_paths.h"
#include "tuner/core/tcpip_machine_key.h"
#include "tuner/core/tcpip_parameters.h"
#include "tuner/core/tcpip_stored_number.h"

namespace qn {
namespace {

constexpr std::int16_t kDefaultMtu = 1500;
constexpr const char* kNtMtuValue = "MTU";
constexpr const char* kTransportMtuValue = "MaxMTU";
constexpr const char* kClassMtuValue = "IPMTU";
constexpr const char* kClassMtuParameterKey = "\\Ndi\\params\\IPMTU";
constexpr const char* kIcsMtuValue = "InternetMTU";
constexpr bool kAsText = true;

// 2000 and XP keep it in the adapter's interface key, NT 4 under its service.
std::string NtMtuKey(const Environment& environment, const AdapterEntry& adapter) {
    if (environment.IsWin2000OrLater()) return kInterfacesKeyNt + adapter.DeviceId;
    return AdapterTcpipKeyNt(adapter.DeviceId);
}

// "MaxMTU" of a transport instance. When the instance could not be looked up
// (the lookup has told the user), the value cannot be read: the default.
std::int16_t ReadTransportMtu(RegistryContext context, const std::string& transport) {
    if (transport.empty()) return kDefaultMtu;
    MachineKey key(context, kNetTransKey9x + transport);
    return PositiveInt16(key.TextNumber(kTransportMtuValue)).value_or(kDefaultMtu);
}

// Writing into an unknown transport instance would land in the parent key of
// all transports, so nothing is written then.
void WriteTransportMtu(RegistryContext context, const std::string& transport, std::int16_t mtu) {
    if (transport.empty() || transport == kNoTcpBinding) return;
    MachineKey key(context, kNetTransKey9x + transport);
    key.StoreNumber(kTransportMtuValue, mtu, kAsText);
    if (mtu == kDefaultMtu) key.Delete(kTransportMtuValue);
}

}  // namespace

std::int16_t ReadIcsMtu(RegistryContext context) {
    return PositiveInt16(MachineKey(context, kSharingKey).TextNumber("internetMTU")).value_or(0);
}

std::int16_t TcpipParameters::ReadMtuNT(const AdapterEntry& adapter) {
    MachineKey key(context_, NtMtuKey(environment_, adapter));
    return PositiveInt16(key.DwordNumber(kNtMtuValue)).value_or(kDefaultMtu);
}

std::int16_t TcpipParameters::ReadMtu95(const AdapterEntry& adapter) {
    if (adapter.Invalid) return 0;
    const std::string transport = discovery_.GetNetTransKey(adapter);
    if (transport == kNoTcpBinding) return 0;
    return ReadTransportMtu(context_, transport);
}

std::int16_t TcpipParameters::ReadMtu98(const AdapterEntry& adapter) {
    if (adapter.Kind == kKindConnectionSharing) return ReadIcsMtu(context_);
    if (adapter.Invalid) return 0;
    if (adapter.Kind == kKindSoftware) {
        // Absent or not a number (an automatic setting) is 0, automatic.
        const std::string classInstance = discovery_.GetClassNetKey(adapter);
        if (classInstance.empty()) return 0;
        MachineKey key(context_, kClassNetKey9x + classInstance);
        return PositiveInt16(key.TextNumber(kClassMtuValue)).value_or(0);
    }
    const std::string transport = discovery_.GetNetTransKey(adapter);
    if (transport == kNoTcpBinding) return 0;
    return ReadTransportMtu(context_, transport);
}

void TcpipParameters::WriteMtu(const AdapterEntry& adapter, std::int16_t mtu) {
    if (!environment_.IsWinNT()) {
        WriteTransportMtu(context_, discovery_.GetNetTransKey(adapter), mtu);
        return;
    }
    MachineKey key(context_, NtMtuKey(environment_, adapter));
    key.StoreNumber(kNtMtuValue, mtu, !kAsText);
    if (mtu == kDefaultMtu) key.Delete(kNtMtuValue);
}

void TcpipParameters::WriteMtu98(const AdapterEntry& adapter, std::int16_t ipMtu) {
    if (adapter.Kind == kKindConnectionSharing) {
        WriteIcsMtu(ipMtu);
        return;
    }
    if (adapter.Kind != kKindSoftware) {
        WriteTransportMtu(context_, discovery_.GetNetTransKey(adapter), ipMtu);
        return;
    }
    // A dial-up adapter's MTU, 0 for automatic, is always stored: the network
    // control panel shows the parameter key's copy.
    const std::string classInstance = discovery_.GetClassNetKey(adapter);
    if (classInstance.empty()) return;
    const std::string classKey = kClassNetKey9x + classInstance;
    MachineKey(context_, classKey).StoreNumber(kClassMtuValue, ipMtu, kAsText);
    MachineKey(context_, classKey + kClassMtuParameterKey).StoreNumber("", ipMtu, kAsText);
}

void TcpipParameters::WriteIcsMtu(std::int16_t mtu) {
    MachineKey(context_, kSharingKey).StoreNumber(kIcsMtuValue, mtu, kAsText);
}

}  // namespace qn
