#pragma once
// A tick that comes late stands for several seconds: its bytes are shared out
// over one sample per second, so that no sample shows more than a second
// carried.
#include <cstdint>
#include <vector>

#include "throughput/counter_baselines.h"

namespace qn {

// A gap longer than this (a machine resuming from sleep) is not measured:
// the counters may have been reset meanwhile.
constexpr std::uint32_t kLongestMeasuredGapMs = 60000;

struct RateSample {
    std::int32_t in = 0;
    std::int32_t out = 0;
    bool operator==(const RateSample& other) const { return in == other.in && out == other.out; }
};

// The seconds a tick elapsedMs after the previous one stands for: at least 1;
// a timer's usual lateness does not count as a second of its own.
int SecondsCovered(std::uint32_t elapsedMs);

// carried shared over seconds samples as evenly as whole bytes allow, larger
// shares first, so that the samples add up to carried; a share beyond the
// sample's 32-bit range is cut to it.
std::vector<RateSample> ShareOverSeconds(const ByteCounts& carried, int seconds);

}  // namespace qn
