// An import window as Windows shows it: the progress bar's fill lies over its
// track and covers the fraction of it that progress was given.
#include <windows.h>
#include <gtest/gtest.h>

// commctrl.h needs the types of windows.h.
#include <commctrl.h>

#include <memory>
#include <string>

#include "platform/memory/manual_clock.h"
#include "platform/memory/memory_common_dialogs.h"
#include "platform/memory/memory_directories.h"
#include "platform/memory/memory_drawing.h"
#include "platform/memory/memory_file_system.h"
#include "platform/memory/memory_file_version.h"
#include "platform/memory/memory_interface_table.h"
#include "platform/memory/memory_local_time.h"
#include "platform/memory/memory_name_resolver.h"
#include "platform/memory/memory_os_version.h"
#include "platform/memory/memory_processes.h"
#include "platform/memory/memory_registry.h"
#include "platform/memory/memory_settings_store.h"
#include "platform/memory/memory_shell.h"
#include "platform/memory/memory_system_restart.h"
#include "platform/single_instance.h"
#include "tests/e2e/driver/screenshot.h"
#include "tests/win32/common/message_pump.h"
#include "tuner/ui/favorites_window.h"
#include "ui/win32/win32_host.h"

namespace qn {
namespace {

// Everything in memory but the windows.
struct ImportLookServices {
    MemoryRegistry registry;
    MemoryOsVersion os{Windows98()};
    MemoryDirectories directories;
    MemoryFileSystem files;
    MemoryFileVersion versions;
    MemorySettingsStore settings;
    std::unique_ptr<SingleInstance> instance = MakeFixedSingleInstance(false);
    MemorySystemRestart restart;
    MemoryInterfaceTable interfaces;
    ManualClock clock;
    MTimer timers{clock, "quillon"};
    MemoryDrawingSystem drawing;
    MemoryLocalTime localTime;
    mLogging log{files, localTime};
    MemoryProcesses processes;
    MemoryShell shell;
    MemoryNameResolver resolver;
    MemoryCommonDialogs dialogs;
    TunerServices services{registry, os,        directories, files,      versions,
                           settings, *instance, restart,     interfaces, clock,
                           timers,   drawing,   log,         processes,  shell,
                           resolver, dialogs,   localTime,   ""};
};

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
    ImportLookServices memory;
    memory.shell.browseAnswer = "C:\\WINDOWS\\Favorites";
    ui::win32::Win32Host host{GetModuleHandleA(nullptr), nullptr};
    ui::Application app{host, "Quillon"};
    Environment environment{memory.os, memory.directories, memory.versions};
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
