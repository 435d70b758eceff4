#include "support/number_format.h"

#include <cmath>
#include <cstdlib>

#include "support/decimal_digits.h"
#include "support/rounding.h"

namespace qn {
namespace {

constexpr int kSignificantDigits = 15;
constexpr int kFirstExponentForm = 15;  // 1E+15 and up
constexpr int kLastFixedExponent = -4;  // 0.0001 and up

std::string ExponentForm(const DecimalDigits& d) {
    std::string text(1, d.digits[0]);
    if (d.digits.size() > 1) text += "." + d.digits.substr(1);
    text += d.exponent < 0 ? "E-" : "E+";
    const std::string power = std::to_string(std::abs(d.exponent));
    if (power.size() < 2) text += '0';
    return text + power;
}

std::string FixedForm(const DecimalDigits& d) {
    if (d.exponent < 0) return "0." + std::string(-d.exponent - 1, '0') + d.digits;
    const size_t wholeDigits = static_cast<size_t>(d.exponent) + 1;
    if (d.digits.size() <= wholeDigits)
        return d.digits + std::string(wholeDigits - d.digits.size(), '0');
    return d.digits.substr(0, wholeDigits) + "." + d.digits.substr(wholeDigits);
}

}  // namespace

std::string NumberToText(double value) {
    if (!std::isfinite(value) || value == 0) return "0";
    const DecimalDigits d = ToDecimalDigits(value, kSignificantDigits);
    const bool exponentForm = d.exponent >= kFirstExponentForm || d.exponent < kLastFixedExponent;
    return (d.negative ? "-" : "") + (exponentForm ? ExponentForm(d) : FixedForm(d));
}

std::string RoundedNumberToText(double value, int decimals) {
    return NumberToText(RoundHalfEven(value, decimals));
}

}  // namespace qn
