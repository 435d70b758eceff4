#include "platform/memory/memory_file_system.h"

#include <gtest/gtest.h>

namespace qn {
namespace {

class MemoryFileSystemTest : public ::testing::Test {
  protected:
    void SetUp() override { fs.AddDirectory("C:\\Program Files\\Quillon"); }
    MemoryFileSystem fs;
};

TEST_F(MemoryFileSystemTest, PathsIgnoreCaseAndSeparatorStyle) {
    ASSERT_TRUE(fs.Write("C:\\Program Files\\Quillon\\Hosts", "x"));
    EXPECT_TRUE(fs.FileExists("c:/program files/QUILLON//hosts"));
    EXPECT_EQ(fs.ReadAll("C:\\PROGRAM FILES\\quillon\\HOSTS"), "x");
}

TEST_F(MemoryFileSystemTest, ListingKeepsTheStoredCase) {
    fs.Write("C:\\Program Files\\Quillon\\Disabled Hosts.qlh", "a");
    // Overwriting through another spelling keeps the original name.
    fs.Write("C:\\program files\\quillon\\DISABLED HOSTS.QLH", "b");
    const auto entries = fs.List("c:\\program files\\quillon\\");
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].name, "Disabled Hosts.qlh");
    EXPECT_FALSE(entries[0].isDirectory);
    EXPECT_EQ(fs.ReadAll("C:\\Program Files\\Quillon\\Disabled Hosts.qlh"), "b");
}

TEST_F(MemoryFileSystemTest, ListingShowsSubfoldersOnce) {
    fs.AddDirectory("C:\\Fav\\Links");
    fs.Write("C:\\Fav\\Links\\a.url", "");
    fs.Write("C:\\Fav\\News\\b.url", "");  // fails: no such folder
    fs.AddDirectory("C:\\Fav\\News");
    fs.Write("C:\\Fav\\News\\b.url", "");
    fs.Write("C:\\Fav\\top.url", "");
    const auto entries = fs.List("C:\\Fav");
    ASSERT_EQ(entries.size(), 3u);
    int folders = 0;
    for (const auto& entry : entries) folders += entry.isDirectory ? 1 : 0;
    EXPECT_EQ(folders, 2);
}

TEST_F(MemoryFileSystemTest, WritingNeedsAnExistingFolder) {
    EXPECT_FALSE(fs.Write("C:\\Missing\\file.txt", "x"));
    EXPECT_FALSE(fs.Append("C:\\Missing\\file.txt", "x"));
    EXPECT_FALSE(fs.Write("C:\\Program Files\\Quillon", "x"));  // a folder, not a file
    EXPECT_TRUE(fs.Write("C:\\root.txt", "x"));                 // drive roots always exist
}

TEST_F(MemoryFileSystemTest, AppendCopyDeleteAndSize) {
    const std::string log = "C:\\Program Files\\Quillon\\DappletLog.txt";
    EXPECT_TRUE(fs.Append(log, "one\r\n"));
    EXPECT_TRUE(fs.Append(log, std::string("two\0\r\n", 6)));
    EXPECT_EQ(fs.Size(log), 11u);
    EXPECT_TRUE(fs.Copy(log, "C:\\copy.txt"));
    EXPECT_EQ(fs.ReadAll("C:\\copy.txt"), fs.ReadAll(log));
    EXPECT_TRUE(fs.Delete(log));
    EXPECT_FALSE(fs.Delete(log));
    EXPECT_FALSE(fs.ReadAll(log).has_value());
    EXPECT_FALSE(fs.Size(log).has_value());
    EXPECT_FALSE(fs.Copy(log, "C:\\again.txt"));
}

TEST_F(MemoryFileSystemTest, FoldersExistThroughTheirFiles) {
    EXPECT_TRUE(fs.DirectoryExists("C:\\PROGRAM FILES"));
    EXPECT_FALSE(fs.FileExists("C:\\Program Files"));
    EXPECT_FALSE(fs.DirectoryExists("C:\\Program"));  // a prefix is not a folder
    EXPECT_TRUE(fs.List("C:\\Nowhere").empty());
}

}  // namespace
}  // namespace qn
