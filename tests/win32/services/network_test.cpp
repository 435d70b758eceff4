#include <gtest/gtest.h>
#include <winsock.h>

#include "platform/win32/win32_services.h"
#include "tests/e2e/driver/loopback_traffic.h"

namespace qn::win32 {
namespace {

class NetworkWin32 : public ::testing::Test {
  protected:
    void SetUp() override {
        started = resolver->Startup();
        ASSERT_EQ(started.error, 0);
    }
    void TearDown() override { EXPECT_EQ(resolver->Cleanup(), 0); }
    std::unique_ptr<NameResolver> resolver = MakeWin32NameResolver();
    WinsockStart started;
};

TEST_F(NetworkWin32, StartupReportsVersionOneOneAndAtLeastOneSocket) {
    EXPECT_EQ(started.version & 0xFF, 1) << "major";
    EXPECT_EQ(started.version >> 8, 1) << "minor";
    EXPECT_GE(started.maxSockets, 1);
}

TEST_F(NetworkWin32, LocalhostResolvesToLoopback) {
    const auto resolution = resolver->Resolve("localhost");
    EXPECT_EQ(resolution.error, 0);
    ASSERT_FALSE(resolution.addresses.empty());
    EXPECT_EQ(resolution.addresses[0], "127.0.0.1");
}

TEST_F(NetworkWin32, UnknownNameGivesAnError) {
    const auto resolution = resolver->Resolve("qn-no-such-host.invalid");
    EXPECT_TRUE(resolution.error == kWsaHostNotFound || resolution.error == kWsaTryAgain ||
                resolution.error == kWsaNoData)
        << resolution.error;
    EXPECT_TRUE(resolution.addresses.empty());
}

const InterfaceRow* Loopback(const std::vector<InterfaceRow>& rows) {
    for (const auto& row : rows) {
        if (row.type == 24 || row.description == "lo") return &row;  // software loopback
    }
    return nullptr;
}

TEST_F(NetworkWin32, LoopbackCountersGrowWithTraffic) {
    const auto table = MakeWin32InterfaceTable();
    const auto before = table->Read(IfTableBufferSize(32));
    ASSERT_EQ(before.error, 0u);
    const InterfaceRow* first = Loopback(before.rows);
    ASSERT_NE(first, nullptr);
    const std::uint32_t inBefore = first->inOctets;
    const std::uint32_t outBefore = first->outOctets;
    bool grew = false;
    for (int attempt = 0; attempt < 20 && !grew; ++attempt) {
        ASSERT_TRUE(e2e::SendLoopbackTraffic(20000));
        Sleep(50);
        const auto after = table->Read(IfTableBufferSize(32));
        const InterfaceRow* now = Loopback(after.rows);
        ASSERT_NE(now, nullptr);
        // Unsigned differences survive a counter that wraps meanwhile.
        grew = std::uint32_t(now->inOctets - inBefore) >= 20000 &&
               std::uint32_t(now->outOctets - outBefore) >= 20000;
    }
    EXPECT_TRUE(grew);
}

}  // namespace
}  // namespace qn::win32
