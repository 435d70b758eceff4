#include "tuner/hosts/hosts_duplicates.h"

#include <algorithm>
#include <deque>
#include <iterator>
#include <list>
#include <string>
#include <unordered_map>

#include "support/like_pattern.h"

namespace qn {

std::vector<bool> SupersededEntries(const std::vector<HostsEntry>& entries) {
    std::vector<bool> superseded(entries.size(), false);
    // Surviving entries with plain names, by name, earliest first; several
    // can share a name only when a pattern entry came first and was matched
    // instead.
    std::unordered_map<std::string, std::deque<size_t>> plain;
    // Surviving entries whose names are patterns, in order.
    std::list<size_t> patterns;
    for (size_t index = 0; index < entries.size(); ++index) {
        const std::string& name = entries[index].name;
        if (name.empty()) {
            superseded[index] = true;
            continue;
        }
        size_t first = index;
        auto plainMatch = plain.find(name);
        if (plainMatch != plain.end() && !plainMatch->second.empty()) {
            first = plainMatch->second.front();
        }
        auto patternMatch = std::find_if(patterns.begin(), patterns.end(), [&](size_t earlier) {
            return earlier < first && MatchesLikePattern(name, entries[earlier].name);
        });
        if (patternMatch != patterns.end()) {
            superseded[*patternMatch] = true;
            patterns.erase(patternMatch);
        } else if (first != index) {
            superseded[first] = true;
            plainMatch->second.pop_front();
        }
        if (IsHostsNamePattern(name)) {
            patterns.push_back(index);
        } else {
            plain[name].push_back(index);
        }
    }
    return superseded;
}

}  // namespace qn
