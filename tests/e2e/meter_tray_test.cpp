#include <gtest/gtest.h>

#include <vector>

#include "tests/e2e/driver/files.h"
#include "tests/e2e/driver/poll.h"
#include "tests/e2e/driver/process.h"
#include "tests/e2e/driver/screenshot.h"
#include "tests/e2e/driver/tray.h"

namespace qn::e2e {
namespace {

constexpr const char* kMeterExe = "Dapplet.exe";
constexpr DWORD kIconTimeoutMs = 15000;
constexpr DWORD kMenuTimeoutMs = 5000;
constexpr DWORD kExitTimeoutMs = 10000;

class MeterTray : public ::testing::Test {
  protected:
    void SetUp() override {
#ifndef QN_E2E_HAVE_DAPPLET
        GTEST_SKIP() << "this tree does not build " << kMeterExe;
#endif
        ASSERT_TRUE(FileExists(BesideProgram(kMeterExe)));
        ASSERT_NE(TrayWindow(), nullptr) << "no taskbar: the prefix needs Wine's virtual desktop";
    }

    // Starts the meter and waits for the icon it adds to the tray.
    bool StartMeter(Process& meter, TrayIcon& icon) {
        const std::vector<TrayIcon> before = TrayIcons();
        EXPECT_TRUE(meter.Start(BesideProgram(kMeterExe)));
        bool found = false;
        PollUntil(
            [&] {
                const auto added = NewTrayIcons(before);
                if (!added.empty()) {
                    icon = added.front();
                    found = true;
                }
                return found || !meter.Running();
            },
            kIconTimeoutMs);
        return found;
    }
};

TEST_F(MeterTray, RightClickMenuExitEndsTheProgramAndRemovesItsIcon) {
    Process meter;
    TrayIcon icon;
    ASSERT_TRUE(StartMeter(meter, icon)) << "no tray icon appeared";
    ASSERT_TRUE(meter.Running());

    RightClickTrayIcon(icon);
    HWND menu = WaitForPopupMenu(meter.Id(), kMenuTimeoutMs);
    ASSERT_NE(menu, nullptr) << "right click opened no popup menu";
    SaveNamedScreenshot("meter-tray-menu");

    // "Exit" is the menu's last item.
    ChooseLastPopupMenuItem(menu);
    EXPECT_TRUE(meter.WaitForExit(kExitTimeoutMs)) << "Exit did not end the meter";
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
