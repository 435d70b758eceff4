// A million ticks of the sampler over a scripted counter stream with wraps,
// resets, vanishing interfaces, late ticks and sleeps, fed into the meter's
// statistics as the program feeds them. Prints the totals shown against the
// bytes the stream carried measurably, and the largest rate shown against
// the largest the stream carried in one second.
#include <chrono>
#include <cstdint>
#include <cstdio>

#include "benchmarks/counter_stream.h"
#include "meter/app/net_statistics.h"
#include "platform/memory/manual_clock.h"
#include "platform/memory/memory_file_system.h"
#include "platform/memory/memory_interface_table.h"
#include "platform/memory/memory_local_time.h"
#include "throughput/net_status.h"

namespace {

constexpr int kTicks = 1000000;
constexpr std::uint32_t kSeed = 20261209;

const char* Verdict(bool holds) {
    return holds ? "yes" : "NO";
}

}  // namespace

int main() {
    using namespace qn;
    MemoryInterfaceTable table;
    ManualClock clock;
    MTimer timers(clock, "Dapplet");
    MemoryFileSystem files;
    MemoryLocalTime now;
    mLogging log(files, now);
    cNetStatus sampler(table, timers, log);
    meter::cNetStatistics statistics(log);
    std::uint64_t samples = 0;
    sampler.Status = [&](std::int32_t lIn, std::int32_t lOut) {
        statistics.AddData(lIn, lOut);
        ++samples;
    };

    bench::CounterStream stream(kSeed);
    table.rows = stream.Rows();
    const auto start = std::chrono::steady_clock::now();
    sampler.Timer_ThatTime();  // the baseline
    for (int tick = 0; tick < kTicks; ++tick) {
        const std::uint32_t seconds = stream.Advance();
        table.rows = stream.Rows();
        clock.Advance(seconds * 1000);
        sampler.Timer_ThatTime();
    }
    const double elapsedMs =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();

    const bench::StreamTruth& truth = stream.Truth();
    std::printf("sampler soak: %d ticks, %llu samples, %.0f ms (%.2f us a tick)\n", kTicks,
                static_cast<unsigned long long>(samples), elapsedMs, elapsedMs * 1000.0 / kTicks);
    std::printf(
        "  stream: %llu counter wraps, %llu resets, %llu vanishings, %llu late ticks, "
        "%llu sleeps\n",
        static_cast<unsigned long long>(truth.wraps), static_cast<unsigned long long>(truth.resets),
        static_cast<unsigned long long>(truth.vanishings),
        static_cast<unsigned long long>(truth.lateTicks),
        static_cast<unsigned long long>(truth.sleeps));
    const bool inEqual = static_cast<std::uint64_t>(statistics.TotalIn()) == truth.in;
    const bool outEqual = static_cast<std::uint64_t>(statistics.TotalOut()) == truth.out;
    std::printf("  total in:  shown %lld, stream %llu, equal: %s\n",
                static_cast<long long>(statistics.TotalIn()),
                static_cast<unsigned long long>(truth.in), Verdict(inEqual));
    std::printf("  total out: shown %lld, stream %llu, equal: %s\n",
                static_cast<long long>(statistics.TotalOut()),
                static_cast<unsigned long long>(truth.out), Verdict(outEqual));
    const bool inWithin =
        static_cast<std::uint64_t>(statistics.MaxIn()) <= truth.largestInPerSecond;
    const bool outWithin =
        static_cast<std::uint64_t>(statistics.MaxOut()) <= truth.largestOutPerSecond;
    std::printf("  largest rate in:  shown %d, stream %llu, within: %s\n", statistics.MaxIn(),
                static_cast<unsigned long long>(truth.largestInPerSecond), Verdict(inWithin));
    std::printf("  largest rate out: shown %d, stream %llu, within: %s\n", statistics.MaxOut(),
                static_cast<unsigned long long>(truth.largestOutPerSecond), Verdict(outWithin));
    return 0;
}
