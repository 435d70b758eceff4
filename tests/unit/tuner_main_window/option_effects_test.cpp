// What each option and list of the main window does to the record and to the
// other controls.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "tests/unit/tuner_main_window/window_on_machine.h"
#include "ui/headless/user_actions.h"

namespace qn {
namespace {

using testing::HeadlessTuner;
using testing::Win98Window;
using ui::headless::Click;
using ui::headless::Select;
using ui::headless::Type;

const AdapterEntry& MtuAdapter(const MainWindow& window) {
    return window.Settings.Adapters[window.Settings.MtuAdapter];
}

struct MtuOption {
    const char* name;
    ui::OptionButton MainWindow::*option;
    const char* invalidText;  // what the custom box held before
    int mtu;
    int ipMtu;
};
void PrintTo(const MtuOption& row, std::ostream* os) {
    *os << row.name;
}

class FixedMtuOption : public Win98Window, public ::testing::WithParamInterface<MtuOption> {};

TEST_P(FixedMtuOption, SetsTheAdapterAndRepairsAnInvalidCustomMtu) {
    const MtuOption& row = GetParam();
    Click(window.opt_mtu_custom);
    Type(window.txt_mtu_custom, row.invalidText);
    ASSERT_FALSE(window.cmd_ok.Enabled());

    Click(window.*row.option);
    EXPECT_EQ(MtuAdapter(window).Mtu, row.mtu);
    EXPECT_EQ(MtuAdapter(window).IpMtu, row.ipMtu);
    EXPECT_FALSE(window.Label8.Visible());
    EXPECT_FALSE(window.Label9.Visible());
    EXPECT_TRUE(window.frm_rwin.Enabled());
    EXPECT_TRUE(window.cmd_ok.Enabled());
    EXPECT_FALSE(window.txt_mtu_custom.Enabled());
    EXPECT_EQ(window.Label7.Caption(), std::to_string(row.mtu)) << "the calculator follows";
}

INSTANTIATE_TEST_SUITE_P(
    DialUpAdapter, FixedMtuOption,
    ::testing::Values(MtuOption{"Auto", &MainWindow::opt_mtu_auto, "40", 576, 0},
                      MtuOption{"Mtu576", &MainWindow::opt_mtu_576, "abc", 576, 576},
                      MtuOption{"Mtu1500", &MainWindow::opt_mtu_1500, "40", 1500, 1500}),
    [](const ::testing::TestParamInfo<MtuOption>& info) { return std::string(info.param.name); });

TEST_F(Win98Window, CustomMtuOpensItsBoxAndTakesItsNumber) {
    Click(window.opt_mtu_custom);
    EXPECT_TRUE(window.txt_mtu_custom.Enabled());
    EXPECT_EQ(MtuAdapter(window).Mtu, 1500) << "the box's first text";
    EXPECT_EQ(MtuAdapter(window).IpMtu, 1500);
}

struct RwinOption {
    const char* name;
    ui::OptionButton MainWindow::*option;
    const char* invalidText;  // what the custom box held before
    double multiplier;
    int rwin;  // with the dial-up adapter's MSS of 536
};
void PrintTo(const RwinOption& row, std::ostream* os) {
    *os << row.name;
}

class FixedRwinOption : public Win98Window, public ::testing::WithParamInterface<RwinOption> {};

TEST_P(FixedRwinOption, SetsTheRwinAndRepairsAnInvalidCustomRwin) {
    const RwinOption& row = GetParam();
    Type(window.txt_rwin_custom, row.invalidText);
    ASSERT_FALSE(window.cmd_ok.Enabled());

    Click(window.*row.option);
    EXPECT_EQ(window.Settings.RwinMultiplier, row.multiplier);
    EXPECT_EQ(window.Settings.Rwin, row.rwin);
    EXPECT_EQ(window.Label4.Caption(), std::to_string(row.rwin));
    EXPECT_FALSE(window.Label10.Visible());
    EXPECT_FALSE(window.Label11.Visible());
    EXPECT_TRUE(window.frm_mtu.Enabled());
    EXPECT_TRUE(window.cmd_ok.Enabled());
    EXPECT_FALSE(window.txt_rwin_custom.Enabled());
}

INSTANTIATE_TEST_SUITE_P(
    DialUpCalculator, FixedRwinOption,
    ::testing::Values(RwinOption{"WindowsDefault", &MainWindow::opt_rwin_default, "abc", 1.0, 8192},
                      RwinOption{"x4", &MainWindow::opt_rwin_x4, "0", 4.0, 2144},
                      RwinOption{"x6", &MainWindow::opt_rwin_x6, "abc", 6.0, 3216},
                      RwinOption{"x8", &MainWindow::opt_rwin_x8, "0", 8.0, 4288}),
    [](const ::testing::TestParamInfo<RwinOption>& info) { return std::string(info.param.name); });

TEST_F(Win98Window, TtlOptionsSetTheTtl) {
    Click(window.opt_ttl_32);
    EXPECT_EQ(window.Settings.Ttl, 32);
    Click(window.opt_ttl_128);
    EXPECT_EQ(window.Settings.Ttl, 128);
    EXPECT_FALSE(window.opt_ttl_32.Value());
}

TEST_F(Win98Window, SixtyMinutesKeepAliveLocksTheCustomBoxAndSpinner) {
    Click(window.opt_Session_60);
    EXPECT_EQ(window.Settings.SessionKeepAlive, 60);
    EXPECT_FALSE(window.txt_Session_Cst.Enabled());
    EXPECT_FALSE(window.vscr_session_custom.Enabled());
}

TEST_F(Win98Window, CustomKeepAliveTakesTheBoxNumberAndFocus) {
    Click(window.opt_Session_60);
    Click(window.opt_Session_Cst);
    EXPECT_EQ(window.Settings.SessionKeepAlive, 90);
    EXPECT_TRUE(window.txt_Session_Cst.Enabled());
    EXPECT_TRUE(window.vscr_session_custom.Enabled());
    EXPECT_EQ(window.ActiveControl(), &window.txt_Session_Cst);
}

struct PmtuBox {
    const char* name;
    ui::CheckBox MainWindow::*box;
    bool TcpipSettings::*field;
};
void PrintTo(const PmtuBox& row, std::ostream* os) {
    *os << row.name;
}

class PmtuCheckBox : public Win98Window, public ::testing::WithParamInterface<PmtuBox> {};

TEST_P(PmtuCheckBox, SwitchesItsSetting) {
    const PmtuBox& row = GetParam();
    Click(window.*row.box);
    EXPECT_TRUE(window.Settings.*row.field);
    Click(window.*row.box);
    EXPECT_FALSE(window.Settings.*row.field);
}

INSTANTIATE_TEST_SUITE_P(
    Misc, PmtuCheckBox,
    ::testing::Values(PmtuBox{"AutoDiscovery", &MainWindow::chk_auto,
                              &TcpipSettings::PmtuDiscovery},
                      PmtuBox{"BlackHole", &MainWindow::chk_black, &TcpipSettings::PmtuBlackHole}),
    [](const ::testing::TestParamInfo<PmtuBox>& info) { return std::string(info.param.name); });

struct AdapterChoice {
    const char* name;
    const char* machine;
    const char* label;
    ui::OptionButton MainWindow::*selected;
    bool autoOffered;
    const char* customText;  // for a custom MTU
};
void PrintTo(const AdapterChoice& row, std::ostream* os) {
    *os << row.name;
}

class ChosenMtuAdapter : public ::testing::TestWithParam<AdapterChoice> {};

// Automatic MTU exists only for software adapters on Windows 98/ME and DUN 1.3.
TEST_P(ChosenMtuAdapter, SelectsTheOptionOfItsMtu) {
    const AdapterChoice& row = GetParam();
    HeadlessTuner tuner(row.machine);
    MainWindow& window = *tuner.window;
    window.Show();
    Select(window.cmbMTUSel, row.label);

    EXPECT_EQ(MtuAdapter(window).Label, row.label);
    EXPECT_TRUE((window.*row.selected).Value());
    EXPECT_EQ(window.opt_mtu_auto.Visible(), row.autoOffered);
    if (row.customText != nullptr) {
        EXPECT_EQ(window.txt_mtu_custom.Text(), row.customText);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Machines, ChosenMtuAdapter,
    ::testing::Values(
        AdapterChoice{"Win95DialUp", "win95", "Dial-Up Adapter (Software)",
                      &MainWindow::opt_mtu_576, false, nullptr},
        AdapterChoice{"Dun13DialUp", "win95-dun13", "Dial-Up Adapter (Software)",
                      &MainWindow::opt_mtu_auto, true, nullptr},
        AdapterChoice{"Dun13Vpn", "win95-dun13", "Dial-Up Adapter #2 (VPN Support) (Software)",
                      &MainWindow::opt_mtu_custom, true, "1400"},
        AdapterChoice{"Win98Ne2000", "win98", "NE2000 Compatible (Hardware - ISA)",
                      &MainWindow::opt_mtu_1500, false, nullptr},
        AdapterChoice{"Win98Realtek", "win98",
                      "Realtek RTL8139(A/B/C/8130) PCI Fast Ethernet NIC (Hardware - PCI)",
                      &MainWindow::opt_mtu_custom, false, "1492"},
        AdapterChoice{"Win98Aol", "win98", "AOL Adapter (AOL)", &MainWindow::opt_mtu_576, false,
                      nullptr},
        AdapterChoice{"WinMeSharing", "winme", "Internet Connection Sharing (ICS)",
                      &MainWindow::opt_mtu_1500, false, nullptr},
        AdapterChoice{"WinMeDialUp", "winme", "Dial-Up Adapter (Software)",
                      &MainWindow::opt_mtu_auto, true, nullptr},
        AdapterChoice{"XpWireless", "winxp", "Intel(R) PRO/Wireless 2200BG Network Connection",
                      &MainWindow::opt_mtu_custom, false, "1400"}),
    [](const ::testing::TestParamInfo<AdapterChoice>& info) {
        return std::string(info.param.name);
    });

TEST_F(Win98Window, ChoosingAnMtuAdapterNamesItAndKeepsTheFocus) {
    const std::string label = "NE2000 Compatible (Hardware - ISA)";
    Select(window.cmbMTUSel, label);
    EXPECT_EQ(window.Settings.MtuAdapter, 2);
    EXPECT_EQ(window.cmbMTUSel.ToolTipText(), label);
    EXPECT_EQ(window.ActiveControl(), &window.cmbMTUSel);
}

}  // namespace
}  // namespace qn
