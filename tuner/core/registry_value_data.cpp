#include "tuner/core/registry_value_data.h"

#include <vector>

#include "support/integer_conversion.h"
#include "support/number_parse.h"

namespace qn {
namespace {

// A number written as text, or nothing when the text is not one.
std::optional<double> TextAsNumber(const std::string& text) {
    if (!IsNumberText(text)) return std::nullopt;
    return LeadingNumber(text);
}

// CLng of a Variant.
std::optional<std::int32_t> ToLong(const RegVariant& value) {
    if (std::holds_alternative<std::monostate>(value)) return 0;
    if (auto number = std::get_if<std::int32_t>(&value)) return *number;
    if (auto number = std::get_if<std::int16_t>(&value)) return *number;
    if (auto text = std::get_if<std::string>(&value)) {
        auto number = TextAsNumber(*text);
        if (!number) return std::nullopt;
        return RoundToInt32(*number);
    }
    return std::nullopt;
}

std::optional<std::string> BinaryData(const RegVariant& value) {
    if (auto bytes = std::get_if<std::vector<std::uint8_t>>(&value))
        return std::string(bytes->begin(), bytes->end());
    auto texts = std::get_if<std::vector<std::string>>(&value);
    if (!texts) return std::nullopt;
    std::string data;
    for (const std::string& text : *texts) {
        auto number = TextAsNumber(text);
        if (!number) return std::nullopt;
        auto byte = RoundToByte(*number);
        if (!byte) return std::nullopt;
        data.push_back(static_cast<char>(*byte));
    }
    return data;
}

std::optional<std::string> DwordData(const RegVariant& value) {
    auto number = ToLong(value);
    if (!number) return std::nullopt;
    const auto bits = static_cast<std::uint32_t>(*number);
    std::string data;
    for (int shift = 0; shift < 32; shift += 8)
        data.push_back(static_cast<char>((bits >> shift) & 0xFF));
    return data;
}

std::optional<std::string> MultiStringData(const RegVariant& value) {
    std::vector<std::string> items;
    if (auto texts = std::get_if<std::vector<std::string>>(&value)) {
        items = *texts;
    } else if (auto bytes = std::get_if<std::vector<std::uint8_t>>(&value)) {
        for (std::uint8_t byte : *bytes) items.push_back(std::to_string(byte));
    } else {
        return std::nullopt;
    }
    std::string data;
    for (const std::string& item : items) {
        data += item;
        data.push_back('\0');
    }
    data.push_back('\0');
    return data;
}

}  // namespace

std::optional<std::string> RegistryValueData(const RegVariant& value, std::uint32_t type) {
    switch (type) {
        case kRegSz:
        case kRegExpandSz:
            return VariantToText(value);
        case kRegBinary:
            return BinaryData(value);
        case kRegDword:
            return DwordData(value);
        case kRegMultiSz:
            return MultiStringData(value);
        default:
            return std::nullopt;
    }
}

}  // namespace qn
