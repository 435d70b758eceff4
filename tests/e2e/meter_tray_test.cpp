#include <gtest/gtest.h>

#include "tests/e2e/driver/screenshot.h"
#include "tests/e2e/meter_session.h"

namespace qn::e2e {
namespace {

class MeterTray : public MeterEndToEnd {};

TEST_F(MeterTray, RightClickMenuExitEndsTheProgramAndRemovesItsIcon) {
    Process meter;
    TrayIcon icon;
    ASSERT_TRUE(StartMeter(meter, icon)) << "no tray icon appeared";
    ASSERT_TRUE(meter.Running());
    HWND window = WaitForMeterWindow(meter);
    EXPECT_NE(window, nullptr) << "the meter window opens at start";

    RightClickTrayIcon(icon);
    HWND menu = WaitForPopupMenu(meter.Id(), kMenuTimeoutMs);
    ASSERT_NE(menu, nullptr) << "right click opened no popup menu";
    EXPECT_TRUE(IsWindowVisible(window)) << "the right click left the meter window alone";
    SaveNamedScreenshot("meter-tray-menu");

    // "Exit" is the menu's last item.
    ChooseLastPopupMenuItem(menu);
    EXPECT_TRUE(meter.WaitForExit(kMeterExitTimeoutMs)) << "Exit did not end the meter";
    EXPECT_EQ(meter.ExitCode(), 0u);
    EXPECT_TRUE(PollUntil([&] { return !InTray(icon); }, kIconTimeoutMs))
        << "the icon stayed in the tray";
}

TEST_F(MeterTray, EscapeClosesTheMenuAndTheMeterKeepsRunning) {
    Process meter;
    TrayIcon icon;
    ASSERT_TRUE(StartMeter(meter, icon)) << "no tray icon appeared";

    RightClickTrayIcon(icon);
    HWND menu = WaitForPopupMenu(meter.Id(), kMenuTimeoutMs);
    ASSERT_NE(menu, nullptr);
    CancelPopupMenu(menu);
    EXPECT_TRUE(PollUntil([&] { return !IsWindowVisible(menu); }, kMenuTimeoutMs));
    EXPECT_TRUE(meter.Running());
    EXPECT_TRUE(InTray(icon));
}

}  // namespace
}  // namespace qn::e2e
