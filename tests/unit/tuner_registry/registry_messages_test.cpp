#include "tuner/core/registry_messages.h"

#include <gtest/gtest.h>

#include <ostream>

#include "tuner/core/registry_class.h"
#include "ui/headless/scripted_message_boxes.h"

namespace qn {
namespace {

struct CodeText {
    RegStatus code;
    const char* text;
};
void PrintTo(const CodeText& c, std::ostream* out) {
    *out << c.code;
}

class RegistryErrorTextTest : public ::testing::TestWithParam<CodeText> {};

TEST_P(RegistryErrorTextTest, CodeGivesItsText) {
    EXPECT_EQ(RegistryErrorText(GetParam().code), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Table, RegistryErrorTextTest,
    ::testing::Values(
        CodeText{0, ""}, CodeText{5, "Access denied to specified registry entry."},
        CodeText{14, "Out of memory."}, CodeText{87, "Invalid parameter."},
        CodeText{998, "No access allowed to the specified key."},
        CodeText{1009, "The registration database is corrupt."},
        CodeText{1010, "The registration database is corrupt."},
        CodeText{1015, "The registration database is corrupt."},
        CodeText{1011, "Cannot open specified key."}, CodeText{1012, "Cannot read specified key."},
        CodeText{1013, "Cannot write to specified key."},
        CodeText{1016, "Undefined I/O error in the registration database."},
        CodeText{1017, "Specified file is not in the standard registration database format."},
        // Codes outside the table, among them the common "not found" and
        // "more data" and the 1014 between two listed ones.
        CodeText{1014, "Undefined Registry Error # 1014"},
        CodeText{2, "Undefined Registry Error # 2"},
        CodeText{234, "Undefined Registry Error # 234"},
        CodeText{1018, "Undefined Registry Error # 1018"}));

TEST(ShowRegistryError, ShowsTheTextWithInformationIconAndClassTitle) {
    ui::headless::ScriptedMessageBoxes boxes;
    boxes.Answer(ui::vbOK);
    ShowRegistryError(boxes, 1013);
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Shown()[0].prompt, "Cannot write to specified key.");
    EXPECT_EQ(boxes.Shown()[0].buttons, ui::vbInformation);
    EXPECT_EQ(boxes.Shown()[0].title, "Registry Class Error");
}

TEST(ShowRegistryError, SuccessShowsNothing) {
    ui::headless::ScriptedMessageBoxes boxes;
    ShowRegistryError(boxes, 0);
    EXPECT_TRUE(boxes.Shown().empty());
}

struct SplitCase {
    std::string data;
    std::vector<std::string> items;
};
void PrintTo(const SplitCase& c, std::ostream* out) {
    *out << ::testing::PrintToString(c.data);
}

class SplitMultiStringTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitMultiStringTest, SplitsAtEachNulUpToTheEmptyPiece) {
    EXPECT_EQ(SplitMultiString(GetParam().data), GetParam().items);
}

using namespace std::string_literals;
INSTANTIATE_TEST_SUITE_P(
    Cases, SplitMultiStringTest,
    ::testing::Values(SplitCase{"a\0bc\0\0"s, {"a", "bc"}},
                      SplitCase{"10.0.0.1\0"s, {"10.0.0.1"}},  // single NUL at the end
                      SplitCase{""s, {}}, SplitCase{"\0"s, {}}, SplitCase{"\0\0"s, {}},
                      // the empty piece ends the list even with text after it
                      SplitCase{"a\0\0b\0\0"s, {"a"}},
                      // text not ended by a NUL is no element
                      SplitCase{"a\0b"s, {"a"}}, SplitCase{"abc"s, {}}));

struct VariantCase {
    const char* label;
    RegVariant value;
    std::string text;
    double number;
};
void PrintTo(const VariantCase& c, std::ostream* out) {
    *out << c.label;
}

class VariantConversionTest : public ::testing::TestWithParam<VariantCase> {};

TEST_P(VariantConversionTest, TextAndNumber) {
    EXPECT_EQ(VariantText(GetParam().value), GetParam().text);
    EXPECT_EQ(VariantNumber(GetParam().value), GetParam().number);
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, VariantConversionTest,
    ::testing::Values(VariantCase{"TextWithNul", RegVariant("1500\0"s), "1500", 1500},
                      VariantCase{"TextAfterNul",
                                  RegVariant("1\0"
                                             "99"s),
                                  "1", 1},  // stops at the NUL
                      VariantCase{"NumberThenText", RegVariant(" 12abc"s), " 12abc", 12},
                      VariantCase{"Word", RegVariant("abc"s), "abc", 0},
                      VariantCase{"EmptyText", RegVariant(""s), "", 0},
                      VariantCase{"Long", RegVariant(std::int32_t{-7}), "-7", -7},
                      VariantCase{"Integer", RegVariant(std::int16_t{1}), "1", 1},
                      VariantCase{"Empty", RegVariant(), "", 0},
                      VariantCase{"Bytes", RegVariant(std::vector<std::uint8_t>{0x31, 0x32}), "",
                                  0},
                      VariantCase{"Elements", RegVariant(std::vector<std::string>{"5"}), "", 0}));

}  // namespace
}  // namespace qn
