#include "meter/config/registry_class.h"

#include <functional>

#include "tests/unit/meter_config/meter_config_test_helpers.h"
#include "throughput/raised_error.h"

namespace qn::meter::test {
namespace {

using namespace std::string_literals;
using ByteArray = std::vector<std::uint8_t>;

class RegistryClassTest : public MeterRegistryTest {
  protected:
    cRegistry At(const std::string& section, const std::string& name = "",
                 RegKey root = kHkeyCurrentUser) {
        cRegistry reg(services);
        reg.SetClassKey(root);
        reg.SetSectionKey(section);
        reg.SetValueKey(name);
        return reg;
    }
};

TEST_F(RegistryClassTest, ReadsEachStoredTypeAndRecordsIt) {
    Store("S", "Big", kRegDwordBigEndian, "\0\0\x01\x02"s);
    Store("S", "NoNul", kRegSz, "abc");
    Store("S", "OnlyNul", kRegSz, "\0"s);
    Store("S", "Multi", kRegMultiSz, "a\0bc\0\0"s);
    Store("S", "Blob", kRegBinary, "\x01\xFF"s);

    const auto read = [this](const std::string& name, std::uint32_t type) {
        cRegistry reg = At("S", name);
        RegVariant value = reg.Value();
        EXPECT_EQ(reg.ValueType(), type) << name;
        return value;
    };
    EXPECT_EQ(read("Big", kRegDwordBigEndian), RegVariant(std::int32_t{0x0102}));
    EXPECT_EQ(read("NoNul", kRegSz), RegVariant("abc"s));
    EXPECT_EQ(read("OnlyNul", kRegSz), RegVariant(""s));
    EXPECT_EQ(read("Multi", kRegMultiSz), RegVariant("a\0bc\0"s));
    EXPECT_EQ(read("Blob", kRegBinary), RegVariant(ByteArray{0x01, 0xFF}));

    cRegistry missing = At("S", "Missing");
    missing.SetDefault(std::int32_t{7});
    EXPECT_EQ(missing.Value(), RegVariant(std::int32_t{7}));
}

TEST_F(RegistryClassTest, WritesOnlyDataOfTheKindTheTypeTakes) {
    cRegistry reg = At("S", "Number");
    reg.SetValueType(kRegDwordBigEndian);
    reg.SetValue(std::int16_t{-2});
    EXPECT_EQ(Stored("S", "Number"), (StoredValue{kRegDword, "\xFE\xFF\xFF\xFF"s}));
    reg.SetValue("12"s);
    EXPECT_EQ(Stored("S", "Number"), (StoredValue{kRegDword, "\xFE\xFF\xFF\xFF"s}));

    reg.SetValueType(kRegBinary);
    reg.SetValue(ByteArray{0x00, 0x10});
    EXPECT_EQ(Stored("S", "Number"), (StoredValue{kRegBinary, "\0\x10"s}));
    try {
        reg.SetValue("text"s);
        ADD_FAILURE() << "a binary write of text must raise";
    } catch (const RaisedError& error) {
        EXPECT_EQ(error.number, kRegistryErrorNumber);
        EXPECT_EQ(error.source, "");
        EXPECT_EQ(error.description, "");
    }
}

// Refuses every write, as a registry without write access does.
class ReadOnlyRegistry : public MemoryRegistry {
  public:
    RegStatus OpenKey(RegKey parent, const std::string& sub_key, std::uint32_t access,
                      RegKey* result) override {
        if (access & kKeySetValue) return kRegAccessDenied;
        return MemoryRegistry::OpenKey(parent, sub_key, access, result);
    }
    RegStatus CreateKey(RegKey, const std::string&, std::uint32_t, RegKey*, bool*) override {
        return kRegAccessDenied;
    }
};

TEST(RegistryClassErrors, NameTheRootInSignedDecimal) {
    ReadOnlyRegistry registry;
    MemoryEnvironmentStrings environment;
    cRegistry reg(RegistryServices{registry, environment, "Dapplet"});
    reg.SetClassKey(kHkeyCurrentUser);
    reg.SetSectionKey("Software\\Dapplet");
    reg.SetValueKey("Top");
    reg.SetValueType(kRegSz);

    const auto raised = [](const std::function<void()>& action) {
        try {
            action();
        } catch (const RaisedError& error) {
            EXPECT_EQ(error.number, kRegistryErrorNumber);
            EXPECT_EQ(error.source, "Dapplet.cRegistry");
            return error.description;
        }
        return "nothing raised"s;
    };
    EXPECT_EQ(raised([&] { reg.SetValue("10"s); }),
              "Failed to set registry value Key: '-2147483647',Section: 'Software\\Dapplet',"
              "Key: 'Top' to value: '10'");
    EXPECT_EQ(raised([&] { reg.CreateKey(); }),
              "Failed to create registry Key: 'Software\\Dapplet");
    EXPECT_EQ(raised([&] { reg.DeleteValue(); }),
              "Failed to open key '-2147483647',Section: 'Software\\Dapplet' for delete access");
    EXPECT_EQ(registry.OpenHandleCount(), 0u);
}

TEST_F(RegistryClassTest, EnumeratesSectionsAndValuesInRegistryOrder) {
    Store("Themes\\river", "", kRegSz, "");
    Store("Themes\\Clouds", "", kRegSz, "");
    Store("Themes\\plain", "", kRegSz, "");
    Store("Themes", "Current", kRegSz, "river\0"s);
    Store("Themes", "A", kRegDword, "\0\0\0\0"s);

    cRegistry reg = At("Themes");
    std::vector<std::string> names{"stale"};
    std::int32_t count = -1;
    EXPECT_TRUE(reg.EnumerateSections(names, count));
    EXPECT_EQ(count, 3);
    EXPECT_EQ(names, (std::vector<std::string>{"Clouds", "plain", "river"}));

    EXPECT_TRUE(reg.EnumerateValues(names, count));
    EXPECT_EQ(count, 2);
    EXPECT_EQ(names, (std::vector<std::string>{"A", "Current"}));

    cRegistry missing = At("NoSuchKey");
    EXPECT_TRUE(missing.EnumerateSections(names, count));
    EXPECT_EQ(count, 0);
    EXPECT_TRUE(names.empty());
}

TEST_F(RegistryClassTest, AssociationsAreWrittenForUserAndMachine) {
    cRegistry reg = At("");
    ExeAssociation association;
    association.programPath = "C:\\Dapplet\\Dapplet.exe";
    association.className = "Dapplet.Theme";
    association.classDescription = "Dapplet theme";
    association.fileExtension = "dth";
    association.supportInstall = true;
    association.defaultIconIndex = 1;
    reg.CreateEXEAssociation(association);
    reg.CreateAdditionalEXEAssociations("Dapplet.Theme", {"edit", "&Edit", "notepad \"%1\""});

    for (const std::string prefix : {"", "SOFTWARE\\Classes\\"}) {
        const RegKey root = prefix.empty() ? kHkeyClassesRoot : kHkeyLocalMachine;
        const auto text = [&](const std::string& path) {
            auto stored = Stored(prefix + path, "", root);
            return stored ? stored->bytes : "(missing)";
        };
        EXPECT_EQ(text(".dth"), "Dapplet.Theme\0"s);
        EXPECT_EQ(text("Dapplet.Theme"), "Dapplet theme\0"s);
        EXPECT_EQ(text("Dapplet.Theme\\shell\\open"), "&Open\0"s);
        EXPECT_EQ(text("Dapplet.Theme\\shell\\open\\command"),
                  "\"C:\\Dapplet\\Dapplet.exe\" \"%1\"\0"s);
        EXPECT_EQ(text("Dapplet.Theme\\shell\\add"), "&Install \0"s);
        EXPECT_EQ(text("Dapplet.Theme\\shell\\add\\command"),
                  "\"C:\\Dapplet\\Dapplet.exe\" /a \"%1\"\0"s);
        EXPECT_FALSE(KeyPresent(prefix + "Dapplet.Theme\\shell\\print", root));
        EXPECT_EQ(text("Dapplet.Theme\\DefaultIcon"), "C:\\Dapplet\\Dapplet.exe,1\0"s);
        EXPECT_EQ(text("Dapplet.Theme\\shell\\edit\\command"), "notepad \"%1\"\0"s);
    }
    EXPECT_EQ(reg.ClassKey(), kHkeyLocalMachine);

    EXPECT_THROW(reg.CreateAdditionalEXEAssociations("Dapplet.Theme", {"edit", "&Edit"}),
                 RaisedError);
    EXPECT_THROW(reg.CreateAdditionalEXEAssociations("Unknown.Class", {}), RaisedError);
}

}  // namespace
}  // namespace qn::meter::test
