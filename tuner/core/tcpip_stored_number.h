#pragma once
// A stored TCP/IP number as the whole value of the record field that holds it.
// Zero, negative and too large numbers give nothing: zero means "not set", and
// the others are values the system cannot mean, so they read as absent rather
// than wrapping into a different number.
#include <cstdint>
#include <optional>

namespace qn {

// Rounded half to even, as the record's 16-bit fields take it.
std::optional<std::int16_t> PositiveInt16(std::optional<double> number);
std::optional<std::int32_t> PositiveInt32(std::optional<double> number);

}  // namespace qn
