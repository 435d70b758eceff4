#include <windows.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "platform/memory/memory_file_version.h"
#include "platform/version_block.h"
#include "platform/win32/win32_services.h"
#include "support/ansi_case.h"
#include "tuner/core/file_version_info.h"

namespace qn::win32 {
namespace {

using Bytes = std::vector<std::uint8_t>;

std::string SystemFile(const char* name) {
    char directory[MAX_PATH] = {};
    GetSystemDirectoryA(directory, MAX_PATH);
    return std::string(directory) + "\\" + name;
}

std::string ProgramFile() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return path;
}

std::string ProgramDirectory() {
    const std::string path = ProgramFile();
    return path.substr(0, path.rfind('\\'));
}

// The sub-blocks a reader asks for, with the string names under `prefix`.
std::vector<std::string> ReaderQueries(const std::string& prefix) {
    std::vector<std::string> paths = {"\\",
                                      "",
                                      "\\VarFileInfo\\Translation",
                                      "\\VarFileInfo",
                                      "\\NoSuchBlock",
                                      prefix + "NoSuchString"};
    for (const char* name :
         {"CompanyName", "FileDescription", "FileVersion", "InternalName", "LegalCopyright",
          "LegalTrademarks", "OriginalFilename", "ProductName", "ProductVersion"}) {
        paths.push_back(prefix + name);
    }
    return paths;
}

class FileVersionWin32 : public ::testing::Test {
  protected:
    std::unique_ptr<FileVersionSource> real = MakeWin32FileVersionSource();
    MemoryFileVersion memory;
};

TEST_F(FileVersionWin32, FullPathNameFollowsTheSameRulesAsTheInMemoryOne) {
    char current[MAX_PATH] = {};
    ASSERT_GT(GetCurrentDirectoryA(MAX_PATH, current), 0u);
    for (const char* name :
         {"a.dll", "..\\a.dll", ".\\x\\..\\y.dll", "C:\\windows\\.\\system32\\..\\win.ini",
          "c:/windows//system32/", "\\autoexec.bat", "C:\\windows\\..\\..\\x", "C:\\windows\\"}) {
        EXPECT_EQ(real->FullPathName(name), ResolveFullPath(name, current)) << name;
    }
    EXPECT_EQ(real->FullPathName(""), "");
    EXPECT_EQ(real->FullPathName("C:\\" + std::string(300, 'a')), "");
}

TEST_F(FileVersionWin32, OnlyFilesWithAVersionResourceGiveABlock) {
    EXPECT_FALSE(real->ReadVersionBlock(SystemFile("kernel32.dll")).empty());
    EXPECT_TRUE(real->ReadVersionBlock(ProgramFile()).empty());  // built without one
    EXPECT_TRUE(real->ReadVersionBlock(SystemFile("no-such-file.dll")).empty());
}

TEST_F(FileVersionWin32, InMemoryQueryAgreesWithVersionDllOnSystemFiles) {
    for (const char* name : {"kernel32.dll", "user32.dll", "version.dll", "comctl32.dll"}) {
        const Bytes block = real->ReadVersionBlock(SystemFile(name));
        ASSERT_FALSE(block.empty()) << name;
        const auto translation = real->QueryValue(block, "\\VarFileInfo\\Translation");
        ASSERT_TRUE(translation && translation->size() >= 4) << name;
        char prefix[32];
        wsprintfA(prefix, "\\StringFileInfo\\%02X%02X%02X%02X\\", (*translation)[1],
                  (*translation)[0], (*translation)[3], (*translation)[2]);
        for (const std::string& path : ReaderQueries(prefix)) {
            EXPECT_EQ(QueryVersionBlock(block, path), real->QueryValue(block, path))
                << name << " " << path;
        }
    }
}

TEST_F(FileVersionWin32, VersionDllReadsBuiltBlocksAsTheInMemoryQueryDoes) {
    VersionBlockFields fields;
    fields.fileVersionMS = 0x00050000;
    fields.fileVersionLS = 0x08930001;
    fields.fileFlags = 0x21;
    fields.language = 0x0407;
    fields.codePage = 0x04E4;
    fields.strings = {{"CompanyName", "Caf\xE9 \x80 Test"},
                      {"FileDescription", ""},
                      {"FileVersion", "5.00.2195.1"},
                      {"ProductName", "x"}};
    const Bytes block = BuildVersionBlock(fields);
    // GetFileVersionInfoA hands over twice the room plus a signature word;
    // VerQueryValueA puts its ANSI copies of strings there.
    Bytes asHandedOver = block;
    asHandedOver.resize(block.size() * 2 + 4, 0);
    std::copy_n("FE2X", 4, asHandedOver.begin() + static_cast<std::ptrdiff_t>(block.size()));
    auto paths = ReaderQueries("\\StringFileInfo\\040704E4\\");
    for (const char* extra :
         {"\\stringfileinfo\\040704e4\\companyname", "StringFileInfo\\\\040704E4",
          "\\StringFileInfo\\040904E4\\CompanyName"}) {
        paths.push_back(extra);
    }
    for (const std::string& path : paths) {
        EXPECT_EQ(QueryVersionBlock(block, path), real->QueryValue(asHandedOver, path)) << path;
    }
}

TEST_F(FileVersionWin32, LanguageNamesOfTheInMemoryTableMatchTheSystem) {
    // Windows names the language and its country, Wine only the language (and
    // Wine names language 0 after the user's language, not "Language Neutral").
    for (std::uint32_t language : {0x0409u, 0x0407u, 0x040Cu}) {
        const std::string name = real->LanguageName(language);
        EXPECT_FALSE(name.empty()) << language;
        EXPECT_EQ(name.find('\0'), std::string::npos) << language;
        EXPECT_EQ(memory.LanguageName(language).substr(0, name.size()), name) << language;
    }
}

struct FixtureCase {
    const char* file;
    const char* version;
    const char* verFile;
};

TEST(PppmacFixtures, ReaderFindsTheVersionThatDecidesDialUpNetworking13) {
    const auto source = MakeWin32FileVersionSource();
    for (const FixtureCase& fixture : {FixtureCase{"pppmac-dun13.vxd", "4.00.1902", "4.00.1902"},
                                       FixtureCase{"pppmac-old.vxd", "4.00.950", "4.00.0950"}}) {
        CFileVersionInfo info(*source);
        // The start-up reads the path in upper case.
        info.SetFullPathName(ToUpperAnsi(ProgramDirectory() + "\\fixtures\\" + fixture.file));
        ASSERT_TRUE(info.Available()) << fixture.file << ": is the fixtures folder built?";
        EXPECT_EQ(info.ProductVersion(), fixture.version);
        EXPECT_EQ(info.FileVersion(), fixture.version);
        EXPECT_EQ(info.VerFile(), fixture.verFile);
        EXPECT_EQ(info.VerProduct(), fixture.verFile);
        EXPECT_EQ(info.FileOS(), "DOS-Win32");
        EXPECT_EQ(info.FileType(), "VxD");
        EXPECT_EQ(info.CompanyName(), "Quillon test fixture");
        EXPECT_EQ(info.OriginalFilename(), "PPPMAC.VXD");
        EXPECT_EQ(info.Language().substr(0, 7), "English");
    }
}

}  // namespace
}  // namespace qn::win32
