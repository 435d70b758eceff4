#pragma once
// A registry-class object over the in-memory registry, with a registry that
// records what it was asked and fails on demand, and message boxes the test
// answers.
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <utility>

#include "platform/memory/memory_registry.h"
#include "tuner/core/registry_class.h"
#include "tuner/core/registry_messages.h"
#include "ui/headless/scripted_message_boxes.h"

namespace qn::registry_test {

class ProbedRegistry : public MemoryRegistry {
  public:
    // Every CloseKey fails with this code when it is not success.
    RegStatus closeFailure = kRegSuccess;
    // The QueryValue call numbered failQueryCall (from 1) fails with queryFailure.
    int failQueryCall = 0;
    RegStatus queryFailure = kRegSuccess;

    // Windows NT writes REG_NONE into the type of a failed query.
    bool zeroTypeOnFailure = true;

    int openCalls = 0;
    int queryCalls = 0;
    int setCalls = 0;
    int flushCalls = 0;
    std::uint32_t lastAccess = 0;
    RegKey lastFlushed = 0;
    std::uint32_t lastEnumBufferSize = 0;

    RegStatus OpenKey(RegKey parent, const std::string& sub_key, std::uint32_t access,
                      RegKey* result) override {
        ++openCalls;
        lastAccess = access;
        return MemoryRegistry::OpenKey(parent, sub_key, access, result);
    }
    RegStatus CreateKey(RegKey parent, const std::string& sub_key, std::uint32_t access,
                        RegKey* result, bool* created) override {
        lastAccess = access;
        return MemoryRegistry::CreateKey(parent, sub_key, access, result, created);
    }
    RegStatus CloseKey(RegKey key) override {
        if (closeFailure != kRegSuccess) return closeFailure;
        return MemoryRegistry::CloseKey(key);
    }
    RegStatus FlushKey(RegKey key) override {
        ++flushCalls;
        lastFlushed = key;
        return MemoryRegistry::FlushKey(key);
    }
    RegStatus QueryValue(RegKey key, const std::string& name, std::uint32_t* type,
                         std::uint8_t* data, std::uint32_t* size) override {
        RegStatus status = ++queryCalls == failQueryCall
                               ? queryFailure
                               : MemoryRegistry::QueryValue(key, name, type, data, size);
        if (status != kRegSuccess && status != kRegMoreData && type && zeroTypeOnFailure)
            *type = kRegNone;
        return status;
    }
    RegStatus SetValue(RegKey key, const std::string& name, std::uint32_t type,
                       const std::uint8_t* data, std::uint32_t size) override {
        ++setCalls;
        return MemoryRegistry::SetValue(key, name, type, data, size);
    }
    RegStatus EnumKey(RegKey key, std::uint32_t index, char* name,
                      std::uint32_t* name_size) override {
        lastEnumBufferSize = name_size ? *name_size : 0;
        return MemoryRegistry::EnumKey(key, index, name, name_size);
    }
};

// A stored value: its type and bytes.
struct StoredValue {
    std::uint32_t type = kRegNone;
    std::string bytes;
};
inline bool operator==(const StoredValue& a, const StoredValue& b) {
    return a.type == b.type && a.bytes == b.bytes;
}
inline void PrintTo(const StoredValue& value, std::ostream* out) {
    *out << "type " << value.type << " bytes " << ::testing::PrintToString(value.bytes);
}

// The key the tests store their values under.
inline constexpr const char* kPath = "System\\CurrentControlSet\\Services\\Tcpip\\Parameters";

class RegistryClassTest : public ::testing::Test {
  protected:
    // Makes a key under HKEY_LOCAL_MACHINE as Windows setup would.
    void MakeKey(const std::string& path) {
        RegKey key = 0;
        ASSERT_EQ(registry.MemoryRegistry::CreateKey(kHkeyLocalMachine, path, kKeyAllAccess, &key,
                                                     nullptr),
                  kRegSuccess);
        registry.MemoryRegistry::CloseKey(key);
    }

    // Stores a value under kPath as another program would: the bytes as given.
    void Store(const std::string& name, std::uint32_t type, const std::string& bytes) {
        RegKey key = 0;
        ASSERT_EQ(registry.MemoryRegistry::CreateKey(kHkeyLocalMachine, kPath, kKeyAllAccess, &key,
                                                     nullptr),
                  kRegSuccess);
        ASSERT_EQ(registry.MemoryRegistry::SetValue(
                      key, name, type, reinterpret_cast<const std::uint8_t*>(bytes.data()),
                      static_cast<std::uint32_t>(bytes.size())),
                  kRegSuccess);
        registry.MemoryRegistry::CloseKey(key);
    }

    // The value under kPath as stored, or nothing.
    std::optional<StoredValue> Stored(const std::string& name) {
        RegKey key = 0;
        if (registry.MemoryRegistry::OpenKey(kHkeyLocalMachine, kPath, kKeyRead, &key) !=
            kRegSuccess)
            return std::nullopt;
        StoredValue value;
        std::uint32_t size = 0;
        RegStatus status =
            registry.MemoryRegistry::QueryValue(key, name, &value.type, nullptr, &size);
        if (status == kRegSuccess) {
            value.bytes.assign(size, '\0');
            status = registry.MemoryRegistry::QueryValue(
                key, name, &value.type, reinterpret_cast<std::uint8_t*>(&value.bytes[0]), &size);
        }
        registry.MemoryRegistry::CloseKey(key);
        if (status != kRegSuccess) return std::nullopt;
        return value;
    }

    void OpenParameters() {
        MakeKey(kPath);
        ASSERT_TRUE(reg.OpenKey(kHkeyLocalMachine, kPath));
    }

    // Allows one message box; ExpectOneBox then checks it.
    void AllowBox() { boxes.Answer(ui::vbOK); }
    void ExpectOneBox(const std::string& text, int icon = ui::vbInformation) {
        ASSERT_EQ(boxes.Shown().size(), 1u);
        EXPECT_EQ(boxes.Shown()[0].prompt, text);
        EXPECT_EQ(boxes.Shown()[0].buttons, icon);
        EXPECT_EQ(boxes.Shown()[0].title, "Registry Class Error");
    }
    void ExpectNoBox() { EXPECT_TRUE(boxes.Shown().empty()); }

    ProbedRegistry registry;
    ui::headless::ScriptedMessageBoxes boxes;
    CRegistry reg{RegistryContext{registry, boxes}};
};

inline std::string Bytes(std::initializer_list<int> values) {
    std::string bytes;
    for (int value : values) bytes.push_back(static_cast<char>(value));
    return bytes;
}

}  // namespace qn::registry_test
