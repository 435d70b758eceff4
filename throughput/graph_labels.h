#pragma once
// The texts the chart prints: grid labels and the current-values line.
#include <cstdint>
#include <string>

namespace qn {

// How a label below 1024 b/s shows its bytes: as they are, rounded to a whole
// number, or rounded to one decimal. From 1024 up every label shows kb/s with
// one decimal.
enum class LabelDigits { AsIs, Whole, OneDecimal };

// "1.5kb/s": bytes per second in kilobytes (1024 bytes), rounded half-to-even
// to one decimal.
std::string Kilobytes(double bytesPerSecond);

// "512b/s", "2.5kb/s"; rounding is half-to-even.
std::string GridLabel(double bytesPerSecond, LabelDigits digits);

// "In: 1.5kb/s   Out: 0kb/s"
std::string CurrentValuesText(std::int32_t lastIn, std::int32_t lastOut);

}  // namespace qn
