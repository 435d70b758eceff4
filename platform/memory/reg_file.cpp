#include "platform/memory/reg_file.h"

#include "platform/memory/reg_name.h"

namespace qn {
namespace {

struct RootName {
    RegKey root;
    const char* name;
    const char* short_name;
};

constexpr RootName kRootNames[] = {
    {kHkeyClassesRoot, "HKEY_CLASSES_ROOT", "HKCR"},
    {kHkeyCurrentUser, "HKEY_CURRENT_USER", "HKCU"},
    {kHkeyLocalMachine, "HKEY_LOCAL_MACHINE", "HKLM"},
    {kHkeyUsers, "HKEY_USERS", "HKU"},
    {kHkeyCurrentConfig, "HKEY_CURRENT_CONFIG", "HKCC"},
    {kHkeyDynData, "HKEY_DYN_DATA", "HKDD"},
};

}  // namespace

const char* RegRootName(RegKey root) {
    for (const RootName& entry : kRootNames)
        if (entry.root == root) return entry.name;
    return nullptr;
}

bool ParseRegRootName(const std::string& name, RegKey* root) {
    for (const RootName& entry : kRootNames) {
        if (RegNamesEqual(name, entry.name) || RegNamesEqual(name, entry.short_name)) {
            *root = entry.root;
            return true;
        }
    }
    return false;
}

}  // namespace qn
