// quillon.exe: the tuner. Its main window's load handler does the real start.
#include <windows.h>
// commctrl.h needs the types of windows.h.
#include <commctrl.h>

#include <memory>

#include "platform/win32/single_instance_win32.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_services.h"
#include "tuner/app/resource_ids.h"
#include "tuner/ui/main_window.h"
#include "tuner/ui/tuner_forms.h"
#include "ui/application.h"
#include "ui/win32/win32_host.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    InitCommonControls();
    HICON icon = LoadIconA(instance, MAKEINTRESOURCEA(QN_IDI_QUILLON));
    qn::ui::win32::Win32Host host(instance, icon);
    qn::ui::Application app(host, qn::kTunerAppName);

    qn::win32::Win32Registry registry;
    const auto os = qn::win32::MakeWin32OsVersion();
    const auto directories = qn::win32::MakeWin32Directories();
    const auto files = qn::win32::MakeWin32FileSystem();
    const auto versions = qn::win32::MakeWin32FileVersionSource();
    const auto settings = qn::win32::MakeWin32SettingsStore();
    const auto instanceGuard = qn::MakeWin32SingleInstance(qn::kTunerAppName);
    const auto restart = qn::win32::MakeWin32SystemRestart();
    const auto interfaces = qn::win32::MakeWin32InterfaceTable();
    const auto clock = qn::win32::MakeWin32Clock();
    qn::MTimer timers(*clock, "quillon");
    const auto drawing = qn::win32::MakeWin32DrawingSystem();
    const auto localTime = qn::win32::MakeWin32LocalTime();
    // The tuner never switches the shared classes' log on.
    qn::mLogging log(*files, *localTime);
    const auto processes = qn::win32::MakeWin32Processes();
    const auto shell = qn::win32::MakeWin32Shell();
    const auto resolver = qn::win32::MakeWin32NameResolver();
    const auto dialogs = qn::win32::MakeWin32CommonDialogs();
    qn::TunerServices services{
        registry, *os,         *directories, *files,     *versions,  *settings, *instanceGuard,
        *restart, *interfaces, *clock,       timers,     *drawing,   log,       *processes,
        *shell,   *resolver,   *dialogs,     *localTime, commandLine};
    qn::TunerForms windows(app, services);

    // The window holds two settings records with a thousand adapter slots
    // each: too much for the stack.
    auto mainWindow = std::make_unique<qn::MainWindow>(app, services, windows);
    windows.SetMainWindow(*mainWindow);
    mainWindow->Start();
    return app.Run();
}
