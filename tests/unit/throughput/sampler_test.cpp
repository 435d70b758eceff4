#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "platform/memory/manual_clock.h"
#include "platform/memory/memory_file_system.h"
#include "platform/memory/memory_interface_table.h"
#include "platform/memory/memory_local_time.h"
#include "tests/support/interface_rows.h"
#include "throughput/net_status.h"
#include "throughput/net_status_table.h"
#include "throughput/tick_seconds.h"

namespace qn {
namespace {

TEST(CarriedBytes, WrapsCountAndResetsCarryNothing) {
    const std::uint64_t gigabitSecond = MostBytesCarried(0, 1000);
    EXPECT_EQ(CarriedBytes(2147483600u, 2147483700u, gigabitSecond), 100u);
    EXPECT_EQ(CarriedBytes(4294967200u, 100u, gigabitSecond), 196u);
    EXPECT_EQ(CarriedBytes(5u, 5u, gigabitSecond), 0u);
    EXPECT_EQ(CarriedBytes(1000u, 0u, gigabitSecond), 0u) << "a reset to zero";
    EXPECT_EQ(CarriedBytes(0u, 0x80000000u, gigabitSecond), 0x80000000u)
        << "rises count as they are";
    // A redialled modem and a reset counter above 2^31.
    EXPECT_EQ(CarriedBytes(50000000u, 1200u, gigabitSecond), 0u);
    EXPECT_EQ(CarriedBytes(3000000000u, 1200u, gigabitSecond), 0u);
    // A known speed decides: a wrap of 40,000 bytes fits a 1 Mbit/s second but
    // not a 56k modem's.
    EXPECT_EQ(CarriedBytes(4294957296u, 30000u, MostBytesCarried(1000000, 1000)), 40000u);
    EXPECT_EQ(CarriedBytes(4294957296u, 30000u, MostBytesCarried(56000, 1000)), 0u);
    EXPECT_EQ(CarriedBytes(4294957296u, 30000u, MostBytesCarried(56000, 2000)), 40000u)
        << "a longer wait carries more";
}

TEST(TickSeconds, ALateTickStandsForTheSecondsItCovers) {
    struct Case {
        std::uint32_t elapsedMs;
        int seconds;
    };
    for (const Case& c : {Case{0, 1}, Case{990, 1}, Case{1000, 1}, Case{1100, 1}, Case{1101, 2},
                          Case{2000, 2}, Case{2400, 3}, Case{10000, 10}}) {
        EXPECT_EQ(SecondsCovered(c.elapsedMs), c.seconds) << c.elapsedMs;
    }
    EXPECT_EQ(ShareOverSeconds(ByteCounts{10, 2}, 3),
              (std::vector<RateSample>{{4, 1}, {3, 1}, {3, 0}}));
    EXPECT_EQ(ShareOverSeconds(ByteCounts{5000000000u, 0}, 1),
              (std::vector<RateSample>{{INT32_MAX, 0}}))
        << "beyond a sample's range";
}

class SamplerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        table.rows = {InterfaceRowOf("lo", 1000, 2000), InterfaceRowOf("eth0", 50000, 7000)};
        status.Status = [this](std::int32_t in, std::int32_t out) { reports.push_back({in, out}); };
    }
    MemoryInterfaceTable table;
    ManualClock clock;
    MTimer timers{clock, "Dapplet"};
    MemoryFileSystem files;
    MemoryLocalTime now;
    mLogging log{files, now};
    cNetStatus status{table, timers, log};
    std::vector<std::pair<std::int32_t, std::int32_t>> reports;
};

TEST_F(SamplerTest, FirstTickTakesTheBaselineThenReportsDifferences) {
    status.SetInterface("eth0");
    status.Timer_ThatTime();
    table.rows[1] = InterfaceRowOf("eth0", 53000, 7100);
    status.Timer_ThatTime();
    using Report = std::pair<std::int32_t, std::int32_t>;
    EXPECT_EQ(reports, (std::vector<Report>{{0, 0}, {3000, 100}}));
}

TEST_F(SamplerTest, ChangingTheInterfaceStartsAgainFromZero) {
    status.SetInterface("eth0");
    status.Timer_ThatTime();
    status.SetInterface("lo");
    status.Timer_ThatTime();
    table.rows[0] = InterfaceRowOf("lo", 1010, 2020);
    status.Timer_ThatTime();
    ASSERT_EQ(reports.size(), 3u);
    EXPECT_EQ(reports[1], std::make_pair(0, 0));
    EXPECT_EQ(reports[2], std::make_pair(10, 20));
}

