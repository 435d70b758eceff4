#include <gtest/gtest.h>

#include <map>

#include "platform/memory/memory_file_version.h"
#include "platform/version_block.h"
#include "tuner/core/file_version_info.h"

namespace qn {
namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr const char* kPath = "C:\\WINDOWS\\SYSTEM\\TEST.DLL";
constexpr const char* kOtherPath = "C:\\WINDOWS\\SYSTEM\\OTHER.DLL";
constexpr const char* kNoResourcePath = "C:\\WINDOWS\\NOTEPAD.TXT";

std::uint32_t Words(std::uint32_t high, std::uint32_t low) {
    return high << 16 | low;
}

// The nine string members, in table order, with a reader's getter for each.
using Getter = const std::string& (CFileVersionInfo::*)() const;
const std::pair<const char*, Getter> kStringMembers[] = {
    {"CompanyName", &CFileVersionInfo::CompanyName},
    {"FileDescription", &CFileVersionInfo::FileDescription},
    {"FileVersion", &CFileVersionInfo::FileVersion},
    {"InternalName", &CFileVersionInfo::InternalName},
    {"LegalCopyright", &CFileVersionInfo::LegalCopyright},
    {"LegalTrademarks", &CFileVersionInfo::LegalTrademarks},
    {"OriginalFilename", &CFileVersionInfo::OriginalFilename},
    {"ProductName", &CFileVersionInfo::ProductName},
    {"ProductVersion", &CFileVersionInfo::ProductVersion}};

VersionBlockFields FullFields() {
    VersionBlockFields fields;
    fields.fileVersionMS = Words(4, 10);
    fields.fileVersionLS = Words(0, 1902);
    fields.productVersionMS = Words(4, 0);
    fields.productVersionLS = Words(0, 950);
    fields.fileFlags = 0x05;
    fields.fileType = 3;
    fields.fileSubtype = 6;
    for (const auto& [name, getter] : kStringMembers) {
        fields.strings.emplace_back(name, std::string("value of ") + name);
    }
    return fields;
}

class FileVersionInfoTest : public ::testing::Test {
  protected:
    // Registers kPath with these fields and reads it.
    void Read(const VersionBlockFields& fields) {
        files_.AddFile(kPath, BuildVersionBlock(fields));
        info_.SetFullPathName(kPath);
    }
    void ReadOther(const VersionBlockFields& fields) {
        files_.AddFile(kOtherPath, BuildVersionBlock(fields));
        info_.SetFullPathName(kOtherPath);
    }
    std::vector<std::string> Strings() const {
        std::vector<std::string> values;
        for (const auto& [name, getter] : kStringMembers) values.push_back((info_.*getter)());
        return values;
    }

