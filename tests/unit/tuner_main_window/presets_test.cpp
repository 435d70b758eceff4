// The three presets: Optimum, the Windows defaults and the values found at
// start, and a TTL that no preset gives.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "tests/unit/tuner_main_window/window_on_machine.h"
#include "tuner/core/tcpip_parameters.h"
#include "ui/headless/user_actions.h"

namespace qn {
namespace {

using testing::HeadlessTuner;
using testing::LocalMachine;
using testing::SetDword;
using testing::ValueText;
using testing::Win98Window;
using ui::headless::Click;
using ui::headless::Type;

class OptimumOnEachMachine : public ::testing::TestWithParam<std::string> {};

TEST_P(OptimumOnEachMachine, SetsTheRecommendedValues) {
    HeadlessTuner tuner(GetParam());
    MainWindow& window = *tuner.window;
    window.Show();
    Click(window.cmd_preset_optimum);

    const TcpipSettings& settings = window.Settings;
    for (int index = 1; index <= settings.AdapterCount; ++index) {
        EXPECT_EQ(settings.Adapters[index].Mtu, 576) << settings.Adapters[index].Label;
        EXPECT_EQ(settings.Adapters[index].IpMtu, 576) << settings.Adapters[index].Label;
    }
    EXPECT_EQ(settings.RwinMultiplier, 4.0);
    EXPECT_EQ(settings.RwinCalc, 1);
    EXPECT_EQ(settings.Rwin, (576 - 40) * 4);
    if (!window.Env().IsWinNT()) {
        EXPECT_EQ(settings.SessionKeepAlive, 10);
    }
    EXPECT_EQ(settings.Ttl, 128);
    EXPECT_TRUE(settings.PmtuDiscovery);
    EXPECT_FALSE(settings.PmtuBlackHole);
    EXPECT_EQ(settings.HostsFileEnabled, 1);
}

INSTANTIATE_TEST_SUITE_P(Machines, OptimumOnEachMachine,
                         ::testing::ValuesIn(testing::MachineNames()),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                             std::string name = info.param;
                             for (char& c : name) {
                                 if (c == '-') c = '_';
                             }
                             return name;
                         });

TEST(OptimumPreset, WithoutAdaptersGivesACustomRwinOf5840) {
    HeadlessTuner tuner("winxp");
    testing::DeleteTree(tuner.machine.registry,
                        "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\NetworkCards");
    MainWindow& window = *tuner.window;
    window.Show();
    ASSERT_EQ(window.Settings.AdapterCount, 0);

    Click(window.cmd_preset_optimum);
    EXPECT_EQ(window.Settings.RwinMultiplier, 1.0);
    EXPECT_EQ(window.Settings.Rwin, 5840);
    EXPECT_FALSE(window.opt_rwin_default.Value());
    EXPECT_TRUE(window.opt_rwin_custom.Value());
    EXPECT_EQ(window.txt_rwin_custom.Text(), "5840");
}

TEST(DefaultPreset, OnAMachineAtItsDefaultsOkWritesNothingAndAsksNothing) {
    HeadlessTuner tuner("winxp");
    // The wireless card's 1400 is all that keeps this machine off its defaults;
    // the hosts file is on, as Default turns it on.
    SetDword(tuner.machine.registry,
             std::string(kInterfacesKeyNt) + "{7A2C5E90-4B1D-4F3A-8C6E-2D9B0F1A7E34}", "MTU", 1500);
    tuner.files.Write("C:\\WINDOWS\\system32\\drivers\\etc\\hosts", "127.0.0.1 localhost\r\n");
    MainWindow& window = *tuner.window;
    window.Show();
    const std::string before = LocalMachine(tuner.machine.registry);

    Click(window.cmd_preset_defaults);
    Click(window.cmd_ok);
    EXPECT_TRUE(tuner.host.Script().Shown().empty());
    EXPECT_EQ(LocalMachine(tuner.machine.registry), before);
    EXPECT_FALSE(window.RestartNeeded);
    EXPECT_TRUE(tuner.app.Ended());
}

// A hardware adapter's default MTU is stored as no "MaxMTU" at all; an
// automatic software adapter keeps its "0".
TEST(DefaultPreset, LeavesNoMaxMtuForHardwareAdaptersOnWindows98) {
    HeadlessTuner tuner("win98");
    MainWindow& window = *tuner.window;
    window.Show();
    Click(window.cmd_preset_defaults);
    tuner.host.Script().Answer(ui::vbNo, "Restart Windows?");
    tuner.host.Script().Answer(ui::vbOK, "Please restart Windows for changes to take effect.");
    Click(window.cmd_ok);

    Registry& registry = tuner.machine.registry;
    for (const char* transport : {"0002", "0004", "0005", "0007"}) {
        EXPECT_EQ(ValueText(registry, kNetTransKey9x + std::string(transport), "MaxMTU"),
                  std::nullopt)
            << transport;
    }
    EXPECT_EQ(ValueText(registry, kClassNetKey9x + std::string("0000"), "IPMTU"), "0");
}

void ExpectSameRecord(const TcpipSettings& actual, const TcpipSettings& expected) {
    ASSERT_EQ(actual.AdapterCount, expected.AdapterCount);
    for (int index = 1; index <= expected.AdapterCount; ++index) {
        EXPECT_EQ(actual.Adapters[index].Mtu, expected.Adapters[index].Mtu) << index;
        EXPECT_EQ(actual.Adapters[index].IpMtu, expected.Adapters[index].IpMtu) << index;
    }
    EXPECT_EQ(actual.MtuAdapter, expected.MtuAdapter);
    EXPECT_EQ(actual.SessionKeepAlive, expected.SessionKeepAlive);
    EXPECT_EQ(actual.PmtuDiscovery, expected.PmtuDiscovery);
    EXPECT_EQ(actual.PmtuBlackHole, expected.PmtuBlackHole);
    EXPECT_EQ(actual.Ttl, expected.Ttl);
    EXPECT_EQ(actual.Rwin, expected.Rwin);
    EXPECT_EQ(actual.RwinMultiplier, expected.RwinMultiplier);
    EXPECT_EQ(actual.RwinCalc, expected.RwinCalc);
    EXPECT_EQ(actual.HostsFileEnabled, expected.HostsFileEnabled);
}

TEST_F(Win98Window, PreviousRestoresWhatLoadingFound) {
    Click(window.cmd_preset_optimum);
    Type(window.txt_Session_Cst, "33");
    Click(window.opt_ttl_32);
    Click(window.chk_black);
    Click(window.opt_mtu_1500);

    Click(window.cmdPresetPrevious);
    ExpectSameRecord(window.Settings, window.Previous);
    EXPECT_TRUE(window.opt_mtu_576.Value());
    EXPECT_TRUE(window.opt_rwin_custom.Value());
    EXPECT_EQ(window.txt_rwin_custom.Text(), "5840");
    EXPECT_FALSE(window.opt_ttl_32.Value());
    EXPECT_FALSE(window.opt_ttl_128.Value());
    EXPECT_TRUE(window.opt_Session_Cst.Value());
    EXPECT_EQ(window.txt_Session_Cst.Text(), "90");
    EXPECT_EQ(window.chk_black.Value(), ui::vbUnchecked);
}

// DefaultTTL 64 on Windows XP: neither option stands for it.
class UnusualTtl : public ::testing::Test {
  protected:
    void SetUp() override {
        SetDword(tuner.machine.registry, kTcpipKeyNt, "DefaultTTL", 64);
        window.Show();
    }
    HeadlessTuner tuner{"winxp"};
    MainWindow& window = *tuner.window;
};

TEST_F(UnusualTtl, SelectsNeitherTtlOption) {
    EXPECT_EQ(window.Settings.Ttl, 64);
    EXPECT_FALSE(window.opt_ttl_32.Value());
    EXPECT_FALSE(window.opt_ttl_128.Value());
}

TEST_F(UnusualTtl, IsWrittenBackWithAnotherChange) {
    Click(window.chk_black);
    tuner.host.Script().Answer(ui::vbNo, "Restart Windows?");
    tuner.host.Script().Answer(ui::vbOK, "Please restart Windows for changes to take effect.");
    Click(window.cmd_ok);
    EXPECT_EQ(ValueText(tuner.machine.registry, kTcpipKeyNt, "EnablePMTUBHDetect"), "1");
    EXPECT_EQ(ValueText(tuner.machine.registry, kTcpipKeyNt, "DefaultTTL"), "64");
}

TEST_F(UnusualTtl, AloneIsNoChange) {
    const std::string before = LocalMachine(tuner.machine.registry);
    Click(window.cmd_ok);
    EXPECT_TRUE(tuner.host.Script().Shown().empty());
    EXPECT_EQ(LocalMachine(tuner.machine.registry), before);
}

}  // namespace
}  // namespace qn
