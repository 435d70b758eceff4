// quillon.exe: refuses a second copy, then runs the main window.
#include <windows.h>
// commctrl.h needs the types of windows.h.
#include <commctrl.h>

#include "platform/win32/single_instance_win32.h"
#include "tuner/app/resource_ids.h"
#include "tuner/ui/main_window.h"
#include "ui/application.h"
#include "ui/win32/win32_host.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    InitCommonControls();
    HICON icon = LoadIconA(instance, MAKEINTRESOURCEA(QN_IDI_QUILLON));
    qn::ui::win32::Win32Host host(instance, icon);
    qn::ui::Application app(host, "Quillon");

    const auto instanceGuard = qn::MakeWin32SingleInstance("Quillon");
    if (instanceGuard->AnotherInstanceRunning()) {
        app.MsgBox("A previous instance of Quillon is running.", qn::ui::vbOKOnly, "Quillon");
        return 0;
    }

    qn::MainWindow mainWindow(app);
    mainWindow.Show();
    return app.Run();
}
