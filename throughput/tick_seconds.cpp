#include "throughput/tick_seconds.h"

#include <algorithm>
#include <limits>

namespace qn {

namespace {

constexpr std::uint32_t kTimerLatenessMs = 100;

std::int32_t Share(std::uint64_t total, int seconds, int sample) {
    const auto count = static_cast<std::uint64_t>(seconds);
    const std::uint64_t share =
        total / count + (static_cast<std::uint64_t>(sample) < total % count);
    return static_cast<std::int32_t>(
        std::min<std::uint64_t>(share, std::numeric_limits<std::int32_t>::max()));
}

}  // namespace

int SecondsCovered(std::uint32_t elapsedMs) {
    const std::uint64_t seconds = (std::uint64_t{elapsedMs} + 999 - kTimerLatenessMs) / 1000;
    return static_cast<int>(std::max<std::uint64_t>(seconds, 1));
}

std::vector<RateSample> ShareOverSeconds(const ByteCounts& carried, int seconds) {
    seconds = std::max(seconds, 1);
    std::vector<RateSample> samples(static_cast<std::size_t>(seconds));
    for (int i = 0; i < seconds; ++i) {
        samples[static_cast<std::size_t>(i)] =
            RateSample{Share(carried.in, seconds, i), Share(carried.out, seconds, i)};
    }
    return samples;
}

}  // namespace qn
