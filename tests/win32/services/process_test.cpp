#include <windows.h>
#include <gtest/gtest.h>

#include "platform/win32/win32_services.h"

namespace qn::win32 {
namespace {

std::optional<std::uint32_t> WaitForExit(Processes& processes, ProcessHandle handle) {
    for (int i = 0; i < 300; ++i) {
        const auto code = processes.ExitCode(handle);
        if (!code || *code != kStillActive) return code;
        Sleep(50);
    }
    return kStillActive;
}

TEST(ProcessesWin32, ExitCodeIsPolledUntilTheProcessEnds) {
    const auto processes = MakeWin32Processes();
    const auto handle = processes->Start("cmd /c exit 3", WindowState::Hidden);
    ASSERT_TRUE(handle.has_value());
    EXPECT_EQ(WaitForExit(*processes, *handle), 3u);
    processes->Close(*handle);
    EXPECT_FALSE(processes->ExitCode(*handle).has_value());
}

TEST(ProcessesWin32, RunningProcessReportsStillActive) {
    const auto processes = MakeWin32Processes();
    const auto handle = processes->Start("cmd /c ping -n 2 127.0.0.1", WindowState::Hidden);
    ASSERT_TRUE(handle.has_value());
    EXPECT_EQ(processes->ExitCode(*handle), kStillActive);
    EXPECT_EQ(WaitForExit(*processes, *handle), 0u);
}

TEST(ProcessesWin32, RedirectedOutputReachesTheFile) {
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    const std::string output = std::string(temp) + "qn output.dat";
    const auto processes = MakeWin32Processes();
    const auto handle =
        processes->Start("cmd /c echo hello > \"" + output + "\"", WindowState::Hidden);
    ASSERT_TRUE(handle.has_value());
    EXPECT_EQ(WaitForExit(*processes, *handle), 0u);
    const auto fs = MakeWin32FileSystem();
    const auto text = fs->ReadAll(output);
    ASSERT_TRUE(text.has_value());
    EXPECT_EQ(text->substr(0, 5), "hello");
    fs->Delete(output);
}

TEST(ProcessesWin32, MissingProgramDoesNotStart) {
    EXPECT_FALSE(MakeWin32Processes()->Start("qn_no_such_program.exe", WindowState::Normal));
}

}  // namespace
}  // namespace qn::win32
