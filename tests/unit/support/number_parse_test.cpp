#include "support/number_parse.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <string>

namespace qn {
namespace {

using namespace std::string_literals;

TEST(LeadingNumber, ReadsPlainDecimals) {
    EXPECT_EQ(LeadingNumber("-.5"), -0.5);
    EXPECT_EQ(LeadingNumber("+2.25"), 2.25);
    EXPECT_EQ(LeadingNumber("1."), 1.0);
    EXPECT_EQ(LeadingNumber("0.1"), 0.1);
    EXPECT_EQ(LeadingNumber("000576"), 576.0);
    EXPECT_EQ(LeadingNumber("0.000000000000000000000000000000000000001"), 1e-39);
}

TEST(LeadingNumber, StopsAtFirstForeignCharacter) {
    EXPECT_EQ(LeadingNumber("128abc"), 128.0);
    EXPECT_EQ(LeadingNumber("1.2.3"), 1.2);
    EXPECT_EQ(LeadingNumber("12\0"s
                            "34"),
              12.0);
    EXPECT_EQ(LeadingNumber("12\r\n"), 12.0);
}

TEST(LeadingNumber, SkipsBlanksTabsAndLineFeedsEverywhere) {
    EXPECT_EQ(LeadingNumber("  \t\n42"), 42.0);
    EXPECT_EQ(LeadingNumber("1 2"), 12.0);
    EXPECT_EQ(LeadingNumber(" - 1 .\t5"), -1.5);
    EXPECT_EQ(LeadingNumber("1 e 2"), 100.0);
    // Carriage return is not a blank to Val.
    EXPECT_EQ(LeadingNumber("\r5"), 0.0);
}

TEST(LeadingNumber, TextWithoutNumberIsZero) {
    EXPECT_EQ(LeadingNumber(""), 0.0);
    EXPECT_EQ(LeadingNumber("abc"), 0.0);
    EXPECT_EQ(LeadingNumber("."), 0.0);
    EXPECT_EQ(LeadingNumber("-"), 0.0);
    EXPECT_EQ(LeadingNumber("--5"), 0.0);
    EXPECT_EQ(LeadingNumber("\0"
                            "5"s),
              0.0);
    EXPECT_FALSE(std::signbit(LeadingNumber("-0")));
}

TEST(LeadingNumber, Exponents) {
    EXPECT_EQ(LeadingNumber("1e3"), 1000.0);
    EXPECT_EQ(LeadingNumber("1.5E+2"), 150.0);
    EXPECT_EQ(LeadingNumber("25e-1"), 2.5);
    EXPECT_EQ(LeadingNumber("2D2"), 200.0);
    // An exponent without digits is not part of the number.
    EXPECT_EQ(LeadingNumber("1e"), 1.0);
    EXPECT_EQ(LeadingNumber("1e+"), 1.0);
    EXPECT_EQ(LeadingNumber("7ex"), 7.0);
    EXPECT_EQ(LeadingNumber(".e5"), 0.0);
}

TEST(LeadingNumber, HexAndOctalFollowBasicIntegerWidths) {
    EXPECT_EQ(LeadingNumber("&HFF"), 255.0);
    EXPECT_EQ(LeadingNumber("&H7FFF"), 32767.0);
    EXPECT_EQ(LeadingNumber("&H8000"), -32768.0);
    EXPECT_EQ(LeadingNumber("&HFFFF"), -1.0);
    EXPECT_EQ(LeadingNumber("&H10000"), 65536.0);
    EXPECT_EQ(LeadingNumber("&HFFFFFFFF"), -1.0);
    EXPECT_EQ(LeadingNumber("&H0000FFFF"), -1.0);
    EXPECT_EQ(LeadingNumber("&O17"), 15.0);
    EXPECT_EQ(LeadingNumber("&o177777"), -1.0);
    EXPECT_EQ(LeadingNumber("&O18"), 1.0);
    EXPECT_EQ(LeadingNumber("&H"), 0.0);
    EXPECT_EQ(LeadingNumber("&HG"), 0.0);
    EXPECT_EQ(LeadingNumber("&X1"), 0.0);
    EXPECT_EQ(LeadingNumber("-&H1"), 0.0);
}

TEST(LeadingNumber, OutOfRangeNeverGivesInfinityOrNaN) {
    EXPECT_EQ(LeadingNumber("1e400"), DBL_MAX);
    EXPECT_EQ(LeadingNumber("-1e400"), -DBL_MAX);
    EXPECT_EQ(LeadingNumber("1e99999999999999999999"), DBL_MAX);
    EXPECT_EQ(LeadingNumber("1.8e308"), DBL_MAX);
    EXPECT_EQ(LeadingNumber(std::string(400, '9')), DBL_MAX);
    EXPECT_EQ(LeadingNumber("1e-400"), 0.0);
    EXPECT_EQ(LeadingNumber("&H100000000"), DBL_MAX);
    EXPECT_EQ(LeadingNumber("&H" + std::string(40, 'F')), DBL_MAX);
    // Many digits that scale back into range still read exactly.
    EXPECT_EQ(LeadingNumber("1" + std::string(500, '0') + "e-500"), 1.0);
    EXPECT_EQ(LeadingNumber("0." + std::string(500, '0') + "25e501"), 2.5);
}

TEST(IsNumberText, AcceptsWholeNumbersOnly) {
    EXPECT_TRUE(IsNumberText("576"));
    EXPECT_TRUE(IsNumberText("  -1.5  "));
    EXPECT_TRUE(IsNumberText("1e5"));
    EXPECT_TRUE(IsNumberText("&HFF"));
    EXPECT_FALSE(IsNumberText(""));
    EXPECT_FALSE(IsNumberText("Auto"));
    EXPECT_FALSE(IsNumberText("12abc"));
    EXPECT_FALSE(IsNumberText("1 2"));
    EXPECT_FALSE(IsNumberText("1e"));
    EXPECT_FALSE(IsNumberText("."));
    EXPECT_FALSE(IsNumberText("&H"));
    EXPECT_FALSE(IsNumberText("12\0"s));
}

}  // namespace
}  // namespace qn
