// Numbers the user types into the three custom boxes: the checks, their
// warning labels, and the groups and OK they lock.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "tests/unit/tuner_main_window/window_on_machine.h"
#include "ui/headless/user_actions.h"

namespace qn {
namespace {

using testing::Win98Window;
using ui::headless::Click;
using ui::headless::Spin;
using ui::headless::Type;

class CustomMtu : public Win98Window {
  protected:
    void SetUp() override { Click(window.opt_mtu_custom); }
    const AdapterEntry& Adapter() const {
        return window.Settings.Adapters[window.Settings.MtuAdapter];
    }
};

TEST_F(CustomMtu, FortyIsTooSmall) {
    Type(window.txt_mtu_custom, "40");
    EXPECT_TRUE(window.Label8.Visible());
    EXPECT_EQ(window.Label8.Caption(), "MaxMTU must be over 40!!!");
    EXPECT_FALSE(window.Label9.Visible());
    EXPECT_FALSE(window.frm_rwin.Enabled());
    EXPECT_FALSE(window.cmd_ok.Enabled());
    EXPECT_EQ(Adapter().Mtu, 1500) << "a rejected MTU never reaches the record";
    EXPECT_EQ(Adapter().IpMtu, 1500);
}

TEST_F(CustomMtu, FortyOneIsAccepted) {
    Type(window.txt_mtu_custom, "40");
    Type(window.txt_mtu_custom, "41");
    EXPECT_FALSE(window.Label8.Visible());
    EXPECT_TRUE(window.frm_rwin.Enabled());
    EXPECT_TRUE(window.cmd_ok.Enabled());
    EXPECT_EQ(Adapter().Mtu, 41);
    EXPECT_EQ(Adapter().IpMtu, 41);
    EXPECT_EQ(window.Label7.Caption(), "41");
}

TEST_F(CustomMtu, TextIsABadValueAndLeavesTheRecord) {
    Type(window.txt_mtu_custom, "abc");
    EXPECT_TRUE(window.Label9.Visible());
    EXPECT_EQ(window.Label9.Caption(), "Bad Property Value!!!");
    EXPECT_FALSE(window.frm_rwin.Enabled());
    EXPECT_FALSE(window.cmd_ok.Enabled());
    EXPECT_EQ(Adapter().Mtu, 1500);
    EXPECT_EQ(Adapter().IpMtu, 1500);
}

// Windows 98 loads with its RWIN of 5840 in the custom box.
TEST_F(Win98Window, TextAsCustomRwinIsABadValue) {
    Type(window.txt_rwin_custom, "abc");
    EXPECT_TRUE(window.Label10.Visible());
    EXPECT_EQ(window.Label10.Caption(), "Bad Property Value!!!");
    EXPECT_FALSE(window.frm_mtu.Enabled());
    EXPECT_FALSE(window.cmd_ok.Enabled());
}

TEST_F(Win98Window, ZeroRwinIsTooSmall) {
    Type(window.txt_rwin_custom, "0");
    EXPECT_FALSE(window.Label10.Visible());
    EXPECT_TRUE(window.Label11.Visible());
    EXPECT_EQ(window.Label11.Caption(), "RWIN must be >0 !!!");
    EXPECT_FALSE(window.frm_mtu.Enabled());
    EXPECT_FALSE(window.cmd_ok.Enabled());
}

TEST_F(Win98Window, TypedRwinOfOneIsAccepted) {
    Type(window.txt_rwin_custom, "0");
    Type(window.txt_rwin_custom, "1");
    EXPECT_FALSE(window.Label11.Visible());
    EXPECT_TRUE(window.frm_mtu.Enabled());
    EXPECT_TRUE(window.cmd_ok.Enabled());
    EXPECT_EQ(window.Settings.Rwin, 1);
    EXPECT_EQ(window.Label4.Caption(), "1");
}

TEST_F(Win98Window, RwinOfOneLeftInTheBoxIsAcceptedWhenCustomIsChosen) {
    Type(window.txt_rwin_custom, "1");
    Click(window.opt_rwin_x4);
    Click(window.opt_rwin_custom);
    EXPECT_TRUE(window.txt_rwin_custom.Enabled());
    EXPECT_EQ(window.Settings.RwinMultiplier, 1.0);
    EXPECT_EQ(window.Settings.Rwin, 1);
    EXPECT_FALSE(window.Label10.Visible());
    EXPECT_FALSE(window.Label11.Visible());
    EXPECT_TRUE(window.cmd_ok.Enabled());
}

// Windows 98 loads with a custom keep-alive of 90 minutes.
TEST_F(Win98Window, FractionalKeepAliveKeepsItsWholeMinutes) {
    Type(window.txt_Session_Cst, "2.7");
    EXPECT_EQ(window.txt_Session_Cst.Text(), "2");
    EXPECT_EQ(window.Settings.SessionKeepAlive, 2);
}

TEST_F(Win98Window, KeepAliveBelowOneBecomesOne) {
    Type(window.txt_Session_Cst, "0");
    EXPECT_EQ(window.txt_Session_Cst.Text(), "1");
    EXPECT_EQ(window.Settings.SessionKeepAlive, 1);
}

TEST_F(Win98Window, SpinnerStepsTheKeepAliveByOneAndRearms) {
    ui::ScrollBar& spinner = window.vscr_session_custom;
    ui::TextBox& box = window.txt_Session_Cst;
    Spin(spinner, true);
    const int first = std::atoi(box.Text().c_str());
    EXPECT_EQ(std::abs(first - 90), 1);
    EXPECT_EQ(window.Settings.SessionKeepAlive, first);
    EXPECT_EQ(spinner.Value(), 0);
    EXPECT_EQ(window.ActiveControl(), &box);
    EXPECT_EQ(box.SelStart(), 0);
    EXPECT_EQ(box.SelLength(), static_cast<int>(box.Text().size()));

    Spin(spinner, false);
    EXPECT_EQ(box.Text(), "90") << "the other arrow steps back";
    EXPECT_EQ(spinner.Value(), 0);
}

}  // namespace
}  // namespace qn
