#include "platform/registry_variant.h"

namespace qn {

std::optional<std::string> VariantToText(const RegVariant& value) {
    if (std::holds_alternative<std::monostate>(value)) return std::string();
    if (auto text = std::get_if<std::string>(&value)) return *text;
    if (auto number = std::get_if<std::int32_t>(&value)) return std::to_string(*number);
    if (auto number = std::get_if<std::int16_t>(&value)) return std::to_string(*number);
    if (auto bytes = std::get_if<std::vector<std::uint8_t>>(&value))
        return std::string(bytes->begin(), bytes->end());
    return std::nullopt;
}

}  // namespace qn
