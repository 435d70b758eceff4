#pragma once
// Host name to IPv4 address through Windows Sockets 1.1.
#include <cstdint>
#include <string>
#include <vector>

namespace qn {

constexpr int kWsaHostNotFound = 11001;
constexpr int kWsaTryAgain = 11002;
constexpr int kWsaNoRecovery = 11003;
constexpr int kWsaNoData = 11004;

struct Resolution {
    int error = 0;                       // 0 on success, else a Winsock error code
    std::vector<std::string> addresses;  // dotted, in the order the resolver gave
};

// What starting Windows Sockets reports.
struct WinsockStart {
    int error = 0;              // 0 on success, else the Winsock error code
    std::uint16_t version = 0;  // wVersion: major in the low byte, minor in the high one
    int maxSockets = 0;         // iMaxSockets
};

class NameResolver {
  public:
    virtual ~NameResolver() = default;
    // Every successful Startup (error 0) needs a Cleanup.
    virtual WinsockStart Startup() = 0;
    virtual Resolution Resolve(const std::string& hostName) = 0;
    // 0 or the Winsock error code.
    virtual int Cleanup() = 0;
};

}  // namespace qn
