#pragma once
// Where each system-wide TCP/IP parameter lives on the running Windows: which
// key, which value name, and whether it is stored as text or as a DWORD.
#include <optional>
#include <string>

#include "tuner/core/environment.h"
#include "tuner/core/tcpip_machine_key.h"

namespace qn {

enum class GlobalParameter { Rwin, Ttl, PmtuDiscovery, PmtuBlackHole, SessionKeepAlive };

struct GlobalValueLocation {
    std::string key;
    std::string name;  // "" when the system has no such value
    bool asText = false;
};

GlobalValueLocation LocateGlobal(const Environment& environment, GlobalParameter parameter);

// The stored number; nothing when it is absent or empty.
std::optional<double> ReadGlobalNumber(RegistryContext context,
                                       const GlobalValueLocation& location);

// Writes the number, then deletes it again when it is the system's default:
// a default is kept as an absent value.
void WriteGlobalNumber(RegistryContext context, const GlobalValueLocation& location,
                       std::int32_t value, std::int32_t systemDefault);

}  // namespace qn
