#include "platform/memory/memory_name_resolver.h"

#include "support/ansi_case.h"

namespace qn {

void MemoryNameResolver::Add(const std::string& hostName, std::vector<std::string> addresses) {
    answers_[ToUpperAnsi(hostName)] = Resolution{0, std::move(addresses)};
}

void MemoryNameResolver::Fail(const std::string& hostName, int error) {
    answers_[ToUpperAnsi(hostName)] = Resolution{error, {}};
}

WinsockStart MemoryNameResolver::Startup() {
    if (startupError != 0) return WinsockStart{startupError, 0, 0};
    ++activeStartups;
    return WinsockStart{0, version, maxSockets};
}

Resolution MemoryNameResolver::Resolve(const std::string& hostName) {
    if (activeStartups == 0) return Resolution{kWsaNotInitialised, {}};
    asked.push_back(hostName);
    const auto found = answers_.find(ToUpperAnsi(hostName));
    return found == answers_.end() ? Resolution{kWsaHostNotFound, {}} : found->second;
}

int MemoryNameResolver::Cleanup() {
    if (activeStartups == 0) return kWsaNotInitialised;
    if (cleanupError != 0) return cleanupError;
    --activeStartups;
    return 0;
}

}  // namespace qn
