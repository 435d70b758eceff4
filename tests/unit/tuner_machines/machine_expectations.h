#pragma once
// What the tuner must find on each machine of fixtures/registry/ and what
// saving must do to its registry: one table per machine
// (expected_9x_machines_helpers.cpp, expected_nt_machines_helpers.cpp).
#include <cstdint>
#include <string>
#include <vector>

#include "tests/unit/tuner_machines/registry_snapshot.h"

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

const MachineExpectation& ExpectedWin95();
const MachineExpectation& ExpectedWin95Dun13();
const MachineExpectation& ExpectedWin98();
const MachineExpectation& ExpectedWinMe();
const MachineExpectation& ExpectedNt40();
const MachineExpectation& ExpectedWin2000();
const MachineExpectation& ExpectedWinXp();

const std::vector<const MachineExpectation*>& AllExpectedMachines();

// Keys under HKEY_LOCAL_MACHINE that the tables name.
extern const char* const kMstcpKey;
extern const char* const kTcpipKey;
extern const char* const kSharingKeyPath;
extern const char* const kAolSockKey;
extern const char* const kAolCurrentVersionKey;
std::string ClassNet(const std::string& instance);
std::string ClassNetIpMtuParam(const std::string& instance);
std::string NetTrans(const std::string& instance);
std::string NtInterface(const std::string& guid);
std::string Nt4AdapterTcpip(const std::string& service);

}  // namespace qn::machine_test
