// Writing the system-wide TCP/IP parameters: a value equal to the system's
// default ends up absent, any other is stored in the family's type.
#include <gtest/gtest.h>

#include <functional>

#include "tests/unit/tuner_discovery/tuner_test_machine.h"
#include "tests/unit/tuner_params/recording_registry.h"
#include "tuner/core/tcpip_parameters.h"

namespace qn::testing {
namespace {

using Writer = std::function<void(TcpipParameters&)>;

struct WriteCase {
    System system;
    const char* name;
    Writer write;
    // What stays: nothing, text (without NUL), or a DWORD.
    enum Outcome { Deleted, Text, Dword } outcome;
    std::string text;
    std::uint32_t dword;
};

void PrintTo(const WriteCase& c, std::ostream* out) {
    *out << SystemName(c.system) << " " << c.name;
}

WriteCase Gone(System system, const char* name, Writer write) {
    return {system, name, std::move(write), WriteCase::Deleted, "", 0};
}
WriteCase AsText(System system, const char* name, Writer write, std::string text) {
    return {system, name, std::move(write), WriteCase::Text, std::move(text), 0};
}
WriteCase AsDword(System system, const char* name, Writer write, std::uint32_t value) {
    return {system, name, std::move(write), WriteCase::Dword, "", value};
}

Writer Rwin(std::int32_t value) {
    return [value](TcpipParameters& p) { p.WriteRwin(value); };
}
Writer Ttl(std::int16_t value) {
    return [value](TcpipParameters& p) { p.WriteTtl(value); };
}
Writer Pmtu(bool on) {
    return [on](TcpipParameters& p) { p.WritePmtuDiscovery(on); };
}
Writer BlackHole(bool on) {
    return [on](TcpipParameters& p) { p.WritePmtuBlackHole(on); };
}
Writer KeepAlive(std::int16_t minutes) {
    return [minutes](TcpipParameters& p) { p.WriteSessionKeepAlive(minutes); };
}

bool IsNt(System system) {
    return system == System::Nt4 || system == System::Win2000 || system == System::WinXp;
}

class GlobalWriter : public ::testing::TestWithParam<WriteCase> {};

TEST_P(GlobalWriter, StoresOrRemoves) {
    const WriteCase& c = GetParam();
    TestMachine machine(c.system);
    const std::string key = IsNt(c.system) ? kTcpip : kMstcp;
    // A value already there shows that writing the default removes it.
    machine.SetText(key, c.name, "stale");
    AdapterDiscovery discovery(machine.Context(), machine.environment);
    TcpipParameters parameters(machine.Context(), machine.environment, discovery);
    c.write(parameters);
    std::uint32_t type = 0;
    const std::optional<std::string> stored = machine.Raw(key, c.name, &type);
    switch (c.outcome) {
        case WriteCase::Deleted:
            EXPECT_FALSE(stored.has_value());
            break;
        case WriteCase::Text:
            EXPECT_EQ(kRegSz, type);
            EXPECT_EQ(c.text, stored.value_or("(absent)"));
            break;
        case WriteCase::Dword:
            EXPECT_EQ(c.dword, machine.Dword(key, c.name).value_or(0xDEADBEEF));
            break;
    }
    EXPECT_EQ(0u, machine.registry.OpenHandleCount());
}

INSTANTIATE_TEST_SUITE_P(
    Rwin, GlobalWriter,
    ::testing::Values(Gone(System::Win98, "DefaultRcvWindow", Rwin(8192)),
                      AsText(System::Win98, "DefaultRcvWindow", Rwin(16384), "16384"),
                      AsText(System::WinMe, "DefaultRcvWindow", Rwin(2144), "2144"),
                      AsDword(System::Win95, "DefaultRcvWindow", Rwin(16384), 16384),
                      AsDword(System::Win95Dun13, "DefaultRcvWindow", Rwin(16384), 16384),
                      Gone(System::Win95Dun13, "DefaultRcvWindow", Rwin(8192)),
                      Gone(System::Nt4, "TcpWindowSize", Rwin(8192)),
                      AsDword(System::WinXp, "TcpWindowSize", Rwin(64240), 64240)));

INSTANTIATE_TEST_SUITE_P(Ttl, GlobalWriter,
                         ::testing::Values(Gone(System::Win98, "DefaultTTL", Ttl(128)),
                                           AsText(System::Win98, "DefaultTTL", Ttl(32), "32"),
                                           AsText(System::Win95, "DefaultTTL", Ttl(128), "128"),
                                           Gone(System::Win95, "DefaultTTL", Ttl(32)),
                                           Gone(System::Win95Dun13, "DefaultTTL", Ttl(128)),
                                           AsText(System::Win95Dun13, "DefaultTTL", Ttl(64), "64"),
                                           Gone(System::Nt4, "DefaultTTL", Ttl(32)),
                                           AsDword(System::Nt4, "DefaultTTL", Ttl(128), 128),
                                           Gone(System::Win2000, "DefaultTTL", Ttl(128)),
                                           AsDword(System::Win2000, "DefaultTTL", Ttl(32), 32)));

INSTANTIATE_TEST_SUITE_P(
    PmtuDiscovery, GlobalWriter,
    ::testing::Values(Gone(System::Win98, "PMTUDiscovery", Pmtu(true)),
                      AsText(System::Win98, "PMTUDiscovery", Pmtu(false), "0"),
                      AsDword(System::Win95, "PMTUDiscovery", Pmtu(false), 0),
                      AsDword(System::Win95Dun13, "PMTUDiscovery", Pmtu(false), 0),
                      Gone(System::Win95, "PMTUDiscovery", Pmtu(true)),
                      AsDword(System::WinXp, "EnablePMTUDiscovery", Pmtu(false), 0),
                      Gone(System::WinXp, "EnablePMTUDiscovery", Pmtu(true))));

INSTANTIATE_TEST_SUITE_P(
    PmtuBlackHole, GlobalWriter,
    ::testing::Values(Gone(System::Win98, "PMTUBlackHoleDetect", BlackHole(false)),
                      AsText(System::Win98, "PMTUBlackHoleDetect", BlackHole(true), "1"),
                      AsDword(System::Win95, "PMTUBlackHoleDetect", BlackHole(true), 1),
                      Gone(System::Win95, "PMTUBlackHoleDetect", BlackHole(false)),
                      AsDword(System::Nt4, "EnablePMTUBHDetect", BlackHole(true), 1),
                      Gone(System::Nt4, "EnablePMTUBHDetect", BlackHole(false))));

INSTANTIATE_TEST_SUITE_P(
    SessionKeepAlive, GlobalWriter,
    ::testing::Values(Gone(System::Win98, "SessionKeepAlive", KeepAlive(60)),
                      AsText(System::Win98, "SessionKeepAlive", KeepAlive(90), "5400000"),
                      AsDword(System::Win95, "SessionKeepAlive", KeepAlive(90), 5400000),
                      Gone(System::Win95, "SessionKeepAlive", KeepAlive(60))));

TEST(GlobalWriters, WriteTheDefaultBeforeRemovingIt) {
    TestMachine machine(System::Win98);
    machine.SetText(kMstcp, "x", "");
    std::vector<std::string> log;
    RecordingRegistry recording(machine.registry, log);
    RegistryContext context{recording, machine.boxes};
    AdapterDiscovery discovery(context, machine.environment);
    TcpipParameters parameters(context, machine.environment, discovery);
    parameters.WriteRwin(8192);
    parameters.WriteRwin(8000);
    const std::string value = std::string(kMstcp) + "\\DefaultRcvWindow";
    EXPECT_EQ((std::vector<std::string>{"set " + value, "delete " + value, "set " + value}), log);
}

TEST(GlobalWriters, KeepAliveIsNotWrittenOnNt) {
    TestMachine machine(System::Win2000);
    machine.SetText(kTcpip, "x", "");
    std::vector<std::string> log;
    RecordingRegistry recording(machine.registry, log);
    RegistryContext context{recording, machine.boxes};
    AdapterDiscovery discovery(context, machine.environment);
    TcpipParameters parameters(context, machine.environment, discovery);
    parameters.WriteSessionKeepAlive(90);
    EXPECT_TRUE(log.empty());
}

TEST(GlobalWriters, AMissingKeyIsLeftMissing) {
    TestMachine machine(System::Win98);
    AdapterDiscovery discovery(machine.Context(), machine.environment);
    TcpipParameters parameters(machine.Context(), machine.environment, discovery);
    parameters.WriteTtl(64);
    EXPECT_FALSE(machine.HasKey(kMstcp));
    EXPECT_TRUE(machine.boxes.Shown().empty());
}

}  // namespace
}  // namespace qn::testing
