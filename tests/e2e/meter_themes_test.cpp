// Graph themes as a user makes them: the theme window opened from the tray's
// "Graph Style" menu, a colour changed through the colour dialog, the look
// saved under a name, applied from the tray, and deleted again.
#include <windows.h>
#include <gtest/gtest.h>
// After windows.h, which it needs.
#include <colordlg.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "tests/e2e/driver/control_input.h"
#include "tests/e2e/driver/message_box.h"
#include "tests/e2e/driver/registry_dump.h"
#include "tests/e2e/driver/screenshot.h"
#include "tests/e2e/meter_session.h"

namespace qn::e2e {
namespace {

constexpr const char* kThemesCaption = "Dapplet Visual Themes";
constexpr const char* kNightKey = "Software\\Dapplet\\Themes\\Night";
constexpr DWORD kWindowTimeoutMs = 10000;
// The four built-in themes come first in the style menu.
constexpr int kBuiltInThemes = 4;

// "Graph Style" in the tray menu: Show, Statistics..., the tuner's item when
// the tuner lies beside the meter, Settings..., Graph Style.
int GraphStyleItem() {
    return FileExists(BesideProgram("quillon.exe")) ? 4 : 3;
}

HWND Button(HWND window, const std::string& caption) {
    return FindChild(window, Caption::Exact(caption), "Button");
}

// The drop-down list of the window that offers item.
HWND ComboOffering(HWND window, const std::string& item) {
    for (HWND child : ChildWindows(window)) {
        if (lstrcmpiA(ClassNameOf(child).c_str(), "ComboBox") != 0) continue;
        const std::vector<std::string> items = ComboItems(child);
        if (std::find(items.begin(), items.end(), item) != items.end()) return child;
    }
    return nullptr;
}

// The colour most of the meter window's client area shows: the graph's
// background.
COLORREF GraphBackground(HWND meterWindow) {
    RECT client{};
    GetClientRect(meterWindow, &client);
    POINT corner{0, 0};
    ClientToScreen(meterWindow, &corner);
    const RgbImage image = CaptureScreenRect(corner.x, corner.y, client.right, client.bottom);
    std::map<COLORREF, int> counts;
    for (std::size_t at = 0; at + 2 < image.pixels.size(); at += 3) {
        ++counts[RGB(image.pixels[at], image.pixels[at + 1], image.pixels[at + 2])];
    }
    COLORREF most = CLR_INVALID;
    int mostCount = 0;
    for (const auto& [colour, count] : counts) {
        if (count > mostCount) {
            most = colour;
            mostCount = count;
        }
    }
    return most;
}

class MeterThemes : public MeterEndToEnd {
  protected:
    void ChooseStyle(int subPosition) {
        RightClickTrayIcon(icon);
        HWND menu = WaitForPopupMenu(meter.Id(), kMenuTimeoutMs);
        ASSERT_NE(menu, nullptr) << "right click opened no popup menu";
        ChoosePopupSubmenuItem(menu, GraphStyleItem(), subPosition);
    }

    // "Customize..." follows the themes.
    HWND OpenThemeWindow(int savedThemes) {
        ChooseStyle(kBuiltInThemes + savedThemes);
        return WaitForTopLevelWindow(Caption::Exact(kThemesCaption), kWindowTimeoutMs, meter.Id());
    }

    Process meter;
    TrayIcon icon;
};

TEST_F(MeterThemes, ASavedThemeReachesTheRegistryAndTheTrayAndGoesAgain) {
    ASSERT_TRUE(StartMeter(meter, icon)) << "no tray icon appeared";
    HWND meterWindow = WaitForMeterWindow(meter);
    ASSERT_NE(meterWindow, nullptr);
    HWND themes = OpenThemeWindow(0);
    ASSERT_NE(themes, nullptr) << "Customize opened no theme window";

    // The "Task Manager" look, kept as the current settings, with another
    // Out colour.
    HWND themeList = ComboOffering(themes, "Task Manager");
    HWND properties = ComboOffering(themes, "Send Color");
    ASSERT_TRUE(themeList != nullptr && properties != nullptr);
    ASSERT_TRUE(SelectComboItem(themeList, 2));
    ASSERT_TRUE(SelectComboItem(themeList, 0));
    ASSERT_TRUE(SelectComboItem(properties, 2));
    Click(Button(themes, "..."));
    HWND colours = WaitForDialog(meter.Id(), kWindowTimeoutMs);
    ASSERT_NE(colours, nullptr) << "no colour dialog";
    const std::pair<int, const char*> channels[] = {
        {COLOR_RED, "255"}, {COLOR_GREEN, "128"}, {COLOR_BLUE, "0"}};
    for (const auto& [id, text] : channels) SetEditText(GetDlgItem(colours, id), text);
    ASSERT_TRUE(PressButton(colours, "OK"));
    EXPECT_TRUE(PollUntil([colours] { return !IsWindow(colours); }, kWindowTimeoutMs));
    EXPECT_NE(SaveNamedScreenshot("meter-themes"), "");
    EXPECT_NE(SaveWindowScreenshot(themes, "window-meter-themes"), "");

    Click(Button(themes, "Save As..."));
    HWND input = WaitForDialog(meter.Id(), kWindowTimeoutMs);
    ASSERT_NE(input, nullptr) << "no name asked";
    SetEditText(FindChild(input, Caption::Prefix(""), "Edit"), "Night");
    ASSERT_TRUE(PressButton(input, "OK"));
    ASSERT_TRUE(PollUntil([input] { return !IsWindow(input); }, kWindowTimeoutMs));
    Click(Button(themes, "Ok"));
    ASSERT_TRUE(
        PollUntil([themes] { return !IsWindow(themes) || !IsShown(themes); }, kWindowTimeoutMs));
    std::string send;
    EXPECT_TRUE(ReadRegistryString(HKEY_CURRENT_USER, kNightKey, "SendColor", send));
    EXPECT_EQ(send, std::to_string(RGB(255, 128, 0)));

    // From the tray: "Standard", then "Night" after the built-in themes.
    ASSERT_NO_FATAL_FAILURE(ChooseStyle(0));
    EXPECT_TRUE(PollUntil([&] { return GraphBackground(meterWindow) == RGB(255, 255, 255); },
                          kWindowTimeoutMs))
        << std::hex << GraphBackground(meterWindow);
    ASSERT_NO_FATAL_FAILURE(ChooseStyle(kBuiltInThemes));
    EXPECT_TRUE(
        PollUntil([&] { return GraphBackground(meterWindow) == RGB(0, 0, 0); }, kWindowTimeoutMs))
        << "\"Night\" was not applied: " << std::hex << GraphBackground(meterWindow);

    themes = OpenThemeWindow(1);
    ASSERT_NE(themes, nullptr);
    themeList = ComboOffering(themes, "Night");
    ASSERT_NE(themeList, nullptr);
    ASSERT_TRUE(SelectComboItem(themeList, 5));
    Click(Button(themes, "Delete"));
    Click(Button(themes, "Ok"));
    EXPECT_TRUE(PollUntil([] { return !RegistryKeyExists(HKEY_CURRENT_USER, kNightKey); },
                          kWindowTimeoutMs));
    ASSERT_TRUE(ExitMeterByMenu(meter, icon));
}

}  // namespace
}  // namespace qn::e2e
