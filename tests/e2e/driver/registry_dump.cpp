#include "tests/e2e/driver/registry_dump.h"

#include <shlwapi.h>

#include <cstdint>
#include <vector>

#include "platform/memory/reg_file.h"
#include "platform/win32/win32_registry.h"

namespace qn::e2e {

namespace {

class OpenKey {
  public:
    OpenKey(HKEY root, const std::string& path, REGSAM access) {
        if (RegOpenKeyExA(root, path.c_str(), 0, access, &key_) != ERROR_SUCCESS) key_ = nullptr;
    }
    ~OpenKey() {
        if (key_ != nullptr) RegCloseKey(key_);
    }
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;
    HKEY get() const { return key_; }

  private:
    HKEY key_ = nullptr;
};

}  // namespace

bool ReadRegistryString(HKEY root, const std::string& keyPath, const std::string& name,
                        std::string& value) {
    OpenKey key(root, keyPath, KEY_READ);
    if (key.get() == nullptr) return false;
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExA(key.get(), name.c_str(), nullptr, &type, nullptr, &size) !=
            ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ)) {
        return false;
    }
    std::vector<char> data(size + 1, '\0');
    if (RegQueryValueExA(key.get(), name.c_str(), nullptr, &type,
                         reinterpret_cast<BYTE*>(data.data()), &size) != ERROR_SUCCESS) {
        return false;
    }
    value.assign(data.data());
    return true;
}

bool ReadRegistryDword(HKEY root, const std::string& keyPath, const std::string& name,
                       DWORD& value) {
    OpenKey key(root, keyPath, KEY_READ);
    if (key.get() == nullptr) return false;
    DWORD type = 0;
    DWORD size = sizeof(value);
    return RegQueryValueExA(key.get(), name.c_str(), nullptr, &type,
                            reinterpret_cast<BYTE*>(&value), &size) == ERROR_SUCCESS &&
           type == REG_DWORD;
}

bool RegistryKeyExists(HKEY root, const std::string& keyPath) {
    return OpenKey(root, keyPath, KEY_READ).get() != nullptr;
}

bool WriteRegistryString(HKEY root, const std::string& keyPath, const std::string& name,
                         const std::string& value) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(root, keyPath.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS) {
        return false;
    }
    const LONG result =
        RegSetValueExA(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                       static_cast<DWORD>(value.size() + 1));
    RegCloseKey(key);
    return result == ERROR_SUCCESS;
}

bool DeleteRegistryValue(HKEY root, const std::string& keyPath, const std::string& name) {
    OpenKey key(root, keyPath, KEY_SET_VALUE);
    if (key.get() == nullptr) return false;
    return RegDeleteValueA(key.get(), name.c_str()) == ERROR_SUCCESS;
}

bool DeleteRegistryTree(HKEY root, const std::string& keyPath) {
    const DWORD result = SHDeleteKeyA(root, keyPath.c_str());
    return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND;
}

std::string ExportRegistryTree(HKEY root, const std::string& keyPath) {
    win32::Win32Registry registry;
    std::string text;
    const RegKey rootKey = static_cast<RegKey>(reinterpret_cast<std::intptr_t>(root));
    return SaveRegFile(registry, rootKey, keyPath, &text) == kRegSuccess ? text : std::string();
}

}  // namespace qn::e2e
