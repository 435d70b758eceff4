#include "tests/e2e/driver/registry_dump.h"

#include <shlwapi.h>

#include <cstdio>
#include <vector>

namespace qn::e2e {

namespace {

class OpenKey {
  public:
    OpenKey(HKEY root, const std::string& path, REGSAM access) {
        if (RegOpenKeyExA(root, path.c_str(), 0, access, &key_) != ERROR_SUCCESS) key_ = nullptr;
    }
    ~OpenKey() {
        if (key_ != nullptr) RegCloseKey(key_);
    }
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;
    HKEY get() const { return key_; }

  private:
    HKEY key_ = nullptr;
};

std::string Hex(const std::vector<BYTE>& data) {
    std::string text;
    char byte[4];
    for (size_t i = 0; i < data.size(); ++i) {
        std::snprintf(byte, sizeof(byte), i == 0 ? "%02x" : ",%02x", data[i]);
        text += byte;
    }
    return text;
}

std::string FormatValue(DWORD type, std::vector<BYTE> data) {
    char number[32];
    switch (type) {
        case REG_SZ: {
            std::string text(data.begin(), data.end());
            // A stored terminating NUL is no part of the text.
            while (!text.empty() && text.back() == '\0') text.pop_back();
            return "\"" + text + "\"";
        }
        case REG_DWORD:
            if (data.size() == sizeof(DWORD)) {
                DWORD value = 0;
                memcpy(&value, data.data(), sizeof(value));
                std::snprintf(number, sizeof(number), "dword:%08lx",
                              static_cast<unsigned long>(value));
                return number;
            }
            break;
        case REG_BINARY:
            return "hex:" + Hex(data);
        default:
            break;
    }
    std::snprintf(number, sizeof(number), "hex(%lx):", static_cast<unsigned long>(type));
    return number + Hex(data);
}

void ExportKey(HKEY root, const std::string& path, std::string& out) {
    OpenKey key(root, path, KEY_READ);
    if (key.get() == nullptr) return;
    out += "[" + path + "]\n";
    for (DWORD i = 0;; ++i) {
        char name[16384];
        DWORD nameLength = sizeof(name);
        DWORD type = 0;
        DWORD size = 0;
        if (RegEnumValueA(key.get(), i, name, &nameLength, nullptr, &type, nullptr, &size) !=
            ERROR_SUCCESS) {
            break;
        }
        std::vector<BYTE> data(size);
        nameLength = sizeof(name);
        RegEnumValueA(key.get(), i, name, &nameLength, nullptr, &type, data.data(), &size);
        data.resize(size);
        const std::string label = nameLength == 0 ? "@" : "\"" + std::string(name) + "\"";
        out += label + "=" + FormatValue(type, data) + "\n";
    }
    std::vector<std::string> subKeys;
    for (DWORD i = 0;; ++i) {
        char name[256];
        if (RegEnumKeyA(key.get(), i, name, sizeof(name)) != ERROR_SUCCESS) break;
        subKeys.push_back(name);
    }
    for (const auto& sub : subKeys) {
        out += "\n";
        ExportKey(root, path + "\\" + sub, out);
    }
}

}  // namespace

bool ReadRegistryString(HKEY root, const std::string& keyPath, const std::string& name,
                        std::string& value) {
    OpenKey key(root, keyPath, KEY_READ);
    if (key.get() == nullptr) return false;
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExA(key.get(), name.c_str(), nullptr, &type, nullptr, &size) !=
            ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ)) {
        return false;
    }
    std::vector<char> data(size + 1, '\0');
    if (RegQueryValueExA(key.get(), name.c_str(), nullptr, &type,
                         reinterpret_cast<BYTE*>(data.data()), &size) != ERROR_SUCCESS) {
        return false;
    }
    value.assign(data.data());
    return true;
}

bool ReadRegistryDword(HKEY root, const std::string& keyPath, const std::string& name,
                       DWORD& value) {
    OpenKey key(root, keyPath, KEY_READ);
    if (key.get() == nullptr) return false;
    DWORD type = 0;
    DWORD size = sizeof(value);
    return RegQueryValueExA(key.get(), name.c_str(), nullptr, &type,
                            reinterpret_cast<BYTE*>(&value), &size) == ERROR_SUCCESS &&
           type == REG_DWORD;
}

bool RegistryKeyExists(HKEY root, const std::string& keyPath) {
    return OpenKey(root, keyPath, KEY_READ).get() != nullptr;
}

bool WriteRegistryString(HKEY root, const std::string& keyPath, const std::string& name,
                         const std::string& value) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(root, keyPath.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS) {
        return false;
    }
    const LONG result =
        RegSetValueExA(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                       static_cast<DWORD>(value.size() + 1));
    RegCloseKey(key);
    return result == ERROR_SUCCESS;
}

bool DeleteRegistryValue(HKEY root, const std::string& keyPath, const std::string& name) {
    OpenKey key(root, keyPath, KEY_SET_VALUE);
    if (key.get() == nullptr) return false;
    return RegDeleteValueA(key.get(), name.c_str()) == ERROR_SUCCESS;
}

bool DeleteRegistryTree(HKEY root, const std::string& keyPath) {
    const DWORD result = SHDeleteKeyA(root, keyPath.c_str());
    return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND;
}

std::string ExportRegistryTree(HKEY root, const std::string& keyPath) {
    std::string out;
    ExportKey(root, keyPath, out);
    return out;
}

}  // namespace qn::e2e
