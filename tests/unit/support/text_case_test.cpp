#include <gtest/gtest.h>

#include <string>

#include "support/ansi_case.h"
#include "support/trim.h"

namespace qn {
namespace {

using namespace std::string_literals;

TEST(TrimSpaces, RemovesSpacesOnly) {
    EXPECT_EQ(TrimSpaces("  a b  "), "a b");
    EXPECT_EQ(TrimLeadingSpaces("  a b  "), "a b  ");
    EXPECT_EQ(TrimTrailingSpaces("  a b  "), "  a b");
    EXPECT_EQ(TrimSpaces("\tx\r\n"), "\tx\r\n");
    EXPECT_EQ(TrimSpaces(" \t "), "\t");
    EXPECT_EQ(TrimSpaces(" \0 "s), "\0"s);
    EXPECT_EQ(TrimSpaces("    "), "");
    EXPECT_EQ(TrimLeadingSpaces(""), "");
    EXPECT_EQ(TrimTrailingSpaces("   "), "");
}

TEST(AnsiCase, ConvertsWesternLetters) {
    EXPECT_EQ(ToUpperAnsi("classic Wizard 1.5"), "CLASSIC WIZARD 1.5");
    EXPECT_EQ(ToLowerAnsi("CLASSIC Wizard"), "classic wizard");
    EXPECT_EQ(ToUpperAnsi("\xE9\xFF\x9A\xF7\xDF"), "\xC9\x9F\x8A\xF7\xDF");
    EXPECT_EQ(ToLowerAnsi("\xC9\x9F\x8A\xD7\xDF"), "\xE9\xFF\x9A\xD7\xDF");
    EXPECT_EQ(ToUpperAnsi("a\0b"s), "A\0B"s);
    EXPECT_EQ(ToLowerAnsi("@[`{"), "@[`{");
}

TEST(AnsiCase, EqualityIgnoresCaseOnly) {
    EXPECT_TRUE(EqualsIgnoringCaseAnsi("River", "RIVER"));
    EXPECT_TRUE(EqualsIgnoringCaseAnsi("\xC9t\xE9", "\xE9T\xC9"));
    EXPECT_TRUE(EqualsIgnoringCaseAnsi("", ""));
    EXPECT_FALSE(EqualsIgnoringCaseAnsi("River", "Rivers"));
    EXPECT_FALSE(EqualsIgnoringCaseAnsi("@", "`"));
    EXPECT_FALSE(EqualsIgnoringCaseAnsi("a\0"s, "a"s));
}

}  // namespace
}  // namespace qn
