// How the tuner's classic view looks on the Windows 98 machine, at the usual
// 96 DPI and at 120 DPI ("large fonts"): screenshots to look at, and the
// window growing with the DPI with every control inside it.
#include <windows.h>
#include <gtest/gtest.h>

#include <string>

#include "tests/e2e/driver/process.h"
#include "tests/e2e/driver/registry_dump.h"
#include "tests/e2e/driver/screenshot.h"
#include "tests/e2e/driver/window_finder.h"
#include "tests/e2e/tuner_machines.h"
#include "tests/e2e/tuner_session.h"

namespace qn::e2e {
namespace {

// Wine takes a program's DPI from this value when the program starts.
constexpr const char* kDesktopKey = "Control Panel\\Desktop";
constexpr const char* kLogPixels = "LogPixels";

bool WriteLogPixels(DWORD dpi) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, kDesktopKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS) {
        return false;
    }
    const LONG result = RegSetValueExA(key, kLogPixels, 0, REG_DWORD,
                                       reinterpret_cast<const BYTE*>(&dpi), sizeof dpi);
    RegCloseKey(key);
    return result == ERROR_SUCCESS;
}

class TunerLook : public TunerEndToEnd {
  protected:
    void SetUp() override {
        TunerEndToEnd::SetUp();
        if (IsSkipped() || HasFatalFailure()) return;
        hadLogPixels_ = ReadRegistryDword(HKEY_CURRENT_USER, kDesktopKey, kLogPixels, logPixels_);
        std::string fixture;
        PutMachineInPlace(MachineNamed("win98"), fixture);
    }

    // Later tests get the DPI this one found.
    void TearDown() override {
        if (hadLogPixels_) {
            EXPECT_TRUE(WriteLogPixels(logPixels_));
        } else {
            DeleteRegistryValue(HKEY_CURRENT_USER, kDesktopKey, kLogPixels);
        }
        TunerEndToEnd::TearDown();
    }

    // Starts the tuner at the given DPI, saves the screenshot and gives the
    // main window's client size; every visible control must lie inside it.
    SIZE ShowClassicView(DWORD dpi, const std::string& screenshot) {
        EXPECT_TRUE(WriteLogPixels(dpi));
        // A pointer over a button would show it highlighted.
        SetCursorPos(0, 0);
        Process tuner;
        HWND main = StartTuner(tuner, "classic");
        EXPECT_NE(main, nullptr) << "no main window at " << dpi << " DPI";
        if (main == nullptr) return SIZE{};
        WaitForInputIdle(tuner.Handle(), kStartTimeoutMs);
        RECT client{};
        GetClientRect(main, &client);
        for (HWND child : ChildWindows(main)) {
            if (!IsShown(child) || GetParent(child) != main) continue;
            RECT box{};
            GetWindowRect(child, &box);
            MapWindowPoints(HWND_DESKTOP, main, reinterpret_cast<POINT*>(&box), 2);
            EXPECT_TRUE(box.left >= 0 && box.top >= 0 && box.right <= client.right &&
                        box.bottom <= client.bottom)
                << "\"" << WindowText(child) << "\" (" << ClassNameOf(child) << ") at " << box.left
                << "," << box.top << "-" << box.right << "," << box.bottom
                << " leaves the window's client area 0,0-" << client.right << "," << client.bottom
                << " at " << dpi << " DPI";
        }
        EXPECT_NE(SaveNamedScreenshot(screenshot), "");
        EXPECT_NE(SaveWindowScreenshot(main, "window-" + screenshot), "");
        EXPECT_TRUE(CloseTuner(tuner, main));
        return SIZE{client.right, client.bottom};
    }

    bool hadLogPixels_ = false;
    DWORD logPixels_ = 0;
};

TEST_F(TunerLook, ClassicViewOnWindows98GrowsWithTheScreenDpi) {
    const SIZE at96 = ShowClassicView(96, "tuner-classic-win98");
    const SIZE at120 = ShowClassicView(120, "tuner-classic-win98-120dpi");
    // Laid out in twips: 120/96 the size, give or take a pixel of rounding
    // per control edge.
    EXPECT_NEAR(at120.cx, at96.cx * 5 / 4, 3);
    EXPECT_NEAR(at120.cy, at96.cy * 5 / 4, 3);
}

}  // namespace
}  // namespace qn::e2e
