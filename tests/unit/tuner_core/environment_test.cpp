#include "tuner/core/environment.h"

#include <gtest/gtest.h>

#include "platform/memory/memory_directories.h"
#include "platform/memory/memory_file_version.h"
#include "platform/memory/memory_os_version.h"
#include "tests/support/tuner_machine.h"

namespace qn {
namespace {

class EnvironmentTest : public ::testing::Test {
  protected:
    void UsePppmac(const std::string& productVersion) {
        versions.AddFile("C:\\WINDOWS\\SYSTEM\\PPPMAC.VXD",
                         testing::PppmacVersionBlock(productVersion, 1902));
    }
    MemoryOsVersion os{Windows95()};
    MemoryDirectories directories;
    MemoryFileVersion versions;
    Environment environment{os, directories, versions};
};

struct Family {
    const char* name;
    OsVersion version;
    bool nt, win2000OrLater, xp, win98, win98OrLater;
};

TEST_F(EnvironmentTest, TellsTheFamiliesApartIncludingLaterNtVersions) {
    const Family families[] = {
        {"95", Windows95(), false, false, false, false, false},
        {"98", Windows98(), false, false, false, true, true},
        {"ME", WindowsMe(), false, false, false, true, true},
        {"NT 4", WindowsNt4(), true, false, false, false, false},
        {"2000", Windows2000(), true, true, false, false, false},
        {"XP", WindowsXp(), true, true, true, false, false},
        {"Server 2003", {kPlatformWin32Nt, 5, 2, 3790, ""}, true, true, true, false, false},
        // Later NT versions must not be taken for NT 4 or for Windows 2000.
        {"Vista", {kPlatformWin32Nt, 6, 0, 6000, ""}, true, true, true, false, false},
        {"10", {kPlatformWin32Nt, 10, 0, 19045, ""}, true, true, true, false, false},
    };
    for (const Family& family : families) {
        os.version = family.version;
        EXPECT_EQ(environment.IsWinNT(), family.nt) << family.name;
        EXPECT_EQ(environment.IsWin2000OrLater(), family.win2000OrLater) << family.name;
        EXPECT_EQ(environment.IsWinXP(), family.xp) << family.name;
        EXPECT_EQ(environment.IsWin98(), family.win98) << family.name;
        EXPECT_EQ(environment.IsWin98OrLater(), family.win98OrLater) << family.name;
    }
}

TEST_F(EnvironmentTest, AFailedVersionCallCountsAsNoKnownFamilyAndIsAskedAgain) {
    os.version = std::nullopt;
    EXPECT_FALSE(environment.IsWinNT());
    EXPECT_FALSE(environment.IsWin98());
    os.version = WindowsXp();
    EXPECT_TRUE(environment.IsWinXP());
}

TEST_F(EnvironmentTest, DialUpNetworking13IsReadFromTheBuildOfPppmac) {
    const struct {
        const char* productVersion;
        bool dun13;
    } cases[] =
        {
            {"4.00.1902", true},      {"4.00.1903", true}, {"4.00.950", false},
            {"4.00.1901", false},     {"4.00", false},     {"", false},
            {"4.0.0.1902", false},  // the part after the second "." is "0.1902"
            {"4.00.2000 beta", true},
        };
    for (const auto& c : cases) {
        MemoryFileVersion files;
        files.AddFile("c:\\windows\\system\\pppmac.vxd",
                      testing::PppmacVersionBlock(c.productVersion, 1902));
        const Environment fresh(os, directories, files);
        EXPECT_EQ(fresh.HasDun13(), c.dun13) << "\"" << c.productVersion << "\"";
    }
}

TEST_F(EnvironmentTest, DialUpNetworkingIsAbsentWithoutPppmacOrItsVersion) {
    EXPECT_FALSE(environment.HasDun13());
    MemoryFileVersion noResource;
    noResource.AddFile("C:\\WINDOWS\\SYSTEM\\PPPMAC.VXD", {});
    EXPECT_FALSE(Environment(os, directories, noResource).HasDun13());
}

TEST_F(EnvironmentTest, DialUpNetworkingIsReadOnceAndOnlyOnWindows95) {
    EXPECT_FALSE(environment.HasDun13());
    UsePppmac("4.00.1902");
    EXPECT_FALSE(environment.HasDun13()) << "the first answer is kept for the run";

    for (const OsVersion& version : {Windows98(), WindowsMe(), WindowsNt4(), WindowsXp()}) {
        os.version = version;
        EXPECT_FALSE(Environment(os, directories, versions).HasDun13());
    }
    os.version = Windows95();
    EXPECT_TRUE(Environment(os, directories, versions).HasDun13());
}

TEST_F(EnvironmentTest, PathsFollowTheFamily) {
    directories.programDirectory = "D:\\Tools\\Quillon\\";
    directories.windowsDirectory = "C:\\WIN";
    EXPECT_EQ(environment.AppPath(), "D:\\Tools\\Quillon");
    EXPECT_EQ(environment.HelpFile(), "D:\\Tools\\Quillon\\quillon.hlp");
    EXPECT_EQ(environment.GetHostsPath(), "C:\\WIN\\hosts");
    os.version = Windows2000();
    EXPECT_EQ(environment.GetHostsPath(), "C:\\WIN\\system32\\drivers\\etc\\hosts");
}

}  // namespace
}  // namespace qn
