#include "platform/memory/memory_registry.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <vector>

#include "platform/memory/reg_name.h"

namespace qn {

struct MemoryRegistry::Node {
    struct Value {
        std::uint32_t type = kRegNone;
        std::vector<std::uint8_t> data;
    };
    std::map<std::string, NodePtr, RegNameLess> sub_keys;
    std::map<std::string, Value, RegNameLess> values;
    bool deleted = false;

    void MarkDeleted() {
        deleted = true;
        for (auto& entry : sub_keys) entry.second->MarkDeleted();
    }
};

namespace {

constexpr std::uint32_t kAllRights = kKeyAllAccess | kMaximumAllowed;

// The parts of a sub-key path; empty parts (doubled or trailing "\") are
// skipped as the registry does.
std::vector<std::string> SplitPath(const std::string& path) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t end = path.find('\\', start);
        if (end == std::string::npos) end = path.size();
        if (end > start) parts.push_back(path.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

bool HasRights(std::uint32_t granted, std::uint32_t needed) {
    return (granted & kMaximumAllowed) != 0 || (granted & needed) == needed;
}

// Copies a name into a caller's buffer of *size characters (NUL included).
RegStatus CopyName(const std::string& name, char* buffer, std::uint32_t* size) {
    if (!buffer || !size) return kRegInvalidParameter;
    if (name.size() >= *size) return kRegMoreData;
    std::memcpy(buffer, name.c_str(), name.size() + 1);
    *size = static_cast<std::uint32_t>(name.size());
    return kRegSuccess;
}

template <typename Map>
typename Map::const_iterator NthEntry(const Map& map, std::uint32_t index) {
    return index < map.size() ? std::next(map.begin(), index) : map.end();
}

}  // namespace

MemoryRegistry::MemoryRegistry() {
    for (RegKey root : {kHkeyClassesRoot, kHkeyCurrentUser, kHkeyLocalMachine, kHkeyUsers,
                        kHkeyCurrentConfig, kHkeyDynData})
        roots_[root] = std::make_shared<Node>();
}

MemoryRegistry::~MemoryRegistry() = default;

RegStatus MemoryRegistry::Resolve(RegKey key, std::uint32_t needed_access, NodePtr* node) const {
    auto root = roots_.find(key);
    if (root != roots_.end()) {
        *node = root->second;
        return kRegSuccess;
    }
    auto handle = handles_.find(key);
    if (handle == handles_.end()) return kRegInvalidHandle;
    if (handle->second.node->deleted) return kRegKeyDeleted;
    if (!HasRights(handle->second.access, needed_access)) return kRegAccessDenied;
    *node = handle->second.node;
    return kRegSuccess;
}

RegKey MemoryRegistry::AddHandle(NodePtr node, std::uint32_t access) {
    const RegKey key = next_handle_;
    next_handle_ += 4;  // never reused, so a stale handle cannot reach another key
    handles_[key] = Handle{std::move(node), access};
    return key;
}

RegStatus MemoryRegistry::OpenKey(RegKey parent, const std::string& sub_key, std::uint32_t access,
                                  RegKey* result) {
    NodePtr node;
    RegStatus status = Resolve(parent, 0, &node);
    if (status != kRegSuccess) return status;
    if (!sub_key.empty() && sub_key[0] == '\\') return kRegBadPathname;
    for (const std::string& part : SplitPath(sub_key)) {
        auto child = node->sub_keys.find(part);
        if (child == node->sub_keys.end()) return kRegFileNotFound;
        node = child->second;
    }
    *result = AddHandle(std::move(node), access);
    return kRegSuccess;
}

RegStatus MemoryRegistry::CreateKey(RegKey parent, const std::string& sub_key, std::uint32_t access,
                                    RegKey* result, bool* created) {
    NodePtr node;
    RegStatus status = Resolve(parent, 0, &node);
    if (status != kRegSuccess) return status;
    if (!sub_key.empty() && sub_key[0] == '\\') return kRegBadPathname;
    bool made_last = false;
    for (const std::string& part : SplitPath(sub_key)) {
        NodePtr& child = node->sub_keys[part];
        made_last = !child;
        if (!child) child = std::make_shared<Node>();
        node = child;
    }
    *result = AddHandle(std::move(node), access);
    if (created) *created = made_last;
    return kRegSuccess;
}

RegStatus MemoryRegistry::CloseKey(RegKey key) {
    if (roots_.count(key)) return kRegSuccess;
    return handles_.erase(key) ? kRegSuccess : kRegInvalidHandle;
}

RegStatus MemoryRegistry::FlushKey(RegKey key) {
    NodePtr node;
    return Resolve(key, 0, &node);
}

RegStatus MemoryRegistry::QueryValue(RegKey key, const std::string& name, std::uint32_t* type,
                                     std::uint8_t* data, std::uint32_t* size) {
    NodePtr node;
    RegStatus status = Resolve(key, kKeyQueryValue, &node);
    if (status != kRegSuccess) return status;
    if (data && !size) return kRegInvalidParameter;
    auto value = node->values.find(name);
    if (value == node->values.end()) return kRegFileNotFound;
    const auto& bytes = value->second.data;
    const auto needed = static_cast<std::uint32_t>(bytes.size());
    if (type) *type = value->second.type;
    if (data && *size < needed)
        status = kRegMoreData;
    else if (data && needed)
        std::memcpy(data, bytes.data(), needed);
    if (size) *size = needed;
    return status;
}

RegStatus MemoryRegistry::SetValue(RegKey key, const std::string& name, std::uint32_t type,
                                   const std::uint8_t* data, std::uint32_t size) {
    NodePtr node;
    RegStatus status = Resolve(key, kKeySetValue, &node);
    if (status != kRegSuccess) return status;
    if (size && !data) return kRegNoAccess;
    auto& value = node->values[name];
    value.type = type;
    value.data.assign(data, data + size);
    return kRegSuccess;
}

RegStatus MemoryRegistry::DeleteValue(RegKey key, const std::string& name) {
    NodePtr node;
    RegStatus status = Resolve(key, kKeySetValue, &node);
    if (status != kRegSuccess) return status;
    return node->values.erase(name) ? kRegSuccess : kRegFileNotFound;
}

RegStatus MemoryRegistry::DeleteKey(RegKey parent, const std::string& sub_key) {
    RegKey key = 0;
    RegStatus status = OpenKey(parent, sub_key, kAllRights, &key);
    if (status != kRegSuccess) return status;
    const bool has_sub_keys = !handles_[key].node->sub_keys.empty();
    CloseKey(key);
    if (has_sub_keys) return kRegAccessDenied;
    return DeleteTree(parent, sub_key);
}

RegStatus MemoryRegistry::DeleteTree(RegKey parent, const std::string& sub_key) {
    std::vector<std::string> parts = SplitPath(sub_key);
    if (parts.empty()) return kRegInvalidParameter;
    const std::string last = parts.back();
    parts.pop_back();
    NodePtr node;
    RegStatus status = Resolve(parent, 0, &node);
    if (status != kRegSuccess) return status;
    if (sub_key[0] == '\\') return kRegBadPathname;
    for (const std::string& part : parts) {
        auto child = node->sub_keys.find(part);
        if (child == node->sub_keys.end()) return kRegFileNotFound;
        node = child->second;
    }
    auto target = node->sub_keys.find(last);
    if (target == node->sub_keys.end()) return kRegFileNotFound;
    target->second->MarkDeleted();
    node->sub_keys.erase(target);
    return kRegSuccess;
}

RegStatus MemoryRegistry::EnumKey(RegKey key, std::uint32_t index, char* name,
                                  std::uint32_t* name_size) {
    NodePtr node;
    RegStatus status = Resolve(key, kKeyEnumerateSubKeys, &node);
    if (status != kRegSuccess) return status;
    auto entry = NthEntry(node->sub_keys, index);
    if (entry == node->sub_keys.end()) return kRegNoMoreItems;
    return CopyName(entry->first, name, name_size);
}

RegStatus MemoryRegistry::EnumValue(RegKey key, std::uint32_t index, char* name,
                                    std::uint32_t* name_size, std::uint32_t* type,
                                    std::uint8_t* data, std::uint32_t* data_size) {
    NodePtr node;
    RegStatus status = Resolve(key, kKeyQueryValue, &node);
    if (status != kRegSuccess) return status;
    auto entry = NthEntry(node->values, index);
    if (entry == node->values.end()) return kRegNoMoreItems;
    if (!name || !name_size || (data && !data_size)) return kRegInvalidParameter;
    const auto& bytes = entry->second.data;
    const auto needed = static_cast<std::uint32_t>(bytes.size());
    // Like Windows: a short buffer of either kind leaves the name untouched and
    // reports the data size.
    const bool data_fits = !data || *data_size >= needed;
    if (entry->first.size() >= *name_size || !data_fits) {
        if (data_size) *data_size = needed;
        return kRegMoreData;
    }
    CopyName(entry->first, name, name_size);
    if (type) *type = entry->second.type;
    if (data && needed) std::memcpy(data, bytes.data(), needed);
    if (data_size) *data_size = needed;
    return kRegSuccess;
}

RegStatus MemoryRegistry::QueryInfoKey(RegKey key, RegKeyInfo* info) {
    NodePtr node;
    RegStatus status = Resolve(key, 0, &node);
    if (status != kRegSuccess) return status;
    RegKeyInfo result;
    result.sub_keys = static_cast<std::uint32_t>(node->sub_keys.size());
    for (const auto& entry : node->sub_keys)
        result.max_sub_key_length =
            std::max(result.max_sub_key_length, static_cast<std::uint32_t>(entry.first.size()));
    result.values = static_cast<std::uint32_t>(node->values.size());
    for (const auto& entry : node->values) {
        result.max_value_name_length =
            std::max(result.max_value_name_length, static_cast<std::uint32_t>(entry.first.size()));
        result.max_value_data_length = std::max(
            result.max_value_data_length, static_cast<std::uint32_t>(entry.second.data.size()));
    }
    *info = result;
    return kRegSuccess;
}

}  // namespace qn
