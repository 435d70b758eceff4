#include "tests/unit/tuner_machines/registry_snapshot.h"

#include <stdexcept>
#include <vector>

#include "platform/memory/reg_file.h"

namespace qn::machine_test {

namespace {

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

}  // namespace qn::machine_test
