#include "platform/registry_tree.h"

namespace qn {

RegStatus DeleteKeyTree(Registry& registry, RegKey parent, const std::string& sub_key) {
    RegKey key = 0;
    RegStatus status = registry.OpenKey(parent, sub_key, kKeyAllAccess, &key);
    if (status != kRegSuccess) return status;
    // Index 0 every time: each deletion shifts the remaining names down.
    for (;;) {
        char name[256];  // longest key name plus the NUL
        std::uint32_t size = sizeof name;
        status = registry.EnumKey(key, 0, name, &size);
        if (status != kRegSuccess) break;
        status = DeleteKeyTree(registry, key, std::string(name, size));
        if (status != kRegSuccess) break;
    }
    registry.CloseKey(key);
    if (status != kRegNoMoreItems) return status;
    return registry.DeleteKey(parent, sub_key);
}

}  // namespace qn
