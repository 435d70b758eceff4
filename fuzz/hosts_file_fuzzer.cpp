// Any file given to the editor's reading path: the entries it reads, the
// table built from them (duplicates removed as the scan of every earlier
// entry removes them, list positions in step with the slots, also after
// removals), and the hosts file written from it, which reads back as the
// live entries in order.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/fuzz_check.h"
#include "tests/support/superseded_by_scan.h"
#include "tuner/hosts/hosts_duplicates.h"
#include "tuner/hosts/hosts_format.h"
#include "tuner/hosts/hosts_table.h"

namespace {

using qn::fuzz::Require;

// Every live entry is shown at its index among the live entries; holes are
// not shown; the counters add up.
void CheckTable(const qn::HostsTable& table) {
    int live = 0;
    for (int slot = 0; slot < table.SlotsInUse(); ++slot) {
        const qn::HostsEntry& entry = table.Slot(slot);
        if (entry.IsHole()) {
            Require(entry.listPosition == qn::kNoListPosition, "a hole is not listed");
            continue;
        }
        Require(entry.listPosition == live, "a list position is the index among live entries");
        Require(table.SlotAtListPosition(live) == slot, "the list shows the slot back");
        ++live;
    }
    Require(live == table.EntryCount(), "the entry count counts the live entries");
    Require(table.EntryCount() + table.HoleCount() == table.SlotsInUse(),
            "entries and holes fill the slots in use");
    Require(table.SlotAtListPosition(live) == -1, "nothing is listed after the last entry");
}

// The hosts file leaves out entries named by their own address.
void CheckWrittenFile(const qn::HostsTable& table) {
    std::vector<const qn::HostsEntry*> expected;
    for (int slot = 0; slot < table.SlotsInUse(); ++slot) {
        const qn::HostsEntry& entry = table.Slot(slot);
        if (!entry.IsHole() && entry.name != entry.address) expected.push_back(&entry);
    }
    const qn::HostsHeader header{"http://example.com/", "1.0.1", "0"};
    const qn::HostsEntries again = qn::ReadHostsEntries(qn::HostsFileText(table, header));
    Require(again.entries.size() == expected.size(), "each written entry reads back as one");
    for (size_t i = 0; i < expected.size(); ++i) {
        if (!qn::fuzz::WritesBackWhole(*expected[i])) continue;
        Require(qn::fuzz::SameEntry(again.entries[i], *expected[i]),
                "a written entry reads back the same, in its place");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const qn::HostsEntries read =
        qn::ReadHostsEntries(std::string_view(reinterpret_cast<const char*>(data), size));
    Require(read.entries.size() <= static_cast<size_t>(qn::HostsTable::kSlots),
            "no more entries than slots");
    Require(static_cast<size_t>(read.entryLines) >= read.entries.size(),
            "every entry comes from an entry line");
    const std::vector<bool> superseded = qn::SupersededEntries(read.entries);
    Require(superseded == qn::SupersededByScan(read.entries),
            "the hashed removal of duplicates agrees with the scan");

    qn::HostsTable table;
    table.Rebuild(read.entries);
    Require(table.SlotsInUse() == static_cast<int>(read.entries.size()), "a slot per entry read");
    for (size_t slot = 0; slot < read.entries.size(); ++slot) {
        const qn::HostsEntry& entry = table.Slot(static_cast<int>(slot));
        Require(entry.IsHole() == superseded[slot], "exactly the superseded entries are holes");
        if (!entry.IsHole()) {
            Require(qn::fuzz::SameEntry(entry, read.entries[slot]), "a survivor is kept as read");
        }
    }
    CheckTable(table);
    CheckWrittenFile(table);

    // The user removes every third entry shown.
    for (int position = table.EntryCount() - 1; position >= 0; position -= 3) {
        table.Remove(table.SlotAtListPosition(position));
    }
    CheckTable(table);
    CheckWrittenFile(table);
    return 0;
}
