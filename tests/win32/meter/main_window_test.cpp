#include <gtest/gtest.h>

#include <memory>

#include "meter/app/win32/main_window_win32.h"
#include "meter/config/registry_settings.h"
#include "platform/single_instance.h"
#include "platform/win32/escaped_error.h"
#include "platform/win32/notify_icon_win32.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_services.h"
#include "tests/e2e/driver/loopback_traffic.h"
#include "tests/win32/common/message_pump.h"
#include "tests/win32/meter/shell_tray_helpers.h"
#include "throughput/raised_error.h"
#include "throughput/timer.h"
#include "ui/application.h"
#include "ui/win32/win32_host.h"

namespace qn::meter::win32 {
namespace {

class MeterMainWindow : public ::testing::Test {
  protected:
    void SetUp() override { registry.DeleteTree(kHkeyCurrentUser, "Software\\Dapplet"); }
    // The program's first start wrote its settings and the Run value.
    void TearDown() override {
        registry.DeleteTree(kHkeyCurrentUser, "Software\\Dapplet");
        RegKey run = 0;
        if (registry.OpenKey(kHkeyCurrentUser, "Software\\Microsoft\\Windows\\CurrentVersion\\Run",
                             kKeyAllAccess, &run) == kRegSuccess) {
            registry.DeleteValue(run, "Dapplet");
            registry.CloseKey(run);
        }
    }

    // The hidden window, loaded, with the meter window not opened at start.
    std::unique_ptr<MainWindow> Create(
        std::function<std::shared_ptr<MeterWindow>(MeterHost&, std::function<void()>)> openMeter =
            nullptr) {
        HKEY key = nullptr;
        RegCreateKeyA(HKEY_CURRENT_USER, "Software\\Dapplet\\Graph", &key);
        RegSetValueExA(key, "ShowOnStartup", 0, REG_SZ, reinterpret_cast<const BYTE*>("False"), 6);
        RegCloseKey(key);
        MainWindowOptions options;
        options.instance = GetModuleHandleA(nullptr);
        options.services = &services;
        options.openMeter = std::move(openMeter);
        auto window = MainWindow::Create(options);
        if (window && !window->Load()) return nullptr;
        return window;
    }

