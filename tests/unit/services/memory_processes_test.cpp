#include "platform/memory/memory_processes.h"

#include <gtest/gtest.h>

#include "platform/memory/memory_file_system.h"

namespace qn {
namespace {

TEST(MemoryProcesses, ScriptedProcessRunsThenWritesItsOutputAndExits) {
    MemoryFileSystem fs;
    MemoryProcesses processes;
    ScriptedProcess ping;
    ping.exitCode = 0;
    ping.pollsWhileRunning = 2;
    ping.onExit = [&](const std::string&) { fs.Write("C:\\output.dat", "Reply\r\n"); };
    processes.Script("PING -f", ping);

    const auto handle =
        processes.Start("ping -f -n 1 -l 1472 host > \"C:\\output.dat\"", WindowState::Hidden);
    ASSERT_TRUE(handle.has_value());
    EXPECT_EQ(processes.ExitCode(*handle), kStillActive);
    EXPECT_EQ(processes.ExitCode(*handle), kStillActive);
    EXPECT_FALSE(fs.FileExists("C:\\output.dat"));
    EXPECT_EQ(processes.ExitCode(*handle), 0u);
    EXPECT_EQ(fs.ReadAll("C:\\output.dat"), "Reply\r\n");
    ASSERT_EQ(processes.started.size(), 1u);
    EXPECT_EQ(processes.started[0].second, WindowState::Hidden);
}

TEST(MemoryProcesses, OutputIsWrittenOnceAndExitCodeStays) {
    MemoryProcesses processes;
    int writes = 0;
    processes.Script("cmd", {3, 0, [&](const std::string&) { ++writes; }});
    const auto handle = processes.Start("cmd /c exit 3", WindowState::Normal);
    ASSERT_TRUE(handle);
    EXPECT_EQ(processes.ExitCode(*handle), 3u);
    EXPECT_EQ(processes.ExitCode(*handle), 3u);
    EXPECT_EQ(writes, 1);
}

TEST(MemoryProcesses, UnscriptedProgramsDoNotStart) {
    MemoryProcesses processes;
    processes.Script("C:\\App\\Dapplet.exe", {});
    EXPECT_FALSE(processes.Start("C:\\App\\Rellsync.exe StartIt", WindowState::Normal));
    EXPECT_FALSE(processes.Start("C:\\App\\Dapplet", WindowState::Normal));  // shorter than prefix
    EXPECT_TRUE(processes.started.empty());
}

TEST(MemoryProcesses, ForeverRunningAndClosedHandles) {
    MemoryProcesses processes;
    ScriptedProcess hang;
    hang.pollsWhileRunning = ScriptedProcess::kRunsForever;
    processes.Script("hang", hang);
    const auto handle = processes.Start("hang", WindowState::Hidden);
    ASSERT_TRUE(handle);
    for (int i = 0; i < 100; ++i) ASSERT_EQ(processes.ExitCode(*handle), kStillActive);
    EXPECT_EQ(processes.OpenHandles(), 1u);
    processes.Close(*handle);
    EXPECT_EQ(processes.OpenHandles(), 0u);
    EXPECT_FALSE(processes.ExitCode(*handle).has_value());
}

}  // namespace
}  // namespace qn
