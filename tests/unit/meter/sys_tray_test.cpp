#include "meter/app/sys_tray.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/memory/memory_notify_icon.h"
#include "platform/memory/memory_window_hooks.h"

namespace qn::meter {
namespace {

constexpr WindowHandle kTrayWindow = 10;
constexpr WindowHandle kForm = 20;
constexpr WindowProcedure kTrayProcedure = 5;
constexpr WindowProcedure kFormProcedure = 6;
constexpr IconHandle kFormIcon = 0x70;
constexpr IconHandle kBuiltInIcon = 0x71;
constexpr IconHandle kBusyIcon = 0x72;

class SysTrayTest : public ::testing::Test {
  protected:
    SysTrayTest() {
        hooks.AddWindow(kTrayWindow, kTrayProcedure);
        hooks.AddWindow(kForm, kFormProcedure);
        hooks.procedures[kFormProcedure] = [this](WindowHandle, std::uint32_t, std::uintptr_t,
                                                  std::intptr_t) {
            ++formProcedureCalls;
            return 0;
        };
        tray = std::make_unique<SysTray>(shell, GSubclass(module), kTrayWindow, kBuiltInIcon);
    }

    void Start(bool taskbarRestart = true) {
        tray->Start(SysTrayContainer{kForm, kFormIcon, true, "Dapplet"},
                    SysTrayProperties{true, "Dapplet v1.0", 0, taskbarRestart});
    }

    const NotifyIconCall& LastCall() const { return shell.calls.back(); }
    std::uint32_t Registered(const std::string& name) { return shell.registered.at(name); }
    void Callback(std::intptr_t code) {
        hooks.Send(kTrayWindow, Registered("Dapplet_TrayMsg"), 0, code);
    }

