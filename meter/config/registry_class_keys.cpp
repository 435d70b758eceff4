#include <string>

#include "meter/config/opened_key.h"
#include "meter/config/registry_class.h"

namespace qn::meter {

namespace {

// RegEnumKeyA's buffer for one sub-key name, its NUL included.
constexpr std::uint32_t kSectionNameBuffer = 255;

}  // namespace

bool cRegistry::KeyExists() const {
    OpenedKey key(services_.registry);
    return key.Open(classKey_, sectionKey_, kKeyQueryValue);
}

bool cRegistry::CreateKey() {
    OpenedKey key(services_.registry);
    if (!key.Create(classKey_, sectionKey_, kWriteAccess))
        Raise("Failed to create registry Key: '" + sectionKey_);
    return true;
}

bool cRegistry::DeleteKey() {
    // An empty section would name the root itself and take every key under it.
    if (sectionKey_.empty()) return false;
    return services_.registry.DeleteTree(classKey_, sectionKey_) == kRegSuccess;
}

bool cRegistry::DeleteValue() {
    OpenedKey key(services_.registry);
    if (!key.Open(classKey_, sectionKey_, kWriteAccess))
        Raise("Failed to open key '" + std::to_string(classKey_) + "',Section: '" + sectionKey_ +
              "' for delete access");
    return services_.registry.DeleteValue(key.Handle(), valueKey_) == kRegSuccess;
}

bool cRegistry::EnumerateSections(std::vector<std::string>& names, std::int32_t& count) {
    names.clear();
    count = 0;
    OpenedKey key(services_.registry);
    if (!key.Open(classKey_, sectionKey_, kKeyEnumerateSubKeys)) return true;
    RegStatus status = kRegSuccess;
    for (std::uint32_t index = 0; status == kRegSuccess; ++index) {
        char name[kSectionNameBuffer] = {};
        std::uint32_t size = kSectionNameBuffer;
        status = services_.registry.EnumKey(key.Handle(), index, name, &size);
        if (status != kRegSuccess) break;
        names.emplace_back(name, size);
        ++count;
    }
    return status == kRegNoMoreItems;
}

bool cRegistry::EnumerateValues(std::vector<std::string>& names, std::int32_t& count) {
    names.clear();
    count = 0;
    Registry& registry = services_.registry;
    OpenedKey key(registry);
    if (!key.Open(classKey_, sectionKey_, kKeyQueryValue)) return true;
    RegKeyInfo info;
    registry.QueryInfoKey(key.Handle(), &info);
    std::string buffer(std::size_t{info.max_value_name_length} + 1, '\0');
    for (std::uint32_t index = 0;; ++index) {
        auto size = static_cast<std::uint32_t>(buffer.size());
        if (registry.EnumValue(key.Handle(), index, &buffer[0], &size, nullptr, nullptr, nullptr) !=
            kRegSuccess)
            break;
        names.push_back(buffer.substr(0, size));
        ++count;
    }
    return true;
}

}  // namespace qn::meter
