#pragma once
// Whole-number conversions of Basic's numeric rules, with overflow reported
// instead of raised: each returns no value when the result does not fit the
// target type or the input is NaN or infinite.
#include <cstdint>
#include <optional>

namespace qn {

// CInt: half-to-even to a whole number (see RoundHalfEven), then 16-bit signed.
std::optional<int16_t> RoundToInt16(double value);
// CLng: half-to-even to a whole number, then 32-bit signed.
std::optional<int32_t> RoundToInt32(double value);
// CByte: half-to-even to a whole number, then 0..255 (127.5 gives 128).
std::optional<uint8_t> RoundToByte(double value);
// Fix: drops the fraction, toward zero (-2.7 gives -2).
std::optional<int32_t> TruncateToInt32(double value);
// Int: the largest whole number not above the value (-2.7 gives -3).
std::optional<int32_t> FloorToInt32(double value);

}  // namespace qn
