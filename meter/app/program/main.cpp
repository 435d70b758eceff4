// Dapplet.exe: the network throughput meter in the system tray.
#include <windows.h>

#include "meter/app/meter_identity.h"
#include "meter/app/resource_ids.h"
#include "meter/app/win32/main_window_win32.h"
#include "meter/app/win32/tuner_lookup_win32.h"
#include "platform/win32/escaped_error.h"
#include "platform/win32/single_instance_win32.h"
#include "version.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    using namespace qn::meter;
    const auto singleInstance = qn::MakeWin32SingleInstance(kMeterTitle);
    if (singleInstance->AnotherInstanceRunning()) return 0;

    win32::MainWindowOptions options;
    options.instance = instance;
    options.title = kMeterTitle;
    options.tooltip = StartupTooltip(kMeterTitle, QN_VERSION_MAJOR, QN_VERSION_MINOR);
    options.trayIcon = LoadIconA(instance, MAKEINTRESOURCEA(QN_IDI_TRAY_NONE));
    options.tunerInstalled = win32::TunerInstalledIn(win32::ProgramFolder());
    const auto mainWindow = win32::MainWindow::Create(options);
    if (!mainWindow) return 1;

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
        qn::win32::RethrowEscapedError();
    }
    return static_cast<int>(message.wParam);
}
