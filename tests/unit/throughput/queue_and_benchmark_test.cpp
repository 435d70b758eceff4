#include <gtest/gtest.h>

#include "platform/memory/manual_clock.h"
#include "throughput/benchmark.h"
#include "throughput/queue.h"

namespace qn {
namespace {

TEST(Queue, KeepsArrivalOrderAndCopesWithEmptiness) {
    cQueue<double> queue;
    EXPECT_FALSE(queue.Peek().has_value());
    EXPECT_FALSE(queue.Pop().has_value());
    EXPECT_EQ(queue.Count(), 0u);

    queue.Add(1.5);
    EXPECT_EQ(queue.Pop(), 1.5);
    EXPECT_EQ(queue.Count(), 0u);

    const auto& contents = queue.Contents();
    queue.Add(1);
    queue.Add(2);
    queue.Add(3);
    EXPECT_EQ(contents.size(), 3u) << "the contents are the queue's own store";
    EXPECT_EQ(queue.Peek(), 1);
    EXPECT_EQ(queue.Count(), 3u);
    EXPECT_EQ(queue.Pop(), 1);
    EXPECT_EQ(contents.front(), 2);

    queue.Flush();
    EXPECT_EQ(queue.Count(), 0u);
    EXPECT_TRUE(contents.empty());
}

TEST(Benchmark, MeasuresAcrossTheTickCountWrap) {
    ManualClock clock(0xFFFFFFF0u);
    mBenchmark benchmark(clock);
    benchmark.StartBenchmark();
    clock.Advance(40);
    EXPECT_EQ(benchmark.EndBenchmark(), "40");
}

}  // namespace
}  // namespace qn
