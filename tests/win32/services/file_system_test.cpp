#include <windows.h>
#include <gtest/gtest.h>

#include "platform/win32/win32_services.h"

namespace qn::win32 {
namespace {

class FileSystemWin32 : public ::testing::Test {
  protected:
    void SetUp() override {
        char temp[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, temp);
        dir = std::string(temp) + "qn_fs_test";
        CreateDirectoryA(dir.c_str(), nullptr);
    }
    void TearDown() override {
        for (const auto& entry : fs->List(dir)) fs->Delete(dir + "\\" + entry.name);
        RemoveDirectoryA(dir.c_str());
    }
    std::unique_ptr<FileSystem> fs = MakeWin32FileSystem();
    std::string dir;
};

TEST_F(FileSystemWin32, WriteAppendReadCopyDelete) {
    const std::string file = dir + "\\Hosts Backup.qlh";
    const std::string bytes("127.0.0.1\tlocalhost\r\n\0x", 23);
    ASSERT_TRUE(fs->Write(file, bytes));
    ASSERT_TRUE(fs->Append(file, "more"));
    EXPECT_EQ(fs->ReadAll(file), bytes + "more");
    EXPECT_EQ(fs->Size(file), bytes.size() + 4);
    ASSERT_TRUE(fs->Write(file, "short"));  // replaces, does not keep the old tail
    EXPECT_EQ(fs->ReadAll(file), "short");
    ASSERT_TRUE(fs->Copy(file, dir + "\\copy.dat"));
    EXPECT_TRUE(fs->FileExists(dir + "\\COPY.DAT"));
    EXPECT_TRUE(fs->Delete(file));
    EXPECT_FALSE(fs->FileExists(file));
    EXPECT_FALSE(fs->ReadAll(file).has_value());
}

TEST_F(FileSystemWin32, MoveReplacesAnExistingTarget) {
    ASSERT_TRUE(fs->Write(dir + "\\hosts.new", "new"));
    ASSERT_TRUE(fs->Write(dir + "\\hosts", "old"));
    EXPECT_TRUE(fs->Move(dir + "\\hosts.new", dir + "\\hosts"));
    EXPECT_EQ(fs->ReadAll(dir + "\\hosts"), "new");
    EXPECT_FALSE(fs->FileExists(dir + "\\hosts.new"));
    EXPECT_FALSE(fs->Move(dir + "\\missing", dir + "\\hosts"));
    EXPECT_EQ(fs->ReadAll(dir + "\\hosts"), "new");
}

TEST_F(FileSystemWin32, ListGivesStoredNames) {
    fs->Write(dir + "\\Disabled Hosts.qlh", "x");
    CreateDirectoryA((dir + "\\Sub").c_str(), nullptr);
    auto entries = fs->List(dir);
    RemoveDirectoryA((dir + "\\Sub").c_str());
    ASSERT_EQ(entries.size(), 2u);
    bool sawFile = false;
    bool sawFolder = false;
    for (const auto& entry : entries) {
        sawFile |= entry.name == "Disabled Hosts.qlh" && !entry.isDirectory;
        sawFolder |= entry.name == "Sub" && entry.isDirectory;
    }
    EXPECT_TRUE(sawFile);
    EXPECT_TRUE(sawFolder);
}

}  // namespace
}  // namespace qn::win32
