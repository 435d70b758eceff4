#include <gtest/gtest.h>

#include <ostream>

#include "tests/unit/tuner_registry/registry_test_helpers.h"

namespace qn::registry_test {
namespace {

using namespace std::string_literals;

constexpr const char* kClass = "System\\CurrentControlSet\\Services\\Class\\NetTrans";

// OpenKey and CloseKey.

TEST_F(RegistryClassTest, OpenKeyHoldsTheKeyUntilClosed) {
    MakeKey(kPath);
    EXPECT_TRUE(reg.OpenKey(kHkeyLocalMachine, kPath));
    EXPECT_NE(reg.Key(), 0);
    EXPECT_EQ(registry.OpenHandleCount(), 1u);
    EXPECT_TRUE(reg.CloseKey());
    EXPECT_EQ(reg.Key(), 0);
    EXPECT_EQ(registry.OpenHandleCount(), 0u);
    ExpectNoBox();
}

TEST_F(RegistryClassTest, OpenKeyAsksForMaximumAccessUnlessAMaskIsGiven) {
    MakeKey(kPath);
    ASSERT_TRUE(reg.OpenKey(kHkeyLocalMachine, kPath));
    EXPECT_EQ(registry.lastAccess, kMaximumAllowed);
    ASSERT_TRUE(reg.OpenKey(kHkeyLocalMachine, kPath, kKeyQueryValue));
    EXPECT_EQ(registry.lastAccess, kKeyQueryValue);
}

TEST_F(RegistryClassTest, OpenKeyClosesTheHeldKeyFirst) {
    MakeKey(kPath);
    MakeKey(kClass);
    ASSERT_TRUE(reg.OpenKey(kHkeyLocalMachine, kPath));
    const RegKey first = reg.Key();
    ASSERT_TRUE(reg.OpenKey(kHkeyLocalMachine, kClass));
    EXPECT_NE(reg.Key(), first);
    EXPECT_EQ(registry.OpenHandleCount(), 1u);
    EXPECT_EQ(registry.MemoryRegistry::CloseKey(first), kRegInvalidHandle);
}

TEST_F(RegistryClassTest, OpenKeyKeepsTheHeldKeyWhenItCannotBeClosed) {
    MakeKey(kPath);
    MakeKey(kClass);
    ASSERT_TRUE(reg.OpenKey(kHkeyLocalMachine, kPath));
    const RegKey held = reg.Key();
    registry.closeFailure = 1011;
    const int opensBefore = registry.openCalls;
    EXPECT_FALSE(reg.OpenKey(kHkeyLocalMachine, kClass));
    ExpectNoBox();
    AllowBox();
    EXPECT_FALSE(reg.OpenKey(kHkeyLocalMachine, kClass, std::nullopt, 1));
    ExpectOneBox("Cannot open specified key.");
    EXPECT_EQ(reg.Key(), held);
    EXPECT_EQ(registry.openCalls, opensBefore);
    registry.closeFailure = kRegSuccess;
}

struct ArgumentCase {
    const char* label;
    RegKey root;
    const char* path;
    const char* text;
};
void PrintTo(const ArgumentCase& c, std::ostream* out) {
    *out << c.label;
}

class OpenKeyArgumentTest : public RegistryClassTest,
                            public ::testing::WithParamInterface<ArgumentCase> {};

TEST_P(OpenKeyArgumentTest, RefusesWithAnExclamation) {
    MakeKey(kPath);
    EXPECT_FALSE(reg.OpenKey(GetParam().root, GetParam().path));
    ExpectNoBox();
    AllowBox();
    EXPECT_FALSE(reg.OpenKey(GetParam().root, GetParam().path, kKeyRead, 1));
    ExpectOneBox(GetParam().text, ui::vbExclamation);
    EXPECT_EQ(registry.openCalls, 0);
    EXPECT_EQ(reg.Key(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, OpenKeyArgumentTest,
    ::testing::Values(
        ArgumentCase{"NoRoot", 0, kPath, "Cannot open key.  No root key handle was specified."},
        ArgumentCase{"Nothing", 0, "", "Cannot open key.  No root key handle was specified."},
        ArgumentCase{"NoPath", kHkeyLocalMachine, "",
                     "Cannot open key.  No subkey name was specified."},
        ArgumentCase{"BlankPath", kHkeyLocalMachine, "   ",
                     "Cannot open key.  No subkey name was specified."}));

TEST_F(RegistryClassTest, OpenKeyOfMissingKeyFailsWithItsCode) {
    EXPECT_FALSE(reg.OpenKey(kHkeyLocalMachine, "System\\Missing"));
    ExpectNoBox();
    AllowBox();
    EXPECT_FALSE(reg.OpenKey(kHkeyLocalMachine, "System\\Missing", std::nullopt, 1));
    ExpectOneBox("Undefined Registry Error # 2");
    EXPECT_EQ(reg.Key(), 0);
    EXPECT_EQ(registry.OpenHandleCount(), 0u);
}

TEST_F(RegistryClassTest, CloseKeyWithNoKeyHeldIsFalseAndSilent) {
    EXPECT_FALSE(reg.CloseKey());
    EXPECT_FALSE(reg.CloseKey(1));
    ExpectNoBox();
}

TEST_F(RegistryClassTest, CloseKeyFailureKeepsTheHandle) {
    OpenParameters();
    const RegKey held = reg.Key();
    registry.closeFailure = kRegInvalidHandle;
    EXPECT_FALSE(reg.CloseKey());
    ExpectNoBox();
    AllowBox();
    EXPECT_FALSE(reg.CloseKey(1));
    ExpectOneBox("Undefined Registry Error # 6");
    EXPECT_EQ(reg.Key(), held);
    registry.closeFailure = kRegSuccess;
}

TEST_F(RegistryClassTest, KeyCanBeReplacedWithoutOpeningOrClosing) {
    OpenParameters();
    const RegKey held = reg.Key();
    reg.SetKey(kHkeyLocalMachine);
    EXPECT_EQ(reg.Key(), kHkeyLocalMachine);
    EXPECT_EQ(registry.OpenHandleCount(), 1u);
    reg.SetKey(held);
}

TEST_F(RegistryClassTest, ReleaseClosesAHeldKey) {
    MakeKey(kPath);
    {
        CRegistry scoped{RegistryContext{registry, boxes}};
        ASSERT_TRUE(scoped.OpenKey(kHkeyLocalMachine, kPath));
        EXPECT_EQ(registry.OpenHandleCount(), 1u);
    }
    EXPECT_EQ(registry.OpenHandleCount(), 0u);
}

TEST_F(RegistryClassTest, ReleaseIsSilentWhenClosingFails) {
    MakeKey(kPath);
    {
        CRegistry scoped{RegistryContext{registry, boxes}};
        ASSERT_TRUE(scoped.OpenKey(kHkeyLocalMachine, kPath));
        registry.closeFailure = 1011;
    }
    registry.closeFailure = kRegSuccess;
    ExpectNoBox();
}

// DeleteValue, CreateKey, DeleteKey: a handle given is used instead of the
// held key; with neither there is nothing to work on.

struct MissingHandleCase {
    const char* operation;
    const char* text;
};
void PrintTo(const MissingHandleCase& c, std::ostream* out) {
    *out << c.operation;
}

class MissingHandleTest : public RegistryClassTest,
                          public ::testing::WithParamInterface<MissingHandleCase> {
  protected:
    bool Run(int showErr) {
        const std::string operation = GetParam().operation;
        if (operation == "DeleteValue") return reg.DeleteValue("DefaultTTL", std::nullopt, showErr);
        if (operation == "CreateKey")
            return reg.CreateKey("Sub", std::nullopt, std::nullopt, showErr);
        return reg.DeleteKey("Sub", std::nullopt, showErr);
    }
};

TEST_P(MissingHandleTest, RefusesWithAnInformationMessage) {
    EXPECT_FALSE(Run(0));
    ExpectNoBox();
    AllowBox();
    EXPECT_FALSE(Run(1));
    ExpectOneBox(GetParam().text, ui::vbInformation);
    EXPECT_EQ(registry.OpenHandleCount(), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Operations, MissingHandleTest,
    ::testing::Values(
        MissingHandleCase{"DeleteValue",
                          "Required parameter (hKey) is missing.  Cannot delete specified "
                          "registry value."},
        MissingHandleCase{"CreateKey",
                          "Required parameter (hKey) is missing.  Cannot create specified "
                          "registry SubKey."},
        MissingHandleCase{"DeleteKey",
                          "Required parameter (hKey) is missing.  Cannot delete specified "
                          "registry SubKey."}),
    [](const ::testing::TestParamInfo<MissingHandleCase>& info) {
        return std::string(info.param.operation);
    });

TEST_F(RegistryClassTest, DeleteValueRemovesItFromTheHeldKey) {
    Store("DefaultTTL", kRegSz, "64");
    Store("MTU", kRegSz, "576");
    OpenParameters();
    EXPECT_TRUE(reg.DeleteValue("DefaultTTL"));
    EXPECT_FALSE(Stored("DefaultTTL"));
    // A handle of 0 is no handle.
    EXPECT_TRUE(reg.DeleteValue("MTU", RegKey{0}));
    EXPECT_FALSE(Stored("MTU"));
}

TEST_F(RegistryClassTest, DeleteValueUsesTheHandleGiven) {
    Store("DefaultTTL", kRegSz, "64");
    MakeKey(kClass);
    ASSERT_TRUE(reg.OpenKey(kHkeyLocalMachine, kClass));
    const RegKey held = reg.Key();
    RegKey other = 0;
    ASSERT_EQ(registry.MemoryRegistry::OpenKey(kHkeyLocalMachine, kPath, kKeyAllAccess, &other),
              kRegSuccess);
    EXPECT_TRUE(reg.DeleteValue("DefaultTTL", other));
    EXPECT_FALSE(Stored("DefaultTTL"));
    EXPECT_EQ(reg.Key(), held);
    registry.MemoryRegistry::CloseKey(other);
}

TEST_F(RegistryClassTest, DeleteValueOfMissingValueFailsQuietlyUnlessAsked) {
    OpenParameters();
    const RegKey held = reg.Key();
    EXPECT_FALSE(reg.DeleteValue("Missing"));
    ExpectNoBox();
    AllowBox();
    EXPECT_FALSE(reg.DeleteValue("Missing", std::nullopt, 1));
    ExpectOneBox("Undefined Registry Error # 2");
    EXPECT_EQ(reg.Key(), held);
}

TEST_F(RegistryClassTest, CreateKeyMakesTheCreatedKeyTheHeldOne) {
    MakeKey("Software");
    ASSERT_TRUE(reg.OpenKey(kHkeyLocalMachine, "Software"));
    const RegKey parent = reg.Key();
    ASSERT_TRUE(reg.CreateKey("Quillon\\Test"));
    EXPECT_NE(reg.Key(), parent);
    EXPECT_EQ(registry.lastAccess, kMaximumAllowed);
    std::uint32_t type = kRegSz;
    ASSERT_TRUE(reg.SaveKey("Written", "here"s, type));
    // The parent stays open: it is the caller's to close.
    EXPECT_EQ(registry.OpenHandleCount(), 2u);
    EXPECT_EQ(registry.MemoryRegistry::CloseKey(parent), kRegSuccess);

    RegKey check = 0;
    ASSERT_EQ(registry.MemoryRegistry::OpenKey(kHkeyLocalMachine, "Software\\Quillon\\Test",
                                               kKeyRead, &check),
              kRegSuccess);
    EXPECT_EQ(registry.MemoryRegistry::QueryValue(check, "Written", nullptr, nullptr, nullptr),
              kRegSuccess);
    registry.MemoryRegistry::CloseKey(check);
}

TEST_F(RegistryClassTest, CreateKeyUsesTheParentAndMaskGiven) {
    ASSERT_TRUE(reg.CreateKey("Software\\Quillon", kHkeyCurrentUser, kKeyAllAccess));
    EXPECT_EQ(registry.lastAccess, kKeyAllAccess);
    EXPECT_TRUE(reg.CloseKey());
    RegKey check = 0;
    EXPECT_EQ(
        registry.MemoryRegistry::OpenKey(kHkeyCurrentUser, "Software\\Quillon", kKeyRead, &check),
        kRegSuccess);
    registry.MemoryRegistry::CloseKey(check);
}

TEST_F(RegistryClassTest, CreateKeyFailureKeepsTheHeldKey) {
    OpenParameters();
    const RegKey held = reg.Key();
    EXPECT_FALSE(reg.CreateKey("\\Bad"));
    ExpectNoBox();
    AllowBox();
    EXPECT_FALSE(reg.CreateKey("\\Bad", std::nullopt, std::nullopt, 1));
    ExpectOneBox("Undefined Registry Error # 161");
    EXPECT_EQ(reg.Key(), held);
}

TEST_F(RegistryClassTest, DeleteKeyRemovesALeafKey) {
    MakeKey("Software\\Quillon\\Leaf");
    ASSERT_TRUE(reg.OpenKey(kHkeyLocalMachine, "Software\\Quillon"));
    const RegKey held = reg.Key();
    EXPECT_TRUE(reg.DeleteKey("Leaf"));
    EXPECT_EQ(reg.Key(), held);
    EXPECT_EQ(reg.EnumKey(0), "ERROR");
}

TEST_F(RegistryClassTest, DeleteKeyWithSubKeysIsDenied) {
    MakeKey("Software\\Quillon\\Leaf");
    EXPECT_FALSE(reg.DeleteKey("Software\\Quillon", kHkeyLocalMachine));
    ExpectNoBox();
    AllowBox();
    EXPECT_FALSE(reg.DeleteKey("Software\\Quillon", kHkeyLocalMachine, 1));
    ExpectOneBox("Access denied to specified registry entry.");
}

TEST_F(RegistryClassTest, FlushKeyFlushesOnlyAHeldKey) {
    reg.FlushKey();
    EXPECT_EQ(registry.flushCalls, 0);
    OpenParameters();
    reg.FlushKey();
    EXPECT_EQ(registry.flushCalls, 1);
    EXPECT_EQ(registry.lastFlushed, reg.Key());
}

// EnumKey.

TEST_F(RegistryClassTest, EnumKeyGivesEachNameWithItsNulThenError) {
    MakeKey(std::string(kClass) + "\\0001");
    MakeKey(std::string(kClass) + "\\0000");
    MakeKey(std::string(kClass) + "\\Alpha");
    ASSERT_TRUE(reg.OpenKey(kHkeyLocalMachine, kClass));
    EXPECT_EQ(reg.EnumKey(0), "0000\0"s);
    EXPECT_EQ(reg.EnumKey(1), "0001\0"s);
    EXPECT_EQ(reg.EnumKey(2), "Alpha\0"s);
    EXPECT_EQ(reg.EnumKey(3), "ERROR");
    EXPECT_EQ(reg.EnumKey(-1), "ERROR");
    EXPECT_EQ(registry.lastEnumBufferSize, 2000u);
    ExpectNoBox();
}

TEST_F(RegistryClassTest, EnumKeyNameBufferHoldsNamesUpTo1999Characters) {
    const std::string longest(1999, 'k');
    MakeKey("Long\\" + longest);
    MakeKey("TooLong\\" + longest + "k");
    ASSERT_TRUE(reg.OpenKey(kHkeyLocalMachine, "Long"));
    EXPECT_EQ(reg.EnumKey(0), longest + '\0');
    ASSERT_TRUE(reg.OpenKey(kHkeyLocalMachine, "TooLong"));
    EXPECT_EQ(reg.EnumKey(0), "ERROR");
}

TEST_F(RegistryClassTest, EnumKeyWithNoKeyHeldIsError) {
    EXPECT_EQ(reg.EnumKey(0), "ERROR");
}

}  // namespace
}  // namespace qn::registry_test
