#include "platform/win32/win32_registry.h"

#include <windows.h>
#include <gtest/gtest.h>

#include "platform/win32/optional_api.h"
#include "tests/contract/registry_contract.h"

namespace qn {
namespace contract {

// The real registry of the Wine prefix, under a scratch key of this process.
struct Win32RegistryFactory {
    static std::unique_ptr<Registry> Make() { return std::make_unique<win32::Win32Registry>(); }
    static std::string UniqueName() {
        return "run-" + std::to_string(GetCurrentProcessId()) + "-" +
               std::to_string(GetTickCount());
    }
    static constexpr bool kKeepsStringBytes = false;
};

INSTANTIATE_TYPED_TEST_SUITE_P(Win32, RegistryContract, Win32RegistryFactory);

}  // namespace contract
namespace {

TEST(Win32Registry, HandlesMatchTheSystemsPredefinedKeys) {
    EXPECT_EQ(reinterpret_cast<RegKey>(HKEY_CURRENT_USER), kHkeyCurrentUser);
    EXPECT_EQ(reinterpret_cast<RegKey>(HKEY_LOCAL_MACHINE), kHkeyLocalMachine);
    EXPECT_EQ(reinterpret_cast<RegKey>(HKEY_CLASSES_ROOT), kHkeyClassesRoot);
    EXPECT_EQ(reinterpret_cast<RegKey>(HKEY_DYN_DATA), kHkeyDynData);
}

TEST(Win32Registry, ShellTreeDeleteIsAvailable) {
    EXPECT_NE(nullptr, win32::Optional().SHDeleteKeyA);
}

}  // namespace
}  // namespace qn
