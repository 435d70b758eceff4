#pragma once
// Wine's registry pictured as the machine tables picture theirs
// (tests/support/registry_changes.h): value id -> REGEDIT4 data, a REG_SZ
// without its NUL shown as hex(1), so that equal pictures mean equal bytes.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "tests/support/registry_changes.h"

namespace qn::e2e {

using machine_test::RegistrySnapshot;

namespace registry_snapshot_detail {

inline std::string HexList(const char* prefix, const std::vector<BYTE>& data) {
    std::string text = prefix;
    char byte[4];
    for (size_t i = 0; i < data.size(); ++i) {
        std::snprintf(byte, sizeof byte, i == 0 ? "%02x" : ",%02x", data[i]);
        text += byte;
    }
    return text;
}

// A REG_SZ shows as text when it ends in its only NUL and has no line break,
// as the REGEDIT4 export writes it.
inline bool PlainText(const std::vector<BYTE>& data) {
    if (data.empty() || data.back() != 0) return false;
    for (size_t i = 0; i + 1 < data.size(); ++i) {
        if (data[i] == 0 || data[i] == '\r' || data[i] == '\n') return false;
    }
    return true;
}

inline std::string Quoted(const std::vector<BYTE>& data) {
    std::string text = "\"";
    for (size_t i = 0; i + 1 < data.size(); ++i) {
        if (data[i] == '\\' || data[i] == '"') text += '\\';
        text += static_cast<char>(data[i]);
    }
    return text + "\"";
}

inline std::string DataText(DWORD type, const std::vector<BYTE>& data) {
    if (type == REG_SZ && PlainText(data)) return Quoted(data);
    if (type == REG_DWORD && data.size() == sizeof(DWORD)) {
        DWORD number = 0;
        memcpy(&number, data.data(), sizeof number);
        return machine_test::Dword(number);
    }
    if (type == REG_BINARY) return HexList("hex:", data);
    char prefix[24];
    std::snprintf(prefix, sizeof prefix, "hex(%lx):", static_cast<unsigned long>(type));
    return HexList(prefix, data);
}

inline void AddTree(const std::string& path, RegistrySnapshot& snapshot) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return;
    }
    for (DWORD i = 0;; ++i) {
        char name[16384];
        DWORD nameLength = sizeof name;
        DWORD type = 0;
        DWORD size = 0;
        if (RegEnumValueA(key, i, name, &nameLength, nullptr, &type, nullptr, &size) !=
            ERROR_SUCCESS) {
            break;
        }
        std::vector<BYTE> data(size);
        nameLength = sizeof name;
        RegEnumValueA(key, i, name, &nameLength, nullptr, &type, data.data(), &size);
        data.resize(size);
        snapshot[machine_test::ValueId(path, nameLength == 0 ? "@" : name)] = DataText(type, data);
    }
    std::vector<std::string> subKeys;
    char subKey[256];
    for (DWORD i = 0; RegEnumKeyA(key, i, subKey, sizeof subKey) == ERROR_SUCCESS; ++i) {
        subKeys.push_back(subKey);
    }
    RegCloseKey(key);
    for (const std::string& sub : subKeys) AddTree(path + "\\" + sub, snapshot);
}

}  // namespace registry_snapshot_detail

// Every value in the given trees under HKEY_LOCAL_MACHINE.
inline RegistrySnapshot SnapshotOfLocalMachineTrees(const std::vector<std::string>& trees) {
    RegistrySnapshot snapshot;
    for (const std::string& tree : trees) registry_snapshot_detail::AddTree(tree, snapshot);
    return snapshot;
}

// Wine, as NT, reads a REG_SZ written without its NUL back with one when the
// byte after the data happened to be NUL: whether the tuner's "no NUL" form
// survives is chance. This gives both forms of a text the with-NUL picture.
inline std::string IgnoringTextTerminator(const std::string& data) {
    const std::string prefix = "hex(1):";
    if (data.compare(0, prefix.size(), prefix) != 0) return data;
    std::vector<BYTE> bytes;
    for (size_t at = prefix.size(); at + 1 < data.size(); at += 3) {
        bytes.push_back(static_cast<BYTE>(std::stoul(data.substr(at, 2), nullptr, 16)));
    }
    while (!bytes.empty() && bytes.back() == 0) bytes.pop_back();
    bytes.push_back(0);
    return registry_snapshot_detail::DataText(REG_SZ, bytes);
}

}  // namespace qn::e2e
