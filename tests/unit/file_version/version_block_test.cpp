#include <gtest/gtest.h>

#include <optional>
#include <stdexcept>
#include <vector>

#include "platform/version_block.h"

namespace qn {
namespace {

using Bytes = std::vector<std::uint8_t>;

std::uint32_t FixedField(const Bytes& fixed, std::size_t index) {
    std::uint32_t value = 0;
    for (std::size_t i = 4; i-- > 0;) value = value << 8 | fixed[index * 4 + i];
    return value;
}

Bytes Text(const std::string& text) {
    return Bytes(text.begin(), text.end());
}

std::uint16_t Word(const Bytes& block, std::size_t offset) {
    return static_cast<std::uint16_t>(block[offset] | block[offset + 1] << 8);
}

VersionBlockFields SampleFields() {
    VersionBlockFields fields;
    fields.fileVersionMS = 0x0004000A;
    fields.fileVersionLS = 0x0000076E;
    fields.productVersionMS = 0x00050000;
    fields.productVersionLS = 0x08930001;
    fields.fileFlags = 0x05;
    fields.fileOS = 0x10004;
    fields.fileType = 3;
    fields.fileSubtype = 7;
    fields.strings = {
        {"CompanyName", "Quillon test fixture"}, {"ProductVersion", "4.00.1902"}, {"Empty", ""}};
    return fields;
}

TEST(VersionBlock, RootHoldsTheFixedInfoWithSignatureAndFields) {
    const Bytes block = BuildVersionBlock(SampleFields());
    EXPECT_EQ(Word(block, 0), block.size());
    const auto fixed = QueryVersionBlock(block, "\\");
    ASSERT_TRUE(fixed);
    ASSERT_EQ(fixed->size(), 52u);
    const std::uint32_t expected[] = {0xFEEF04BD, 0x10000, 0x0004000A, 0x0000076E, 0x00050000,
                                      0x08930001, 0x3F,    0x05,       0x10004,    3,
                                      7,          0,       0};
    for (std::size_t i = 0; i < 13; ++i) EXPECT_EQ(FixedField(*fixed, i), expected[i]) << i;
    // An empty path also names the root.
    EXPECT_EQ(QueryVersionBlock(block, ""), fixed);
}

TEST(VersionBlock, TranslationIsLanguageThenCodePage) {
    VersionBlockFields fields;
    fields.language = 0x0407;
    fields.codePage = 0x04B0;
    EXPECT_EQ(QueryVersionBlock(BuildVersionBlock(fields), "\\VarFileInfo\\Translation"),
              (Bytes{0x07, 0x04, 0xB0, 0x04}));
}

TEST(VersionBlock, StringsComeBackAsAnsiWithTheirNul) {
    const Bytes block = BuildVersionBlock(SampleFields());
    EXPECT_EQ(QueryVersionBlock(block, "\\StringFileInfo\\040904E4\\ProductVersion"),
              Text(std::string("4.00.1902", 10)));
    EXPECT_EQ(QueryVersionBlock(block, "\\StringFileInfo\\040904E4\\CompanyName"),
              Text(std::string("Quillon test fixture", 21)));
    EXPECT_EQ(QueryVersionBlock(block, "\\StringFileInfo\\040904E4\\Empty"),
              Text(std::string(1, '\0')));
}

TEST(VersionBlock, KeysIgnoreCaseAndEmptyPathPartsAreSkipped) {
    const Bytes block = BuildVersionBlock(SampleFields());
    const auto expected = Text(std::string("4.00.1902", 10));
    EXPECT_EQ(QueryVersionBlock(block, "\\stringfileinfo\\040904e4\\PRODUCTVERSION"), expected);
    EXPECT_EQ(QueryVersionBlock(block, "StringFileInfo\\\\040904E4\\ProductVersion\\"), expected);
}

TEST(VersionBlock, AnsiTextOutsideAsciiSurvivesTheUtf16RoundTrip) {
    VersionBlockFields fields;
    const std::string text = "Caf\xE9 \x80 5 \x99 \x8A\x9F";  // e acute, euro, trade mark, S/Y
    fields.strings = {{"LegalCopyright", text}};
    const auto value =
        QueryVersionBlock(BuildVersionBlock(fields), "\\StringFileInfo\\040904E4\\LegalCopyright");
    EXPECT_EQ(value, Text(text + '\0'));
}

TEST(VersionBlock, MissingKeysFail) {
    VersionBlockFields fields = SampleFields();
    fields.withTranslation = false;
    const Bytes block = BuildVersionBlock(fields);
    for (const char* path :
         {"\\VarFileInfo\\Translation", "\\VarFileInfo", "\\StringFileInfo\\040704E4\\CompanyName",
          "\\StringFileInfo\\040904E4\\Comments", "\\StringFileInfo\\040904E",
          "\\StringFileInfo\\040904E4\\CompanyNam", "\\Nothing"}) {
        EXPECT_FALSE(QueryVersionBlock(block, path)) << path;
    }
    // The string table itself is there, with no value of its own.
    EXPECT_EQ(QueryVersionBlock(block, "\\StringFileInfo\\040904E4"), Bytes{});
}

TEST(VersionBlock, NodesStartOnFourByteBoundaries) {
    // Keys of odd and even lengths put padding in different places.
    VersionBlockFields fields;
    fields.strings = {{"A", "x"}, {"AB", "xy"}, {"ABC", "xyz"}, {"ABCD", ""}};
    const Bytes block = BuildVersionBlock(fields);
    for (const auto& [name, value] : fields.strings) {
        EXPECT_EQ(QueryVersionBlock(block, "\\StringFileInfo\\040904E4\\" + name),
                  Text(value + '\0'))
            << name;
    }
    EXPECT_TRUE(QueryVersionBlock(block, "\\VarFileInfo\\Translation"));
}

TEST(VersionBlock, OversizedStringsAreRefused) {
    VersionBlockFields fields;
    fields.strings = {{"Comments", std::string(40000, 'x')}};
    EXPECT_THROW(BuildVersionBlock(fields), std::length_error);
}

// Every query a reader makes, run over a damaged block: none may read outside
// it (the sanitizer build checks), nor return more than the block holds.
std::vector<std::optional<Bytes>> QueryEverything(const Bytes& block) {
    std::vector<std::optional<Bytes>> values;
    for (const char* path :
         {"\\", "\\VarFileInfo\\Translation", "\\StringFileInfo\\040904E4\\CompanyName",
          "\\StringFileInfo\\040904E4\\ProductVersion", "\\StringFileInfo\\040904E4\\Empty"}) {
        values.push_back(QueryVersionBlock(block, path));
        if (values.back()) {
            EXPECT_LE(values.back()->size(), block.size()) << path;
        }
    }
    return values;
}

TEST(VersionBlock, TruncatedBlocksAreRejectedWithoutReadingPastTheEnd) {
    const Bytes whole = BuildVersionBlock(SampleFields());
    for (std::size_t size = 0; size < whole.size(); ++size) {
        const Bytes cut(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(size));
        // The root's length word counts bytes that are gone: nothing answers.
        for (const auto& value : QueryEverything(cut)) EXPECT_FALSE(value) << size;
    }
}

TEST(VersionBlock, CorruptLengthWordsNeverLeadOutOfTheBlock) {
    const Bytes whole = BuildVersionBlock(SampleFields());
    const auto fixed = QueryVersionBlock(whole, "\\");
    ASSERT_TRUE(fixed);
    // The root's header, its key "VS_VERSION_INFO" (16 UTF-16 units), padding
    // to 40 bytes, then the 52-byte fixed info; the children follow.
    constexpr std::size_t kChildrenStart = 40 + 52;
    ASSERT_EQ(Bytes(whole.begin() + 40, whole.begin() + kChildrenStart), *fixed);
    // Overwrite each 16-bit word in turn with values that break lengths and keys.
    for (std::size_t offset = 0; offset + 1 < whole.size(); offset += 2) {
        for (std::uint16_t value : {0x0000, 0x0001, 0x0005, 0x0006, 0x7FFF, 0xFFFF}) {
            Bytes damaged = whole;
            damaged[offset] = static_cast<std::uint8_t>(value & 0xFF);
            damaged[offset + 1] = static_cast<std::uint8_t>(value >> 8);
            const auto values = QueryEverything(damaged);
            if (offset >= kChildrenStart) {
                EXPECT_EQ(values[0], fixed) << "damage in a child changed the root, at " << offset;
            }
        }
    }
}

TEST(VersionBlock, MalformedRootsFail) {
    Bytes whole = BuildVersionBlock(SampleFields());
    Bytes longer = whole;
    longer[0] = static_cast<std::uint8_t>(whole.size() + 4);  // claims more than there is
    longer[1] = static_cast<std::uint8_t>((whole.size() + 4) >> 8);
    EXPECT_FALSE(QueryVersionBlock(longer, "\\"));

    Bytes fixedTooLong = whole;
    fixedTooLong[2] = 0xFF;  // the fixed info runs past the root
    fixedTooLong[3] = 0xFF;
    EXPECT_FALSE(QueryVersionBlock(fixedTooLong, "\\"));

    // A key with no terminating NUL inside its node.
    const Bytes unterminated = {10, 0, 0, 0, 0, 0, 'V', 0, 'S', 0};
    EXPECT_FALSE(QueryVersionBlock(unterminated, "\\"));

    // The 16-bit layout (an ANSI key where the type word stands) is not read.
    const Bytes sixteenBit = {24,  0,   0,   0,   'V', 'S', '_', 'V', 'E', 'R', 'S', 'I',
                              'O', 'N', '_', 'I', 'N', 'F', 'O', 0,   0,   0,   0,   0};
    EXPECT_FALSE(QueryVersionBlock(sixteenBit, "\\"));
}

TEST(VersionBlock, SpaceAfterTheBlockIsIgnored) {
    // GetFileVersionInfoA's buffer is larger than the resource it holds.
    Bytes padded = BuildVersionBlock(SampleFields());
    const std::size_t size = padded.size();
    padded.resize(size * 2 + 4, 0xCC);
    EXPECT_EQ(QueryVersionBlock(padded, "\\StringFileInfo\\040904E4\\ProductVersion"),
              Text(std::string("4.00.1902", 10)));
    EXPECT_FALSE(QueryVersionBlock(padded, "\\StringFileInfo\\040904E4\\Missing"));
}

}  // namespace
}  // namespace qn
