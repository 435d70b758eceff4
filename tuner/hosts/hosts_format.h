#pragma once
// The hosts file as text: reading entry lines from it, and the files the
// editor writes (the hosts file, a backup file, the lines Append puts back).
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tuner/hosts/hosts_table.h"

namespace qn {

// The lines of a file: ended by CR LF, CR, or LF alone (files from other
// systems), without their ends. A UTF-8 byte-order mark before the first
// line is not part of it.
std::vector<std::string_view> SplitHostsLines(std::string_view text);

// An entry line: after spaces are trimmed it starts with a digit, and holds
// an address and a name separated by the line's first TAB, or its first
// space when it has none. A second separator ends the name; the entry is
// then marked to be skipped exactly when " #SKIP" follows. Aliases and
// comments after the name are dropped. Nothing for any other line.
std::optional<HostsEntry> ParseHostsLine(std::string_view line);

struct HostsEntries {
    std::vector<HostsEntry> entries;  // at most HostsTable::kSlots
    int entryLines = 0;               // every entry line, also those beyond
};
// The entry lines of a hosts file, in order.
HostsEntries ReadHostsEntries(std::string_view text);

// What the header of a written file says besides the entries.
struct HostsHeader {
    std::string webPage;
    std::string version;     // "1.0.1"
    std::string entryCount;  // as the window shows it
};

// The address, a space, as many spaces again as the address is shorter or
// longer than 17 characters, and the name: names line up in column 19.
std::string HostsEntryLine(const std::string& address, const std::string& name);

// The hosts file: the header, then the live entries except those whose name
// is their address, marked ones with " #SKIP".
std::string HostsFileText(const HostsTable& table, const HostsHeader& header);
// A backup (".qlh") file: the header naming the file, then every live entry.
std::string HostsBackupText(const HostsTable& table, const HostsHeader& header,
                            const std::string& fileName);
// The live entries as plain lines, none marked, for Append to add a file to.
std::string HostsAppendText(const HostsTable& table);

}  // namespace qn