TEST_F(SamplerTest, TheEmptyNameSumsEveryRowWithWrapAround) {
    table.rows = {InterfaceRowOf("lo", 4294967000u, 10), InterfaceRowOf("eth0", 200, 20)};
    status.Timer_ThatTime();
    table.rows = {InterfaceRowOf("lo", 4294967100u, 15), InterfaceRowOf("eth0", 400, 30)};
    status.Timer_ThatTime();
    EXPECT_EQ(reports.back(), std::make_pair(300, 15));
}

TEST_F(SamplerTest, AVanishedInterfaceReportsNothingInsteadOfMinusItsLastReading) {
    status.SetInterface("eth0");
    status.Timer_ThatTime();
    table.rows.pop_back();
    status.Timer_ThatTime();
    status.Timer_ThatTime();
    ASSERT_EQ(reports.size(), 3u);
    EXPECT_EQ(reports[1], std::make_pair(0, 0));
    EXPECT_EQ(reports[2], std::make_pair(0, 0));
}

// Each step: the rows of the table after one second, and the report expected.
struct CounterStep {
    std::vector<InterfaceRow> rows;
    std::pair<std::int32_t, std::int32_t> report;
};

InterfaceRow IndexedRow(std::uint32_t index, const std::string& name, std::uint32_t in,
                        std::uint32_t out, std::uint32_t speed = 0) {
    InterfaceRow row = InterfaceRowOf(name, in, out);
    row.index = index;
    row.speed = speed;
    return row;
}

TEST_F(SamplerTest, ResetsWrapsAndRowsThatComeOrGoNeverGiveAbsurdReadings) {
    struct Case {
        const char* what;
        std::string watched;
        std::vector<InterfaceRow> start;
        std::vector<CounterStep> steps;
    };
    const std::vector<Case> cases = {
        {"a redialled modem",
         "ppp0",
         {IndexedRow(3, "ppp0", 50000000, 900000, 56000)},
         {{{IndexedRow(3, "ppp0", 1200, 300, 56000)}, {0, 0}},
          {{IndexedRow(3, "ppp0", 4200, 500, 56000)}, {3000, 200}}}},
        {"a reset above 2^31",
         "",
         {IndexedRow(1, "eth0", 3000000000u, 10)},
         {{{IndexedRow(1, "eth0", 1200, 20)}, {0, 10}}}},
        {"a wrap still counts",
         "",
         {IndexedRow(1, "eth0", 4294967200u, 10)},
         {{{IndexedRow(1, "eth0", 100, 10)}, {196, 0}}}},
        {"a vanishing row adds nothing to the sum",
         "",
         {IndexedRow(1, "lo", 1000, 1000), IndexedRow(2, "ppp0", 80000000, 5000000)},
         {{{IndexedRow(1, "lo", 1500, 1100)}, {500, 100}}}},
        {"an appearing row adds nothing until its second reading",
         "",
         {IndexedRow(1, "lo", 1000, 1000)},
         {{{IndexedRow(1, "lo", 1000, 1000), IndexedRow(4, "ppp0", 70000000, 9000)}, {0, 0}},
          {{IndexedRow(1, "lo", 1000, 1000), IndexedRow(4, "ppp0", 70000100, 9010)}, {100, 10}}}},
        {"a watched name that moves to another index starts afresh",
         "ppp0",
         {IndexedRow(3, "ppp0", 5000, 500)},
         {{{IndexedRow(5, "ppp0", 90000, 900)}, {0, 0}},
          {{IndexedRow(5, "ppp0", 90100, 910)}, {100, 10}}}},
    };
    for (const Case& c : cases) {
        reports.clear();
        table.rows = c.start;
        status.SetInterface(c.watched);
        status.Timer_ThatTime();
        for (const CounterStep& step : c.steps) {
            table.rows = step.rows;
            clock.Advance(1000);
            status.Timer_ThatTime();
            EXPECT_EQ(reports.back(), step.report) << c.what;
        }
    }
}

