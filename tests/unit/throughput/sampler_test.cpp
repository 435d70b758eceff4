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

namespace qn {
namespace {

TEST(CounterDifference, IsTheSmallIncrementAcrossEitherWrap) {
    EXPECT_EQ(CounterDifference(2147483700u, 2147483600u), 100);
    EXPECT_EQ(CounterDifference(100u, 4294967200u), 196);
    EXPECT_EQ(CounterDifference(5u, 5u), 0);
    EXPECT_EQ(CounterDifference(0u, 1000u), -1000);
    EXPECT_EQ(CounterDifference(0x80000000u, 0u), INT32_MIN);
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

TEST_F(SamplerTest, AVanishedInterfaceReportsMinusItsLastReadingOnceThenNothing) {
    status.SetInterface("eth0");
    status.Timer_ThatTime();
    table.rows.pop_back();
    status.Timer_ThatTime();
    status.Timer_ThatTime();
    ASSERT_EQ(reports.size(), 3u);
    EXPECT_EQ(reports[1], std::make_pair(-50000, -7000));
    EXPECT_EQ(reports[2], std::make_pair(0, 0));
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
