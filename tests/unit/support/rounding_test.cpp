#include "support/rounding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "support/integer_conversion.h"

namespace qn {
namespace {

TEST(RoundHalfEven, WholeNumbersTieToEven) {
    EXPECT_EQ(RoundHalfEven(2.5), 2.0);
    EXPECT_EQ(RoundHalfEven(3.5), 4.0);
    EXPECT_EQ(RoundHalfEven(-2.5), -2.0);
    EXPECT_EQ(RoundHalfEven(0.5), 0.0);
    EXPECT_EQ(RoundHalfEven(127.5), 128.0);
    EXPECT_EQ(RoundHalfEven(2.5000001), 3.0);
    EXPECT_EQ(RoundHalfEven(999.5), 1000.0);
    EXPECT_EQ(RoundHalfEven(1000000000000001.5), 1000000000000002.0);
    EXPECT_FALSE(std::signbit(RoundHalfEven(-0.4)));
}

TEST(RoundHalfEven, DecimalsTieToEvenOnTheDecimalValue) {
    EXPECT_EQ(RoundHalfEven(1.25, 1), 1.2);
    EXPECT_EQ(RoundHalfEven(1.35, 1), 1.4);
    EXPECT_EQ(RoundHalfEven(1.15, 1), 1.2);  // stored just below 1.15
    EXPECT_EQ(RoundHalfEven(1.1499999999999997, 1), 1.1);
    EXPECT_EQ(RoundHalfEven(2.675, 2), 2.68);
    EXPECT_EQ(RoundHalfEven(0.125, 2), 0.12);
    EXPECT_EQ(RoundHalfEven(9.96, 1), 10.0);
    EXPECT_EQ(RoundHalfEven(0.05, 1), 0.0);
    EXPECT_EQ(RoundHalfEven(0.051, 1), 0.1);
    EXPECT_EQ(RoundHalfEven(1536.0 / 1024, 1), 1.5);
    EXPECT_EQ(RoundHalfEven(1.23, 5), 1.23);
    EXPECT_EQ(RoundHalfEven(1e-300, 1000), 1e-300);
    EXPECT_EQ(RoundHalfEven(2.5, -1), 2.0);
}

TEST(RoundHalfEven, NonFiniteInputStaysAsItIs) {
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(RoundHalfEven(inf, 1), inf);
    EXPECT_TRUE(std::isnan(RoundHalfEven(std::nan(""), 1)));
    EXPECT_EQ(RoundHalfEven(std::numeric_limits<double>::max()),
              std::numeric_limits<double>::max());
}

TEST(IntegerConversion, RoundingConversionsReportOverflow) {
    EXPECT_EQ(RoundToInt16(2.5), 2);
    EXPECT_EQ(RoundToInt16(-32768.4), -32768);
    EXPECT_EQ(RoundToInt16(32767.49), 32767);
    EXPECT_EQ(RoundToInt16(32767.5), std::nullopt);
    EXPECT_EQ(RoundToInt16(-32768.6), std::nullopt);
    EXPECT_EQ(RoundToInt32(2147483646.5), 2147483646);
    EXPECT_EQ(RoundToInt32(2147483647.5), std::nullopt);
    EXPECT_EQ(RoundToInt32(-2147483648.5), -2147483648);
    EXPECT_EQ(RoundToInt32(1e300), std::nullopt);
    EXPECT_EQ(RoundToByte(127.5), 128);
    EXPECT_EQ(RoundToByte(255.5), std::nullopt);
    EXPECT_EQ(RoundToByte(-0.5), 0);
    EXPECT_EQ(RoundToByte(-0.6), std::nullopt);
}

TEST(IntegerConversion, TruncationAndFloorDifferBelowZero) {
    EXPECT_EQ(TruncateToInt32(2.7), 2);
    EXPECT_EQ(TruncateToInt32(-2.7), -2);
    EXPECT_EQ(FloorToInt32(-2.7), -3);
    EXPECT_EQ(TruncateToInt32(2147483647.9), 2147483647);
    EXPECT_EQ(FloorToInt32(-2147483648.5), std::nullopt);
    EXPECT_EQ(TruncateToInt32(-2147483648.9), -2147483648);
}

TEST(IntegerConversion, NonFiniteInputIsOverflow) {
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(RoundToInt16(std::nan("")), std::nullopt);
    EXPECT_EQ(RoundToInt32(inf), std::nullopt);
    EXPECT_EQ(RoundToByte(-inf), std::nullopt);
    EXPECT_EQ(TruncateToInt32(std::nan("")), std::nullopt);
    EXPECT_EQ(FloorToInt32(inf), std::nullopt);
}

}  // namespace
}  // namespace qn
