#include "tuner/core/adapter_registry_paths.h"

#include <cstdio>

namespace qn {

std::string InstanceKey9x(int instance) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d", instance);
    return text;
}

std::string LastFourCharacters(const std::string& text) {
    return text.size() <= 4 ? text : text.substr(text.size() - 4);
}

std::string AdapterTcpipKeyNt(const std::string& serviceName) {
    return "SYSTEM\\CurrentControlSet\\Services\\" + serviceName + "\\Parameters\\Tcpip";
}

}  // namespace qn
