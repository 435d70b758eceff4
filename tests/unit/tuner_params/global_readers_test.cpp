// Reading the system-wide TCP/IP parameters: where, as what, and what an
// absent or odd value means.
#include <gtest/gtest.h>

#include <functional>

#include "tests/unit/tuner_discovery/tuner_test_machine.h"
#include "tuner/core/tcpip_parameters.h"

namespace qn::testing {
namespace {

// A stored value: text (REG_SZ bytes exactly as given), a DWORD, or nothing.
struct Stored {
    enum Kind { None, Text, Dword } kind = None;
    std::string text;
    std::uint32_t dword = 0;
};
Stored None() {
    return {};
}
Stored Sz(std::string bytes) {
    return {Stored::Text, std::move(bytes), 0};
}
Stored Dw(std::uint32_t value) {
    return {Stored::Dword, "", value};
}

struct ReadCase {
    System system;
    const char* name;
    Stored stored;
    std::int32_t expected;
};

void PrintTo(const ReadCase& c, std::ostream* out) {
    *out << SystemName(c.system) << " " << c.name << " ";
    if (c.stored.kind == Stored::None) *out << "absent";
    if (c.stored.kind == Stored::Text) *out << "\"" << c.stored.text.c_str() << "\"";
    if (c.stored.kind == Stored::Dword) *out << "dword " << c.stored.dword;
}

using Reader = std::function<std::int32_t(TcpipParameters&)>;

class GlobalReader : public ::testing::TestWithParam<ReadCase> {
  protected:
    std::int32_t Read(const Reader& reader) {
        const ReadCase& c = GetParam();
        TestMachine machine(c.system);
        const bool nt =
            c.system == System::Nt4 || c.system == System::Win2000 || c.system == System::WinXp;
        const std::string key = nt ? kTcpip : kMstcp;
        if (c.stored.kind == Stored::Text) machine.SetText(key, c.name, c.stored.text);
        if (c.stored.kind == Stored::Dword) machine.SetDword(key, c.name, c.stored.dword);
        AdapterDiscovery discovery(machine.Context(), machine.environment);
        TcpipParameters parameters(machine.Context(), machine.environment, discovery);
        const std::int32_t value = reader(parameters);
        EXPECT_EQ(0u, machine.registry.OpenHandleCount());
        EXPECT_TRUE(machine.boxes.Shown().empty());
        return value;
    }
};

class ReadRwin : public GlobalReader {};
TEST_P(ReadRwin, Reads) {
    EXPECT_EQ(GetParam().expected, Read([](TcpipParameters& p) { return p.ReadRwin(); }));
}
INSTANTIATE_TEST_SUITE_P(
    Cases, ReadRwin,
    ::testing::Values(ReadCase{System::Win98, "DefaultRcvWindow", None(), 8192},
                      ReadCase{System::Win98, "DefaultRcvWindow", Sz(std::string("16384\0", 6)),
                               16384},
                      ReadCase{System::Win98, "DefaultRcvWindow", Sz("17520"), 17520},
                      ReadCase{System::Win98, "DefaultRcvWindow",
                               Sz(std::string("4380\0"
                                              "99",
                                              7)),
                               4380},
                      ReadCase{System::Win98, "DefaultRcvWindow", Sz("0"), 8192},
                      ReadCase{System::Win98, "DefaultRcvWindow", Sz(""), 8192},
                      ReadCase{System::Win98, "DefaultRcvWindow", Dw(16384), 8192},
                      ReadCase{System::WinMe, "DefaultRcvWindow", Sz("32120"), 32120},
                      ReadCase{System::Win95, "DefaultRcvWindow", Dw(32768), 32768},
                      ReadCase{System::Win95Dun13, "DefaultRcvWindow", Dw(32768), 32768},
                      ReadCase{System::Win95, "DefaultRcvWindow", Sz("32768"), 8192},
                      ReadCase{System::Nt4, "TcpWindowSize", Dw(65535), 65535},
                      ReadCase{System::Win2000, "TcpWindowSize", None(), 8192},
                      ReadCase{System::WinXp, "TcpWindowSize", Dw(0x80000000u), 8192},
                      ReadCase{System::WinXp, "DefaultRcvWindow", Dw(16384), 8192}));

class ReadTtl : public GlobalReader {};
TEST_P(ReadTtl, Reads) {
    EXPECT_EQ(GetParam().expected, Read([](TcpipParameters& p) { return p.ReadTtl(); }));
}
INSTANTIATE_TEST_SUITE_P(Defaults, ReadTtl,
                         ::testing::Values(ReadCase{System::Win95, "DefaultTTL", None(), 32},
                                           ReadCase{System::Win95Dun13, "DefaultTTL", None(), 128},
                                           ReadCase{System::Win98, "DefaultTTL", None(), 128},
                                           ReadCase{System::WinMe, "DefaultTTL", None(), 128},
                                           ReadCase{System::Nt4, "DefaultTTL", None(), 32},
                                           ReadCase{System::Win2000, "DefaultTTL", None(), 128},
                                           ReadCase{System::WinXp, "DefaultTTL", None(), 128}));
INSTANTIATE_TEST_SUITE_P(StoredValues, ReadTtl,
                         ::testing::Values(ReadCase{System::Win95, "DefaultTTL", Sz("64"), 64},
                                           ReadCase{System::Win95Dun13, "DefaultTTL",
                                                    Sz(std::string("64\0", 3)), 64},
                                           ReadCase{System::Win98, "DefaultTTL", Sz("0"), 128},
                                           ReadCase{System::Win98, "DefaultTTL", Sz("70000"), 128},
                                           ReadCase{System::Win95, "DefaultTTL", Dw(64), 32},
                                           ReadCase{System::Nt4, "DefaultTTL", Dw(64), 64}));

class ReadPmtuDiscovery : public GlobalReader {};
TEST_P(ReadPmtuDiscovery, Reads) {
    EXPECT_EQ(GetParam().expected,
              Read([](TcpipParameters& p) { return p.ReadPmtuDiscovery() ? 1 : 0; }));
}
INSTANTIATE_TEST_SUITE_P(
    Cases, ReadPmtuDiscovery,
    ::testing::Values(ReadCase{System::Win98, "PMTUDiscovery", None(), 1},
                      ReadCase{System::Win98, "PMTUDiscovery", Sz(""), 1},
                      ReadCase{System::Win98, "PMTUDiscovery", Sz(std::string("0\0", 2)), 0},
                      ReadCase{System::Win98, "PMTUDiscovery", Sz("5"), 1},
                      ReadCase{System::Win95, "PMTUDiscovery", Dw(0), 0},
                      ReadCase{System::Win95Dun13, "PMTUDiscovery", Dw(1), 1},
                      ReadCase{System::Win2000, "EnablePMTUDiscovery", Dw(0), 0},
                      ReadCase{System::Win2000, "EnablePMTUDiscovery", None(), 1}));

class ReadPmtuBlackHole : public GlobalReader {};
TEST_P(ReadPmtuBlackHole, Reads) {
    EXPECT_EQ(GetParam().expected,
              Read([](TcpipParameters& p) { return p.ReadPmtuBlackHole() ? 1 : 0; }));
}
INSTANTIATE_TEST_SUITE_P(
    Cases, ReadPmtuBlackHole,
    ::testing::Values(ReadCase{System::Win98, "PMTUBlackHoleDetect", None(), 0},
                      ReadCase{System::Win98, "PMTUBlackHoleDetect", Sz(std::string("1\0", 2)), 1},
                      ReadCase{System::Win98, "PMTUBlackHoleDetect", Sz("2"), 0},
                      ReadCase{System::Win98, "PMTUBlackHoleDetect", Sz("0"), 0},
                      ReadCase{System::Win95, "PMTUBlackHoleDetect", Dw(1), 1},
                      ReadCase{System::Win95, "PMTUBlackHoleDetect", Dw(2), 0},
                      ReadCase{System::Nt4, "EnablePMTUBHDetect", Dw(1), 1},
                      ReadCase{System::WinXp, "EnablePMTUBHDetect", None(), 0}));

class ReadSessionKeepAlive : public GlobalReader {};
TEST_P(ReadSessionKeepAlive, ReadsMinutes) {
    EXPECT_EQ(GetParam().expected,
              Read([](TcpipParameters& p) { return p.ReadSessionKeepAlive(); }));
}
INSTANTIATE_TEST_SUITE_P(
    Cases, ReadSessionKeepAlive,
    ::testing::Values(ReadCase{System::Win98, "SessionKeepAlive", None(), 60},
                      ReadCase{System::Win98, "SessionKeepAlive", Sz(std::string("5400000\0", 8)),
                               90},
                      ReadCase{System::Win98, "SessionKeepAlive", Sz("0"), 60},
                      ReadCase{System::Win98, "SessionKeepAlive", Sz("150000"), 2},  // 2.5 to even
                      ReadCase{System::Win98, "SessionKeepAlive", Sz("210000"), 4},  // 3.5 to even
                      ReadCase{System::Win98, "SessionKeepAlive", Sz("630000"), 10},
                      ReadCase{System::Win98, "SessionKeepAlive", Sz("9999999999"), 60},
                      ReadCase{System::Win95, "SessionKeepAlive", Dw(5400000), 90},
                      ReadCase{System::Win95Dun13, "SessionKeepAlive", Dw(600000), 10},
                      ReadCase{System::Win2000, "SessionKeepAlive", Dw(600000), 60}));

TEST(DefaultTtl, Is32OnlyOnPlainWin95AndNt4) {
    for (System system : {System::Win95, System::Win95Dun13, System::Win98, System::WinMe,
                          System::Nt4, System::Win2000, System::WinXp}) {
        TestMachine machine(system);
        AdapterDiscovery discovery(machine.Context(), machine.environment);
        TcpipParameters parameters(machine.Context(), machine.environment, discovery);
        const bool old = system == System::Win95 || system == System::Nt4;
        EXPECT_EQ(old ? 32 : 128, parameters.DefaultTtl()) << SystemName(system);
    }
}

TEST(ReadGlobals, FillsTheRecord) {
    TestMachine machine(System::Win98);
    machine.SetText(kMstcp, "DefaultRcvWindow", "2144");
    machine.SetText(kMstcp, "DefaultTTL", "64");
    machine.SetText(kMstcp, "PMTUDiscovery", "0");
    machine.SetText(kMstcp, "PMTUBlackHoleDetect", "1");
    machine.SetText(kMstcp, "SessionKeepAlive", "600000");
    AdapterDiscovery discovery(machine.Context(), machine.environment);
    TcpipParameters parameters(machine.Context(), machine.environment, discovery);
    TcpipSettings settings;
    parameters.ReadGlobals(settings);
    EXPECT_EQ(2144, settings.Rwin);
    EXPECT_EQ(64, settings.Ttl);
    EXPECT_FALSE(settings.PmtuDiscovery);
    EXPECT_TRUE(settings.PmtuBlackHole);
    EXPECT_EQ(10, settings.SessionKeepAlive);
}

}  // namespace
}  // namespace qn::testing
