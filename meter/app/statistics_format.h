#pragma once
// How the statistics window writes a byte count: in bytes, kilobytes or
// megabytes, rounded half-to-even, in the shortest form ("1.5 kb").
#include <cstdint>
#include <string>

namespace qn::meter {

enum class ByteUnit { Bytes, Kilobytes, Megabytes };

std::string FormatBytes(std::int64_t value, ByteUnit unit);

}  // namespace qn::meter
