#pragma once
// The removal of duplicates as the editor has always done it: each entry
// against every earlier surviving one. The yardstick that the hashed removal
// is checked and timed against.
#include <vector>

#include "support/like_pattern.h"
#include "tuner/hosts/hosts_table.h"

namespace qn {

inline std::vector<bool> SupersededByScan(const std::vector<HostsEntry>& entries) {
    std::vector<bool> removed(entries.size(), false);
    for (size_t index = 0; index < entries.size(); ++index) {
        for (size_t earlier = 0; earlier < index; ++earlier) {
            if (!removed[earlier] &&
                MatchesLikePattern(entries[index].name, entries[earlier].name)) {
                removed[earlier] = true;
                break;
            }
        }
    }
    return removed;
}

}  // namespace qn
