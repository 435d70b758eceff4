// The hosts file and the editor's working copies through an edit: taken,
// saved, put back, and never lost when something fails half-way.
#include "tuner/hosts/hosts_files.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/memory/memory_file_system.h"
#include "platform/memory/memory_local_time.h"

namespace qn {
namespace {

const std::string kApp = "C:\\Program Files\\Quillon";
const std::string kHosts = "C:\\WINDOWS\\HOSTS";
const std::string kRead = "127.0.0.1 localhost\r\n# note\r\n";

class HostsFilesTest : public ::testing::Test {
  protected:
    HostsFilesTest() {
        files.AddDirectory(kApp);
        files.AddDirectory("C:\\WINDOWS");
        files.Write(kHosts, kRead);
    }
    std::string Read(const std::string& path) { return files.ReadAll(path).value_or("<none>"); }
    bool Exists(const char* name) { return files.FileExists(kApp + "\\" + name); }

    MemoryFileSystem files;
    MemoryLocalTime clock;
    HostsFiles hosts{files, clock, kApp};
};

TEST_F(HostsFilesTest, AnEditTakesTheFileIntoTwoCopiesAndOkWritesTheNewOne) {
    std::string text;
    ASSERT_EQ(hosts.Take(kHosts, text), HostsTaken::Read);
    EXPECT_EQ(text, kRead);
    EXPECT_FALSE(files.FileExists(kHosts));
    EXPECT_EQ(Read(hosts.LocalCopyPath()), kRead);
    EXPECT_EQ(Read(hosts.BackupCopyPath()), kRead);
    EXPECT_TRUE(hosts.EditInterrupted());
    files.Write(kApp + "\\output.dat", "scratch");

    ASSERT_TRUE(hosts.Save(kHosts, "new"));
    EXPECT_EQ(Read(kHosts), "new");
    for (const char* name : {"localhosts.dat", "hostsbackup.dat", "output.dat"}) {
        EXPECT_FALSE(Exists(name)) << name;
    }
    // What Ok dropped can be had back.
    EXPECT_EQ(Read(kApp + "\\Hosts as read 2026-12-07 23.26.17.txt"), kRead);
}

TEST_F(HostsFilesTest, CancelPutsTheFileBackByteForByte) {
    std::string text;
    hosts.Take(kHosts, text);
    ASSERT_TRUE(hosts.PutBack(kHosts));
    EXPECT_EQ(Read(kHosts), kRead);
    EXPECT_FALSE(hosts.EditInterrupted());
    EXPECT_FALSE(Exists("localhosts.dat"));
}

TEST_F(HostsFilesTest, AnInterruptedEditCanBeRestored) {
    std::string text;
    hosts.Take(kHosts, text);
    HostsFiles next(files, clock, kApp);  // the program ended without Ok or Cancel
    ASSERT_TRUE(next.EditInterrupted());
    ASSERT_TRUE(next.RestoreInterrupted(kHosts));
    EXPECT_EQ(Read(kHosts), kRead);
}

TEST_F(HostsFilesTest, WithoutAHostsFileTheLocalCopyIsEmpty) {
    files.Delete(kHosts);
    std::string text = "untouched";
    EXPECT_EQ(hosts.Take(kHosts, text), HostsTaken::NoHostsFile);
    EXPECT_EQ(Read(hosts.LocalCopyPath()), "");
    EXPECT_FALSE(hosts.EditInterrupted());
}

// A full disk at each step: the hosts file is never lost or cut short.
TEST_F(HostsFilesTest, AFullDiskLeavesEveryFileWhole) {
    files.SetCapacity(kRead.size() + 10);
    std::string text;
    EXPECT_EQ(hosts.Take(kHosts, text), HostsTaken::NotCopied);
    EXPECT_EQ(Read(kHosts), kRead);
    EXPECT_FALSE(hosts.EditInterrupted());

    files.SetCapacity(std::nullopt);
    ASSERT_EQ(hosts.Take(kHosts, text), HostsTaken::Read);
    files.SetCapacity(3 * kRead.size() + 5);
    EXPECT_FALSE(hosts.Save(kHosts, std::string(500, 'x')));
    EXPECT_FALSE(files.FileExists(kHosts));
    EXPECT_EQ(Read(hosts.LocalCopyPath()), kRead);
    EXPECT_TRUE(hosts.EditInterrupted());
}

TEST_F(HostsFilesTest, OnlyTheLastFewCopiesAsReadAreKept) {
    for (int day = 1; day <= kKeptReadCopies + 2; ++day) {
        std::string text;
        files.Write(kHosts, kRead);
        hosts.Take(kHosts, text);
        clock.stamp = "2026-12-0" + std::to_string(day) + " 10.00.00";
        hosts.Save(kHosts, "saved");
    }
    int kept = 0;
    for (const DirectoryEntry& entry : files.List(kApp))
        kept += entry.name.rfind("Hosts as read ", 0) == 0;
    EXPECT_EQ(kept, kKeptReadCopies);
    EXPECT_FALSE(Exists("Hosts as read 2026-12-02 10.00.00.txt"));
    EXPECT_TRUE(Exists("Hosts as read 2026-12-03 10.00.00.txt"));
}

}  // namespace
}  // namespace qn
