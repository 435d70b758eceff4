#include <gtest/gtest.h>

#include "meter/app/win32/main_window_win32.h"

namespace qn::meter::win32 {
namespace {

MainWindowOptions TestOptions() {
    MainWindowOptions options;
    options.instance = GetModuleHandleA(nullptr);
    options.title = "DappletTest";
    options.tooltip = "DappletTest v1.0";
    options.trayIcon = LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION));
    return options;
}

// Whether the shell still knows the icon: a modify succeeds only then.
bool ShellHasIcon(const NOTIFYICONDATAA& record) {
    NOTIFYICONDATAA probe = record;
    probe.uFlags = NIF_TIP;
    return Shell_NotifyIconA(NIM_MODIFY, &probe) != FALSE;
}

// Pumps until WM_QUIT arrives or the time is up; true when it arrived.
bool PumpUntilQuit(DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    MSG message;
    while (GetTickCount() - start < timeoutMs) {
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) return true;
            DispatchMessageA(&message);
        }
        Sleep(10);
    }
    return false;
}

TEST(MeterMainWindow, StaysHiddenAndOutOfTheTaskbar) {
    auto window = MainWindow::Create(TestOptions());
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(IsWindow(window->Handle()));
    EXPECT_FALSE(IsWindowVisible(window->Handle()));
    EXPECT_TRUE(GetWindowLongPtrA(window->Handle(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    EXPECT_EQ(GetParent(window->Handle()), nullptr);
}

TEST(MeterMainWindow, AddsTrayIconWithTooltipAndRegisteredCallback) {
    auto window = MainWindow::Create(TestOptions());
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->Tray().Visible());
    EXPECT_STREQ(window->Tray().Record().szTip, "DappletTest v1.0");
    EXPECT_EQ(window->TrayCallbackMessage(), RegisterWindowMessageA("DappletTest_TrayMsg"));
    EXPECT_EQ(window->Tray().Record().uCallbackMessage, window->TrayCallbackMessage());
    EXPECT_EQ(window->Tray().Record().hWnd, window->Handle());
    EXPECT_TRUE(ShellHasIcon(window->Tray().Record()));
}

TEST(MeterMainWindow, ExitRemovesIconDestroysWindowAndQuits) {
    auto window = MainWindow::Create(TestOptions());
    ASSERT_NE(window, nullptr);
    HWND hwnd = window->Handle();
    const NOTIFYICONDATAA record = window->Tray().Record();
    ASSERT_TRUE(ShellHasIcon(record));

    PostMessageA(hwnd, WM_COMMAND, kExitCommand, 0);
    EXPECT_TRUE(PumpUntilQuit(5000));
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_FALSE(window->Tray().Visible());
    EXPECT_FALSE(ShellHasIcon(record));
}

TEST(MeterMainWindow, OtherCommandsKeepTheProgramRunning) {
    auto window = MainWindow::Create(TestOptions());
    ASSERT_NE(window, nullptr);
    const unsigned commands[] = {kShowCommand, kStatisticsCommand, kSettingsCommand,
                                 kThemeCustomCommand, kFirstThemeCommand};
    for (unsigned command : commands) {
        SendMessageA(window->Handle(), WM_COMMAND, command, 0);
    }
    EXPECT_FALSE(PumpUntilQuit(100));
    EXPECT_TRUE(IsWindow(window->Handle()));
}

TEST(MeterMainWindow, TaskbarCreatedAddsTheIconAgain) {
    auto window = MainWindow::Create(TestOptions());
    ASSERT_NE(window, nullptr);
    const NOTIFYICONDATAA record = window->Tray().Record();
    // What a restarting shell looks like to the program: the icon is gone,
    // then the broadcast arrives.
    NOTIFYICONDATAA removal = record;
    Shell_NotifyIconA(NIM_DELETE, &removal);
    ASSERT_FALSE(ShellHasIcon(record));
    SendMessageA(window->Handle(), RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    EXPECT_TRUE(ShellHasIcon(record));
}

TEST(MeterMainWindow, DestroyingTheObjectRemovesTheIcon) {
    auto window = MainWindow::Create(TestOptions());
    ASSERT_NE(window, nullptr);
    const NOTIFYICONDATAA record = window->Tray().Record();
    HWND hwnd = window->Handle();
    window.reset();
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_FALSE(ShellHasIcon(record));
}

}  // namespace
}  // namespace qn::meter::win32
