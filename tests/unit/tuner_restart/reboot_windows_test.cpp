#include "tuner/system/reboot_windows.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/memory/memory_os_version.h"
#include "platform/memory/memory_system_restart.h"

namespace qn {
namespace {

using ::testing::ElementsAre;

constexpr char kAccessDenied[] = "Access is denied.\r\n";

struct Restart {
    explicit Restart(std::optional<OsVersion> version) : os(std::move(version)) {
        api.systemTexts[5] = kAccessDenied;
        api.systemTexts[1313] = "A specified privilege does not exist.\r\n";
    }
    MemorySystemRestart api;
    MemoryOsVersion os;
    RebootWindows reboot{api, os};
    std::string errorText = "untouched";
};

TEST(ShutdownSystem, FlagsOutsideZeroToThirtyOneAreRejectedBeforeAnyCall) {
    for (const auto& [flags, message] :
         {std::pair{-1, "Invalid parameter to ShutdownSystem: -1"},
          std::pair{32, "Invalid parameter to ShutdownSystem: 32"}}) {
        Restart restart(WindowsXp());
        EXPECT_FALSE(restart.reboot.ShutdownSystem(flags, restart.errorText));
        EXPECT_EQ(restart.errorText, message);
        EXPECT_TRUE(restart.api.calls.empty());
    }
}

TEST(ShutdownSystem, On9xOnlyExitWindowsExRunsForEveryValidFlagWord) {
    for (const std::int32_t flags : {0, 31}) {
        Restart restart(Windows98());
        EXPECT_TRUE(restart.reboot.ShutdownSystem(flags, restart.errorText));
        EXPECT_THAT(restart.api.calls,
                    ElementsAre("ExitWindowsEx(" + std::to_string(flags) + ", 0xFFFFFFFF)"));
        EXPECT_EQ(restart.errorText, "untouched");
    }
}

TEST(ShutdownSystem, OnNtEnablesThePrivilegeThenRestarts) {
    Restart restart(WindowsXp());
    EXPECT_TRUE(restart.reboot.ShutdownSystem(RebootWindows::kEwxReboot | RebootWindows::kEwxForce,
                                              restart.errorText));
    EXPECT_THAT(restart.api.calls,
                ElementsAre("LookupPrivilegeValueA(NULL, SeShutdownPrivilege)",
                            "GetCurrentProcess()", "OpenProcessToken(process, 0x28)",
                            "AdjustTokenPrivileges(token, FALSE, {1, {19, 0}, 2}, 16)",
                            "CloseHandle(token)", "ExitWindowsEx(6, 0xFFFFFFFF)"));
    EXPECT_EQ(restart.api.OpenTokens(), 0u);
    EXPECT_EQ(restart.errorText, "untouched");
}

TEST(ShutdownSystem, AFailedPrivilegeStepStopsWithItsMessageAndTheSystemText) {
    const std::string notPrivileged =
        "Can't enable shutdown: You do not have the privileges to shutdown this system. [";
    struct Case {
        RestartStep step;
        std::uint32_t lastError;
        std::string message;
        std::size_t tokensClosed;
    };
    const Case cases[] = {
        {RestartStep::LookupPrivilegeValue, 1313,
         "Can't enable shutdown: Can't find the SE_SHUTDOWN_NAME privilege value. "
         "[A specified privilege does not exist.\r\n]",
         0},
        // No system text for the code: the brackets stay empty.
        {RestartStep::GetCurrentProcess, 0x20001234,
         "Can't enable shutdown: Can't determine the current process. []", 0},
        {RestartStep::OpenProcessToken, 5, notPrivileged + kAccessDenied + "]", 0},
        {RestartStep::AdjustTokenPrivileges, 5, notPrivileged + kAccessDenied + "]", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        Restart restart(Windows2000());
        restart.api.Fail(c.step, c.lastError);
        EXPECT_FALSE(restart.reboot.ShutdownSystem(6, restart.errorText));
        EXPECT_EQ(restart.errorText, c.message);
        EXPECT_EQ(restart.api.CallsTo("ExitWindowsEx"), 0u);
        EXPECT_EQ(restart.api.CallsTo("CloseHandle"), c.tokensClosed);
        EXPECT_EQ(restart.api.OpenTokens(), 0u);
    }
}

TEST(ShutdownSystem, RefusedExitWindowsExGivesTheSystemTextWithoutBrackets) {
    Restart restart(WindowsNt4());
    restart.api.Fail(RestartStep::ExitWindowsEx, 5);
    EXPECT_FALSE(restart.reboot.ShutdownSystem(2, restart.errorText));
    EXPECT_EQ(restart.errorText, std::string("ShutdownSystem failed: ") + kAccessDenied);
}

TEST(ApiErrorText, AsksTheSystemWithA256CharacterBufferAndKeepsTheTextAsItIs) {
    Restart restart(WindowsXp());
    EXPECT_EQ(restart.reboot.ApiErrorText(5), kAccessDenied);
    EXPECT_EQ(restart.reboot.ApiErrorText(0x20001234), "");
    EXPECT_THAT(restart.api.calls, ElementsAre("FormatMessageA(0x1200, 5, 0, 256)",
                                               "FormatMessageA(0x1200, 536875572, 0, 256)"));
}

TEST(IsWindowsNT, AFailedVersionCallIsAskedAgainAndASuccessfulOneIsKept) {
    Restart restart(std::nullopt);
    EXPECT_FALSE(restart.reboot.IsWindowsNT());
    restart.os.version = WindowsNt4();
    EXPECT_TRUE(restart.reboot.IsWindowsNT());
    restart.os.version = Windows95();
    EXPECT_TRUE(restart.reboot.IsWindowsNT());
}

}  // namespace
}  // namespace qn
