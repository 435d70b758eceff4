#include <windows.h>
#include <gtest/gtest.h>

#include "platform/win32/win32_services.h"
#include "tuner/system/reboot_windows.h"

// ExitWindowsEx is never called here: it would end the test session.
namespace qn::win32 {
namespace {

bool ShutdownPrivilegeEnabled() {
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) return false;
    PRIVILEGE_SET wanted{};
    wanted.PrivilegeCount = 1;
    wanted.Control = PRIVILEGE_SET_ALL_NECESSARY;
    LookupPrivilegeValueA(nullptr, "SeShutdownPrivilege", &wanted.Privilege[0].Luid);
    BOOL enabled = FALSE;
    const BOOL checked = PrivilegeCheck(token, &wanted, &enabled);
    CloseHandle(token);
    return checked && enabled;
}

struct RealRestart {
    std::unique_ptr<SystemRestartApi> api = MakeWin32SystemRestart();
    std::unique_ptr<OsVersionSource> os = MakeWin32OsVersion();
    RebootWindows reboot{*api, *os};
};

TEST(RebootWindowsWin32, EnablesTheShutdownPrivilegeInTheProcessToken) {
    RealRestart restart;
    ASSERT_TRUE(restart.reboot.IsWindowsNT());
    ASSERT_FALSE(ShutdownPrivilegeEnabled());  // a process starts with it disabled
    std::string errorText;
    EXPECT_TRUE(restart.reboot.EnableShutdownPrivilege(errorText)) << errorText;
    EXPECT_EQ(errorText, "");
    EXPECT_TRUE(ShutdownPrivilegeEnabled());
}

TEST(RebootWindowsWin32, ErrorTextsComeAsTheSystemGivesThem) {
    RealRestart restart;
    const std::string accessDenied = restart.reboot.ApiErrorText(ERROR_ACCESS_DENIED);
    ASSERT_GT(accessDenied.size(), 2u);
    EXPECT_EQ(accessDenied.substr(accessDenied.size() - 2), "\r\n");
    EXPECT_EQ(restart.reboot.ApiErrorText(0x20001234), "");
}

}  // namespace
}  // namespace qn::win32
