#include "tuner/core/tcpip_global_value.h"

#include "tuner/core/tcpip_parameters.h"

namespace qn {
namespace {

struct GlobalValueNames {
    const char* nt;     // nullptr: not kept on NT
    const char* nineX;  // 95, 98 and ME share the name
    bool textOnWin95;   // 98/ME always store text
};

GlobalValueNames NamesOf(GlobalParameter parameter) {
    switch (parameter) {
        case GlobalParameter::Rwin:
            return {"TcpWindowSize", "DefaultRcvWindow", false};
        case GlobalParameter::Ttl:
            return {"DefaultTTL", "DefaultTTL", true};
        case GlobalParameter::PmtuDiscovery:
            return {"EnablePMTUDiscovery", "PMTUDiscovery", false};
        case GlobalParameter::PmtuBlackHole:
            return {"EnablePMTUBHDetect", "PMTUBlackHoleDetect", false};
        case GlobalParameter::SessionKeepAlive:
            return {nullptr, "SessionKeepAlive", false};
    }
    return {nullptr, "", false};
}

}  // namespace

GlobalValueLocation LocateGlobal(const Environment& environment, GlobalParameter parameter) {
    const GlobalValueNames names = NamesOf(parameter);
    if (environment.IsWinNT()) return {kTcpipKeyNt, names.nt ? names.nt : "", false};
    const bool asText = environment.IsWin98() || names.textOnWin95;
    return {kMstcpKey9x, names.nineX, asText};
}

std::optional<double> ReadGlobalNumber(RegistryContext context,
                                       const GlobalValueLocation& location) {
    if (location.name.empty()) return std::nullopt;
    MachineKey key(context, location.key);
    return location.asText ? key.TextNumber(location.name) : key.DwordNumber(location.name);
}

void WriteGlobalNumber(RegistryContext context, const GlobalValueLocation& location,
                       std::int32_t value, std::int32_t systemDefault) {
    if (location.name.empty()) return;
    MachineKey key(context, location.key);
    key.StoreNumber(location.name, value, location.asText);
    if (value == systemDefault) key.Delete(location.name);
}

}  // namespace qn
