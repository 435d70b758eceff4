#include "tests/unit/tuner_machines/registry_snapshot.h"

#include <algorithm>
#include <cstdio>
#include <set>
#include <stdexcept>

#include "platform/memory/reg_file.h"
#include "support/ansi_case.h"

namespace qn::machine_test {

const char* const kAbsent = "(absent)";

namespace {

constexpr char kLocalMachine[] = "HKEY_LOCAL_MACHINE";

std::vector<std::string> LogicalLines(const std::string& text) {
    std::vector<std::string> lines;
    bool continuing = false;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(pos, end - pos);
        pos = end + 1;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (continuing)
            lines.back() += line.substr(line.find_first_not_of(' '));
        else
            lines.push_back(line);
        continuing =
            !lines.back().empty() && lines.back().back() == '\\' && lines.back().front() != '[';
        if (continuing) lines.back().pop_back();
    }
    return lines;
}

// The key path without the root, upper-cased.
std::string KeyId(const std::string& path) {
    std::string relative = path;
    const std::string root = std::string(kLocalMachine) + "\\";
    if (ToUpperAnsi(relative.substr(0, root.size())) == root) relative.erase(0, root.size());
    return ToUpperAnsi(relative);
}

std::string ValueId(const std::string& key, const std::string& name) {
    return KeyId(key) + " " + (name == "@" ? "@" : "\"" + ToUpperAnsi(name) + "\"");
}

// Splits a value line into its unescaped name ("@" for the unnamed value) and
// its data text.
void SplitValueLine(const std::string& line, std::string* name, std::string* data) {
    std::size_t i = 0;
    name->clear();
    if (line[0] == '@') {
        *name = "@";
        i = 1;
    } else {
        for (i = 1; i < line.size() && line[i] != '"'; ++i) {
            if (line[i] == '\\') ++i;
            name->push_back(line[i]);
        }
        ++i;
    }
    if (i >= line.size() || line[i] != '=') throw std::runtime_error("bad value line: " + line);
    *data = line.substr(i + 1);
}

}  // namespace

RegistrySnapshot ParseRegFile(const std::string& text) {
    RegistrySnapshot snapshot;
    std::string key;
    for (const std::string& line : LogicalLines(text)) {
        if (line.empty() || line == "REGEDIT4") continue;
        if (line.front() == '[') {
            key = line.substr(1, line.size() - 2);
            continue;
        }
        std::string name, data;
        SplitValueLine(line, &name, &data);
        snapshot[ValueId(key, name)] = data;
    }
    return snapshot;
}

RegistrySnapshot SnapshotOfLocalMachine(Registry& registry) {
    std::string text;
    const RegStatus status = SaveRegFile(registry, kHkeyLocalMachine, "", &text);
    if (status != kRegSuccess)
        throw std::runtime_error("SaveRegFile failed with " + std::to_string(status));
    return ParseRegFile(text);
}

std::string Text(const std::string& text) {
    return "\"" + text + "\"";
}

std::string TextNoNul(const std::string& text) {
    std::string out = "hex(1):";
    for (std::size_t i = 0; i < text.size(); ++i) {
        char byte[4];
        std::snprintf(byte, sizeof byte, "%02x", static_cast<unsigned char>(text[i]));
        out += (i ? "," : "") + std::string(byte);
    }
    return out;
}

std::string Dword(unsigned number) {
    char text[24];
    std::snprintf(text, sizeof text, "dword:%08x", number);
    return text;
}

std::vector<std::string> Describe(const std::vector<RegistryChange>& changes) {
    std::vector<std::string> lines;
    for (const RegistryChange& change : changes)
        lines.push_back(ValueId(change.key, change.name) + ": " + change.before + " -> " +
                        change.after);
    std::sort(lines.begin(), lines.end());
    return lines;
}

std::vector<std::string> Differences(const RegistrySnapshot& before,
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
