#include <windows.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/win32/win32_registry.h"
#include "tuner/core/registry_class.h"
#include "ui/headless/scripted_message_boxes.h"

namespace qn {
namespace {

using namespace std::string_literals;

// The registry class over the real registry of the Wine prefix, in a scratch
// key of this process under HKEY_CURRENT_USER.
class RegistryClassWin32Test : public ::testing::Test {
  protected:
    static constexpr const char* kParent = "Software\\QuillonTest";

    void SetUp() override {
        path_ = std::string(kParent) + "\\RegistryClass-" + std::to_string(GetCurrentProcessId()) +
                "-" + std::to_string(GetTickCount());
        registry_.DeleteTree(kHkeyCurrentUser, path_);
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, path_.c_str(), &key), ERROR_SUCCESS);
        RegCloseKey(key);
    }

    void TearDown() override {
        reg_.CloseKey();
        registry_.DeleteTree(kHkeyCurrentUser, path_);
        RegDeleteKeyA(HKEY_CURRENT_USER, kParent);  // refused while other runs use it
    }

    // Writes a value the way any Windows program does.
    void SetRaw(const std::string& name, DWORD type, const std::string& bytes) {
        HKEY key = nullptr;
        ASSERT_EQ(RegOpenKeyA(HKEY_CURRENT_USER, path_.c_str(), &key), ERROR_SUCCESS);
        EXPECT_EQ(
            RegSetValueExA(key, name.c_str(), 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                           static_cast<DWORD>(bytes.size())),
            ERROR_SUCCESS);
        RegCloseKey(key);
    }

    // The stored bytes as RegQueryValueExA gives them.
    std::string RawBytes(const std::string& name) {
        HKEY key = nullptr;
        if (RegOpenKeyA(HKEY_CURRENT_USER, path_.c_str(), &key) != ERROR_SUCCESS) return "?";
        DWORD size = 0;
        std::string bytes;
        if (RegQueryValueExA(key, name.c_str(), nullptr, nullptr, nullptr, &size) ==
            ERROR_SUCCESS) {
            bytes.assign(size, '\0');
            RegQueryValueExA(key, name.c_str(), nullptr, nullptr,
                             reinterpret_cast<BYTE*>(&bytes[0]), &size);
            bytes.resize(size);
        }
        RegCloseKey(key);
        return bytes;
    }

    void Open() { ASSERT_TRUE(reg_.OpenKey(kHkeyCurrentUser, path_)); }

    std::string path_;
    win32::Win32Registry registry_;
    ui::headless::ScriptedMessageBoxes boxes_;
    CRegistry reg_{RegistryContext{registry_, boxes_}};
};

TEST_F(RegistryClassWin32Test, TextWrittenWithItsNulReadsBackWithIt) {
    SetRaw("DefaultTTL", REG_SZ, "128\0"s);
    Open();
    std::uint32_t type = kRegSz;
    const RegVariant value = reg_.QueryKey("DefaultTTL", type);
    EXPECT_EQ(value, RegVariant("128\0"s));
    EXPECT_EQ(type, kRegSz);
    EXPECT_EQ(VariantNumber(value), 128);
}

// SaveKey passes the text without its NUL; Windows NT stores one anyway when
// the byte after the data is a NUL, as it is after a string's text. Windows 9x
// (and the in-memory registry) keep the text alone. Either way the text reads
// back the same through VariantText and VariantNumber.
TEST_F(RegistryClassWin32Test, SavedTextGetsTheNulThatWindowsNtAdds) {
    Open();
    std::uint32_t type = kRegSz;
    ASSERT_TRUE(reg_.SaveKey("DefaultTTL", "64"s, type));
    const RegVariant value = reg_.QueryKey("DefaultTTL", type);
    EXPECT_EQ(value, RegVariant("64\0"s));
    EXPECT_EQ(VariantText(value), "64");
    EXPECT_EQ(VariantNumber(value), 64);
}

TEST_F(RegistryClassWin32Test, MissLeavesTheCallersType) {
    Open();
    std::uint32_t type = kRegSz;
    EXPECT_TRUE(IsEmpty(reg_.QueryKey("Missing", type)));
    EXPECT_EQ(type, kRegSz);
}

