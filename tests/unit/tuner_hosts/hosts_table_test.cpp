// The entry table: holes, list positions and counters as entries come and
// go, name patterns, and the removal of duplicates when a file is read.
#include "tuner/hosts/hosts_table.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "tests/support/superseded_by_scan.h"
#include "tuner/hosts/hosts_duplicates.h"

namespace qn {
namespace {

std::vector<std::string> Listed(const HostsTable& table) {
    std::vector<std::string> names;
    for (int slot = 0; slot < table.SlotsInUse(); ++slot) {
        const HostsEntry& entry = table.Slot(slot);
        if (entry.IsHole()) continue;
        EXPECT_EQ(entry.listPosition, static_cast<int>(names.size())) << entry.name;
        names.push_back(entry.name);
    }
    EXPECT_EQ(table.EntryCount(), static_cast<int>(names.size()));
    EXPECT_EQ(table.EntryCount() + table.HoleCount(), table.SlotsInUse());
    return names;
}

TEST(HostsTable, RemovingLeavesAHoleAndMovesLaterEntriesUpTheList) {
    HostsTable table;
    for (const char* name : {"a", "b", "c", "d"}) table.Append(name, "10.0.0.1", true);
    table.Remove(1);
    table.Remove(1);  // already a hole
    EXPECT_EQ(Listed(table), (std::vector<std::string>{"a", "c", "d"}));
    EXPECT_EQ(table.HoleCount(), 1);
    EXPECT_EQ(table.Append("e", "10.0.0.2", false), 4);  // holes are not reused
    EXPECT_EQ(table.SlotAtListPosition(3), 4);
    EXPECT_EQ(table.SlotAtListPosition(1), 2);
    EXPECT_EQ(table.SlotAtListPosition(9), -1);
    Listed(table);
}

TEST(HostsTable, IsFullAfterItsLastSlotEvenWithHoles) {
    HostsTable table;
    for (int i = 0; i < HostsTable::kSlots; ++i)
        table.Append("h" + std::to_string(i), "1.1.1.1", true);
    table.Remove(0);
    EXPECT_EQ(table.Append("late", "1.1.1.1", true), -1);
    EXPECT_EQ(table.SlotsInUse(), HostsTable::kSlots);
}

TEST(HostsTable, FindsTheFirstStoredNameThatMatchesAsAPattern) {
    HostsTable table;
    table.Append("gone", "1.1.1.1", true);
    table.Append("*.ads.example", "0.0.0.0", true);
    table.Append("www.ads.example", "10.0.0.1", true);
    table.Append("host#.example", "10.0.0.2", true);
    table.Append("Case.example", "10.0.0.3", true);
    table.Remove(0);
    EXPECT_EQ(table.Find("www.ads.example"), 1);
    EXPECT_EQ(table.Find("host7.example"), 3);
    EXPECT_EQ(table.Find("hostx.example"), -1);
    EXPECT_EQ(table.Find("case.example"), -1);
    EXPECT_EQ(table.Find("gone"), -1);
    EXPECT_EQ(table.Find(""), -1);
}

HostsEntry Entry(const std::string& name, const std::string& address = "10.0.0.1",
                 bool include = true) {
    return HostsEntry{name, address, include, kNoListPosition};
}

TEST(HostsTable, RebuildingKeepsTheLastOccurrenceOfEachName) {
    HostsTable table;
    table.Rebuild({Entry("a", "1.1.1.1"), Entry("b"), Entry("a", "2.2.2.2", false), Entry("c"),
                   Entry("b", "3.3.3.3")});
    EXPECT_EQ(Listed(table), (std::vector<std::string>{"a", "c", "b"}));
    EXPECT_EQ(table.HoleCount(), 2);
    EXPECT_EQ(table.Slot(2).address, "2.2.2.2");
    EXPECT_FALSE(table.Slot(2).include);
    EXPECT_EQ(table.Slot(4).address, "3.3.3.3");
}

TEST(HostsTable, TheHashedRemovalOfDuplicatesAgreesWithTheScanOnRandomTables) {
    std::mt19937 random(20261209);
    const std::vector<std::string> names = {"a.com", "b.com", "c.com", "*.com", "?.com", "[ab].com",
                                            "a#",    "a1",    "a2",    "*",     "b.*"};
    for (int round = 0; round < 500; ++round) {
        std::vector<HostsEntry> entries;
        const int size = static_cast<int>(random() % 40);
        for (int i = 0; i < size; ++i) {
            entries.push_back(Entry(names[random() % names.size()]));
        }
        ASSERT_EQ(SupersededEntries(entries), SupersededByScan(entries)) << "round " << round;
    }
}

}  // namespace
}  // namespace qn