    MemoryFileVersion files_;
    CFileVersionInfo info_{files_};
};

struct VersionCase {
    std::uint32_t ms, ls;
    const char* text;
};

void PrintTo(const VersionCase& c, std::ostream* os) {
    *os << c.text;
}

class VersionTextTest : public FileVersionInfoTest,
                        public ::testing::WithParamInterface<VersionCase> {};

TEST_P(VersionTextTest, FileAndProductVersionsUseTheSameFormat) {
    VersionBlockFields fields;
    fields.fileVersionMS = fields.productVersionMS = GetParam().ms;
    fields.fileVersionLS = fields.productVersionLS = GetParam().ls;
    Read(fields);
    EXPECT_EQ(info_.VerFile(), GetParam().text);
    EXPECT_EQ(info_.VerProduct(), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Versions, VersionTextTest,
    ::testing::Values(VersionCase{Words(5, 0), Words(2195, 1), "5.00.219501"},
                      VersionCase{Words(4, 10), Words(0, 1902), "4.10.1902"},
                      VersionCase{Words(4, 0), Words(0, 950), "4.00.0950"},
                      VersionCase{Words(1, 2), Words(3, 4), "1.02.0304"},
                      VersionCase{Words(0, 0), Words(0, 0), "0.00.0000"},
                      VersionCase{Words(6, 1), Words(7601, 17514), "6.01.760117514"},
                      VersionCase{Words(10, 100), Words(0, 12345), "10.100.12345"},
                      VersionCase{0xFFFFFFFF, 0xFFFFFFFF, "65535.65535.6553565535"}));

TEST_F(FileVersionInfoTest, FileAndProductVersionsComeFromTheirOwnFields) {
    Read(FullFields());
    EXPECT_TRUE(info_.Available());
    EXPECT_EQ(info_.VerFile(), "4.10.1902");
    EXPECT_EQ(info_.VerProduct(), "4.00.0950");
    EXPECT_EQ(info_.VerStructure(), "1.0");
}

TEST_F(FileVersionInfoTest, StructureVersionIsBothWordsInPlainDecimal) {
    VersionBlockFields fields;
    fields.structVersion = Words(2, 13);
    Read(fields);
    EXPECT_EQ(info_.VerStructure(), "2.13");
}

struct FlagsCase {
    std::uint32_t flags;
    const char* words;
};

void PrintTo(const FlagsCase& c, std::ostream* os) {
    *os << "0x" << std::hex << c.flags;
}

class FileFlagsTest : public FileVersionInfoTest,
                      public ::testing::WithParamInterface<FlagsCase> {};

TEST_P(FileFlagsTest, SetFlagsGiveTheirWordsInTableOrder) {
    VersionBlockFields fields;
    fields.fileFlags = GetParam().flags;
    fields.fileFlagsMask = 0;  // the words follow the flags, not the mask
    Read(fields);
    EXPECT_EQ(info_.FileFlags(), GetParam().words);
}

INSTANTIATE_TEST_SUITE_P(
    Flags, FileFlagsTest,
    ::testing::Values(FlagsCase{0, ""}, FlagsCase{1, "Debug"}, FlagsCase{5, "Debug Patched"},
                      FlagsCase{0x22, "PreRel Special"}, FlagsCase{0x18, "Private Info"},
                      FlagsCase{0x3F, "Debug PreRel Patched Private Info Special"},
                      FlagsCase{0xFFC0, ""}));

TEST_F(FileVersionInfoTest, FlagsStartAfreshOnEachRead) {
    Read(FullFields());
    EXPECT_EQ(info_.FileFlags(), "Debug Patched");
    VersionBlockFields fields;
    fields.fileFlags = 0;
    ReadOther(fields);
    EXPECT_EQ(info_.FileFlags(), "");
}

TEST_F(FileVersionInfoTest, OperatingSystemNames) {
    const std::pair<std::uint32_t, const char*> names[] = {
        {0x10001, "DOS-Win16"},     {0x10004, "DOS-Win32"}, {0x20002, "OS/2-16 PM-16"},
        {0x30003, "OS/2-16 PM-32"}, {0x40004, "NT-Win32"},  {0x40000, "Unknown"},
        {0x4, "Unknown"},           {0, "Unknown"},         {0x50004, "Unknown"}};
    for (const auto& [os, name] : names) {
        VersionBlockFields fields;
        fields.fileOS = os;
        Read(fields);
        EXPECT_EQ(info_.FileOS(), name) << std::hex << os;
    }
}

TEST_F(FileVersionInfoTest, FileTypeNames) {
    const std::pair<std::uint32_t, const char*> names[] = {
        {1, "Application"}, {2, "DLL"},     {3, "Driver"},  {4, "Font"},    {5, "VxD"},
        {7, "Lib"},         {0, "Unknown"}, {6, "Unknown"}, {8, "Unknown"}, {0x10001, "Unknown"}};
    for (const auto& [type, name] : names) {
        VersionBlockFields fields;
        fields.fileType = type;
        Read(fields);
        EXPECT_EQ(info_.FileType(), name) << type;
    }
}

TEST_F(FileVersionInfoTest, DriverAndFontSubtypeNames) {
    const char* drivers[] = {"Unknown",     "Printer drv", "Keyboard drv", "Language drv",
                             "Display drv", "Mouse drv",   "Network drv",  "System drv",
                             "Installable", "Sound drv",   "Comm drv"};
    for (std::uint32_t subtype = 0; subtype <= 10; ++subtype) {
        VersionBlockFields fields;
        fields.fileType = 3;
        fields.fileSubtype = subtype;
        Read(fields);
        EXPECT_EQ(info_.FileSubType(), drivers[subtype]) << subtype;
    }
    const char* fonts[] = {"Raster Font", "Vector Font", "TrueType Font"};
    for (std::uint32_t subtype = 1; subtype <= 3; ++subtype) {
        VersionBlockFields fields;
        fields.fileType = 4;
        fields.fileSubtype = subtype;
        Read(fields);
        EXPECT_EQ(info_.FileSubType(), fonts[subtype - 1]) << subtype;
    }
}

TEST_F(FileVersionInfoTest, SubtypeOutsideItsTableKeepsThePreviousName) {
    VersionBlockFields fresh;
    fresh.fileType = 3;
    fresh.fileSubtype = 11;
    Read(fresh);
    EXPECT_EQ(info_.FileType(), "Driver");
    EXPECT_EQ(info_.FileSubType(), "");

    VersionBlockFields network;
    network.fileType = 3;
    network.fileSubtype = 6;
    ReadOther(network);
    ASSERT_EQ(info_.FileSubType(), "Network drv");

    const std::pair<std::uint32_t, std::uint32_t> outside[] = {{3, 11}, {3, 0xFFFF}, {4, 0},
                                                               {4, 4},  {1, 2},      {5, 0x27}};
    for (const auto& [type, subtype] : outside) {
        VersionBlockFields fields;
        fields.fileType = type;
        fields.fileSubtype = subtype;
        Read(fields);
        EXPECT_EQ(info_.FileSubType(), "Network drv") << type << "/" << subtype;
    }
}

TEST_F(FileVersionInfoTest, FileWithoutResourceOnAFreshObjectLeavesEverythingEmpty) {
    files_.AddFile(kNoResourcePath, {});
    info_.SetFullPathName(kNoResourcePath);
    EXPECT_EQ(info_.FullPathName(), kNoResourcePath);
    EXPECT_FALSE(info_.Available());
    for (const std::string& value : Strings()) EXPECT_EQ(value, "");
    for (Getter getter :
         {&CFileVersionInfo::FileFlags, &CFileVersionInfo::FileOS, &CFileVersionInfo::FileType,
          &CFileVersionInfo::FileSubType, &CFileVersionInfo::VerFile, &CFileVersionInfo::VerProduct,
          &CFileVersionInfo::VerStructure, &CFileVersionInfo::Language}) {
        EXPECT_EQ((info_.*getter)(), "");
    }
}

TEST_F(FileVersionInfoTest, FileWithoutResourceKeepsWhatAnEarlierReadFound) {
    Read(FullFields());
    const auto strings = Strings();
    info_.SetFullPathName("C:\\WINDOWS\\MISSING.DLL");
    EXPECT_FALSE(info_.Available());
    EXPECT_EQ(info_.FullPathName(), "C:\\WINDOWS\\MISSING.DLL");
    EXPECT_EQ(Strings(), strings);
    EXPECT_EQ(info_.VerFile(), "4.10.1902");
    EXPECT_EQ(info_.FileFlags(), "Debug Patched");
    EXPECT_EQ(info_.FileSubType(), "Network drv");
    EXPECT_EQ(info_.Language(), "English (United States)");
}

TEST_F(FileVersionInfoTest, NineStringsLandInTheirOwnMembers) {
    Read(FullFields());
    const auto strings = Strings();
    for (std::size_t i = 0; i < strings.size(); ++i) {
        EXPECT_EQ(strings[i], std::string("value of ") + kStringMembers[i].first);
    }
    EXPECT_EQ(info_.Language(), "English (United States)");
}

TEST_F(FileVersionInfoTest, MissingTranslationKeepsStringsAndLanguage) {
    VersionBlockFields bare = FullFields();
    bare.withTranslation = false;
    Read(bare);
    EXPECT_TRUE(info_.Available());
    EXPECT_EQ(info_.VerFile(), "4.10.1902");  // the fixed part is still read
    for (const std::string& value : Strings()) EXPECT_EQ(value, "");
    EXPECT_EQ(info_.Language(), "");

    VersionBlockFields german = FullFields();
    german.language = 0x0407;
    ReadOther(german);
    const auto strings = Strings();
    bare.fileVersionMS = Words(9, 9);
    Read(bare);
    EXPECT_EQ(info_.VerFile(), "9.09.1902");
    EXPECT_EQ(Strings(), strings);
    EXPECT_EQ(info_.Language(), "German (Germany)");
}

TEST_F(FileVersionInfoTest, StringsMissingFromTheTableKeepTheirValues) {
    Read(FullFields());
    VersionBlockFields partial;
    partial.strings = {{"ProductVersion", "4.00.1902"}, {"CompanyName", ""}};
    ReadOther(partial);
    EXPECT_EQ(info_.ProductVersion(), "4.00.1902");
    EXPECT_EQ(info_.CompanyName(), "");  // present, though empty
    EXPECT_EQ(info_.FileDescription(), "value of FileDescription");
}

TEST_F(FileVersionInfoTest, StringTableOfAnotherLanguageIsNotRead) {
    // The translation names 0407/04B0, the only table is 040904E4.
    files_.AddFile(kPath, BuildVersionBlock(FullFields()));
    Bytes block = BuildVersionBlock(FullFields());
    VersionBlockFields translationOnly;
    translationOnly.language = 0x0407;
    translationOnly.codePage = 0x04B0;
    const Bytes other = BuildVersionBlock(translationOnly);
    ASSERT_EQ(QueryVersionBlock(other, "\\StringFileInfo\\040904E4\\CompanyName"), std::nullopt);
    files_.AddFile(kOtherPath, other);
    info_.SetFullPathName(kOtherPath);
    EXPECT_EQ(info_.Language(), "German (Germany)");
    EXPECT_EQ(info_.CompanyName(), "");
}

TEST_F(FileVersionInfoTest, UnknownLanguageGivesAnEmptyName) {
    Read(FullFields());
    VersionBlockFields fields = FullFields();
    fields.language = 0x0436;
    ReadOther(fields);
    EXPECT_EQ(info_.Language(), "");
    EXPECT_EQ(info_.CompanyName(), "value of CompanyName");
}

// Records the queries a reader makes of the in-memory service.
class RecordingSource : public MemoryFileVersion {
  public:
    std::optional<Bytes> QueryValue(const Bytes& block,
                                    const std::string& subBlock) const override {
        queries.push_back(subBlock);
        return MemoryFileVersion::QueryValue(block, subBlock);
    }
    std::string LanguageName(std::uint32_t language) const override {
        languages.push_back(language);
        return MemoryFileVersion::LanguageName(language);
    }
    mutable std::vector<std::string> queries;
    mutable std::vector<std::uint32_t> languages;
};

TEST(FileVersionInfoQueries, KeyIsLanguageThenCodePageInUpperCaseHex) {
    struct Case {
        std::uint16_t language, codePage;
        const char* prefix;
    };
    for (const Case& c : {Case{0x0409, 0x04E4, "\\StringFileInfo\\040904E4\\"},
                          Case{0x0c0a, 0x04b0, "\\StringFileInfo\\0C0A04B0\\"},
                          Case{0x0000, 0x0000, "\\StringFileInfo\\00000000\\"}}) {
        RecordingSource source;
        VersionBlockFields fields;
        fields.language = c.language;
        fields.codePage = c.codePage;
        source.AddFile(kPath, BuildVersionBlock(fields));
        CFileVersionInfo info(source);
        info.SetFullPathName(kPath);
        std::vector<std::string> expected = {"\\", "\\VarFileInfo\\Translation"};
        for (const auto& [name, getter] : kStringMembers)
            expected.push_back(c.prefix + std::string(name));
        EXPECT_EQ(source.queries, expected);
        EXPECT_EQ(source.languages, std::vector<std::uint32_t>{c.language});
    }
}

TEST_F(FileVersionInfoTest, NameThatCannotBeMadeAFullPathChangesNothing) {
    Read(FullFields());
    const auto strings = Strings();
    files_.AddFile(kPath, {});  // a refresh would now find no resource
    info_.SetFullPathName("");
    info_.SetFullPathName(std::string(300, 'x'));
    EXPECT_EQ(info_.FullPathName(), kPath);
    EXPECT_TRUE(info_.Available());
    EXPECT_EQ(Strings(), strings);
}

TEST_F(FileVersionInfoTest, RelativeNameIsStoredAsAFullPath) {
    files_.AddFile("C:\\Windows\\System\\pppmac.vxd", BuildVersionBlock(FullFields()));
    files_.currentDirectory = "C:\\WINDOWS";
    info_.SetFullPathName("system\\..\\System\\PPPMAC.VXD");
    EXPECT_EQ(info_.FullPathName(), "C:\\WINDOWS\\System\\PPPMAC.VXD");
    EXPECT_TRUE(info_.Available());
    EXPECT_EQ(info_.ProductVersion(), "value of ProductVersion");
}

TEST_F(FileVersionInfoTest, RefreshRereadsTheSameFile) {
    Read(FullFields());
    VersionBlockFields changed = FullFields();
    changed.strings = {{"ProductVersion", "4.00.950"}};
    files_.AddFile(kPath, BuildVersionBlock(changed));
    info_.Refresh();
    EXPECT_EQ(info_.ProductVersion(), "4.00.950");
}

// Answers every query from a table, as a damaged or unusual resource might.
class ScriptedSource : public FileVersionSource {
  public:
    std::string FullPathName(const std::string& name) const override { return name; }
    Bytes ReadVersionBlock(const std::string&) const override { return {1}; }
    std::optional<Bytes> QueryValue(const Bytes&, const std::string& subBlock) const override {
        const auto found = values.find(subBlock);
        if (found == values.end()) return std::nullopt;
        return found->second;
    }
    std::string LanguageName(std::uint32_t) const override { return "Somewhere"; }
    std::map<std::string, Bytes> values;
};

TEST(FileVersionInfoValues, ShortFixedPartIsIgnoredAndStringsStillRead) {
    ScriptedSource source;
    source.values["\\"] = Bytes(51, 0xFF);
    source.values["\\VarFileInfo\\Translation"] = {0x09, 0x04, 0xE4, 0x04};
    source.values["\\StringFileInfo\\040904E4\\CompanyName"] = {'A', 'c', 'm', 'e', 0};
    CFileVersionInfo info(source);
    info.SetFullPathName("C:\\X.DLL");
    EXPECT_TRUE(info.Available());
    EXPECT_EQ(info.VerFile(), "");
    EXPECT_EQ(info.FileOS(), "");
    EXPECT_EQ(info.CompanyName(), "Acme");
}

TEST(FileVersionInfoValues, TranslationShorterThanOneEntryCountsAsMissing) {
    for (const Bytes& translation : {Bytes{}, Bytes{0x09, 0x04, 0xE4}}) {
        ScriptedSource source;
        source.values["\\VarFileInfo\\Translation"] = translation;
        source.values["\\StringFileInfo\\040904E4\\CompanyName"] = {'A', 0};
        CFileVersionInfo info(source);
        info.SetFullPathName("C:\\X.DLL");
        EXPECT_EQ(info.CompanyName(), "");
        EXPECT_EQ(info.Language(), "");
    }
}

TEST(FileVersionInfoValues, StringsEndAtTheirFirstNulOrTheirLength) {
    ScriptedSource source;
    source.values["\\VarFileInfo\\Translation"] = {0x09, 0x04, 0xE4, 0x04, 0x07, 0x04, 0xB0, 0x04};
    const std::string prefix = "\\StringFileInfo\\040904E4\\";
    source.values[prefix + "CompanyName"] = {'A', 'B', 0, 'C', 0};
    source.values[prefix + "ProductVersion"] = {'4', '.', '0'};  // no NUL counted
    source.values[prefix + "ProductName"] = {};                  // found, length 0
    CFileVersionInfo info(source);
    info.SetFullPathName("C:\\X.DLL");
    EXPECT_EQ(info.CompanyName(), "AB");
    EXPECT_EQ(info.ProductVersion(), "4.0");
    EXPECT_EQ(info.ProductName(), "");
    EXPECT_EQ(info.Language(), "Somewhere");
}

}  // namespace
}  // namespace qn
