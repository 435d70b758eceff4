// The meter's statistics window and settings dialog as a user reaches them
// from the tray, and its end with the Windows session.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/e2e/driver/control_input.h"
#include "tests/e2e/driver/group_box.h"
#include "tests/e2e/driver/loopback_traffic.h"
#include "tests/e2e/driver/screenshot.h"
#include "tests/e2e/meter_session.h"

namespace qn::e2e {
namespace {

constexpr const char* kStatisticsCaption = "Dapplet Throughput Statistics";
constexpr const char* kSettingsCaption = "Dapplet Settings";
constexpr DWORD kWindowTimeoutMs = 10000;
// Menu positions the keyboard reaches: Show, Statistics..., the tuner's item
// when the tuner lies beside the meter, Settings...
constexpr int kStatisticsItem = 1;

int SettingsItem() {
    return FileExists(BesideProgram("quillon.exe")) ? 3 : 2;
}

// The controls of a group box of class className, row by row, left to right.
std::vector<HWND> InReadingOrder(HWND window, const std::string& group,
                                 const std::string& className) {
    std::vector<HWND> controls = ChildrenInGroupBox(window, group, className);
    std::sort(controls.begin(), controls.end(), [](HWND a, HWND b) {
        RECT ra{}, rb{};
        GetWindowRect(a, &ra);
        GetWindowRect(b, &rb);
        return ra.top != rb.top ? ra.top < rb.top : ra.left < rb.left;
    });
    return controls;
}

std::vector<std::string> Texts(const std::vector<HWND>& controls) {
    std::vector<std::string> texts;
    for (HWND control : controls) texts.push_back(WindowText(control));
    return texts;
}

HWND Button(HWND window, const std::string& caption) {
    return FindChild(window, Caption::Exact(caption), "Button");
}

class MeterWindows : public MeterEndToEnd {
  protected:
    // Opens a window from the tray menu's item at position.
    HWND OpenFromMenu(int position, const char* caption) {
        RightClickTrayIcon(icon);
        HWND menu = WaitForPopupMenu(meter.Id(), kMenuTimeoutMs);
        EXPECT_NE(menu, nullptr) << "right click opened no popup menu";
        if (menu == nullptr) return nullptr;
        ChoosePopupMenuItem(menu, position);
        return WaitForTopLevelWindow(Caption::Exact(caption), kWindowTimeoutMs, meter.Id());
    }

