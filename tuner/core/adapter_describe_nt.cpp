#include <string>

#include "tuner/core/adapter_describe.h"
#include "tuner/core/adapter_registry_paths.h"
#include "tuner/core/tcpip_machine_key.h"

namespace qn {

FoundAdapter DescribeAdapterNt(RegistryContext context, bool win2000OrLater, int instance) {
    std::string description;
    std::string service;
    {
        MachineKey card(context, kNetworkCardsKeyNt + std::to_string(instance));
        description = card.Text(win2000OrLater ? "Description" : "Title");
        if (description.empty()) return {};
        service = card.Text("ServiceName");
    }
    // A card without an address under its service is not bound to TCP/IP.
    if (service.empty()) return {};
    MachineKey tcpip(context, AdapterTcpipKeyNt(service));
    if (!tcpip.HasBinaryData("IPAddress")) return {};
    return {description, service};
}

}  // namespace qn
