// The faults the in-memory file system can stage: they must fail the way a
// real disk does, or tests of data safety prove nothing.
#include <gtest/gtest.h>

#include "platform/memory/memory_file_system.h"

namespace qn {
namespace {

TEST(MemoryFileFaults, AFullDiskKeepsWhatFitsAndFails) {
    MemoryFileSystem files;
    files.AddDirectory("C:\\data");
    files.SetCapacity(10);
    EXPECT_TRUE(files.Write("C:\\data\\a", "123456"));
    EXPECT_FALSE(files.Write("C:\\data\\b", "abcdef"));
    EXPECT_EQ(files.ReadAll("C:\\data\\b"), "abcd") << "a short file, as a full disk leaves";
    EXPECT_FALSE(files.Copy("C:\\data\\a", "C:\\data\\c"));
    EXPECT_FALSE(files.Append("C:\\data\\a", "7"));
    EXPECT_TRUE(files.Write("C:\\data\\a", "12")) << "replacing frees the old contents";
    files.SetCapacity(std::nullopt);
    EXPECT_TRUE(files.Write("C:\\data\\b", "abcdef"));
}

TEST(MemoryFileFaults, AReadOnlyFolderRefusesEveryChangeToItsFiles) {
    MemoryFileSystem files;
    files.AddDirectory("C:\\app\\sub");
    ASSERT_TRUE(files.Write("C:\\app\\kept", "x"));
    files.SetReadOnly("c:\\APP\\");
    EXPECT_FALSE(files.Write("C:\\app\\new", "y"));
    EXPECT_FALSE(files.Write("C:\\app\\kept", "y"));
    EXPECT_FALSE(files.Append("C:\\app\\kept", "y"));
    EXPECT_FALSE(files.Copy("C:\\app\\kept", "C:\\app\\copy"));
    EXPECT_FALSE(files.Delete("C:\\app\\kept"));
    EXPECT_FALSE(files.Move("C:\\app\\kept", "C:\\app\\sub\\moved"));
    EXPECT_EQ(files.ReadAll("C:\\app\\kept"), "x");
    EXPECT_TRUE(files.Write("C:\\app\\sub\\new", "y")) << "only the folder itself";
    files.SetReadOnly("C:\\app", false);
    EXPECT_TRUE(files.Delete("C:\\app\\kept"));
}

// Moving replaces the target whole, and both names are then one file.
TEST(MemoryFileFaults, AMoveReplacesItsTargetAndNeedsItsFolder) {
    MemoryFileSystem files;
    files.AddDirectory("C:\\app");
    files.Write("C:\\app\\new", "fresh");
    files.Write("C:\\app\\Target", "stale");
    EXPECT_TRUE(files.Move("C:\\app\\new", "C:\\APP\\target"));
    EXPECT_EQ(files.ReadAll("C:\\app\\target"), "fresh");
    EXPECT_FALSE(files.FileExists("C:\\app\\new"));
    EXPECT_FALSE(files.Move("C:\\app\\target", "C:\\nowhere\\target"));
    EXPECT_FALSE(files.Move("C:\\app\\missing", "C:\\app\\target"));
}

}  // namespace
}  // namespace qn
