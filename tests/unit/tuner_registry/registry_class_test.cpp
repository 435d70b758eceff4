#include "tuner/core/registry_class.h"

#include <gtest/gtest.h>

#include "platform/memory/memory_registry.h"
#include "tuner/core/registry_messages.h"
#include "ui/headless/scripted_message_boxes.h"

namespace qn {
namespace {

using ui::headless::ScriptedMessageBoxes;

const char* const kTcpip = "System\\CurrentControlSet\\Services\\Tcpip\\Parameters";

class RegistryClassTest : public ::testing::Test {
  protected:
    // Stores a value as another program (or Windows) would, bytes as given.
    void Store(const std::string& name, std::uint32_t type, const std::string& bytes) {
        RegKey key = 0;
        ASSERT_EQ(registry.CreateKey(kHkeyLocalMachine, kTcpip, kKeyAllAccess, &key, nullptr),
                  kRegSuccess);
        ASSERT_EQ(registry.SetValue(key, name, type,
                                    reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                    static_cast<std::uint32_t>(bytes.size())),
                  kRegSuccess);
        registry.CloseKey(key);
    }

    MemoryRegistry registry;
    ScriptedMessageBoxes boxes;
    CRegistry reg{RegistryContext{registry, boxes}};
};

TEST_F(RegistryClassTest, TextStoredWithItsNulReadsBackWithIt) {
    Store("DefaultTTL", kRegSz, std::string("128\0", 4));
    ASSERT_TRUE(reg.OpenKey(kHkeyLocalMachine, kTcpip));
    std::uint32_t type = kRegSz;
    const RegVariant value = reg.QueryKey("DefaultTTL", type);
    EXPECT_EQ(std::get<std::string>(value), std::string("128\0", 4));
    EXPECT_EQ(VariantText(value), "128");
    EXPECT_EQ(VariantNumber(value), 128);
    EXPECT_TRUE(reg.CloseKey());
    EXPECT_EQ(registry.OpenHandleCount(), 0u);
}

TEST_F(RegistryClassTest, SavedTextReadsBackWithoutNul) {
    Store("Other", kRegDword, std::string(4, '\0'));
    ASSERT_TRUE(reg.OpenKey(kHkeyLocalMachine, kTcpip));
    std::uint32_t type = kRegSz;
    ASSERT_TRUE(reg.SaveKey("DefaultTTL", std::string("64"), type));
    EXPECT_EQ(std::get<std::string>(reg.QueryKey("DefaultTTL", type)), "64");
}

TEST(RegistryMessages, UnlistedCodeNamesItsNumber) {
    EXPECT_EQ(RegistryErrorText(1014), "Undefined Registry Error # 1014");
}

}  // namespace
}  // namespace qn
