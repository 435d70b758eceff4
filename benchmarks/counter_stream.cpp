#include "benchmarks/counter_stream.h"

#include <algorithm>

namespace qn::bench {

namespace {

constexpr std::uint64_t kCounterRange = std::uint64_t{1} << 32;
// Resets are kept this far below 2^32: closer, a reset and a wrap look alike
// to any reader of the counters.
constexpr std::uint32_t kResetMargin = 400000000;
constexpr int kSleepSeconds = 600;

InterfaceRow Row(std::uint32_t index, const char* name, std::uint32_t speed, std::uint32_t in,
                 std::uint32_t out) {
    InterfaceRow row;
    row.index = index;
    row.description = name;
    row.speed = speed;
    row.inOctets = in;
    row.outOctets = out;
    return row;
}

}  // namespace

CounterStream::CounterStream(std::uint32_t seed) : random_(seed) {
    // Loopback (no speed known), a fast adapter that starts near the wrap and
    // a modem that redials.
    links_.push_back(Link{Row(1, "lo", 0, 1000, 1000), 3000000});
    links_.push_back(Link{Row(2, "eth0", 100000000, 4294000000u, 4293000000u), 12500000});
    links_.push_back(Link{Row(3, "ppp0", 56000, 5000, 3000), 7000});
    Publish();
}

void CounterStream::CarrySecond(const std::vector<bool>& counted) {
    std::uint64_t in = 0;
    std::uint64_t out = 0;
    for (std::size_t i = 0; i < links_.size(); ++i) {
        Link& link = links_[i];
        if (!link.present) continue;
        std::uniform_int_distribution<std::uint32_t> rate(0, link.maxRate);
        const std::uint32_t linkIn = rate(random_);
        const std::uint32_t linkOut = rate(random_) / 4;
        truth_.wraps += (link.row.inOctets + std::uint64_t{linkIn} >= kCounterRange) +
                        (link.row.outOctets + std::uint64_t{linkOut} >= kCounterRange);
        link.row.inOctets += linkIn;  // wraps as the system's counters do
        link.row.outOctets += linkOut;
        if (!counted.empty() && counted[i]) {
            in += linkIn;
            out += linkOut;
        }
    }
    truth_.in += in;
    truth_.out += out;
    truth_.largestInPerSecond = std::max(truth_.largestInPerSecond, in);
    truth_.largestOutPerSecond = std::max(truth_.largestOutPerSecond, out);
}

void CounterStream::Redial(Link& link) {
    ++truth_.resets;
    link.row.inOctets = 0;
    link.row.outOctets = 0;
}

std::uint32_t CounterStream::Advance() {
    std::uniform_int_distribution<int> event(0, 9999);
    const int roll = event(random_);
    if (roll == 0) {
        // A sleep: nothing of it is measured, and the modem redials meanwhile.
        ++truth_.sleeps;
        for (int i = 0; i < kSleepSeconds; ++i) CarrySecond({});
        Redial(links_[2]);
        Publish();
        return kSleepSeconds;
    }
    // A stall of 2 to 10 seconds now and then; other events only on time.
    const std::uint32_t seconds = roll < 200 ? 2 + static_cast<std::uint32_t>(roll % 9) : 1;
    if (seconds > 1) ++truth_.lateTicks;

    // A link counts when it was read last time, is read now under the same
    // index and was not reset in between.
    std::vector<bool> counted;
    for (const Link& link : links_) counted.push_back(link.present);
    Link& fast = links_[1];
    Link& modem = links_[2];
    const bool resetFast = seconds == 1 && roll < 260 && roll >= 250 &&
                           fast.row.inOctets < kCounterRange - kResetMargin &&
                           fast.row.outOctets < kCounterRange - kResetMargin;
    const bool redialModem = modem.present && seconds == 1 && roll >= 300 && roll < 350;
    const bool vanishModem = modem.present && seconds == 1 && roll >= 400 && roll < 420;
    if (resetFast) counted[1] = false;
    if (redialModem || vanishModem) counted[2] = false;

    for (std::uint32_t i = 0; i < seconds; ++i) CarrySecond(counted);

    if (resetFast) Redial(fast);
    if (redialModem) Redial(modem);
    if (vanishModem) {
        ++truth_.vanishings;
        modem.present = false;
        modem.absentFor = 1 + roll % 5;
    } else if (!modem.present && --modem.absentFor == 0) {
        modem.present = true;
        modem.row.index = nextIndex_++;
    }
    Publish();
    return seconds;
}

void CounterStream::Publish() {
    rows_.clear();
    for (const Link& link : links_) {
        if (link.present) rows_.push_back(link.row);
    }
}

}  // namespace qn::bench
