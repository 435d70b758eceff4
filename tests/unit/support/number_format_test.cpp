#include "support/number_format.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>

namespace qn {
namespace {

TEST(NumberToText, ShortestFixedForm) {
    EXPECT_EQ(NumberToText(1.5), "1.5");
    EXPECT_EQ(NumberToText(2), "2");
    EXPECT_EQ(NumberToText(0.1), "0.1");
    EXPECT_EQ(NumberToText(-3), "-3");
    EXPECT_EQ(NumberToText(0), "0");
    EXPECT_EQ(NumberToText(-0.0), "0");
    EXPECT_EQ(NumberToText(-0.25), "-0.25");
    EXPECT_EQ(NumberToText(1.0 / 1024), "0.0009765625");
    EXPECT_EQ(NumberToText(0.0001), "0.0001");
    EXPECT_EQ(NumberToText(999999999999999), "999999999999999");
}

TEST(NumberToText, FifteenSignificantDigits) {
    EXPECT_EQ(NumberToText(1.0 / 3), "0.333333333333333");
    EXPECT_EQ(NumberToText(2.0 / 3), "0.666666666666667");
    EXPECT_EQ(NumberToText(1.15), "1.15");
    EXPECT_EQ(NumberToText(123456.7890123456), "123456.789012346");
    EXPECT_EQ(NumberToText(9999999999999999.0), "1E+16");
    EXPECT_EQ(NumberToText(999999999999999.9), "1E+15");
}

TEST(NumberToText, ExponentFormForVeryLargeAndSmall) {
    EXPECT_EQ(NumberToText(1e16), "1E+16");
    EXPECT_EQ(NumberToText(1e15), "1E+15");
    EXPECT_EQ(NumberToText(-1.5e20), "-1.5E+20");
    EXPECT_EQ(NumberToText(0.00001), "1E-05");
    EXPECT_EQ(NumberToText(1.5e-7), "1.5E-07");
    EXPECT_EQ(NumberToText(DBL_MAX), "1.79769313486232E+308");
    EXPECT_EQ(NumberToText(4.9e-324), "4.94065645841247E-324");
}

TEST(NumberToText, NonFiniteShowsZero) {
    EXPECT_EQ(NumberToText(std::numeric_limits<double>::infinity()), "0");
    EXPECT_EQ(NumberToText(std::nan("")), "0");
}

TEST(RoundedNumberToText, RoundsThenWritesShortest) {
    EXPECT_EQ(RoundedNumberToText(1.25, 1), "1.2");
    EXPECT_EQ(RoundedNumberToText(2.04, 1), "2");
    EXPECT_EQ(RoundedNumberToText(2000.0 / 1024, 1), "2");
    EXPECT_EQ(RoundedNumberToText(1600.0 / 1024, 1), "1.6");
    EXPECT_EQ(RoundedNumberToText(5000000.0 / 1048576, 2), "4.77");
    EXPECT_EQ(RoundedNumberToText(-0.04, 1), "0");
    EXPECT_EQ(RoundedNumberToText(0.1 * 3, 1), "0.3");
}

}  // namespace
}  // namespace qn
