#pragma once
// The hosts editor's entries: a table of slots in which removed entries
// leave holes until the table is built again, and the position of each live
// entry in the window's list, which shows the live entries in slot order.
#include <string>
#include <vector>

namespace qn {

inline constexpr int kNoListPosition = -1;

struct HostsEntry {
    std::string name;  // empty: a removed slot (a hole)
    std::string address;
    // False: marked to be skipped by "Update All", written with " #SKIP".
    bool include = true;
    int listPosition = kNoListPosition;

    bool IsHole() const { return name.empty(); }
};

class HostsTable {
  public:
    static constexpr int kSlots = 30001;

    int EntryCount() const { return entryCount_; }
    int HoleCount() const { return holeCount_; }
    int SlotsInUse() const { return static_cast<int>(slots_.size()); }
    const HostsEntry& Slot(int slot) const { return slots_.at(static_cast<size_t>(slot)); }

    // A new entry takes the next unused slot and the end of the list; the
    // slot, or -1 when every slot has been used since the table was built.
    int Append(const std::string& name, const std::string& address, bool include);
    // The slot becomes a hole and every later entry moves up the list by one.
    void Remove(int slot);
    void SetInclude(int slot, bool include);
    void SetAddress(int slot, const std::string& address);

    // The first slot whose stored name, taken as a pattern ("*", "?", "#",
    // "[...]", case-sensitive), matches name; -1 when none does.
    int Find(const std::string& name) const;
    // The slot shown at this list position, or -1.
    int SlotAtListPosition(int position) const;

    void Clear();
    // Builds the table anew from entries read from a file, in their order
    // (at most kSlots are taken). Where a name matches an earlier entry's,
    // the earlier one is removed: the last occurrence wins with its address
    // and flag, and the list shows the survivors in that order.
    void Rebuild(std::vector<HostsEntry> entries);

  private:
    std::vector<HostsEntry> slots_;
    std::vector<int> listed_;  // the slot at each list position
    int entryCount_ = 0;
    int holeCount_ = 0;
};

// True when a stored name is a pattern rather than a name to compare whole.
bool IsHostsNamePattern(const std::string& storedName);

}  // namespace qn
