#include "meter/app/net_statistics.h"

#include <gtest/gtest.h>

#include <climits>

#include "meter/app/statistics_format.h"
#include "platform/memory/memory_file_system.h"
#include "platform/memory/memory_local_time.h"

namespace qn::meter {
namespace {

TEST(NetStatistics, CountsTotalsCurrentMaximaAndHalfToEvenAverages) {
    MemoryFileSystem files;
    MemoryLocalTime now;
    mLogging log(files, now);
    log.Enabled = true;
    log.OpenLog("C:\\log.txt");
    {
        cNetStatistics stats(log);
        EXPECT_EQ(stats.AverageIn(), 0) << "no samples yet";
        EXPECT_EQ(stats.AverageOut(), 0);
        stats.AddData(100, 10);
        stats.AddData(300, 30);
        EXPECT_EQ(stats.TotalIn(), 400);
        EXPECT_EQ(stats.TotalOut(), 40);
        EXPECT_EQ(stats.Time(), 2);
        EXPECT_EQ(stats.AverageIn(), 200);
        EXPECT_EQ(stats.AverageOut(), 20);
        EXPECT_EQ(stats.MaxIn(), 300);
        EXPECT_EQ(stats.MaxOut(), 30);
        EXPECT_EQ(stats.CurrentIn(), 300);
        EXPECT_EQ(stats.CurrentOut(), 30);

        // 301 / 2 and 303 / 2: ties go to the even neighbour.
        stats.AddData(1, 1);
        stats.AddData(0, 2);
        EXPECT_EQ(stats.AverageIn(), 100) << "401 / 4 = 100.25";
        EXPECT_EQ(stats.CurrentIn(), 0);
        EXPECT_EQ(stats.MaxIn(), 300) << "the maximum stays";
    }
    cNetStatistics halves(log);
    halves.AddData(5, 7);
    halves.AddData(0, 0);
    EXPECT_EQ(halves.AverageIn(), 2) << "2.5";
    EXPECT_EQ(halves.AverageOut(), 4) << "3.5";

    cNetStatistics large(log);
    for (int i = 0; i < 3; ++i) large.AddData(INT32_MAX, INT32_MAX);
    EXPECT_EQ(large.TotalIn(), 3LL * INT32_MAX) << "totals beyond 32 bits";
    EXPECT_EQ(large.AverageIn(), INT32_MAX);

    EXPECT_NE(
        files.ReadAll("C:\\log.txt")
            .value_or("")
            .find("cNetStatistics_Initialize\r\n12/7/2026 11:26:17 PM: cNetStatistics_Terminate"),
        std::string::npos);
}

TEST(StatisticsFormat, WritesBytesKilobytesAndMegabytesInTheShortestForm) {
    struct Case {
        std::int64_t value;
        ByteUnit unit;
        const char* text;
    };
    const Case cases[] = {
        {0, ByteUnit::Bytes, "0 b"},
        {1536, ByteUnit::Bytes, "1536 b"},
        {5000000000000LL, ByteUnit::Bytes, "5000000000000 b"},
        {1536, ByteUnit::Kilobytes, "1.5 kb"},
        {1024, ByteUnit::Kilobytes, "1 kb"},
        {1075, ByteUnit::Kilobytes, "1 kb"},         // 1.0498
        {1126, ByteUnit::Kilobytes, "1.1 kb"},       // 1.0996
        {1280 + 51, ByteUnit::Kilobytes, "1.3 kb"},  // 1.2998
        {1048576, ByteUnit::Megabytes, "1 mb"},
        {1572864, ByteUnit::Megabytes, "1.5 mb"},
        {1053818, ByteUnit::Megabytes, "1 mb"},     // 1.0049999
        {1059062, ByteUnit::Megabytes, "1.01 mb"},  // 1.00999...
        {0, ByteUnit::Megabytes, "0 mb"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FormatBytes(c.value, c.unit), c.text) << c.value;
    }
    // Exact ties round to the even digit: 0.25 kb and 0.125 mb.
    EXPECT_EQ(FormatBytes(256, ByteUnit::Kilobytes), "0.2 kb");
    EXPECT_EQ(FormatBytes(131072, ByteUnit::Megabytes), "0.12 mb");
}

}  // namespace
}  // namespace qn::meter
