#pragma once
// Registry values as REGEDIT4 data text, and the differences between two
// pictures of them, so that a test can state exactly which values a save
// changed and how. Key paths and value names are compared ignoring case, as
// the registry compares them. Used by the native tests (on the in-memory
// registry) and the end-to-end tests (on Wine's).
#include <algorithm>
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/memory/reg_file.h"
#include "support/ansi_case.h"

namespace qn::machine_test {

// Value id (see ValueId) -> the value's REGEDIT4 data, e.g. "576" with its
// NUL as "\"576\"", without it as "hex(1):35,37,36".
using RegistrySnapshot = std::map<std::string, std::string>;

// The data as the export shows it.
// REG_SZ with its NUL, as Windows writes it.
inline std::string Text(const std::string& text) {
    std::vector<std::uint8_t> bytes(text.begin(), text.end());
    bytes.push_back(0);
    return RegFileValueData(kRegSz, bytes);
}

// REG_SZ without NUL, as the tuner writes it.
inline std::string TextNoNul(const std::string& text) {
    return RegFileValueData(kRegSz, std::vector<std::uint8_t>(text.begin(), text.end()));
}

inline std::string Dword(std::uint32_t number) {
    std::vector<std::uint8_t> bytes;
    for (int shift = 0; shift < 32; shift += 8)
        bytes.push_back(static_cast<std::uint8_t>(number >> shift));
    return RegFileValueData(kRegDword, bytes);
}

// No such value.
inline constexpr const char* kAbsent = "(absent)";

// One value that differs; key relative to HKEY_LOCAL_MACHINE, name "@" for
// the unnamed value.
struct RegistryChange {
    std::string key;
    std::string name;
    std::string before;
    std::string after;
};

// "KEY PATH" + " " + quoted value name (or @), upper-cased, the key without
// its root.
inline std::string ValueId(const std::string& key, const std::string& name) {
    std::string relative = key;
    const std::string root = "HKEY_LOCAL_MACHINE\\";
    if (ToUpperAnsi(relative.substr(0, root.size())) == root) relative.erase(0, root.size());
    return ToUpperAnsi(relative) + " " + (name == "@" ? "@" : "\"" + ToUpperAnsi(name) + "\"");
}

// Readable, comparable lines: "KEY \"NAME\": before -> after", sorted.
inline std::vector<std::string> Describe(const std::vector<RegistryChange>& changes) {
    std::vector<std::string> lines;
    for (const RegistryChange& change : changes)
        lines.push_back(ValueId(change.key, change.name) + ": " + change.before + " -> " +
                        change.after);
    std::sort(lines.begin(), lines.end());
    return lines;
}

inline std::vector<std::string> Differences(const RegistrySnapshot& before,
                                            const RegistrySnapshot& after) {
    std::set<std::string> ids;
    for (const auto& entry : before) ids.insert(entry.first);
    for (const auto& entry : after) ids.insert(entry.first);
    std::vector<std::string> lines;
    for (const std::string& id : ids) {
        const auto was = before.find(id);
        const auto is = after.find(id);
        const std::string oldData = was == before.end() ? kAbsent : was->second;
        const std::string newData = is == after.end() ? kAbsent : is->second;
        if (oldData != newData) lines.push_back(id + ": " + oldData + " -> " + newData);
    }
    return lines;
}

}  // namespace qn::machine_test
