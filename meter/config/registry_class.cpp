#include "meter/config/registry_class.h"

#include <utility>

#include "meter/config/opened_key.h"
#include "throughput/raised_error.h"

namespace qn::meter {

namespace {

// The text of REG_SZ data: one terminating NUL dropped when the data has it, as
// data written without one (or as a lone NUL) must not lose a character.
std::string StoredText(const std::vector<std::uint8_t>& data) {
    std::string text(data.begin(), data.end());
    if (!text.empty() && text.back() == '\0') text.pop_back();
    return text;
}

// The first four bytes, low byte first; shorter data counts as zero-padded.
std::int32_t LittleEndianLong(const std::vector<std::uint8_t>& data) {
    std::uint32_t bits = 0;
    for (std::size_t i = 0; i < 4 && i < data.size(); ++i)
        bits |= std::uint32_t{data[i]} << (8 * i);
    return static_cast<std::int32_t>(bits);
}

// A %NAME% reference: a "%" with another at least two characters further on,
// so that "%%" and a lone "%" stay plain text.
bool HasEnvironmentReference(const std::string& text) {
    const auto first = text.find('%');
    return first != std::string::npos && text.find('%', first + 2) != std::string::npos;
}

void WriteValue(Registry& registry, RegKey key, const std::string& name, std::uint32_t type,
                const std::string& data) {
    registry.SetValue(key, name, type, reinterpret_cast<const std::uint8_t*>(data.data()),
                      static_cast<std::uint32_t>(data.size()));
}

std::string DwordBytes(std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    std::string data;
    for (int shift = 0; shift < 32; shift += 8) data.push_back(static_cast<char>(bits >> shift));
    return data;
}

}  // namespace

cRegistry::cRegistry(RegistryServices services) : services_(std::move(services)) {}

RegVariant cRegistry::Value() {
    Registry& registry = services_.registry;
    OpenedKey key(registry);
    if (!key.Open(classKey_, sectionKey_, kKeyQueryValue)) return default_;
    std::uint32_t type = 0;
    std::uint32_t size = 0;
    RegStatus status = registry.QueryValue(key.Handle(), valueKey_, &type, nullptr, &size);
    if (status != kRegSuccess && status != kRegMoreData) return default_;
    valueType_ = type;
    std::vector<std::uint8_t> data(size);
    if (size > 0) {
        status = registry.QueryValue(key.Handle(), valueKey_, &type, data.data(), &size);
        if (status != kRegSuccess) return default_;
        data.resize(size);
    }
    switch (type) {
        case kRegSz:
        case kRegMultiSz:
            return StoredText(data);
        case kRegExpandSz:
            return ExpandEnvStr(StoredText(data));
        case kRegDword:
            return LittleEndianLong(data);
        case kRegDwordBigEndian:
            return SwapEndian(LittleEndianLong(data));
        default:
            return data;
    }
}

void cRegistry::SetValue(const RegVariant& data) {
    Registry& registry = services_.registry;
    OpenedKey key(registry);
    if (!key.Create(classKey_, sectionKey_, kWriteAccess))
        Raise("Failed to set registry value Key: '" + std::to_string(classKey_) + "',Section: '" +
              sectionKey_ + "',Key: '" + valueKey_ + "' to value: '" +
              VariantToText(data).value_or("") + "'");
    switch (valueType_) {
        case kRegSz:
        case kRegExpandSz: {
            auto text = VariantToText(data);
            if (!text) return;
            const std::uint32_t type = HasEnvironmentReference(*text) ? kRegExpandSz : kRegSz;
            // An empty text is stored as no bytes at all.
            if (!text->empty()) text->push_back('\0');
            WriteValue(registry, key.Handle(), valueKey_, type, *text);
            return;
        }
        case kRegBinary: {
            auto bytes = std::get_if<std::vector<std::uint8_t>>(&data);
            if (!bytes) throw RaisedError(kRegistryErrorNumber, "", "");
            WriteValue(registry, key.Handle(), valueKey_, kRegBinary,
                       std::string(bytes->begin(), bytes->end()));
            return;
        }
        case kRegDword:
        case kRegDwordBigEndian:
            if (auto number = std::get_if<std::int32_t>(&data))
                WriteValue(registry, key.Handle(), valueKey_, kRegDword, DwordBytes(*number));
            else if (auto small = std::get_if<std::int16_t>(&data))
                WriteValue(registry, key.Handle(), valueKey_, kRegDword, DwordBytes(*small));
            return;
        default:
            return;
    }
}

std::string cRegistry::ExpandEnvStr(const std::string& text) const {
    return services_.environment.Expand(text);
}

std::int32_t cRegistry::SwapEndian(std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    return static_cast<std::int32_t>((bits >> 24) | ((bits >> 8) & 0xFF00u) |
                                     ((bits << 8) & 0xFF0000u) | (bits << 24));
}

void cRegistry::Raise(const std::string& description) const {
    throw RaisedError(kRegistryErrorNumber, services_.programName + ".cRegistry", description);
}

}  // namespace qn::meter
