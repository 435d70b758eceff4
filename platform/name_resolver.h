#pragma once
// Host name to IPv4 address through Windows Sockets 1.1.
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

class NameResolver {
  public:
    virtual ~NameResolver() = default;
    // 0 or the Winsock error code; every successful Startup needs a Cleanup.
    virtual int Startup() = 0;
    virtual Resolution Resolve(const std::string& hostName) = 0;
    // 0 or the Winsock error code.
    virtual int Cleanup() = 0;
};

}  // namespace qn
