#pragma once
// The bytes each interface carried between two readings of the interface
// table, kept apart per row so that one row's reset, wrap or disappearance
// cannot turn into a huge or negative reading.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/interface_table.h"

namespace qn {

struct ByteCounts {
    std::uint64_t in = 0;
    std::uint64_t out = 0;
};

// The most bytes a link of speedBitsPerSecond (0: not known) could carry in
// elapsedMs, with room for compression and a late reading.
std::uint64_t MostBytesCarried(std::uint32_t speedBitsPerSecond, std::uint32_t elapsedMs);

// What a 32-bit counter carried from earlier to later: a rise as it is, a drop
// as a wrap past 2^32 when the link could have carried that much, otherwise as
// a reset that carried nothing.
std::uint64_t CarriedBytes(std::uint32_t earlier, std::uint32_t later, std::uint64_t mostCarried);

class CounterBaselines {
  public:
    // The bytes the rows carried since the previous call. Rows are told apart
    // by their index and name: one that is new, or has gone, adds nothing.
    // Every row read becomes the baseline of the next call.
    ByteCounts Advance(const std::vector<InterfaceRow>& rows, std::uint32_t elapsedMs);
    // The next call only takes baselines.
    void Clear() { baselines_.clear(); }

  private:
    struct Baseline {
        std::uint32_t index;
        std::string description;
        std::uint32_t in;
        std::uint32_t out;
    };
    std::vector<Baseline> baselines_;
};

}  // namespace qn
