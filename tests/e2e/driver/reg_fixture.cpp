#include "tests/e2e/driver/reg_fixture.h"

#include <shlwapi.h>

#include <cstdint>

#include "platform/memory/memory_registry.h"
#include "platform/memory/reg_file.h"
#include "tests/e2e/driver/files.h"
#include "tests/e2e/driver/wine_prefix.h"

namespace qn::e2e {

namespace {

// The predefined roots have the same values in both worlds.
RegKey ToRegKey(HKEY root) {
    return static_cast<RegKey>(reinterpret_cast<std::intptr_t>(root));
}

// An open key of the in-memory registry, closed on leaving the scope.
class MemoryKey {
  public:
    MemoryKey(Registry& registry, RegKey parent, const std::string& path) : registry_(registry) {
        if (registry.OpenKey(parent, path, kKeyRead, &key_) != kRegSuccess) key_ = 0;
    }
    ~MemoryKey() {
        if (key_ != 0) registry_.CloseKey(key_);
    }
    MemoryKey(const MemoryKey&) = delete;
    MemoryKey& operator=(const MemoryKey&) = delete;
    RegKey get() const { return key_; }

  private:
    Registry& registry_;
    RegKey key_ = 0;
};

std::vector<std::string> SubKeyNames(Registry& registry, RegKey key) {
    std::vector<std::string> names;
    for (std::uint32_t i = 0;; ++i) {
        char name[256];
        std::uint32_t size = sizeof(name);
        if (registry.EnumKey(key, i, name, &size) != kRegSuccess) break;
        names.emplace_back(name, size);
    }
    return names;
}

bool CopyValues(Registry& source, RegKey from, HKEY to) {
    for (std::uint32_t i = 0;; ++i) {
        char name[16384];
        std::uint32_t nameSize = sizeof(name);
        std::uint32_t type = 0;
        std::uint32_t size = 0;
        const RegStatus status = source.EnumValue(from, i, name, &nameSize, &type, nullptr, &size);
        if (status == kRegNoMoreItems) return true;
        if (status != kRegSuccess) return false;
        std::vector<std::uint8_t> data(size);
        nameSize = sizeof(name);
        if (source.EnumValue(from, i, name, &nameSize, &type, data.data(), &size) != kRegSuccess ||
            RegSetValueExA(to, name, 0, type, data.data(), size) != ERROR_SUCCESS) {
            return false;
        }
    }
}

bool CopyTreeAsVolatile(Registry& source, RegKey from, HKEY toParent, const std::string& name) {
    HKEY to = nullptr;
    if (RegCreateKeyExA(toParent, name.c_str(), 0, nullptr, REG_OPTION_VOLATILE, KEY_ALL_ACCESS,
                        nullptr, &to, nullptr) != ERROR_SUCCESS) {
        return false;
    }
    bool ok = CopyValues(source, from, to);
    for (const std::string& child : SubKeyNames(source, from)) {
        MemoryKey childKey(source, from, child);
        ok = ok && childKey.get() != 0 && CopyTreeAsVolatile(source, childKey.get(), to, child);
    }
    RegCloseKey(to);
    return ok;
}

}  // namespace

std::vector<std::string> SubKeysInRegFile(const std::string& regText, HKEY root,
                                          const std::string& keyPath) {
    MemoryRegistry fixture;
    if (!LoadRegFile(fixture, regText).ok()) return {};
    MemoryKey key(fixture, ToRegKey(root), keyPath);
    return key.get() == 0 ? std::vector<std::string>{} : SubKeyNames(fixture, key.get());
}

bool ImportVolatileSubKeys(const std::string& regText, HKEY root, const std::string& keyPath) {
    MemoryRegistry fixture;
    if (!LoadRegFile(fixture, regText).ok()) return false;
    MemoryKey source(fixture, ToRegKey(root), keyPath);
    if (source.get() == 0) return true;
    HKEY target = nullptr;
    if (RegCreateKeyExA(root, keyPath.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &target,
                        nullptr) != ERROR_SUCCESS) {
        return false;
    }
    bool ok = true;
    for (const std::string& name : SubKeyNames(fixture, source.get())) {
        // Afresh: values an earlier machine left in the same key must go.
        SHDeleteKeyA(target, name.c_str());
        MemoryKey sourceKey(fixture, source.get(), name);
        ok = ok && sourceKey.get() != 0 &&
             CopyTreeAsVolatile(fixture, sourceKey.get(), target, name);
    }
    RegCloseKey(target);
    return ok;
}

}  // namespace qn::e2e

namespace qn::e2e {

bool ImportMachineRegFile(const std::string& windowsPath) {
    std::string text;
    if (!ReadWholeFile(windowsPath, text) || !ImportRegFile(windowsPath)) return false;
    return ImportVolatileSubKeys(text, HKEY_LOCAL_MACHINE,
                                 "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\NetworkCards");
}

}  // namespace qn::e2e
