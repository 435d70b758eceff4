#include "throughput/counter_baselines.h"

#include <algorithm>

namespace qn {

namespace {

// Links of unknown speed (virtual adapters, loopback) are taken as gigabit.
constexpr std::uint64_t kUnknownSpeedBitsPerSecond = 1000000000;
// Compressing modems carry more than their line speed, and a tick may come late.
constexpr std::uint64_t kSpeedAllowance = 4;
constexpr std::uint64_t kCounterRange = std::uint64_t{1} << 32;

}  // namespace

std::uint64_t MostBytesCarried(std::uint32_t speedBitsPerSecond, std::uint32_t elapsedMs) {
    const std::uint64_t bits =
        speedBitsPerSecond != 0 ? speedBitsPerSecond : kUnknownSpeedBitsPerSecond;
    const std::uint64_t milliseconds = std::max<std::uint32_t>(elapsedMs, 1000);
    return bits / 8 * kSpeedAllowance * milliseconds / 1000;
}

std::uint64_t CarriedBytes(std::uint32_t earlier, std::uint32_t later, std::uint64_t mostCarried) {
    if (later >= earlier) return later - earlier;
    const std::uint64_t wrapped = kCounterRange - earlier + later;
    return wrapped <= mostCarried ? wrapped : 0;
}

ByteCounts CounterBaselines::Advance(const std::vector<InterfaceRow>& rows,
                                     std::uint32_t elapsedMs) {
    ByteCounts carried;
    std::vector<Baseline> next;
    next.reserve(rows.size());
    for (const InterfaceRow& row : rows) {
        const auto same =
            std::find_if(baselines_.begin(), baselines_.end(), [&](const Baseline& b) {
                return b.index == row.index && b.description == row.description;
            });
        if (same != baselines_.end()) {
            const std::uint64_t most = MostBytesCarried(row.speed, elapsedMs);
            carried.in += CarriedBytes(same->in, row.inOctets, most);
            carried.out += CarriedBytes(same->out, row.outOctets, most);
            // A second row of the same index and name pairs with the next baseline.
            baselines_.erase(same);
        }
        next.push_back(Baseline{row.index, row.description, row.inOctets, row.outOctets});
    }
    baselines_ = std::move(next);
    return carried;
}

}  // namespace qn
