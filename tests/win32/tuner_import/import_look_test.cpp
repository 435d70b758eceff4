// An import window as Windows shows it: the progress bar's fill lies over its
// track and covers the fraction of it that progress was given.
#include <windows.h>
#include <gtest/gtest.h>

// commctrl.h needs the types of windows.h.
#include <commctrl.h>

#include <string>

#include "tests/e2e/driver/screenshot.h"
#include "tests/unit/tuner_ui/tuner_session_helpers.h"
#include "tests/win32/common/message_pump.h"
#include "tuner/ui/favorites_window.h"
#include "ui/win32/win32_host.h"

namespace qn {
namespace {

int ScreenPixelsOf(const ui::Control& label, COLORREF colour) {
    RECT rect;
    GetWindowRect(reinterpret_cast<HWND>(label.hWnd()), &rect);
    const e2e::RgbImage image =
        e2e::CaptureScreenRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
    int count = 0;
    for (size_t i = 0; i + 2 < image.pixels.size(); i += 3) {
        if (RGB(image.pixels[i], image.pixels[i + 1], image.pixels[i + 2]) == colour) ++count;
    }
    return count;
}

TEST(ImportLook, TheProgressFillCoversItsShareOfTheTrack) {
    InitCommonControls();
    // The in-memory machine of the native tests; only the windows are real.
    testing::HeadlessTuner memory{"win98"};
    memory.shell.browseAnswer = "C:\\WINDOWS\\Favorites";
    ui::win32::Win32Host host{GetModuleHandleA(nullptr), nullptr};
    ui::Application app{host, "Quillon"};
    Environment environment{memory.services.os, memory.services.directories,
                            memory.services.versions};
    mtudetection detection{app, memory.processes, memory.files, memory.clock, environment};
    ui::Form editor{app, "hosts"};
    FavoritesWindow window{app, memory.services, detection, editor, [](const std::string&) {}};
    window.Show();
    window.progress(0.4);
    win32::PumpMessagesFor(300);

    RECT track;
    GetWindowRect(reinterpret_cast<HWND>(window.Label8.hWnd()), &track);
    const int area = (track.right - track.left) * (track.bottom - track.top);
    ASSERT_GT(area, 0);
    const int fill = ScreenPixelsOf(window.Label8, RGB(0, 0, 0x80));
    const int rest = ScreenPixelsOf(window.Label8, RGB(0xFF, 0xFF, 0xFF));
    EXPECT_NEAR(double(fill) / area, 0.4, 0.03);
    EXPECT_NEAR(double(rest) / area, 0.6, 0.03);
    EXPECT_NE(e2e::SaveNamedScreenshot("import_progress"), "");
    window.Unload();
}

}  // namespace
}  // namespace qn
