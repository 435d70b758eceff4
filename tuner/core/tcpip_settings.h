#pragma once
// The tuner's in-memory settings record and its adapter table.
#include <array>
#include <cstdint>
#include <string>

namespace qn {

// Adapter categories as discovery finds them.
enum AdapterKind : std::int16_t {
    kKindSoftware = 0,
    kKindIsa = 1,
    kKindPci = 2,
    kKindAol = 3,
    kKindPcmcia = 4,
    kKindRootHardware = 5,
    kKindConnectionSharing = 99,
};

struct AdapterEntry {
    std::string Label;
    std::string InstanceKey;
    std::string KindText;
    std::string DeviceId;
    std::int16_t Mtu = 0;
    std::int16_t IpMtu = 0;
    bool Invalid = false;
    std::int16_t Kind = 0;
};

constexpr int kAdapterSlots = 1000;

struct TcpipSettings {
    // Used from index 1; index 0 stays empty.
    std::array<AdapterEntry, kAdapterSlots> Adapters{};
    std::int16_t AdapterCount = 0;
    std::int16_t MtuAdapter = 0;
    std::int16_t SessionKeepAlive = 0;
    bool PmtuDiscovery = false;
    bool PmtuBlackHole = false;
    std::int16_t Ttl = 0;
    std::int32_t Rwin = 0;
    double RwinMultiplier = 0.0;
    std::int16_t RwinCalc = 0;
    int HostsFileEnabled = 0;
};

}  // namespace qn
