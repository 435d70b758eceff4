#include <cstdio>
#include <vector>

#include "platform/memory/reg_file.h"
#include "platform/memory/reg_name.h"

namespace qn {
namespace {

constexpr char kNewLine[] = "\r\n";
constexpr std::size_t kHexWrapColumn = 76;

bool HasLineBreak(const std::string& s) {
    return s.find_first_of("\r\n") != std::string::npos;
}

std::string Quoted(const std::string& s) {
    std::string out = "\"";
    for (char c : s) {
        if (c == '\\' || c == '"') out.push_back('\\');
        out.push_back(c);
    }
    return out + "\"";
}

// True when a "..." line loads back as exactly these bytes.
bool WritableAsString(const std::vector<std::uint8_t>& data) {
    if (data.empty() || data.back() != 0) return false;
    for (std::size_t i = 0; i + 1 < data.size(); ++i)
        if (data[i] == 0 || data[i] == '\r' || data[i] == '\n') return false;
    return true;
}

// Wraps after a comma once the line has reached the wrap column.
std::string HexList(std::string line, const std::vector<std::uint8_t>& data, bool wrap) {
    std::string out;
    for (std::size_t i = 0; i < data.size(); ++i) {
        char byte[4];
        std::snprintf(byte, sizeof byte, "%02x", data[i]);
        line += byte;
        if (i + 1 == data.size()) break;
        line += ',';
        if (wrap && line.size() >= kHexWrapColumn) {
            out += line + "\\" + kNewLine;
            line = "  ";
        }
    }
    return out + line;
}

// head followed by the value's data.
std::string WithData(const std::string& head, std::uint32_t type,
                     const std::vector<std::uint8_t>& data, bool wrap) {
    if (type == kRegSz && WritableAsString(data))
        return head + Quoted(std::string(data.begin(), data.end() - 1));
    if (type == kRegDword && data.size() == 4) {
        char number[16];
        std::snprintf(number, sizeof number, "dword:%08x",
                      static_cast<unsigned>(data[0] | data[1] << 8 | data[2] << 16 |
                                            static_cast<std::uint32_t>(data[3]) << 24));
        return head + number;
    }
    if (type == kRegBinary) return HexList(head + "hex:", data, wrap);
    char prefix[24];
    std::snprintf(prefix, sizeof prefix, "hex(%x):", static_cast<unsigned>(type));
    return HexList(head + prefix, data, wrap);
}

std::string ValueLine(const std::string& name, std::uint32_t type,
                      const std::vector<std::uint8_t>& data) {
    return WithData((name.empty() ? std::string("@") : Quoted(name)) + "=", type, data, true);
}

class Saver {
  public:
    Saver(Registry& registry, std::string* text) : registry_(registry), text_(*text) {}

    RegStatus Key(RegKey parent, const std::string& name, const std::string& full_path) {
        if (HasLineBreak(name)) return kRegInvalidParameter;
        RegKey key = 0;
        RegStatus status = registry_.OpenKey(parent, name, kKeyRead, &key);
        if (status != kRegSuccess) return status;
        text_ += std::string(kNewLine) + "[" + full_path + "]" + kNewLine;
        status = Values(key);
        if (status == kRegSuccess) status = SubKeys(key, full_path);
        registry_.CloseKey(key);
        return status;
    }

  private:
    RegStatus Values(RegKey key) {
        RegKeyInfo info;
        RegStatus status = registry_.QueryInfoKey(key, &info);
        if (status != kRegSuccess) return status;
        std::vector<char> name(info.max_value_name_length + 1u);
        std::vector<std::uint8_t> data(info.max_value_data_length + 1u);
        for (std::uint32_t index = 0;; ++index) {
            auto name_size = static_cast<std::uint32_t>(name.size());
            auto data_size = static_cast<std::uint32_t>(data.size());
            std::uint32_t type = kRegNone;
            status = registry_.EnumValue(key, index, name.data(), &name_size, &type, data.data(),
                                         &data_size);
            if (status == kRegNoMoreItems) return kRegSuccess;
            if (status != kRegSuccess) return status;
            const std::string value_name(name.data(), name_size);
            if (HasLineBreak(value_name)) return kRegInvalidParameter;
            text_ += ValueLine(value_name, type,
                               std::vector<std::uint8_t>(data.begin(), data.begin() + data_size)) +
                     kNewLine;
        }
    }

    RegStatus SubKeys(RegKey key, const std::string& path) {
        for (std::uint32_t index = 0;; ++index) {
            char name[256];
            std::uint32_t size = sizeof name;
            RegStatus status = registry_.EnumKey(key, index, name, &size);
            if (status == kRegNoMoreItems) return kRegSuccess;
            if (status != kRegSuccess) return status;
            const std::string sub_key(name, size);
            status = Key(key, sub_key, path + "\\" + sub_key);
            if (status != kRegSuccess) return status;
        }
    }

    Registry& registry_;
    std::string& text_;
};

// The path as the registry spells it, found by enumerating each level.
RegStatus StoredPath(Registry& registry, RegKey root, const std::string& path,
                     std::string* stored) {
    stored->clear();
    RegKey parent = root;
    std::size_t start = 0;
    RegStatus status = kRegSuccess;
    while (status == kRegSuccess && start < path.size()) {
        std::size_t end = path.find('\\', start);
        if (end == std::string::npos) end = path.size();
        const std::string wanted = path.substr(start, end - start);
        start = end + 1;
        if (wanted.empty()) continue;
        std::string found;
        for (std::uint32_t index = 0; found.empty(); ++index) {
            char name[256];
            std::uint32_t size = sizeof name;
            status = registry.EnumKey(parent, index, name, &size);
            if (status == kRegNoMoreItems) status = kRegFileNotFound;
            if (status != kRegSuccess) break;
            if (RegNamesEqual(wanted, std::string(name, size))) found.assign(name, size);
        }
        RegKey child = 0;
        if (status == kRegSuccess) status = registry.OpenKey(parent, found, kKeyRead, &child);
        if (parent != root) registry.CloseKey(parent);
        parent = child;
        if (status == kRegSuccess) *stored += (stored->empty() ? "" : "\\") + found;
    }
    if (parent != root && status == kRegSuccess) registry.CloseKey(parent);
    return status;
}

}  // namespace

std::string RegFileValueData(std::uint32_t type, const std::vector<std::uint8_t>& data) {
    return WithData("", type, data, false);
}

RegStatus SaveRegFile(Registry& registry, RegKey root, const std::string& path, std::string* text) {
    const char* root_name = RegRootName(root);
    if (!root_name) return kRegInvalidParameter;
    std::string stored;
    RegStatus status = StoredPath(registry, root, path, &stored);
    if (status != kRegSuccess) return status;
    std::string out = std::string("REGEDIT4") + kNewLine;
    status = Saver(registry, &out)
                 .Key(root, stored, stored.empty() ? root_name : root_name + ("\\" + stored));
    if (status != kRegSuccess) return status;
    *text = out + kNewLine;
    return kRegSuccess;
}

}  // namespace qn
