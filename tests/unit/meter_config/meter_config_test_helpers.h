#pragma once
// A meter registry in memory, with the environment its expansions use.
#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>

#include "meter/config/registry_services.h"
#include "platform/memory/memory_environment_strings.h"
#include "platform/memory/memory_registry.h"

namespace qn::meter::test {

struct StoredValue {
    std::uint32_t type;
    std::string bytes;
    bool operator==(const StoredValue& other) const {
        return type == other.type && bytes == other.bytes;
    }
};

inline std::ostream& operator<<(std::ostream& out, const StoredValue& value) {
    return out << "type " << value.type << " \"" << value.bytes << "\" (" << value.bytes.size()
               << " bytes)";
}

class MeterRegistryTest : public ::testing::Test {
  protected:
    MeterRegistryTest() { environment.Set("windir", "C:\\WINDOWS"); }

    void TearDown() override { EXPECT_EQ(registry.OpenHandleCount(), 0u); }

    // The bytes as stored, or nothing when the key or value is missing.
    std::optional<StoredValue> Stored(const std::string& path, const std::string& name,
                                      RegKey root = kHkeyCurrentUser) {
        RegKey key = 0;
        if (registry.OpenKey(root, path, kKeyRead, &key) != kRegSuccess) return std::nullopt;
        std::uint32_t type = 0;
        std::uint32_t size = 0;
        std::optional<StoredValue> result;
        if (registry.QueryValue(key, name, &type, nullptr, &size) == kRegSuccess) {
            std::string bytes(size, '\0');
            registry.QueryValue(key, name, &type, reinterpret_cast<std::uint8_t*>(&bytes[0]),
                                &size);
            result = StoredValue{type, bytes};
        }
        registry.CloseKey(key);
        return result;
    }

    void Store(const std::string& path, const std::string& name, std::uint32_t type,
               const std::string& bytes) {
        RegKey key = 0;
        ASSERT_EQ(registry.CreateKey(kHkeyCurrentUser, path, kKeyAllAccess, &key, nullptr),
                  kRegSuccess);
        registry.SetValue(key, name, type, reinterpret_cast<const std::uint8_t*>(bytes.data()),
                          static_cast<std::uint32_t>(bytes.size()));
        registry.CloseKey(key);
    }

    bool KeyPresent(const std::string& path, RegKey root = kHkeyCurrentUser) {
        RegKey key = 0;
        if (registry.OpenKey(root, path, kKeyRead, &key) != kRegSuccess) return false;
        registry.CloseKey(key);
        return true;
    }

    MemoryRegistry registry;
    MemoryEnvironmentStrings environment;
    RegistryServices services{registry, environment, "Dapplet"};
};

}  // namespace qn::meter::test
