#include "support/decimal_digits.h"

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <system_error>

namespace qn {

DecimalDigits ToDecimalDigits(double value, int significantDigits) {
    DecimalDigits result;
    if (value == 0) {
        result.digits = "0";
        return result;
    }
    // More digits than 17 never tell doubles apart; the cap keeps the buffer safe.
    significantDigits = std::min(significantDigits, 17);
    char buffer[64];
    const std::to_chars_result written =
        significantDigits > 0
            ? std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific,
                            significantDigits - 1)
            : std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
    const char* p = buffer;
    if (*p == '-') {
        result.negative = true;
        ++p;
    }
    for (; p < written.ptr && *p != 'e'; ++p) {
        if (*p != '.') result.digits += *p;
    }
    if (p < written.ptr) {
        // from_chars rejects a leading "+".
        const char* power = p + 1 + (p[1] == '+');
        std::from_chars(power, written.ptr, result.exponent);
    }
    while (result.digits.size() > 1 && result.digits.back() == '0') result.digits.pop_back();
    return result;
}

double DecimalToDouble(bool negative, const std::string& digits, long exponentOfLastDigit) {
    const size_t firstSignificant = digits.find_first_not_of('0');
    if (firstSignificant == std::string::npos) return 0.0;
    // Decide the far ranges ourselves so that the text handed on stays small.
    const long leadingExponent =
        exponentOfLastDigit + static_cast<long>(digits.size() - firstSignificant) - 1;
    if (leadingExponent > DBL_MAX_10_EXP) return negative ? -DBL_MAX : DBL_MAX;
    if (leadingExponent < DBL_MIN_10_EXP - DBL_DIG - 10) return 0.0;

    std::string text = digits.substr(firstSignificant);
    text += 'e';
    text += std::to_string(exponentOfLastDigit);
    double magnitude = 0.0;
    const std::from_chars_result read =
        std::from_chars(text.data(), text.data() + text.size(), magnitude);
    if (read.ec == std::errc::result_out_of_range) {
        magnitude = leadingExponent > 0 ? DBL_MAX : 0.0;
    }
    // Adding +0.0 turns a negative zero into zero, which shows as "0".
    return (negative ? -magnitude : magnitude) + 0.0;
}

}  // namespace qn
