#pragma once
// Writing numbers as the programs show them: Basic's CStr of a Double.
#include <string>

namespace qn {

// Shortest form with up to 15 significant digits: "1.5", "2", "0.1", "-3",
// "0.333333333333333"; no trailing zeros, no decimal point for whole values,
// no leading blank, "." as the decimal point. Values from 1E+15 up and below
// 0.0001 use exponent form with at least two exponent digits: "1E+16",
// "1.5E-05". NaN and infinity, which no caller should pass, give "0".
std::string NumberToText(double value);

// The value rounded half-to-even to the given decimals, in the shortest form:
// with one decimal 1.46 is "1.5", 2.04 is "2" and 1.25 is "1.2".
std::string RoundedNumberToText(double value, int decimals);

}  // namespace qn
