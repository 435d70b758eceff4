#pragma once
// What the hosts fuzzers share: stopping loudly when a rule is broken, and
// which entries the written file can carry whole.
#include <cstdio>
#include <cstdlib>

#include "tuner/hosts/hosts_table.h"

namespace qn::fuzz {

// libFuzzer keeps the input that aborts and reports it as a crash.
inline void Require(bool holds, const char* rule) {
    if (holds) return;
    std::fprintf(stderr, "rule broken: %s\n", rule);
    std::abort();
}

// Written lines separate the fields by spaces, so an address or name that
// holds a space (read from a line separated by a TAB) reads back split
// elsewhere; every other entry reads back as it was.
inline bool WritesBackWhole(const HostsEntry& entry) {
    return entry.address.find(' ') == std::string::npos &&
           entry.name.find(' ') == std::string::npos;
}

inline bool SameEntry(const HostsEntry& a, const HostsEntry& b) {
    return a.address == b.address && a.name == b.name && a.include == b.include;
}

}  // namespace qn::fuzz
