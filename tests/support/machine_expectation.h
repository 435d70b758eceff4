#pragma once
// What the tuner must find on a machine of fixtures/registry/ and what saving
// must do to its registry. The tables themselves are in
// expected_9x_machines.h and expected_nt_machines.h; the native tests check
// the tuner's core against them, the end-to-end tests the whole program.
#include <cstdint>
#include <string>
#include <vector>

#include "tests/support/registry_changes.h"

namespace qn::machine_test {

struct ExpectedFamily {
    bool nt, win2000OrLater, xp, win98, dun13;
};

struct ExpectedAdapter {
    std::string label;
    int kind;
    std::string instanceKey;
    std::string deviceId;
    bool invalid;
    int ipMtu;
    int mtu;
};

struct ExpectedGlobals {
    std::int32_t rwin;
    int ttl;
    bool pmtuDiscovery;
    bool pmtuBlackHole;
    int sessionKeepAliveMinutes;
};

struct MachineExpectation {
    std::string name;
    ExpectedFamily family;
    // In list order (index 1 upward).
    std::vector<ExpectedAdapter> adapters;
    ExpectedGlobals globals;
    // Saving the record exactly as read.
    std::vector<RegistryChange> savedAsRead;
    // Saving "Optimum": every adapter 576 (IpMtu 576), RWIN 2144, TTL 128,
    // path-MTU discovery on, black-hole detection off, keep-alive 10 minutes.
    std::vector<RegistryChange> savedOptimum;
    // Saving the system's defaults: hardware adapters 1500, dial-up adapters
    // of the DUN 1.3 layout automatic (0), connection sharing as read, RWIN
    // 8192, the system's TTL, discovery on, black-hole detection off, 60
    // minutes.
    std::vector<RegistryChange> savedDefaults;
};

// Keys under HKEY_LOCAL_MACHINE that the tables name.
inline constexpr const char* kMstcpKey = R"(System\CurrentControlSet\Services\VxD\MSTCP)";
inline constexpr const char* kTcpipKey = R"(SYSTEM\CurrentControlSet\Services\Tcpip\Parameters)";
inline constexpr const char* kSharingKeyPath =
    R"(System\CurrentControlSet\Services\ICSharing\Settings\General)";
inline constexpr const char* kAolSockKey = R"(SOFTWARE\America Online\AOL\aolsock)";
inline constexpr const char* kAolCurrentVersionKey =
    R"(SOFTWARE\America Online\AOL\CurrentVersion)";

inline std::string ClassNet(const std::string& instance) {
    return R"(System\CurrentControlSet\Services\Class\Net\)" + instance;
}

inline std::string ClassNetIpMtuParam(const std::string& instance) {
    return ClassNet(instance) + R"(\Ndi\params\IPMTU)";
}

inline std::string NetTrans(const std::string& instance) {
    return R"(System\CurrentControlSet\Services\Class\NetTrans\)" + instance;
}

inline std::string NtInterface(const std::string& guid) {
    return std::string(kTcpipKey) + R"(\Interfaces\)" + guid;
}

inline std::string Nt4AdapterTcpip(const std::string& service) {
    return R"(SYSTEM\CurrentControlSet\Services\)" + service + R"(\Parameters\Tcpip)";
}

// How the tables write adapter kinds and validity.
namespace table {
inline constexpr int kSoftware = 0, kIsa = 1, kPci = 2, kAol = 3, kPcmcia = 4, kRootHardware = 5,
                     kSharing = 99;
// NT lists every card as one kind, without a suffix.
inline constexpr int kNtCard = 1;
inline constexpr bool kValid = false, kInvalid = true;
}  // namespace table

}  // namespace qn::machine_test
