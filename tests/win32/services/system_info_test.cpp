#include <windows.h>
#include <gtest/gtest.h>

#include "platform/win32/win32_services.h"

namespace qn::win32 {
namespace {

TEST(OsVersionWin32, ReportsAPlausibleVersion) {
    const auto version = MakeWin32OsVersion()->Read();
    ASSERT_TRUE(version.has_value());
    EXPECT_TRUE(version->platformId == kPlatformWin32Nt ||
                version->platformId == kPlatformWin32Windows);
    EXPECT_GE(version->major, 4u);
    EXPECT_GT(version->build, 0u);
}

TEST(DirectoriesWin32, ProgramDirectoryHasNoTrailingBackslash) {
    const auto directories = MakeWin32Directories();
    const std::string dir = directories->ProgramDirectory();
    ASSERT_FALSE(dir.empty());
    EXPECT_NE(dir.back(), '\\');
    EXPECT_EQ(directories->ProgramFileName().substr(0, dir.size() + 1), dir + "\\");
    EXPECT_TRUE(MakeWin32FileSystem()->FileExists(directories->ProgramFileName()));
}

TEST(DirectoriesWin32, WindowsAndSpecialFolders) {
    const auto directories = MakeWin32Directories();
    const std::string windows = directories->WindowsDirectory();
    EXPECT_EQ(CharUpperA(std::string(windows).data()), std::string("C:\\WINDOWS"));
    EXPECT_TRUE(MakeWin32FileSystem()->DirectoryExists(windows));
    const std::string favorites = directories->SpecialFolderPath(SpecialFolder::Favorites);
    ASSERT_FALSE(favorites.empty());
    EXPECT_NE(favorites.find("Favorites"), std::string::npos);
}

TEST(InterfaceTableWin32, ShortBufferAsksForMore) {
    const auto table = MakeWin32InterfaceTable();
    ASSERT_TRUE(table->Available());
    const auto read = table->Read(IfTableBufferSize(0));
    EXPECT_EQ(read.error, kInsufficientBuffer);
    EXPECT_GE(read.requiredSize, IfTableBufferSize(1));
}

}  // namespace
}  // namespace qn::win32
