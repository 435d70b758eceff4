#include "tuner/core/tcpip_stored_number.h"

#include "support/integer_conversion.h"

namespace qn {

std::optional<std::int16_t> PositiveInt16(std::optional<double> number) {
    if (!number) return std::nullopt;
    const std::optional<std::int16_t> value = RoundToInt16(*number);
    if (!value || *value <= 0) return std::nullopt;
    return value;
}

std::optional<std::int32_t> PositiveInt32(std::optional<double> number) {
    if (!number) return std::nullopt;
    const std::optional<std::int32_t> value = RoundToInt32(*number);
    if (!value || *value <= 0) return std::nullopt;
    return value;
}

}  // namespace qn
