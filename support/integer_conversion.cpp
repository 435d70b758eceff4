#include "support/integer_conversion.h"

#include <cmath>
#include <limits>

#include "support/rounding.h"

namespace qn {
namespace {

template <typename Int>
std::optional<Int> WholeToInt(double whole) {
    // Written so that NaN fails both comparisons.
    if (!(whole >= static_cast<double>(std::numeric_limits<Int>::min()) &&
          whole <= static_cast<double>(std::numeric_limits<Int>::max()))) {
        return std::nullopt;
    }
    return static_cast<Int>(whole);
}

}  // namespace

std::optional<int16_t> RoundToInt16(double value) {
    return WholeToInt<int16_t>(RoundHalfEven(value));
}

std::optional<int32_t> RoundToInt32(double value) {
    return WholeToInt<int32_t>(RoundHalfEven(value));
}

std::optional<uint8_t> RoundToByte(double value) {
    return WholeToInt<uint8_t>(RoundHalfEven(value));
}

std::optional<int32_t> TruncateToInt32(double value) {
    return WholeToInt<int32_t>(std::trunc(value));
}

std::optional<int32_t> FloorToInt32(double value) {
    return WholeToInt<int32_t>(std::floor(value));
}

}  // namespace qn
