#pragma once
// The decimal digits of a double, as the number formatter and the rounding
// need them: rounding must see the decimal the user meant (1.15, not
// 1.149999...), and the formatter shows at most 15 significant digits.
#include <string>

namespace qn {

struct DecimalDigits {
    bool negative = false;
    std::string digits;  // significant digits, first one non-zero; "0" for zero
    int exponent = 0;    // power of ten of the first digit
};

// value must be finite. significantDigits 0 gives the shortest digits that
// read back as the same double; otherwise the value is rounded (half-to-even on
// the exact binary value) to that many digits (at most 17). Trailing zeros
// are removed.
DecimalDigits ToDecimalDigits(double value, int significantDigits);

// Reads "[-]digits" scaled by 10^exponent of the last digit; exact decimal in,
// nearest double out. Saturates at the largest finite double.
double DecimalToDouble(bool negative, const std::string& digits, long exponentOfLastDigit);

}  // namespace qn
