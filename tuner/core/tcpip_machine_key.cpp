#include "tuner/core/tcpip_machine_key.h"

namespace qn {

MachineKey::MachineKey(RegistryContext context, const std::string& path) : registry_(context) {
    open_ = registry_.OpenKey(kHkeyLocalMachine, path);
}

MachineKey::~MachineKey() {
    registry_.CloseKey();
}

std::string MachineKey::Text(const std::string& name) {
    if (!open_) return "";
    std::uint32_t type = kRegSz;
    return VariantText(registry_.QueryKey(name, type));
}

bool MachineKey::HasValue(const std::string& name) {
    if (!open_) return false;
    std::uint32_t type = kRegSz;
    const RegVariant value = registry_.QueryKey3(name, type);
    const std::string* text = std::get_if<std::string>(&value);
    return !(text && *text == "Error");
}

bool MachineKey::HasBinaryData(const std::string& name) {
    if (!open_) return false;
    std::uint32_t type = kRegBinary;
    const RegVariant value = registry_.QueryKey(name, type);
    const auto* bytes = std::get_if<std::vector<std::uint8_t>>(&value);
    return bytes && !bytes->empty();
}

std::optional<double> MachineKey::TextNumber(const std::string& name) {
    if (!open_) return std::nullopt;
    std::uint32_t type = kRegSz;
    const RegVariant value = registry_.QueryKey(name, type);
    if (type != kRegSz && type != kRegExpandSz) return std::nullopt;
    if (VariantText(value).empty()) return std::nullopt;
    return VariantNumber(value);
}

std::optional<double> MachineKey::DwordNumber(const std::string& name) {
    if (!open_) return std::nullopt;
    std::uint32_t type = kRegDword;
    const RegVariant value = registry_.QueryKey(name, type);
    const std::int32_t* number = std::get_if<std::int32_t>(&value);
    if (type != kRegDword || !number) return std::nullopt;
    return static_cast<std::uint32_t>(*number);
}

std::optional<std::string> MachineKey::SubKeyName(std::int32_t index) {
    if (!open_) return std::nullopt;
    // Compared before the NUL goes: a sub-key named "ERROR" reads "ERROR" + NUL.
    std::string name = registry_.EnumKey(index);
    if (name == "ERROR") return std::nullopt;
    if (!name.empty() && name.back() == '\0') name.pop_back();
    return name;
}

void MachineKey::StoreNumber(const std::string& name, std::int32_t value, bool asText) {
    if (!open_) return;
    std::uint32_t type = asText ? kRegSz : kRegDword;
    const RegVariant data = asText ? RegVariant(std::to_string(value)) : RegVariant(value);
    registry_.SaveKey(name, data, type);
}

void MachineKey::Delete(const std::string& name) {
    if (open_) registry_.DeleteValue(name);
}

}  // namespace qn