    Process meter;
    TrayIcon icon;
};

TEST_F(MeterWindows, StatisticsFollowTrafficInBytesOrKilobytesAndPauseAndReset) {
    SetMeterSetting("Graph", "ShowOnStartup", "False");
    ASSERT_TRUE(StartMeter(meter, icon)) << "no tray icon appeared";
    HWND stats = OpenFromMenu(kStatisticsItem, kStatisticsCaption);
    ASSERT_NE(stats, nullptr) << "no statistics window";
    const std::vector<HWND> fields = InReadingOrder(stats, "Statistics", "Edit");
    ASSERT_EQ(fields.size(), 12u);
    HWND totalIn = fields[0];

    // Loopback traffic counts on the sum of all interfaces, the default.
    const auto bytesIn = [&] { return std::stoll("0" + WindowText(totalIn)); };
    EXPECT_TRUE(PollUntil(
        [&] {
            SendLoopbackTraffic(50000);
            return bytesIn() >= 50000;
        },
        kWindowTimeoutMs))
        << WindowText(totalIn);
    EXPECT_EQ(WindowText(totalIn).substr(WindowText(totalIn).size() - 2), " b");
    EXPECT_NE(WindowText(fields[11]).find(" b/s"), std::string::npos) << "the largest rate";

    Click(Button(stats, "Kilobytes"));
    EXPECT_TRUE(PollUntil([&] { return WindowText(totalIn).find(" kb") != std::string::npos; },
                          kMenuTimeoutMs))
        << WindowText(totalIn);
    // Wine paints the new texts a little after they are set.
    Sleep(500);
    SaveNamedScreenshot("meter-statistics");
    SaveWindowScreenshot(stats, "window-meter-statistics");

    Click(Button(stats, "Pause"));
    ASSERT_TRUE(PollUntil([&] { return IsChecked(Button(stats, "Pause")); }, kMenuTimeoutMs));
    const std::vector<std::string> paused = Texts(fields);
    SendLoopbackTraffic(200000);
    Sleep(2500);
    EXPECT_EQ(Texts(fields), paused) << "a paused window keeps its fields";

    // Reset while paused: the fields stay at "0" until the pause ends.
    Click(Button(stats, "Reset"));
    EXPECT_TRUE(PollUntil([&] { return Texts(fields) == std::vector<std::string>(12, "0"); },
                          kMenuTimeoutMs))
        << ::testing::PrintToString(Texts(fields));
    Click(Button(stats, "Bytes"));
    Click(Button(stats, "Pause"));
    EXPECT_TRUE(PollUntil([&] { return WindowText(totalIn).find(" b") != std::string::npos; },
                          kMenuTimeoutMs))
        << "unpaused: filled from the new statistics at once";

    Click(Button(stats, "Close"));
    EXPECT_TRUE(WaitForNoTopLevelWindow({Caption::Exact(kStatisticsCaption), meter.Id(), "", true},
                                        kWindowTimeoutMs));
    EXPECT_TRUE(meter.Running());
    ASSERT_TRUE(ExitMeterByMenu(meter, icon));
}

TEST_F(MeterWindows, SettingsApplyRebuildsTheMeterWindowAndStoresTheChoices) {
    ASSERT_TRUE(StartMeter(meter, icon)) << "no tray icon appeared";
    HWND meterWindow = WaitForMeterWindow(meter);
    ASSERT_NE(meterWindow, nullptr);
    HWND settings = OpenFromMenu(SettingsItem(), kSettingsCaption);
    ASSERT_NE(settings, nullptr) << "no settings dialog";

    const std::vector<HWND> generalLists = ChildrenInGroupBox(settings, "General", "ComboBox");
    ASSERT_EQ(generalLists.size(), 1u);
    const std::vector<std::string> interfaces = ComboItems(generalLists[0]);
    ASSERT_GE(interfaces.size(), 2u) << "All Interfaces and at least the loopback";
    EXPECT_EQ(interfaces[0], "All Interfaces");
    EXPECT_EQ(SelectedIndex(generalLists[0]), 0);
    ASSERT_TRUE(SelectComboItem(generalLists[0], 1));

    HWND startup = Button(settings, "Load on Windows Startup");
    EXPECT_TRUE(IsChecked(startup)) << "the first start wrote the Run value";
    Click(startup);
    Click(Button(settings, "56k Modem"));
    HWND border = Button(settings, "Border");
    EXPECT_TRUE(IsChecked(border));
    Click(border);
    const std::vector<HWND> windowLists = ChildrenInGroupBox(settings, "Window", "ComboBox");
    ASSERT_EQ(windowLists.size(), 1u);
    EXPECT_FALSE(IsEnabled(windowLists[0])) << "opaque: no transparency to choose";
    Click(Button(settings, "Transparent (Win2000+)"));
    ASSERT_TRUE(PollUntil([&] { return IsEnabled(windowLists[0]); }, kMenuTimeoutMs));
    ASSERT_TRUE(SelectComboItem(windowLists[0], 9));  // 50%
    Click(Button(settings, "Apply"));

    // The meter window is made again, without frame and half transparent.
    HWND rebuilt = nullptr;
    ASSERT_TRUE(PollUntil(
        [&] {
            rebuilt = WaitForTopLevelWindow(Caption::Exact(kMeterCaption), 100, meter.Id());
            return rebuilt != nullptr && !IsWindow(meterWindow);
        },
        kWindowTimeoutMs))
        << "the meter window was not rebuilt";
    EXPECT_EQ(GetWindowLongPtrA(rebuilt, GWL_STYLE) & WS_CAPTION, 0);
    EXPECT_TRUE(GetWindowLongPtrA(rebuilt, GWL_EXSTYLE) & WS_EX_LAYERED);
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(rebuilt, nullptr, &alpha, &flags));
    EXPECT_EQ(alpha, 128);
    EXPECT_EQ(MeterSetting("Position", "NoBorder"), "True");
    EXPECT_EQ(MeterSetting("Graph", "Alpha"), "50");
    std::string run;
    EXPECT_FALSE(ReadRegistryString(HKEY_CURRENT_USER, kRunKey, "Dapplet", run))
        << "the Run value goes on Apply";
    Sleep(500);
    SaveNamedScreenshot("meter-settings");
    SaveWindowScreenshot(settings, "window-meter-settings");

    Click(startup);
    Click(Button(settings, "Ok"));
    EXPECT_TRUE(WaitForNoTopLevelWindow({Caption::Exact(kSettingsCaption), meter.Id(), "", true},
                                        kWindowTimeoutMs));
    ASSERT_TRUE(ReadRegistryString(HKEY_CURRENT_USER, kRunKey, "Dapplet", run))
        << "and comes back on Ok";
    EXPECT_EQ(run, BesideProgram(kMeterExe));

    ASSERT_TRUE(ExitMeterByMenu(meter, icon));
    EXPECT_EQ(MeterSetting("Settings", "Interface"), interfaces[1]);
    EXPECT_EQ(MeterSetting("Graph", "AutoScale"), "False");
    EXPECT_EQ(MeterSetting("Graph", "Scale"), "8806");
}

TEST_F(MeterWindows, TheEndOfTheSessionSavesTheSettingsBeforeWindowsEndsTheProgram) {
    ASSERT_TRUE(StartMeter(meter, icon)) << "no tray icon appeared";
    ASSERT_NE(WaitForMeterWindow(meter), nullptr);
    const std::vector<HWND> mains =
        TopLevelWindows(WindowQuery{Caption::Prefix(""), meter.Id(), "DappletMain", false});
    ASSERT_EQ(mains.size(), 1u);
    DWORD_PTR answer = 0;
    ASSERT_TRUE(SendMessageTimeoutA(mains[0], WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF,
                                    SMTO_ABORTIFHUNG, 5000, &answer));
    EXPECT_TRUE(answer) << "the meter lets the session end";
    ASSERT_TRUE(SendMessageTimeoutA(mains[0], WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF,
                                    SMTO_ABORTIFHUNG, 5000, &answer));
    for (const char* name : {"AutoScale", "Scale", "BackColor", "FillUnderGraph", "Background"}) {
        EXPECT_NE(MeterSetting("Graph", name), "<absent>") << name;
    }
    EXPECT_EQ(MeterSetting("Position", "Width"), "3000") << "the meter window's rectangle";
    // Windows ends the process now, without any further message.
    meter.Terminate();
}

}  // namespace
}  // namespace qn::e2e
