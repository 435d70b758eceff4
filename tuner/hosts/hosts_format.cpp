#include "tuner/hosts/hosts_format.h"

#include <algorithm>
#include <cstdlib>

#include "support/trim.h"

namespace qn {

namespace {

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";
constexpr int kAddressColumnWidth = 17;

// The first TAB, or the first space when there is no TAB.
size_t FieldSeparator(std::string_view text) {
    const size_t tab = text.find('\t');
    return tab != std::string_view::npos ? tab : text.find(' ');
}

std::string HeaderText(const HostsHeader& header, const std::string& title) {
    const std::string rule(70, '#');
    return rule + "\r\n" + title + "\r\n# " + header.webPage + "\r\n# Saved with Quillon v" +
           header.version + "\r\n# Number of Entries: " + header.entryCount + "\r\n" + rule +
           "\r\n\r\n";
}

enum class EntryLines { SkippingSelfNamed, All, AllIncluded };

std::string EntriesText(const HostsTable& table, EntryLines which) {
    std::string text;
    for (int slot = 0; slot < table.SlotsInUse(); ++slot) {
        const HostsEntry& entry = table.Slot(slot);
        if (entry.IsHole()) continue;
        if (which == EntryLines::SkippingSelfNamed && entry.name == entry.address) continue;
        text += HostsEntryLine(entry.address, entry.name);
        if (!entry.include && which != EntryLines::AllIncluded) text += " #SKIP";
        text += "\r\n";
    }
    return text;
}

}  // namespace

std::vector<std::string_view> SplitHostsLines(std::string_view text) {
    if (text.substr(0, kUtf8ByteOrderMark.size()) == kUtf8ByteOrderMark) {
        text.remove_prefix(kUtf8ByteOrderMark.size());
    }
    std::vector<std::string_view> lines;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    return lines;
}

std::optional<HostsEntry> ParseHostsLine(std::string_view line) {
    const std::string trimmed = TrimSpaces(line);
    if (trimmed.empty() || trimmed[0] < '0' || trimmed[0] > '9') return std::nullopt;
    const size_t first = FieldSeparator(trimmed);
    if (first == std::string::npos) return std::nullopt;
    HostsEntry entry;
    entry.address = TrimSpaces(std::string_view(trimmed).substr(0, first));
    // Columns are often lined up with several TABs: the name starts after them.
    std::string_view afterAddress = std::string_view(trimmed).substr(first + 1);
    afterAddress.remove_prefix(
        std::min(afterAddress.find_first_not_of("\t "), afterAddress.size()));
    const std::string rest = TrimSpaces(afterAddress);
    const size_t second = FieldSeparator(rest);
    if (second == std::string::npos) {
        entry.name = rest;
    } else {
        entry.name = TrimSpaces(std::string_view(rest).substr(0, second));
        entry.include = TrimSpaces(std::string_view(rest).substr(second)) != "#SKIP";
    }
    if (entry.name.empty()) return std::nullopt;
    return entry;
}

HostsEntries ReadHostsEntries(std::string_view text) {
    HostsEntries read;
    for (std::string_view line : SplitHostsLines(text)) {
        std::optional<HostsEntry> entry = ParseHostsLine(line);
        if (!entry) continue;
        ++read.entryLines;
        if (read.entries.size() < static_cast<size_t>(HostsTable::kSlots)) {
            read.entries.push_back(std::move(*entry));
        }
    }
    return read;
}

std::string HostsEntryLine(const std::string& address, const std::string& name) {
    const int padding = std::abs(kAddressColumnWidth - static_cast<int>(address.size()));
    return address + " " + std::string(static_cast<size_t>(padding), ' ') + name;
}

std::string HostsFileText(const HostsTable& table, const HostsHeader& header) {
    return HeaderText(header, "# Quillon Hosts File") +
           EntriesText(table, EntryLines::SkippingSelfNamed);
}

std::string HostsBackupText(const HostsTable& table, const HostsHeader& header,
                            const std::string& fileName) {
    return HeaderText(header, "# Quillon Hosts File: " + fileName) +
           EntriesText(table, EntryLines::All);
}

std::string HostsAppendText(const HostsTable& table) {
    return EntriesText(table, EntryLines::AllIncluded);
}

}  // namespace qn
