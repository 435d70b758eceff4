#include "tuner/core/adapter_discovery.h"

#include <array>
#include <utility>

#include "tuner/core/adapter_describe.h"
#include "tuner/core/adapter_registry_paths.h"
#include "tuner/core/tcpip_parameters.h"

namespace qn {
namespace {

constexpr const char* kConnectionSharingLabel = "Internet Connection Sharing (ICS)";
constexpr int kFirstCategory9x = kKindSoftware;
constexpr int kLastCategory9x = kKindRootHardware;

// Kinds whose hardware identifier leads to their bindings.
bool KeepsDeviceId(int kind) {
    return kind == kKindIsa || kind == kKindPci || kind == kKindPcmcia;
}

// Kinds found under "Enum\Root\Net": one instance there is one adapter, however
// many of these categories would take it.
bool IsRootNetInstance(int kind) {
    return kind == kKindSoftware || kind == kKindAol || kind == kKindRootHardware;
}

class AdapterTable {
  public:
    explicit AdapterTable(TcpipSettings& settings) : settings_(settings) {
        settings_.Adapters.fill(AdapterEntry{});
        settings_.AdapterCount = 0;
    }

    void Add(AdapterEntry entry) {
        const int slot = settings_.AdapterCount + 1;
        if (slot >= kAdapterSlots) return;
        settings_.Adapters[slot] = std::move(entry);
        settings_.AdapterCount = static_cast<std::int16_t>(slot);
    }

  private:
    TcpipSettings& settings_;
};

AdapterEntry ConnectionSharingEntry() {
    AdapterEntry entry;
    entry.Label = kConnectionSharingLabel;
    entry.InstanceKey = "0";
    entry.KindText = "-1";
    entry.DeviceId = "0";
    entry.Kind = kKindConnectionSharing;
    return entry;
}

}  // namespace

std::string AdapterKindSuffix(int kind) {
    switch (kind) {
        case kKindSoftware:
            return " (Software)";
        case kKindIsa:
            return " (Hardware - ISA)";
        case kKindPci:
            return " (Hardware - PCI)";
        case kKindAol:
            return " (AOL)";
        case kKindPcmcia:
            return " (Hardware - PCMCIA)";
        case kKindRootHardware:
            return " (Hardware)";
        default:
            return "";
    }
}

void AdapterDiscovery::FindAdapters(TcpipSettings& settings) {
    AdapterTable table(settings);
    if (environment_.IsWinNT()) {
        // Every NT adapter is listed as one kind, by its description alone.
        for (int instance = 0; instance < kInstancesPerCategory; ++instance) {
            const std::string description = DescribeAdapter(instance, kKindIsa);
            if (description.empty()) continue;
            AdapterEntry entry;
            entry.Label = description;
            entry.InstanceKey = std::to_string(instance);
            entry.KindText = std::to_string(kKindIsa);
            entry.DeviceId = foundDeviceId_;
            entry.Kind = kKindIsa;
            table.Add(std::move(entry));
        }
        return;
    }
    if (environment_.IsWin98() && ReadIcsMtu(context_) != 0) table.Add(ConnectionSharingEntry());
    // A second entry for the same adapter would save its MTU twice, the later
    // one over the user's edit of the first.
    std::array<bool, kInstancesPerCategory> rootNetListed{};
    for (int category = kFirstCategory9x; category <= kLastCategory9x; ++category) {
        for (int instance = 0; instance < kInstancesPerCategory; ++instance) {
            if (IsRootNetInstance(category) && rootNetListed[instance]) continue;
            const std::string description = DescribeAdapter(instance, category);
            if (description.empty()) continue;
            if (IsRootNetInstance(category)) rootNetListed[instance] = true;
            AdapterEntry entry;
            entry.Label = description + AdapterKindSuffix(category);
            entry.InstanceKey = InstanceKey9x(instance);
            entry.KindText = std::to_string(category);
            if (KeepsDeviceId(category)) entry.DeviceId = foundDeviceId_;
            entry.Kind = static_cast<std::int16_t>(category);
            table.Add(std::move(entry));
        }
    }
}

std::string AdapterDiscovery::DescribeAdapter(int instance, int category) {
    FoundAdapter found;
    if (environment_.IsWinNT())
        found = DescribeAdapterNt(context_, environment_.IsWin2000OrLater(), instance);
    else if (environment_.IsPlainWin95())
        found = DescribeAdapterWin95(context_, InstanceKey9x(instance), category);
    else
        found = DescribeAdapterDun13(context_, InstanceKey9x(instance), category);
    foundDeviceId_ = found.deviceId;
    return found.description;
}

void AdapterDiscovery::MarkInvalidAdapters(TcpipSettings& settings) {
    if (environment_.IsWinNT()) return;
    // Software adapters of the DUN 1.3 layout keep their MTU in the class
    // key and need no transport binding.
    const bool examineSoftware = environment_.IsPlainWin95();
    for (int index = 1; index <= settings.AdapterCount && index < kAdapterSlots; ++index) {
        AdapterEntry& adapter = settings.Adapters[index];
        if (adapter.Kind == kKindConnectionSharing) continue;
        if (adapter.Kind == kKindSoftware && !examineSoftware) continue;
        if (GetNetTransKey(adapter) == kNoTcpBinding) adapter.Invalid = true;
    }
}

}  // namespace qn
