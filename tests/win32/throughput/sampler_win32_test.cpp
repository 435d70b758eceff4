#include <windows.h>
#include <gtest/gtest.h>
#include <winsock.h>

#include "platform/win32/win32_services.h"
#include "tests/win32/throughput/message_pump.h"
#include "throughput/net_status.h"

namespace qn::win32 {
namespace {

void SendLoopbackDatagrams(int count) {
    SOCKET s = socket(AF_INET, SOCK_DGRAM, 0);
    ASSERT_NE(s, INVALID_SOCKET);
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(9);  // discard
    to.sin_addr.s_addr = inet_addr("127.0.0.1");
    const std::string payload(1000, 'q');
    for (int i = 0; i < count; ++i) {
        sendto(s, payload.data(), static_cast<int>(payload.size()), 0,
               reinterpret_cast<const sockaddr*>(&to), sizeof(to));
    }
    closesocket(s);
}

TEST(SamplerWin32, TicksReportLoopbackTrafficOnAllInterfaces) {
    const auto resolver = MakeWin32NameResolver();
    ASSERT_EQ(resolver->Startup(), 0);
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
            SendLoopbackDatagrams(5);
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