    ui::win32::Win32Host host{GetModuleHandleA(nullptr), nullptr};
    ui::Application app{host, "Dapplet"};
    qn::win32::Win32Registry registry;
    std::unique_ptr<EnvironmentStrings> environment = qn::win32::MakeWin32EnvironmentStrings();
    std::unique_ptr<FileSystem> files = qn::win32::MakeWin32FileSystem();
    std::unique_ptr<Directories> directories = qn::win32::MakeWin32Directories();
    std::unique_ptr<SingleInstance> instance = MakeFixedSingleInstance(false);
    std::unique_ptr<InterfaceTable> interfaces = qn::win32::MakeWin32InterfaceTable();
    std::unique_ptr<Clock> clock = qn::win32::MakeWin32Clock();
    MTimer timers{*clock, "Dapplet"};
    std::unique_ptr<DrawingSystem> drawing = qn::win32::MakeWin32DrawingSystem();
    std::unique_ptr<LocalTime> localTime = qn::win32::MakeWin32LocalTime();
    std::unique_ptr<Processes> processes = qn::win32::MakeWin32Processes();
    std::unique_ptr<NotifyIconShell> notifyIcons = qn::win32::MakeWin32NotifyIconShell();
    std::unique_ptr<CommonDialogs> dialogs = qn::win32::MakeWin32CommonDialogs();
    std::unique_ptr<WindowFrame> frame = qn::win32::MakeWin32WindowFrame();
    std::unique_ptr<WindowHooks> windowHooks = qn::win32::MakeWin32WindowHooks();
    MSubclass hooks{*windowHooks, "Dapplet"};
    MeterServices services{RegistryServices{registry, *environment, "Dapplet"},
                           *files,
                           *directories,
                           *instance,
                           *interfaces,
                           *clock,
                           timers,
                           *drawing,
                           *localTime,
                           *processes,
                           *notifyIcons,
                           GSubclass(hooks),
                           app,
                           *dialogs,
                           *frame};
};

TEST_F(MeterMainWindow, StaysHiddenAndOutOfTheTaskbar) {
    auto window = Create();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(IsWindow(window->Handle()));
    EXPECT_FALSE(IsWindowVisible(window->Handle()));
    EXPECT_TRUE(GetWindowLongPtrA(window->Handle(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    EXPECT_EQ(GetParent(window->Handle()), nullptr);
}

TEST_F(MeterMainWindow, AddsTrayIconWithTooltipAndRegisteredCallback) {
    auto window = Create();
    ASSERT_NE(window, nullptr);
    const NOTIFYICONDATAA record = qn::win32::ToShellRecord(window->Tray().Record());
    EXPECT_TRUE(window->Tray().Visible());
    EXPECT_EQ(std::string(record.szTip).rfind("Dapplet In: ", 0), 0u) << record.szTip;
    EXPECT_EQ(record.uCallbackMessage, RegisterWindowMessageA("Dapplet_TrayMsg"));
    EXPECT_EQ(record.hWnd, window->Handle());
    EXPECT_TRUE(ShellHasIcon(window->Tray().Record()));
}

// The shell's own tooltip cannot be read back here, so the record the shell
// was last given stands for it.
TEST_F(MeterMainWindow, TheTooltipFollowsLoopbackTraffic) {
    auto window = Create();
    ASSERT_NE(window, nullptr);
    const std::string quiet = "Dapplet In: 0kb/s Out: 0kb/s";
    EXPECT_EQ(std::string(window->Tray().Record().szTip), quiet) << "the first tick";
    std::string busy = quiet;
    const DWORD start = GetTickCount();
    while (busy == quiet && GetTickCount() - start < 5000) {
        ASSERT_TRUE(qn::e2e::SendLoopbackTraffic(100000));
        qn::win32::PumpMessagesFor(100);
        busy = window->Tray().Record().szTip;
    }
    EXPECT_NE(busy, quiet) << "the tooltip stayed at no traffic";
    EXPECT_EQ(busy.rfind("Dapplet In: ", 0), 0u) << busy;
    EXPECT_NE(busy.find("kb/s Out: "), std::string::npos) << busy;
}

TEST_F(MeterMainWindow, ExitRemovesIconDestroysWindowAndQuits) {
    auto window = Create();
    ASSERT_NE(window, nullptr);
    HWND hwnd = window->Handle();
    const NotifyIconRecord record = window->Tray().Record();
    ASSERT_TRUE(ShellHasIcon(record));

    PostMessageA(hwnd, WM_COMMAND, kExitCommand, 0);
    EXPECT_TRUE(qn::win32::PumpMessagesUntilQuit(5000));
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_FALSE(window->Tray().Visible());
    EXPECT_FALSE(ShellHasIcon(record));
}

TEST_F(MeterMainWindow, OtherCommandsKeepTheProgramRunning) {
    auto window = Create();
    ASSERT_NE(window, nullptr);
    const unsigned commands[] = {kStatisticsCommand, kSettingsCommand, kThemeCustomCommand,
                                 kFirstThemeCommand};
    for (unsigned command : commands) {
        SendMessageA(window->Handle(), WM_COMMAND, command, 0);
    }
    EXPECT_FALSE(qn::win32::PumpMessagesUntilQuit(100));
    EXPECT_TRUE(IsWindow(window->Handle()));
}

TEST_F(MeterMainWindow, TaskbarCreatedAddsTheIconAgain) {
    auto window = Create();
    ASSERT_NE(window, nullptr);
    const NotifyIconRecord record = window->Tray().Record();
    // What a restarting shell looks like to the program: the icon is gone,
    // then the broadcast arrives.
    NOTIFYICONDATAA removal = qn::win32::ToShellRecord(record);
    Shell_NotifyIconA(NIM_DELETE, &removal);
    ASSERT_FALSE(ShellHasIcon(record));
    SendMessageA(window->Handle(), RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    EXPECT_TRUE(ShellHasIcon(record));
}

TEST_F(MeterMainWindow, DestroyingTheObjectRemovesTheIcon) {
    auto window = Create();
    ASSERT_NE(window, nullptr);
    const NotifyIconRecord record = window->Tray().Record();
    HWND hwnd = window->Handle();
    window.reset();
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_FALSE(ShellHasIcon(record));
}

// At log-off Windows ends the process after WM_ENDSESSION, without WM_DESTROY.
TEST_F(MeterMainWindow, TheEndOfTheSessionSavesTheSettingsOnce) {
    auto window = Create();
    ASSERT_NE(window, nullptr);
    window->Form().NetGraph().SetStyle(1);
    EXPECT_TRUE(SendMessageA(window->Handle(), WM_QUERYENDSESSION, 0, 0));
    SendMessageA(window->Handle(), WM_ENDSESSION, TRUE, 0);
    const std::string saved = RegGetSetting(services.registry, kHkeyCurrentUser, "Dapplet", "Graph",
                                            "BackColor", "<absent>");
    EXPECT_EQ(saved, "0");
    EXPECT_FALSE(ShellHasIcon(window->Tray().Record()));

    RegSaveSetting(services.registry, kHkeyCurrentUser, "Dapplet", "Graph", "BackColor", "7");
    SendMessageA(window->Handle(), WM_ENDSESSION, TRUE, 0);
    window.reset();
    EXPECT_EQ(RegGetSetting(services.registry, kHkeyCurrentUser, "Dapplet", "Graph", "BackColor",
                            "<absent>"),
              "7")
        << "saved once";
}

TEST_F(MeterMainWindow, ARaisedErrorStopsAtTheWindowAndReachesTheMessageLoop) {
    auto window = Create([](MeterHost&, std::function<void()>) -> std::shared_ptr<MeterWindow> {
        throw MakeRaisedError(kErrCantSubclass, "Dapplet");
    });
    ASSERT_NE(window, nullptr);
    SendMessageA(window->Handle(), WM_COMMAND, kShowCommand, 0);
    EXPECT_THROW(qn::win32::RethrowEscapedError(), RaisedError);
    EXPECT_TRUE(IsWindow(window->Handle()));
}

}  // namespace
}  // namespace qn::meter::win32
