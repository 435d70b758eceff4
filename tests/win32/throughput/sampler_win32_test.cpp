#include <windows.h>
#include <gtest/gtest.h>
#include <winsock.h>

#include "platform/win32/win32_services.h"
#include "tests/e2e/driver/loopback_traffic.h"
#include "tests/win32/common/message_pump.h"
#include "throughput/net_status.h"

namespace qn::win32 {
namespace {

TEST(SamplerWin32, TicksReportLoopbackTrafficOnAllInterfaces) {
    const auto resolver = MakeWin32NameResolver();
    ASSERT_EQ(resolver->Startup().error, 0);
    const auto table = MakeWin32InterfaceTable();
    const auto clock = MakeWin32Clock();
    const auto files = MakeWin32FileSystem();
    const auto now = MakeWin32LocalTime();
    mLogging log(*files, *now);
    MTimer timers(*clock, "Dapplet");
    cNetStatus status(*table, timers, log);
    std::vector<std::pair<std::int32_t, std::int32_t>> reports;
    status.Status = [&reports](std::int32_t in, std::int32_t out) { reports.push_back({in, out}); };

    status.Start();
    ASSERT_EQ(reports.size(), 1u) << "the baseline comes at once";
    bool seen = false;
    PumpMessagesUntil(
        [&] {
            EXPECT_TRUE(e2e::SendLoopbackTraffic(5000));
            for (const auto& report : reports)
                seen = seen || (report.first > 0 && report.second > 0);
            return seen && reports.size() >= 3;
        },
        4000);
    EXPECT_TRUE(seen);
    EXPECT_GE(reports.size(), 3u) << "a tick every second";
    EXPECT_EQ(resolver->Cleanup(), 0);
}

}  // namespace
}  // namespace qn::win32
