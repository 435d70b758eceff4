#pragma once
// A scripted interface table for the sampler's soak benchmark: three
// interfaces whose counters carry random traffic each second, wrap past 2^32,
// are reset by redials, vanish and come back under a new index, and are read
// late or after a long sleep. It keeps the bytes that a correct meter can
// measure, and the largest of them in one second.
#include <cstdint>
#include <random>
#include <vector>

#include "platform/interface_table.h"

namespace qn::bench {

struct StreamTruth {
    std::uint64_t in = 0;
    std::uint64_t out = 0;
    std::uint64_t largestInPerSecond = 0;
    std::uint64_t largestOutPerSecond = 0;
    std::uint64_t wraps = 0;
    std::uint64_t resets = 0;
    std::uint64_t vanishings = 0;
    std::uint64_t lateTicks = 0;
    std::uint64_t sleeps = 0;
};

class CounterStream {
  public:
    explicit CounterStream(std::uint32_t seed);

    // The rows as the first reading finds them.
    const std::vector<InterfaceRow>& Rows() const { return rows_; }
    // Moves to the next reading; returns the seconds that passed.
    std::uint32_t Advance();
    const StreamTruth& Truth() const { return truth_; }

  private:
    struct Link {
        InterfaceRow row;
        std::uint32_t maxRate;  // bytes per second, each way
        bool present = true;
        int absentFor = 0;
    };
    // One second of traffic on every present link; the bytes of the links
    // marked counted are the truth (none for an empty list).
    void CarrySecond(const std::vector<bool>& counted);
    void Redial(Link& link);
    void Publish();

    std::mt19937 random_;
    std::vector<Link> links_;
    std::vector<InterfaceRow> rows_;
    std::uint32_t nextIndex_ = 10;
    StreamTruth truth_;
};

}  // namespace qn::bench
