#include "meter/config/registry_settings.h"

#include "tests/unit/meter_config/meter_config_test_helpers.h"

namespace qn::meter::test {
namespace {

using namespace std::string_literals;

class RegistrySettingsTest : public MeterRegistryTest {
  protected:
    void Save(const std::string& name, const std::string& value) {
        RegSaveSetting(services, kHkeyCurrentUser, "Dapplet", "Theme", name, value);
    }
    std::string Get(const std::string& name, const std::string& section = "Theme") {
        return RegGetSetting(services, kHkeyCurrentUser, "Dapplet", section, name, "default");
    }
};

TEST_F(RegistrySettingsTest, TextWithAReferenceIsStoredExpandableAndReadExpanded) {
    Save("Picture", "%WINDIR%\\clouds.bmp");
    EXPECT_EQ(Stored("Software\\Dapplet\\Theme", "Picture"),
              (StoredValue{kRegExpandSz, "%WINDIR%\\clouds.bmp\0"s}));
    EXPECT_EQ(Get("Picture"), "C:\\WINDOWS\\clouds.bmp");

    Save("Unknown", "%NOSUCH%\\x");
    EXPECT_EQ(Get("Unknown"), "%NOSUCH%\\x");

    // A lone or doubled percent sign is no reference.
    Save("Load", "50%");
    Save("Doubled", "a%%b");
    EXPECT_EQ(Stored("Software\\Dapplet\\Theme", "Load"), (StoredValue{kRegSz, "50%\0"s}));
    EXPECT_EQ(Stored("Software\\Dapplet\\Theme", "Doubled"), (StoredValue{kRegSz, "a%%b\0"s}));
    EXPECT_EQ(Get("Doubled"), "a%%b");
}

TEST_F(RegistrySettingsTest, EmptyTextIsStoredWithoutBytesAndReadBackEmpty) {
    Save("Caption", "");
    EXPECT_EQ(Stored("Software\\Dapplet\\Theme", "Caption"), (StoredValue{kRegSz, ""}));
    EXPECT_EQ(Get("Caption"), "");
}

TEST_F(RegistrySettingsTest, ReadsNumbersAsTextAndFallsBackToTheDefault) {
    Store("Software\\Dapplet\\Theme", "Interval", kRegDword, "\xE8\x03\0\0"s);
    Store("Software\\Dapplet\\Theme", "Negative", kRegDword, "\xFF\xFF\xFF\xFF"s);
    EXPECT_EQ(Get("Interval"), "1000");
    EXPECT_EQ(Get("Negative"), "-1");
    EXPECT_EQ(Get("Missing"), "default");
    EXPECT_EQ(Get("Interval", "NoSuchSection"), "default");
}

TEST_F(RegistrySettingsTest, DeletesOneValueOrTheWholeSection) {
    Save("Keep", "1");
    Save("Drop", "2");
    Store("Software\\Dapplet\\Theme\\Colours", "Back", kRegSz, "0\0"s);

    RegDeleteSetting(services, kHkeyCurrentUser, "Dapplet", "Theme", "Drop");
    EXPECT_FALSE(Stored("Software\\Dapplet\\Theme", "Drop"));
    EXPECT_TRUE(Stored("Software\\Dapplet\\Theme", "Keep"));

    RegDeleteSetting(services, kHkeyCurrentUser, "Dapplet", "Theme", "");
    EXPECT_FALSE(KeyPresent("Software\\Dapplet\\Theme"));
    EXPECT_TRUE(KeyPresent("Software\\Dapplet"));

    // No application name must not reach the whole Software key.
    RegDeleteSetting(services, kHkeyCurrentUser, "", "", "");
    EXPECT_TRUE(KeyPresent("Software\\Dapplet"));
}

}  // namespace
}  // namespace qn::meter::test
