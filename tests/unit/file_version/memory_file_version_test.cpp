#include <gtest/gtest.h>

#include "platform/memory/memory_file_version.h"
#include "platform/version_block.h"

namespace qn {
namespace {

struct FullPathCase {
    const char* name;
    const char* expected;
};

void PrintTo(const FullPathCase& c, std::ostream* os) {
    *os << '"' << c.name << '"';
}

class FullPathNameTest : public ::testing::TestWithParam<FullPathCase> {};

TEST_P(FullPathNameTest, ResolvesLikeGetFullPathName) {
    MemoryFileVersion files;
    files.currentDirectory = "C:\\WINDOWS\\Desktop";
    EXPECT_EQ(files.FullPathName(GetParam().name), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Names, FullPathNameTest,
    ::testing::Values(FullPathCase{"C:\\WINDOWS\\SYSTEM\\PPPMAC.VXD",
                                   "C:\\WINDOWS\\SYSTEM\\PPPMAC.VXD"},
                      FullPathCase{"pppmac.vxd", "C:\\WINDOWS\\Desktop\\pppmac.vxd"},
                      FullPathCase{"..\\system\\.\\pppmac.vxd", "C:\\WINDOWS\\system\\pppmac.vxd"},
                      FullPathCase{"..\\..\\..\\..\\x.dll", "C:\\x.dll"},
                      FullPathCase{"c:/windows//system/./a.dll", "c:\\windows\\system\\a.dll"},
                      FullPathCase{"\\autoexec.bat", "C:\\autoexec.bat"},
                      FullPathCase{"C:io.sys", "C:\\WINDOWS\\Desktop\\io.sys"},
                      FullPathCase{"D:setup.exe", "D:\\setup.exe"}, FullPathCase{"D:\\", "D:\\"},
                      FullPathCase{"C:\\WINDOWS\\..", "C:\\"},
                      FullPathCase{"C:\\WINDOWS\\", "C:\\WINDOWS\\"},
                      FullPathCase{"\\\\server\\share\\dir\\..\\f.dll", "\\\\server\\share\\f.dll"},
                      FullPathCase{"", ""}));

TEST(MemoryFileVersion, FullPathsThatDoNotFitTheBufferFail) {
    MemoryFileVersion files;
    files.currentDirectory = "C:\\";
    EXPECT_EQ(files.FullPathName(std::string(256, 'a')).size(), 259u);  // "C:\" + 256
    EXPECT_EQ(files.FullPathName(std::string(257, 'a')), "");
}

TEST(MemoryFileVersion, RelativeNamesNeedAFullCurrentDirectory) {
    MemoryFileVersion files;
    files.currentDirectory = "";
    EXPECT_EQ(files.FullPathName("a.dll"), "");
    EXPECT_EQ(files.FullPathName("C:\\a.dll"), "C:\\a.dll");
}

TEST(MemoryFileVersion, FilesAreFoundByAnySpellingOfTheirPath) {
    MemoryFileVersion files;
    const auto block = BuildVersionBlock({});
    files.AddFile("C:\\Windows\\System\\pppmac.vxd", block);
    files.AddFile("C:\\Windows\\System\\plain.dll", {});
    EXPECT_EQ(files.ReadVersionBlock("C:\\WINDOWS\\SYSTEM\\PPPMAC.VXD"), block);
    EXPECT_EQ(files.ReadVersionBlock("c:/windows/system/pppmac.vxd"), block);
    files.currentDirectory = "C:\\Windows\\System";
    EXPECT_EQ(files.ReadVersionBlock("pppmac.vxd"), block);
    EXPECT_TRUE(files.ReadVersionBlock("plain.dll").empty());
    EXPECT_TRUE(files.ReadVersionBlock("C:\\Windows\\System\\missing.vxd").empty());
    EXPECT_EQ(files.QueryValue(block, "\\")->size(), 52u);
}

TEST(MemoryFileVersion, LanguageNamesOfKnownLanguagesOnly) {
    MemoryFileVersion files;
    EXPECT_EQ(files.LanguageName(0x0409), "English (United States)");
    EXPECT_EQ(files.LanguageName(0x0407), "German (Germany)");
    EXPECT_EQ(files.LanguageName(0x040C), "French (France)");
    EXPECT_EQ(files.LanguageName(0), "Language Neutral");
    EXPECT_EQ(files.LanguageName(0x7777), "");
    EXPECT_EQ(files.LanguageName(0x10409), "");
}

}  // namespace
}  // namespace qn
