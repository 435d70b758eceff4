#include <windows.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "meter/config/registry_settings.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_services.h"

namespace qn::meter {
namespace {

// Settings of a scratch application under HKEY_CURRENT_USER\Software, removed
// after each test.
class RegistrySettingsWin32Test : public ::testing::Test {
  protected:
    void TearDown() override {
        RegDeleteSetting(services, kHkeyCurrentUser, app, "", "");
        HKEY key = nullptr;
        EXPECT_NE(RegOpenKeyExA(HKEY_CURRENT_USER, ("Software\\" + app).c_str(), 0, KEY_READ, &key),
                  ERROR_SUCCESS);
    }

    DWORD StoredType(const std::string& name) {
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, ("Software\\" + app + "\\Theme").c_str(), 0, KEY_READ,
                          &key) != ERROR_SUCCESS)
            return REG_NONE;
        DWORD type = REG_NONE;
        RegQueryValueExA(key, name.c_str(), nullptr, &type, nullptr, nullptr);
        RegCloseKey(key);
        return type;
    }

    std::string Get(const std::string& section, const std::string& name) {
        return RegGetSetting(services, kHkeyCurrentUser, app, section, name, "default");
    }

    const std::string app = "DappletTest-" + std::to_string(GetCurrentProcessId()) + "-" +
                            std::to_string(GetTickCount());
    win32::Win32Registry registry;
    std::unique_ptr<EnvironmentStrings> environment = win32::MakeWin32EnvironmentStrings();
    RegistryServices services{registry, *environment, "win32_meter_config"};
};

TEST_F(RegistrySettingsWin32Test, RoundTripsThroughTheRealRegistry) {
    char windows[MAX_PATH] = {};
    ASSERT_GT(GetWindowsDirectoryA(windows, MAX_PATH), 0u);

    RegSaveSetting(services, kHkeyCurrentUser, app, "Theme", "Picture", "%WINDIR%\\clouds.bmp");
    EXPECT_EQ(StoredType("Picture"), DWORD{REG_EXPAND_SZ});
    EXPECT_EQ(Get("Theme", "Picture"), std::string(windows) + "\\clouds.bmp");

    RegSaveSetting(services, kHkeyCurrentUser, app, "Theme", "Caption", "");
    EXPECT_EQ(StoredType("Caption"), DWORD{REG_SZ});
    EXPECT_EQ(Get("Theme", "Caption"), "");

    RegSaveSetting(services, kHkeyCurrentUser, app, "Theme\\Colours", "Back", "255");
    EXPECT_EQ(Get("Theme\\Colours", "Back"), "255");
    RegDeleteSetting(services, kHkeyCurrentUser, app, "Theme", "");
    EXPECT_EQ(Get("Theme\\Colours", "Back"), "default");
    EXPECT_EQ(Get("Theme", "Picture"), "default");
}

}  // namespace
}  // namespace qn::meter
