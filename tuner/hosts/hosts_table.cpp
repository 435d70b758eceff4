#include "tuner/hosts/hosts_table.h"

#include <stdexcept>

#include "support/like_pattern.h"
#include "tuner/hosts/hosts_duplicates.h"

namespace qn {

bool IsHostsNamePattern(const std::string& storedName) {
    return storedName.find_first_of("*?#[") != std::string::npos;
}

int HostsTable::Append(const std::string& name, const std::string& address, bool include) {
    if (SlotsInUse() >= kSlots) return -1;
    slots_.push_back(HostsEntry{name, address, include, entryCount_});
    listed_.push_back(SlotsInUse() - 1);
    ++entryCount_;
    return SlotsInUse() - 1;
}

void HostsTable::Remove(int slot) {
    HostsEntry& removed = slots_.at(static_cast<size_t>(slot));
    if (removed.IsHole()) return;
    listed_.erase(listed_.begin() + removed.listPosition);
    removed.name.clear();
    removed.listPosition = kNoListPosition;
    for (size_t later = static_cast<size_t>(slot) + 1; later < slots_.size(); ++later) {
        if (!slots_[later].IsHole()) --slots_[later].listPosition;
    }
    --entryCount_;
    ++holeCount_;
}

void HostsTable::SetInclude(int slot, bool include) {
    slots_.at(static_cast<size_t>(slot)).include = include;
}

void HostsTable::SetAddress(int slot, const std::string& address) {
    slots_.at(static_cast<size_t>(slot)).address = address;
}

int HostsTable::Find(const std::string& name) const {
    if (name.empty()) return -1;
    for (size_t slot = 0; slot < slots_.size(); ++slot) {
        const HostsEntry& entry = slots_[slot];
        if (!entry.IsHole() && MatchesLikePattern(name, entry.name)) return static_cast<int>(slot);
    }
    return -1;
}

int HostsTable::SlotAtListPosition(int position) const {
    if (position < 0 || position >= static_cast<int>(listed_.size())) return -1;
    return listed_[static_cast<size_t>(position)];
}

void HostsTable::Clear() {
    slots_.clear();
    listed_.clear();
    entryCount_ = 0;
    holeCount_ = 0;
}

void HostsTable::Rebuild(std::vector<HostsEntry> entries) {
    if (entries.size() > static_cast<size_t>(kSlots)) entries.resize(kSlots);
    slots_ = std::move(entries);
    const std::vector<bool> superseded = SupersededEntries(slots_);
    entryCount_ = 0;
    holeCount_ = 0;
    listed_.clear();
    for (size_t slot = 0; slot < slots_.size(); ++slot) {
        HostsEntry& entry = slots_[slot];
        if (superseded[slot]) {
            entry.name.clear();
            entry.listPosition = kNoListPosition;
            ++holeCount_;
        } else {
            entry.listPosition = entryCount_++;
            listed_.push_back(static_cast<int>(slot));
        }
    }
}

}  // namespace qn
