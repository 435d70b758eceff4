// Dapplet.exe: the network throughput meter in the system tray.
#include <windows.h>

#include <exception>

#include "meter/app/meter_identity.h"
#include "meter/app/resource_ids.h"
#include "meter/app/win32/error_box_win32.h"
#include "meter/app/win32/main_window_win32.h"
#include "meter/app/win32/meter_window_win32.h"
#include "platform/win32/single_instance_win32.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_services.h"
#include "throughput/subclass.h"
#include "throughput/timer.h"
#include "ui/application.h"
#include "ui/win32/win32_host.h"
#include "version.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    using namespace qn::meter;
    qn::ui::win32::Win32Host host(instance, LoadIconA(instance, MAKEINTRESOURCEA(QN_IDI_DAPPLET)));
    qn::ui::Application app(host, kMeterTitle);
    qn::win32::Win32Registry registry;
    const auto environment = qn::win32::MakeWin32EnvironmentStrings();
    const auto files = qn::win32::MakeWin32FileSystem();
    const auto directories = qn::win32::MakeWin32Directories();
    const auto singleInstance = qn::MakeWin32SingleInstance(kMeterTitle);
    const auto interfaces = qn::win32::MakeWin32InterfaceTable();
    const auto clock = qn::win32::MakeWin32Clock();
    qn::MTimer timers(*clock, kMeterTitle);
    const auto drawing = qn::win32::MakeWin32DrawingSystem();
    const auto localTime = qn::win32::MakeWin32LocalTime();
    const auto processes = qn::win32::MakeWin32Processes();
    const auto notifyIcons = qn::win32::MakeWin32NotifyIconShell();
    const auto dialogs = qn::win32::MakeWin32CommonDialogs();
    const auto windowFrame = qn::win32::MakeWin32WindowFrame();
    const auto windowHooks = qn::win32::MakeWin32WindowHooks();
    qn::MSubclass hooks(*windowHooks, kMeterTitle);
    MeterServices services{RegistryServices{registry, *environment, kMeterTitle},
                           *files,
                           *directories,
                           *singleInstance,
                           *interfaces,
                           *clock,
                           timers,
                           *drawing,
                           *localTime,
                           *processes,
                           *notifyIcons,
                           qn::GSubclass(hooks),
                           app,
                           *dialogs,
                           *windowFrame};

    const auto os = qn::win32::MakeWin32OsVersion();
    MeterWindowServices meterWindowServices{*windowFrame, hooks, *drawing, *os};

    win32::MainWindowOptions options;
    options.instance = instance;
    options.services = &services;
    options.revision = QN_VERSION_REVISION;
    options.openMeter = [&](MeterHost& host, std::function<void()> closed) {
        return std::shared_ptr<win32::MeterWindow>(
            win32::MeterWindow::Open(instance, host, meterWindowServices, std::move(closed)));
    };
    const auto mainWindow = win32::MainWindow::Create(options);
    if (!mainWindow) return 1;
    try {
        if (!mainWindow->Load()) return 0;
    } catch (const std::exception& error) {
        // A start that failed half-way (a hook refused) ends here.
        win32::ShowRaisedError(error);
        return 1;
    }
    // Runs until the main window's end posts the quit; an error that a
    // handler raised is shown and the program carries on.
    while (!app.Ended()) {
        try {
            app.WaitUntil([] { return false; });
        } catch (const std::exception& error) {
            win32::ShowRaisedError(error);
        }
    }
    return 0;
}