TEST_F(SamplerTest, ALateTickSharesItsBytesOverItsSecondsAndALongGapStartsAfresh) {
    table.rows = {IndexedRow(1, "eth0", 0, 0)};
    status.Timer_ThatTime();
    // A stall of four seconds: 10,003 bytes in, shared without losing one.
    table.rows = {IndexedRow(1, "eth0", 10003, 400)};
    clock.Advance(4000);
    status.Timer_ThatTime();
    using Report = std::pair<std::int32_t, std::int32_t>;
    EXPECT_EQ(reports,
              (std::vector<Report>{{0, 0}, {2501, 100}, {2501, 100}, {2501, 100}, {2500, 100}}));
    // A machine back from sleep: whatever the counters did meanwhile is not a rate.
    reports.clear();
    table.rows = {IndexedRow(1, "eth0", 900000000, 400)};
    clock.Advance(kLongestMeasuredGapMs + 1);
    status.Timer_ThatTime();
    table.rows = {IndexedRow(1, "eth0", 900000050, 405)};
    clock.Advance(1000);
    status.Timer_ThatTime();
    EXPECT_EQ(reports, (std::vector<Report>{{0, 0}, {50, 5}}));
}

TEST_F(SamplerTest, StartTicksAtOnceThenEverySecond) {
    status.Start();
    ASSERT_EQ(reports.size(), 1u) << "the baseline is taken at once";
    table.rows[1] = InterfaceRowOf("eth0", 50500, 7000);
    clock.Advance(999);
    EXPECT_EQ(reports.size(), 1u);
    clock.Advance(1);
    EXPECT_EQ(reports.back(), std::make_pair(500, 0));

    status.Start();
    EXPECT_EQ(clock.ActiveTimers(), 2u) << "the first timer keeps running";
    reports.clear();
    clock.Advance(1000);
    EXPECT_EQ(reports.size(), 1u) << "but no longer reaches the sampler";
}

TEST(SamplerLifetime, LogsItsLifeAndOutlivedTimersNoLongerReachIt) {
    MemoryInterfaceTable table;
    ManualClock clock;
    MTimer timers{clock, "Dapplet"};
    MemoryFileSystem files;
    MemoryLocalTime now;
    mLogging log{files, now};
    log.Enabled = true;
    log.OpenLog("C:\\log.txt");
    int reports = 0;
    {
        cNetStatus status{table, timers, log};
        status.Status = [&reports](std::int32_t, std::int32_t) { ++reports; };
        status.Start();
    }
    clock.Advance(3000);
    EXPECT_EQ(reports, 1);
    EXPECT_EQ(clock.ActiveTimers(), 1u);
    EXPECT_EQ(files.ReadAll("C:\\log.txt"),
              "12/7/2026 11:26:17 PM: cNetStatus_Initialize\r\n"
              "12/7/2026 11:26:17 PM: cNetStatus_Terminate\r\n");
}

TEST(InterfaceNames, TheFirstRowOfANameCountsAndUnknownNamesReadZero) {
    MemoryInterfaceTable table;
    table.rows = {InterfaceRowOf("eth0", 1, 2), InterfaceRowOf("eth0", 30, 40),
                  InterfaceRowOf("lo", 5, 6)};
    EXPECT_EQ(mNetStatus::GetNumInterfaces(table), 3u);
    EXPECT_EQ(mNetStatus::EnumInterfaces(table), (std::vector<std::string>{"eth0", "eth0", "lo"}));
    EXPECT_EQ(mNetStatus::GetInOctets(table, "eth0"), 1u);
    EXPECT_EQ(mNetStatus::GetOutOctets(table, "eth0"), 2u);
    EXPECT_EQ(mNetStatus::GetInOctets(table, "ETH0"), 0u) << "names compare exactly";
    EXPECT_EQ(mNetStatus::GetInOctets(table, ""), 36u);
}

TEST(InterfaceNames, MoreInterfacesThanTheFirstBufferHoldsAreStillRead) {
    MemoryInterfaceTable table;
    for (int i = 0; i < 14; ++i)
        table.rows.push_back(InterfaceRowOf("if" + std::to_string(i), 1, 1));
    EXPECT_EQ(mNetStatus::GetNumInterfaces(table), 14u);
    EXPECT_EQ(mNetStatus::GetInOctets(table, ""), 14u);
    EXPECT_EQ(mNetStatus::GetOutOctets(table, "if13"), 1u);
}

TEST(InterfaceNames, AnUnavailableTableReadsAsNoInterfaces) {
    MemoryInterfaceTable table;
    table.rows = {InterfaceRowOf("eth0", 1, 2)};
    table.available = false;
    EXPECT_EQ(mNetStatus::GetNumInterfaces(table), 0u);
    EXPECT_EQ(mNetStatus::GetInOctets(table, ""), 0u);
}

}  // namespace
}  // namespace qn
