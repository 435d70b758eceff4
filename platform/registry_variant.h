#pragma once
// A registry value in the shapes the programs' registry classes hand out:
// Empty, a string (REG_SZ, REG_EXPAND_SZ), a byte array (REG_BINARY), a 32-bit
// integer (REG_DWORD), a 16-bit integer, or a string array (REG_MULTI_SZ).
#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace qn {

using RegVariant = std::variant<std::monostate, std::string, std::vector<std::uint8_t>,
                                std::int32_t, std::int16_t, std::vector<std::string>>;

inline bool IsEmpty(const RegVariant& value) {
    return std::holds_alternative<std::monostate>(value);
}

// The value as text, the way CStr converts a Variant: Empty is "", a number
// its decimal text, a byte array one character per byte. A string array has
// no text.
std::optional<std::string> VariantToText(const RegVariant& value);

}  // namespace qn
