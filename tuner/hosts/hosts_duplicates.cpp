#include "tuner/hosts/hosts_duplicates.h"

#include <algorithm>
#include <iterator>
#include <list>
#include <string>
#include <unordered_map>

#include "support/like_pattern.h"

namespace qn {

namespace {

// The plain text a pattern ends with, after its last wildcard or bracket:
// every name it matches ends with that, which rules most names out at once.
std::string LiteralTail(const std::string& pattern) {
    const size_t last = pattern.find_last_of("*?#[]");
    return last == std::string::npos ? pattern : pattern.substr(last + 1);
}

bool EndsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() &&
           text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

struct SurvivingPattern {
    size_t index;
    std::string tail;
};

}  // namespace

std::vector<bool> SupersededEntries(const std::vector<HostsEntry>& entries) {
    std::vector<bool> superseded(entries.size(), false);
    // Surviving entries with plain names, by name, earliest first; several
    // can share a name only when a pattern entry came first and was matched
    // instead.
    std::unordered_map<std::string, std::vector<size_t>> plain;
    plain.reserve(entries.size());
    // Surviving entries whose names are patterns, in order.
    std::list<SurvivingPattern> patterns;
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
        auto patternMatch =
            std::find_if(patterns.begin(), patterns.end(), [&](const SurvivingPattern& earlier) {
                return earlier.index < first && EndsWith(name, earlier.tail) &&
                       MatchesLikePattern(name, entries[earlier.index].name);
            });
        if (patternMatch != patterns.end()) {
            superseded[patternMatch->index] = true;
            patterns.erase(patternMatch);
        } else if (first != index) {
            superseded[first] = true;
            plainMatch->second.erase(plainMatch->second.begin());
        }
        if (IsHostsNamePattern(name)) {
            patterns.push_back({index, LiteralTail(name)});
        } else {
            plain[name].push_back(index);
        }
    }
    return superseded;
}

}  // namespace qn