    MemoryWindowHooks hooks;
    MSubclass module{hooks, "Dapplet"};
    MemoryNotifyIconShell shell;
    std::unique_ptr<SysTray> tray;
    int formProcedureCalls = 0;
};

TEST_F(SysTrayTest, StartAddsTheIconWithTheWholeRecord) {
    Start();
    ASSERT_EQ(shell.calls.size(), 1u);
    EXPECT_EQ(LastCall().operation, kNimAdd);
    const NotifyIconRecord& record = LastCall().record;
    EXPECT_EQ(record.cbSize, 488u);
    EXPECT_EQ(record.hWnd, kTrayWindow);
    EXPECT_EQ(record.uID, 0u);
    EXPECT_EQ(record.uFlags, kNifMessage | kNifIcon | kNifTip);
    EXPECT_EQ(record.uCallbackMessage, Registered("Dapplet_TrayMsg"));
    EXPECT_EQ(record.hIcon, kFormIcon);
    EXPECT_STREQ(record.szTip, "Dapplet v1.0");
    EXPECT_EQ(record.uTimeout, 0u);
    EXPECT_TRUE(tray->Visible());
    EXPECT_EQ(tray->hWnd(), kTrayWindow);
}

TEST_F(SysTrayTest, TooltipAndIconTellTheShellOnlyOfChanges) {
    Start();
    tray->SetTooltip("Busy");
    tray->SetTooltip("Busy");
    ASSERT_EQ(shell.calls.size(), 2u);
    EXPECT_EQ(LastCall().operation, kNimModify);
    EXPECT_EQ(LastCall().record.uFlags, kNifTip);
    EXPECT_STREQ(LastCall().record.szTip, "Busy");

    const std::string longTip(200, 'x');
    tray->SetTooltip(longTip);
    tray->SetTooltip(longTip);
    ASSERT_EQ(shell.calls.size(), 3u);
    EXPECT_EQ(std::string(LastCall().record.szTip), std::string(127, 'x'));
    EXPECT_EQ(tray->Tooltip(), longTip);

    tray->SetIcon(kBusyIcon);
    tray->SetIcon(kBusyIcon);
    ASSERT_EQ(shell.calls.size(), 4u);
    EXPECT_EQ(LastCall().record.uFlags, kNifIcon);
    EXPECT_EQ(LastCall().record.hIcon, kBusyIcon);
    tray->SetIcon(0);
    EXPECT_EQ(LastCall().record.hIcon, kFormIcon);
    EXPECT_EQ(tray->Icon(), 0u);
}

TEST_F(SysTrayTest, VisibleAddsEachTimeAndHiddenIconGetsNoBalloon) {
    Start();
    tray->SetVisible(true);
    ASSERT_EQ(shell.calls.size(), 2u);
    EXPECT_EQ(LastCall().operation, kNimAdd);

    tray->SetVisible(false);
    EXPECT_EQ(LastCall().operation, kNimDelete);
    tray->ShowBaloonNotification("Link down");
    tray->HideBaloonNotification();
    tray->SetTooltip("Later");
    EXPECT_EQ(shell.calls.size(), 3u);

    // The tip set while hidden comes with the next add.
    tray->SetVisible(true);
    EXPECT_STREQ(LastCall().record.szTip, "Later");
    EXPECT_STREQ(LastCall().record.szInfo, "");
}

TEST_F(SysTrayTest, BalloonFieldsAreCutAndClearedAgain) {
    Start();
    tray->ShowBaloonNotification(std::string(300, 'm'), std::string(100, 't'), kNiifWarning, 9000);
    EXPECT_EQ(LastCall().operation, kNimModify);
    const NotifyIconRecord& shown = LastCall().record;
    EXPECT_EQ(shown.uFlags, kNifInfo);
    EXPECT_EQ(std::string(shown.szInfo), std::string(255, 'm'));
    EXPECT_EQ(std::string(shown.szInfoTitle), std::string(63, 't'));
    EXPECT_EQ(shown.dwInfoFlags, kNiifWarning);
    EXPECT_EQ(shown.uTimeout, 0u);
    EXPECT_EQ(shown.cbSize, 488u);

    tray->HideBaloonNotification();
    const NotifyIconRecord& hidden = LastCall().record;
    EXPECT_EQ(hidden.uFlags, kNifInfo);
    EXPECT_STREQ(hidden.szInfo, "");
    EXPECT_STREQ(hidden.szInfoTitle, "");
    EXPECT_EQ(hidden.dwInfoFlags, kNiifNone);
    EXPECT_EQ(shell.calls.size(), 3u);
}

TEST_F(SysTrayTest, TaskbarCreatedRestoresTheIconUnlessTheHandlerDeclines) {
    Start();
    tray->SetIcon(kBusyIcon);
    tray->SetTooltip("Busy");
    int raised = 0;
    tray->TaskbarCreated = [&](bool& restoreIcon) {
        EXPECT_TRUE(restoreIcon);
        ++raised;
    };
    EXPECT_EQ(hooks.Send(kForm, Registered("TaskbarCreated"), 0, 0), 0);
    EXPECT_EQ(raised, 1);
    EXPECT_EQ(LastCall().operation, kNimAdd);
    EXPECT_EQ(LastCall().record.hIcon, kBusyIcon);
    EXPECT_STREQ(LastCall().record.szTip, "Busy");
    // The form's own procedure never sees the message.
    EXPECT_EQ(formProcedureCalls, 0);

    tray->TaskbarCreated = [](bool& restoreIcon) { restoreIcon = false; };
    hooks.Send(kForm, Registered("TaskbarCreated"), 0, 0);
    EXPECT_EQ(LastCall().operation, kNimDelete);
    EXPECT_FALSE(tray->Visible());

    // A hidden icon stays hidden.
    const std::size_t calls = shell.calls.size();
    hooks.Send(kForm, Registered("TaskbarCreated"), 0, 0);
    EXPECT_EQ(shell.calls.size(), calls);
}

TEST_F(SysTrayTest, WithoutTaskbarRestartTheBroadcastIsNotWatched) {
    Start(false);
    EXPECT_FALSE(tray->RestartWithTaskbar());
    EXPECT_EQ(shell.registered.count("TaskbarCreated"), 0u);
    const std::uint32_t taskbarCreated = shell.RegisterMessage("TaskbarCreated");
    hooks.Send(kForm, taskbarCreated, 0, 0);
    EXPECT_EQ(shell.calls.size(), 1u);
    EXPECT_EQ(hooks.windows[kForm].procedure, kFormProcedure);
}

TEST_F(SysTrayTest, LeftDoubleClickRaisesEventsInOrder) {
    Start();
    std::vector<std::string> events;
    tray->MouseDown = [&](int button) { events.push_back("down" + std::to_string(button)); };
    tray->MouseUp = [&](int button) { events.push_back("up" + std::to_string(button)); };
    tray->DoubleClick = [&](int button) { events.push_back("double" + std::to_string(button)); };
    tray->LeftClick = [&] { events.push_back("left"); };
    tray->DoubleLeftClick = [&] { events.push_back("doubleLeft"); };
    tray->RightClick = [&] { events.push_back("right"); };
    for (std::intptr_t code : {513, 514, 515, 514}) Callback(code);
    EXPECT_EQ(events,
              (std::vector<std::string>{"down1", "left", "up1", "double1", "doubleLeft", "up1"}));
    // Only the control's own window carries the callback.
    events.clear();
    hooks.Send(kForm, Registered("Dapplet_TrayMsg"), 0, 516);
    EXPECT_TRUE(events.empty());
    EXPECT_EQ(formProcedureCalls, 1);
}

TEST_F(SysTrayTest, ShowMenuBringsTheTrayWindowForwardFirst) {
    Start();
    tray->ShowMenu(0x900);
    tray->ShowMenu(0x901, 1001);
    EXPECT_EQ(shell.foregrounded, (std::vector<WindowHandle>{kTrayWindow, kTrayWindow}));
    ASSERT_EQ(shell.popups.size(), 2u);
    EXPECT_EQ(shell.popups[0].owner, kForm);
    EXPECT_EQ(shell.popups[0].menu, 0x900u);
    EXPECT_FALSE(shell.popups[0].rightButton);
    EXPECT_EQ(shell.popups[0].defaultCommand, 0u);
    EXPECT_TRUE(shell.popups[1].rightButton);
    EXPECT_EQ(shell.popups[1].defaultCommand, 1001u);
}

TEST_F(SysTrayTest, DestructionRemovesTheIconAndLeavesNoHandlerBehind) {
    Start();
    tray.reset();
    EXPECT_EQ(LastCall().operation, kNimDelete);
    EXPECT_EQ(hooks.windows[kTrayWindow].procedure, kTrayProcedure);
    EXPECT_EQ(hooks.windows[kForm].procedure, kFormProcedure);
    // Messages after the end reach the windows' own procedures only.
    hooks.Send(kForm, Registered("TaskbarCreated"), 0, 0);
    EXPECT_EQ(formProcedureCalls, 1);
}

TEST_F(SysTrayTest, DesignSurfaceNeverCallsTheShell) {
    tray->StartFresh(SysTrayContainer{kForm, 0, false, "Dapplet"});
    EXPECT_TRUE(tray->Visible());
    EXPECT_TRUE(tray->RestartWithTaskbar());
    EXPECT_EQ(tray->Record().hIcon, kBuiltInIcon);
    EXPECT_EQ(tray->Record().cbSize, 488u);

    tray->Start(SysTrayContainer{kForm, kFormIcon, false, "Dapplet"},
                SysTrayProperties{true, "Tip", 0, true});
    tray->ShowBaloonNotification("Hello");
    tray.reset();
    EXPECT_TRUE(shell.registered.empty());
    EXPECT_TRUE(shell.calls.empty());
}

}  // namespace
}  // namespace qn::meter
