#include "tests/e2e/driver/saved_registry_value.h"

#include <utility>

#include "tests/e2e/driver/registry_dump.h"

namespace qn::e2e {

SavedRegistryValue::SavedRegistryValue(HKEY root, std::string keyPath, std::string name)
    : root_(root), keyPath_(std::move(keyPath)), name_(std::move(name)) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(root_, keyPath_.c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return;
    DWORD size = 0;
    if (RegQueryValueExA(key, name_.c_str(), nullptr, &type_, nullptr, &size) == ERROR_SUCCESS) {
        data_.resize(size);
        existed_ = RegQueryValueExA(key, name_.c_str(), nullptr, &type_, data_.data(), &size) ==
                   ERROR_SUCCESS;
        data_.resize(size);
    }
    RegCloseKey(key);
}

SavedRegistryValue::~SavedRegistryValue() {
    if (!existed_) {
        DeleteRegistryValue(root_, keyPath_, name_);
        return;
    }
    HKEY key = nullptr;
    if (RegCreateKeyExA(root_, keyPath_.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS) {
        return;
    }
    RegSetValueExA(key, name_.c_str(), 0, type_, data_.data(), static_cast<DWORD>(data_.size()));
    RegCloseKey(key);
}

}  // namespace qn::e2e
