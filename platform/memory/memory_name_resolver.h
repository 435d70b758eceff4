#pragma once
#include <map>

#include "platform/name_resolver.h"

namespace qn {

// Answers from a table of names (letter case ignored); unknown names are not
// found. Like Winsock, it refuses to resolve before Startup.
class MemoryNameResolver : public NameResolver {
  public:
    void Add(const std::string& hostName, std::vector<std::string> addresses);
    void Fail(const std::string& hostName, int error);

    WinsockStart Startup() override;
    Resolution Resolve(const std::string& hostName) override;
    int Cleanup() override;

    int startupError = 0;
    // What a successful Startup reports, as Winsock 1.1 does under Wine.
    std::uint16_t version = 0x0101;
    int maxSockets = 32767;
    int cleanupError = 0;
    int activeStartups = 0;  // successful Startups not yet cleaned up
    std::vector<std::string> asked;

  private:
    std::map<std::string, Resolution> answers_;
};

constexpr int kWsaNotInitialised = 10093;

}  // namespace qn
