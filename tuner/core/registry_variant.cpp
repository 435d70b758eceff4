#include <string>

#include "support/number_parse.h"
#include "tuner/core/registry_class.h"

namespace qn {

std::string VariantText(const RegVariant& value) {
    if (auto text = std::get_if<std::string>(&value)) return text->substr(0, text->find('\0'));
    if (auto number = std::get_if<std::int32_t>(&value)) return std::to_string(*number);
    if (auto number = std::get_if<std::int16_t>(&value)) return std::to_string(*number);
    return "";
}

double VariantNumber(const RegVariant& value) {
    if (auto text = std::get_if<std::string>(&value)) return LeadingNumber(*text);
    if (auto number = std::get_if<std::int32_t>(&value)) return *number;
    if (auto number = std::get_if<std::int16_t>(&value)) return *number;
    return 0;
}

}  // namespace qn
