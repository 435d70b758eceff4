#include <cstdint>
#include <optional>
#include <string>

#include "support/ansi_case.h"
#include "tuner/core/adapter_describe.h"
#include "tuner/core/adapter_registry_paths.h"
#include "tuner/core/tcpip_machine_key.h"
#include "tuner/core/tcpip_parameters.h"
#include "tuner/core/tcpip_settings.h"

namespace qn {
namespace {

constexpr const char* kAolDriverVxd = "aolmac.vxd";

bool StartsWith(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

std::string ClassNetKey(const std::string& instance) {
    return kClassNetKey9x + instance;
}

// AOL's adapter is told by the driver its class key loads.
bool IsAolDriver(RegistryContext context, const std::string& driver) {
    if (driver.empty()) return false;
    return MachineKey(context, kClassKey9x + driver).Text("DeviceVxDs") == kAolDriverVxd;
}

// Windows 95 lists every root-enumerated adapter as software except AOL's.
FoundAdapter SoftwareWin95(RegistryContext context, const std::string& instance) {
    std::string description;
    std::string driver;
    {
        MachineKey enumKey(context, kEnumRootNetKey9x + instance);
        description = enumKey.Text("DeviceDesc");
        driver = enumKey.Text("Driver");
    }
    if (description.empty() || IsAolDriver(context, driver)) return {};
    return {description, ""};
}

FoundAdapter IsaWin95(RegistryContext context, const std::string& instance) {
    MachineKey classKey(context, ClassNetKey(instance));
    const std::string description = classKey.Text("DriverDesc");
    if (description.empty()) return {};
    const std::string hardwareId = ToUpperAnsi(classKey.Text("MatchingDeviceId"));
    if (hardwareId.empty()) return {};
    return {description, hardwareId};
}

// Root-enumerated adapters: dial-up adapters (software) have a non-empty
// "IPXHeaderCompression" in their class key, other hardware has none. A class
// key without a description cannot tell, and the adapter counts either way.
FoundAdapter RootEnumerated(RegistryContext context, const std::string& instance, bool dialUp) {
    std::string description;
    std::string classInstance;
    {
        MachineKey enumKey(context, kEnumRootNetKey9x + instance);
        classInstance = LastFourCharacters(enumKey.Text("Driver"));
        description = enumKey.Text("DeviceDesc");
    }
    if (description.empty()) return {};
    if (classInstance.empty()) return {description, ""};
    MachineKey classKey(context, ClassNetKey(classInstance));
    if (classKey.Text("DriverDesc").empty()) return {description, ""};
    const bool isDialUp = !classKey.Text("IPXHeaderCompression").empty();
    if (isDialUp != dialUp) return {};
    return {description, ""};
}

// ISA cards; dial-up and PPTP adapters have class keys too but are not cards.
FoundAdapter IsaDun13(RegistryContext context, const std::string& instance) {
    MachineKey classKey(context, ClassNetKey(instance));
    const std::string description = classKey.Text("DriverDesc");
    if (description.empty()) return {};
    if (!classKey.Text("IPXHeaderCompression").empty()) return {};
    if (classKey.Text("DeviceType") == "PPTP") return {};
    const std::string hardwareId = ToUpperAnsi(classKey.Text("MatchingDeviceId"));
    if (hardwareId.empty()) return {};
    return {description, hardwareId};
}

// The driver's "DeviceID" from the class key's "Ndi" sub-key.
std::string NdiDeviceId(RegistryContext context, const std::string& instance) {
    return MachineKey(context, ClassNetKey(instance) + "\\Ndi").Text("DeviceID");
}

// The full identifier of the PCI device that the driver's shorter one names:
// the first "Enum\PCI" sub-key that begins with it.
std::string PciHardwareId(RegistryContext context, const std::string& deviceId) {
    const std::string wanted = deviceId.size() > 4 ? deviceId.substr(4) : "";
    MachineKey pci(context, kEnumPciKey9x);
    for (std::int32_t index = 0;; ++index) {
        const std::optional<std::string> name = pci.SubKeyName(index);
        if (!name) return deviceId;
        if (StartsWith(*name, wanted)) return "PCI\\" + *name;
    }
}

FoundAdapter Pci(RegistryContext context, const std::string& instance) {
    const std::string description = MachineKey(context, ClassNetKey(instance)).Text("DriverDesc");
    if (description.empty()) return {};
    const std::string deviceId = NdiDeviceId(context, instance);
    if (deviceId.empty() || !StartsWith(deviceId, "PCI")) return {};
    return {description, PciHardwareId(context, deviceId)};
}

FoundAdapter Aol(RegistryContext context, const std::string& instance) {
    std::string description;
    std::string driver;
    {
        MachineKey enumKey(context, kEnumRootNetKey9x + instance);
        description = enumKey.Text("DeviceDesc");
        driver = enumKey.Text("Driver");
    }
    if (description.empty() || !IsAolDriver(context, driver)) return {};
    return {description, ""};
}

FoundAdapter Pcmcia(RegistryContext context, const std::string& instance) {
    const std::string description = MachineKey(context, ClassNetKey(instance)).Text("DriverDesc");
    if (description.empty()) return {};
    const std::string deviceId = NdiDeviceId(context, instance);
    if (!StartsWith(deviceId, "PCMCIA")) return {};
    return {description, deviceId};
}

}  // namespace

FoundAdapter DescribeAdapterWin95(RegistryContext context, const std::string& instance,
                                  int category) {
    switch (category) {
        case kKindSoftware:
            return SoftwareWin95(context, instance);
        case kKindIsa:
            return IsaWin95(context, instance);
        case kKindPci:
        case kKindAol:
        case kKindPcmcia:
            return DescribeAdapterDun13(context, instance, category);
        default:
            return {};
    }
}

FoundAdapter DescribeAdapterDun13(RegistryContext context, const std::string& instance,
                                  int category) {
    switch (category) {
        case kKindSoftware:
            return RootEnumerated(context, instance, true);
        case kKindIsa:
            return IsaDun13(context, instance);
        case kKindPci:
            return Pci(context, instance);
        case kKindAol:
            return Aol(context, instance);
        case kKindPcmcia:
            return Pcmcia(context, instance);
        case kKindRootHardware:
            return RootEnumerated(context, instance, false);
        default:
            return {};
    }
}

}  // namespace qn
