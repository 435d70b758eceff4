// Any one line given to the reader of entry lines: it never fails, an entry
// it finds is well formed, and the line the editor writes for that entry
// reads back as the same entry.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "fuzz/fuzz_check.h"
#include "tuner/hosts/hosts_format.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using qn::fuzz::Require;
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    const std::optional<qn::HostsEntry> entry = qn::ParseHostsLine(line);
    if (!entry) return 0;
    const std::string& address = entry->address;
    const std::string& name = entry->name;
    Require(!address.empty() && address[0] >= '0' && address[0] <= '9',
            "an address starts with a digit");
    Require(!name.empty(), "an entry has a name");
    Require(address.find('\t') == std::string::npos && name.find('\t') == std::string::npos,
            "no field holds a TAB");
    Require(address.back() != ' ' && name.front() != ' ' && name.back() != ' ',
            "fields are trimmed");
    Require(entry->listPosition == qn::kNoListPosition, "a read entry has no list position");
    if (!qn::fuzz::WritesBackWhole(*entry)) return 0;
    const std::string written =
        qn::HostsEntryLine(address, name) + (entry->include ? "" : " #SKIP");
    const std::optional<qn::HostsEntry> again = qn::ParseHostsLine(written);
    Require(again && qn::fuzz::SameEntry(*again, *entry), "the written line reads back the same");
    return 0;
}
