#pragma once
// Which entries of a freshly read hosts file a later entry of the same name
// replaces.
#include <vector>

#include "tuner/hosts/hosts_table.h"

namespace qn {

// Walking the entries in order, each one removes the first earlier surviving
// entry whose stored name, taken as a pattern, matches its name. True for
// every entry so removed. Names that are not patterns are found through a
// hash, so the usual file costs one look-up per entry instead of a
// comparison with every earlier one.
std::vector<bool> SupersededEntries(const std::vector<HostsEntry>& entries);

}  // namespace qn
