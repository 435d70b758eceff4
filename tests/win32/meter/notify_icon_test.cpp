#include <gtest/gtest.h>

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "meter/app/sys_tray.h"
#include "platform/win32/notify_icon_win32.h"
#include "platform/win32/win32_services.h"
#include "tests/win32/meter/shell_tray_helpers.h"

namespace qn::meter::win32 {
namespace {

using qn::win32::kShellRecordSize;
using qn::win32::ToShellRecord;

HICON ApplicationIcon() {
    return LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION));
}

// A hidden top-level window of a system class, as the tray's owner.
HWND CreateOwnerWindow() {
    return CreateWindowExA(WS_EX_TOOLWINDOW, "STATIC", "QnTrayOwner", WS_OVERLAPPED, 0, 0, 0, 0,
                           nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
}

TEST(ShellRecord, HasTheBalloonLayoutAndCarriesEveryField) {
    EXPECT_EQ(kShellRecordSize, offsetof(NOTIFYICONDATAA, guidItem));
    EXPECT_LT(kShellRecordSize, sizeof(NOTIFYICONDATAA));
    EXPECT_GT(kShellRecordSize, offsetof(NOTIFYICONDATAA, dwInfoFlags));
#ifndef _WIN64
    EXPECT_EQ(kShellRecordSize, 488u);
#endif

    NotifyIconRecord record;
    record.cbSize = kNotifyIconRecordSize;
    record.hWnd = 0x1234;
    record.uFlags = kNifInfo;
    record.uCallbackMessage = 0xC123;
    record.hIcon = reinterpret_cast<IconHandle>(ApplicationIcon());
    std::string(127, 't').copy(record.szTip, 127);
    std::string("Link down").copy(record.szInfo, 9);
    std::string("Dapplet").copy(record.szInfoTitle, 7);
    record.dwInfoFlags = kNiifInfo;
    const NOTIFYICONDATAA shell = ToShellRecord(record);
    EXPECT_EQ(shell.cbSize, kShellRecordSize);
    EXPECT_EQ(shell.hWnd, reinterpret_cast<HWND>(static_cast<INT_PTR>(0x1234)));
    EXPECT_EQ(shell.uID, 0u);
    EXPECT_EQ(shell.uFlags, static_cast<UINT>(NIF_INFO));
    EXPECT_EQ(shell.uCallbackMessage, 0xC123u);
    EXPECT_EQ(shell.hIcon, ApplicationIcon());
    EXPECT_EQ(std::string(shell.szTip), std::string(127, 't'));
    EXPECT_STREQ(shell.szInfo, "Link down");
    EXPECT_STREQ(shell.szInfoTitle, "Dapplet");
    EXPECT_EQ(shell.uTimeout, 0u);
    EXPECT_EQ(shell.dwInfoFlags, static_cast<DWORD>(NIIF_INFO));
}

TEST(Win32NotifyIconShell, AddsModifiesAndDeletesAnIcon) {
    const auto shell = qn::win32::MakeWin32NotifyIconShell();
    const std::uint32_t message = shell->RegisterMessage("QnTrayTest_TrayMsg");
    EXPECT_GE(message, 0xC000u);
    EXPECT_EQ(shell->RegisterMessage("QnTrayTest_TrayMsg"), message);

    HWND owner = CreateOwnerWindow();
    ASSERT_NE(owner, nullptr);
    NotifyIconRecord record;
    record.cbSize = kNotifyIconRecordSize;
    record.hWnd = reinterpret_cast<WindowHandle>(owner);
    record.uFlags = kNifMessage | kNifIcon | kNifTip;
    record.uCallbackMessage = message;
    record.hIcon = reinterpret_cast<IconHandle>(ApplicationIcon());
    EXPECT_TRUE(shell->Notify(kNimAdd, record));
    EXPECT_TRUE(ShellHasIcon(record));
    record.uFlags = kNifInfo;
    std::string("Hello").copy(record.szInfo, 5);
    EXPECT_TRUE(shell->Notify(kNimModify, record));
    EXPECT_TRUE(shell->Notify(kNimDelete, record));
    EXPECT_FALSE(ShellHasIcon(record));
    DestroyWindow(owner);
}

TEST(SysTrayUnderWine, CallbackMessagesRaiseEventsAndTheEndRemovesTheIcon) {
    const auto windowHooks = qn::win32::MakeWin32WindowHooks();
    MSubclass hooks(*windowHooks, "QnTrayTest");
    const auto shell = qn::win32::MakeWin32NotifyIconShell();
    HWND owner = CreateOwnerWindow();
    ASSERT_NE(owner, nullptr);
    const LONG_PTR ownProcedure = GetWindowLongPtrA(owner, GWLP_WNDPROC);
    const auto handle = reinterpret_cast<WindowHandle>(owner);

    auto tray = std::make_unique<SysTray>(*shell, GSubclass(hooks), handle,
                                          reinterpret_cast<IconHandle>(ApplicationIcon()));
    std::vector<std::string> events;
    tray->MouseDown = [&](int button) { events.push_back("down" + std::to_string(button)); };
    tray->RightClick = [&] { events.push_back("right"); };
    tray->BalloonClicked = [&] { events.push_back("balloonClicked"); };
    tray->Start(SysTrayContainer{handle, 0, true, "QnTrayTest"},
                SysTrayProperties{true, "QnTrayTest v1.0", 0, true});
    const NotifyIconRecord record = tray->Record();
    EXPECT_EQ(record.uCallbackMessage, RegisterWindowMessageA("QnTrayTest_TrayMsg"));
    EXPECT_TRUE(ShellHasIcon(record));

    EXPECT_EQ(SendMessageA(owner, record.uCallbackMessage, 0, WM_RBUTTONDOWN), 0);
    SendMessageA(owner, record.uCallbackMessage, 0, NIN_BALLOONUSERCLICK);
    EXPECT_EQ(events, (std::vector<std::string>{"down2", "right", "balloonClicked"}));

    tray.reset();
    EXPECT_FALSE(ShellHasIcon(record));
    EXPECT_EQ(GetWindowLongPtrA(owner, GWLP_WNDPROC), ownProcedure);
    DestroyWindow(owner);
}

}  // namespace
}  // namespace qn::meter::win32
