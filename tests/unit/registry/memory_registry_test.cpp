#include "platform/memory/memory_registry.h"

#include <gtest/gtest.h>

#include "tests/contract/registry_contract.h"

namespace qn {
namespace contract {

struct MemoryRegistryFactory {
    static std::unique_ptr<Registry> Make() { return std::make_unique<MemoryRegistry>(); }
    static std::string UniqueName() { return "Scratch"; }
    static constexpr bool kKeepsStringBytes = true;
};

INSTANTIATE_TYPED_TEST_SUITE_P(Memory, RegistryContract, MemoryRegistryFactory);

}  // namespace contract
namespace {

TEST(MemoryRegistry, HandlesAreReleasedOnClose) {
    MemoryRegistry registry;
    RegKey key = 0;
    ASSERT_EQ(kRegSuccess,
              registry.CreateKey(kHkeyLocalMachine, "Software\\X", kKeyAllAccess, &key, nullptr));
    EXPECT_EQ(1u, registry.OpenHandleCount());
    EXPECT_EQ(kRegSuccess, registry.CloseKey(key));
    EXPECT_EQ(0u, registry.OpenHandleCount());
    EXPECT_EQ(kRegInvalidHandle, registry.CloseKey(key));
}

TEST(MemoryRegistry, RootsAreSeparateTrees) {
    MemoryRegistry registry;
    RegKey key = 0;
    ASSERT_EQ(kRegSuccess,
              registry.CreateKey(kHkeyLocalMachine, "Software\\X", kKeyAllAccess, &key, nullptr));
    registry.CloseKey(key);
    EXPECT_EQ(kRegFileNotFound, registry.OpenKey(kHkeyCurrentUser, "Software\\X", kKeyRead, &key));
}

TEST(MemoryRegistry, EnumerationIsSortedIgnoringCase) {
    MemoryRegistry registry;
    RegKey key = 0;
    ASSERT_EQ(kRegSuccess, registry.CreateKey(kHkeyCurrentUser, "K", kKeyAllAccess, &key, nullptr));
    for (const char* name : {"b", "C", "A"}) {
        RegKey sub = 0;
        registry.CreateKey(key, name, kKeyAllAccess, &sub, nullptr);
        registry.CloseKey(sub);
        registry.SetValue(key, name, kRegNone, nullptr, 0);
    }
    std::string keys, values;
    for (std::uint32_t index = 0; index < 3; ++index) {
        char name[8];
        std::uint32_t size = sizeof name;
        ASSERT_EQ(kRegSuccess, registry.EnumKey(key, index, name, &size));
        keys += name;
        size = sizeof name;
        ASSERT_EQ(kRegSuccess,
                  registry.EnumValue(key, index, name, &size, nullptr, nullptr, nullptr));
        values += name;
    }
    EXPECT_EQ("AbC", keys);
    EXPECT_EQ("AbC", values);
    registry.CloseKey(key);
}

}  // namespace
}  // namespace qn
