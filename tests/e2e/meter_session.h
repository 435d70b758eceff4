#pragma once
// What the meter's end-to-end tests share: its file name, its settings key,
// starting it and waiting for its tray icon, and ending it from its menu.
#include <windows.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/e2e/driver/files.h"
#include "tests/e2e/driver/poll.h"
#include "tests/e2e/driver/process.h"
#include "tests/e2e/driver/registry_dump.h"
#include "tests/e2e/driver/tray.h"
#include "tests/e2e/driver/window_finder.h"
#include "tests/e2e/run_key.h"

namespace qn::e2e {

constexpr const char* kMeterExe = "Dapplet.exe";
constexpr const char* kMeterKey = "Software\\Dapplet";
constexpr const char* kMeterCaption = "Dapplet v1.0";
constexpr DWORD kIconTimeoutMs = 15000;
constexpr DWORD kMenuTimeoutMs = 5000;
constexpr DWORD kMeterExitTimeoutMs = 10000;

inline std::string MeterSetting(const std::string& section, const std::string& name) {
    std::string value;
    if (!ReadRegistryString(HKEY_CURRENT_USER, std::string(kMeterKey) + "\\" + section, name,
                            value)) {
        return "<absent>";
    }
    return value;
}

inline void SetMeterSetting(const std::string& section, const std::string& name,
                            const std::string& value) {
    ASSERT_TRUE(WriteRegistryString(HKEY_CURRENT_USER, std::string(kMeterKey) + "\\" + section,
                                    name, value));
}

// Every trace of an earlier run: the settings, the Run value and the log.
inline void ForgetMeter() {
    DeleteRegistryTree(HKEY_CURRENT_USER, kMeterKey);
    DeleteRegistryValue(HKEY_CURRENT_USER, kRunKey, "Dapplet");
    DeleteFileA(BesideProgram("DappletLog.txt").c_str());
}

// Waits, while the meter runs, for an icon in the tray that was not in
// before; true when one came.
inline bool WaitForNewTrayIcon(const std::vector<TrayIcon>& before, const Process& meter,
                               TrayIcon& icon) {
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

// Ends the meter by its menu's last item, "Exit"; true when it ended.
inline bool ExitMeterByMenu(const Process& meter, const TrayIcon& icon) {
    RightClickTrayIcon(icon);
    HWND menu = WaitForPopupMenu(meter.Id(), kMenuTimeoutMs);
    EXPECT_NE(menu, nullptr) << "right click opened no popup menu";
    if (menu == nullptr) return false;
    ChooseLastPopupMenuItem(menu);
    return meter.WaitForExit(kMeterExitTimeoutMs);
}

// Skips where this tree builds no meter; every test starts as on a machine
// the meter never ran on.
class MeterEndToEnd : public ::testing::Test {
  protected:
    void SetUp() override {
#ifndef QN_E2E_HAVE_DAPPLET
        GTEST_SKIP() << "this tree does not build " << kMeterExe;
#endif
        ASSERT_TRUE(FileExists(BesideProgram(kMeterExe)));
        ASSERT_NE(TrayWindow(), nullptr) << "no taskbar: the prefix needs Wine's virtual desktop";
        TerminateOwnersOfWindows("Dapplet");
        ForgetMeter();
    }

    void TearDown() override {
        ForgetMeter();
    }

    // Starts the meter (the one beside the tests unless exePath says
    // otherwise) and waits for the icon it adds to the tray.
    bool StartMeter(Process& meter, TrayIcon& icon, const std::string& exePath = "") {
        const std::vector<TrayIcon> before = TrayIcons();
        EXPECT_TRUE(meter.Start(exePath.empty() ? BesideProgram(kMeterExe) : exePath));
        return WaitForNewTrayIcon(before, meter, icon);
    }

    // The meter window of the process, waiting for it to appear.
    static HWND WaitForMeterWindow(const Process& meter) {
        return WaitForTopLevelWindow(Caption::Exact(kMeterCaption), kIconTimeoutMs, meter.Id());
    }
};

}  // namespace qn::e2e
