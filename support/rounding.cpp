#include "support/rounding.h"

#include <cmath>
#include <string>

#include "support/decimal_digits.h"

namespace qn {
namespace {

// No double has a digit this far behind the decimal point.
constexpr int kNoEffectDecimals = 400;

bool AnyNonZero(const std::string& digits, size_t from) {
    return digits.find_first_not_of('0', from) != std::string::npos;
}

// Adds one unit in the last place of a digit string; "99" becomes "100".
void Increment(std::string& digits) {
    for (size_t i = digits.size(); i-- > 0;) {
        if (digits[i] != '9') {
            ++digits[i];
            return;
        }
        digits[i] = '0';
    }
    digits.insert(digits.begin(), '1');
}

}  // namespace

double RoundHalfEven(double value, int decimals) {
    if (!std::isfinite(value) || value == 0) return value + 0.0;
    if (decimals < 0) decimals = 0;
    if (decimals > kNoEffectDecimals) return value;
    const DecimalDigits decimal = ToDecimalDigits(value, 0);
    const long digitCount = static_cast<long>(decimal.digits.size());
    // Number of digits that stay: those at or above 10^-decimals.
    const long kept = static_cast<long>(decimal.exponent) + 1 + decimals;
    if (kept >= digitCount) return value;
    if (kept < 0) return 0.0;  // below half a unit of the last decimal

    std::string result = decimal.digits.substr(0, kept);
    const char firstDropped = decimal.digits[kept];
    const bool lastKeptOdd = kept > 0 && (result.back() - '0') % 2 == 1;
    const bool roundUp =
        firstDropped > '5' ||
        (firstDropped == '5' && (AnyNonZero(decimal.digits, kept + 1) || lastKeptOdd));
    if (result.empty()) result = "0";
    if (roundUp) Increment(result);
    return DecimalToDouble(decimal.negative, result, -static_cast<long>(decimals));
}

}  // namespace qn