TEST_F(RegistryClassWin32Test, DwordAskedAsTextGivesItsFourBytes) {
    SetRaw("MTU", REG_DWORD, "\x44\x43\x00\x41"s);
    Open();
    std::uint32_t type = kRegSz;
    EXPECT_EQ(reg_.QueryKey("MTU", type), RegVariant("DC\0A"s));
    EXPECT_EQ(type, kRegDword);
}

TEST_F(RegistryClassWin32Test, MultiStringRoundTrip) {
    Open();
    std::uint32_t type = kRegMultiSz;
    ASSERT_TRUE(reg_.SaveKey("IPAddress", std::vector<std::string>{"a", "bc"}, type));
    EXPECT_EQ(RawBytes("IPAddress"), "a\0bc\0\0"s);
    EXPECT_EQ(reg_.QueryKey("IPAddress", type), RegVariant(std::vector<std::string>{"a", "bc"}));
    EXPECT_EQ(type, kRegMultiSz);
}

TEST_F(RegistryClassWin32Test, DwordAndBinaryRoundTrip) {
    Open();
    std::uint32_t type = kRegDword;
    ASSERT_TRUE(reg_.SaveKey("TcpWindowSize", "8544"s, type));
    EXPECT_EQ(RawBytes("TcpWindowSize"), "\x60\x21\0\0"s);
    EXPECT_EQ(reg_.QueryKey("TcpWindowSize", type), RegVariant(std::int32_t{8544}));
    type = kRegBinary;
    ASSERT_TRUE(reg_.SaveKey("Blob", std::vector<std::uint8_t>{0, 255, 16}, type));
    EXPECT_EQ(reg_.QueryKey("Blob", type), RegVariant(std::vector<std::uint8_t>{0, 255, 16}));
}

TEST_F(RegistryClassWin32Test, MissingValueGivesEachQuerysMarker) {
    Open();
    std::uint32_t type = kRegSz;
    EXPECT_TRUE(IsEmpty(reg_.QueryKey("Missing", type)));
    EXPECT_EQ(reg_.QueryKey2("Missing", type, 1), RegVariant(std::int16_t{1}));
    EXPECT_EQ(reg_.QueryKey3("Missing", type), RegVariant("Error"s));
    type = kRegDword;
    boxes_.Answer(ui::vbOK, "Undefined Registry Error # 2"s);
    EXPECT_TRUE(IsEmpty(reg_.QueryKey("Missing", type, 1)));
}

TEST_F(RegistryClassWin32Test, EnumKeyListsSubKeysThenError) {
    Open();
    const RegKey parent = reg_.Key();
    for (const char* name : {"Beta", "alpha"}) {
        ASSERT_TRUE(reg_.CreateKey(name));
        ASSERT_TRUE(reg_.CloseKey());
        reg_.SetKey(parent);
    }
    EXPECT_EQ(reg_.EnumKey(0), "alpha\0"s);
    EXPECT_EQ(reg_.EnumKey(1), "Beta\0"s);
    EXPECT_EQ(reg_.EnumKey(2), "ERROR");
}

TEST_F(RegistryClassWin32Test, DeleteKeyWithSubKeysIsDenied) {
    Open();
    const RegKey parent = reg_.Key();
    ASSERT_TRUE(reg_.CreateKey("Adapter\\0000"));
    ASSERT_TRUE(reg_.CloseKey());
    reg_.SetKey(parent);
    boxes_.Answer(ui::vbOK);
    EXPECT_FALSE(reg_.DeleteKey("Adapter", std::nullopt, 1));
    ASSERT_EQ(boxes_.Shown().size(), 1u);
    EXPECT_EQ(boxes_.Shown()[0].prompt, "Access denied to specified registry entry.");
    EXPECT_EQ(reg_.Key(), parent);
    EXPECT_TRUE(reg_.DeleteKey("Adapter\\0000"));
    EXPECT_TRUE(reg_.DeleteKey("Adapter"));
    EXPECT_EQ(reg_.EnumKey(0), "ERROR");
}

TEST_F(RegistryClassWin32Test, DeleteValueAndMissingKey) {
    SetRaw("DefaultTTL", REG_SZ, "128\0"s);
    Open();
    EXPECT_TRUE(reg_.DeleteValue("DefaultTTL"));
    EXPECT_FALSE(reg_.DeleteValue("DefaultTTL"));
    EXPECT_FALSE(reg_.OpenKey(kHkeyCurrentUser, path_ + "\\Missing"));
    EXPECT_EQ(reg_.Key(), 0);
}

}  // namespace
}  // namespace qn
