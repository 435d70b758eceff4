#include <gtest/gtest.h>

#include <stdexcept>

#include "ui/application.h"
#include "ui/check_box.h"
#include "ui/command_button.h"
#include "ui/headless/headless_host.h"
#include "ui/headless/user_actions.h"
#include "ui/list_control.h"
#include "ui/option_button.h"
#include "ui/scroll_bar.h"
#include "ui/simple_controls.h"
#include "ui/text_box.h"
#include "ui/timer.h"

namespace qn::ui {
namespace {

namespace user = headless;

class SampleForm : public Form {
  public:
    explicit SampleForm(Application& app) : Form(app, "Sample") {
        opt_a.Click.Connect([this] { ++optAClicks; });
        opt_b.Click.Connect([this] { ++optBClicks; });
        chk_x.Click.Connect([this] { ++checkClicks; });
        txt_x.Change.Connect([this] { ++textChanges; });
        cmb_x.Click.Connect([this] { ++listClicks; });
        vscr_x.Change.Connect([this] { ++scrollChanges; });
        Timer1.Elapsed.Connect([this] { ++ticks; });
    }
    Frame frm_one{*this, "frm_one"};
    OptionButton opt_a{*this, "opt_a", &frm_one};
    OptionButton opt_b{*this, "opt_b", &frm_one};
    Frame frm_two{*this, "frm_two"};
    OptionButton opt_c{*this, "opt_c", &frm_two};
    CheckBox chk_x{*this, "chk_x"};
    TextBox txt_x{*this, "txt_x"};
    ComboBox cmb_x{*this, "cmb_x"};
    ScrollBar vscr_x{*this, "vscr_x"};
    CommandButton cmd_ok{*this, "cmd_ok"};
    CommandButton cmd_cancel{*this, "cmd_cancel"};
    Timer Timer1{*this, "Timer1"};

    int optAClicks = 0, optBClicks = 0, checkClicks = 0, textChanges = 0, listClicks = 0,
        scrollChanges = 0, ticks = 0;
};

class ControlsTest : public ::testing::Test {
  protected:
    void SetUp() override { form.Show(); }
    headless::HeadlessHost host;
    Application app{host, "Quillon"};
    SampleForm form{app};
};

TEST_F(ControlsTest, OptionButtonsAreExclusiveWithinTheirContainerOnly) {
    form.opt_c.SetValue(true);
    form.opt_a.SetValue(true);
    user::Click(form.opt_b);
    EXPECT_FALSE(form.opt_a.Value());
    EXPECT_TRUE(form.opt_b.Value());
    EXPECT_TRUE(form.opt_c.Value());
}

TEST_F(ControlsTest, OptionButtonRaisesClickOnlyWhenBecomingSelected) {
    form.opt_a.SetValue(true);
    form.opt_a.SetValue(true);
    form.opt_b.SetValue(true);
    form.opt_b.SetValue(false);
    EXPECT_EQ(form.optAClicks, 1);
    EXPECT_EQ(form.optBClicks, 1);
    EXPECT_FALSE(form.opt_a.Value());
}

TEST_F(ControlsTest, CheckBoxValueSetByCodeRaisesClick) {
    form.chk_x.SetValue(vbChecked);
    form.chk_x.SetValue(vbChecked);
    form.chk_x.SetValue(vbGrayed);
    EXPECT_EQ(form.checkClicks, 2);
    EXPECT_THROW(form.chk_x.SetValue(3), std::out_of_range);
    EXPECT_EQ(form.chk_x.Value(), vbGrayed);
}

TEST_F(ControlsTest, UserClickTogglesTheCheckBox) {
    user::Click(form.chk_x);
    EXPECT_EQ(form.chk_x.Value(), vbChecked);
    user::Click(form.chk_x);
    EXPECT_EQ(form.chk_x.Value(), vbUnchecked);
    EXPECT_EQ(form.checkClicks, 2);
}

TEST_F(ControlsTest, TextSetByCodeOrTypedRaisesChangeOnlyWhenItDiffers) {
    form.txt_x.SetText("1500");
    form.txt_x.SetText("1500");
    user::Type(form.txt_x, "576");
    EXPECT_EQ(form.textChanges, 2);
    EXPECT_EQ(form.txt_x.Text(), "576");
}

TEST_F(ControlsTest, TextSelectionStaysInsideTheText) {
    form.txt_x.SetText("8192");
    form.txt_x.SelectAll();
    EXPECT_EQ(form.txt_x.SelStart(), 0);
    EXPECT_EQ(form.txt_x.SelLength(), 4);
    form.txt_x.SetSelection(3, 10);
    EXPECT_EQ(form.txt_x.SelLength(), 1);
    form.txt_x.SetText("1");
    EXPECT_EQ(form.txt_x.SelStart(), 1);
    EXPECT_EQ(form.txt_x.SelLength(), 0);
}

TEST_F(ControlsTest, ListIndexRaisesClickAndFollowsInsertAndRemove) {
    form.cmb_x.AddItem("eth0");
    form.cmb_x.AddItem("ppp0");
    form.cmb_x.SetListIndex(1);
    EXPECT_EQ(form.listClicks, 1);
    EXPECT_EQ(form.cmb_x.Text(), "ppp0");
    form.cmb_x.AddItem("lo", 0);
    EXPECT_EQ(form.cmb_x.ListIndex(), 2);
    EXPECT_EQ(form.cmb_x.Text(), "ppp0");
    form.cmb_x.RemoveItem(2);
    EXPECT_EQ(form.cmb_x.ListIndex(), ListControl::kNone);
    EXPECT_EQ(form.cmb_x.Text(), "");
    EXPECT_THROW(form.cmb_x.SetListIndex(5), std::out_of_range);
    EXPECT_THROW(form.cmb_x.List(-1), std::out_of_range);
    user::Select(form.cmb_x, "eth0");
    EXPECT_EQ(form.cmb_x.ListIndex(), 1);
    form.cmb_x.Clear();
    EXPECT_EQ(form.cmb_x.ListIndex(), ListControl::kNone);
    EXPECT_EQ(form.cmb_x.ListCount(), 0);
}

TEST_F(ControlsTest, MultipleSelectionKeepsEachItemsStateApartFromTheCurrentItem) {
    Form picker(app, "Picker");
    ListBox list(picker, "lst_many");
    list.SetMultiSelect(true);
    int clicks = 0;
    list.Click.Connect([&] { ++clicks; });
    picker.Show();
    for (const char* name : {"a", "b", "c"}) list.AddItem(name);
    list.SetSelected(0, true);
    list.SetSelected(2, true);
    list.SetSelected(2, true);  // unchanged: no click
    EXPECT_EQ(clicks, 2);
    list.SetListIndex(1);
    EXPECT_FALSE(list.Selected(1));
    user::Click(list, 1);  // a click selects and makes current
    EXPECT_TRUE(list.Selected(1));
    user::Click(list, 0);  // and deselects a selected one
    EXPECT_FALSE(list.Selected(0));
    EXPECT_EQ(list.ListIndex(), 0);
    EXPECT_EQ(list.SelCount(), 2);
    list.RemoveItem(1);
    EXPECT_EQ(list.SelCount(), 1);
    EXPECT_TRUE(list.Selected(1));
    EXPECT_EQ(list.LastItemChange().kind, ItemChange::Removed);
    list.AddItem("d", 0);
    EXPECT_FALSE(list.Selected(0));
    EXPECT_TRUE(list.Selected(2));
    EXPECT_EQ(list.ListIndex(), 1);
}

TEST_F(ControlsTest, SpinnerWithMinAboveMaxStepsUpByOneAndDownByOne) {
    form.vscr_x.SetRange(1, -1);
    form.vscr_x.SetValue(0);
    user::Spin(form.vscr_x, true);
    EXPECT_EQ(form.vscr_x.Value(), 1);
    user::Spin(form.vscr_x, true);  // already at Min
    EXPECT_EQ(form.vscr_x.Value(), 1);
    form.vscr_x.SetValue(0);
    user::Spin(form.vscr_x, false);
    EXPECT_EQ(form.vscr_x.Value(), -1);
    EXPECT_EQ(form.scrollChanges, 3);
    EXPECT_THROW(form.vscr_x.SetValue(2), std::out_of_range);
}

TEST_F(ControlsTest, NarrowingTheRangeMovesTheValueInside) {
    form.vscr_x.SetRange(0, 100);
    form.vscr_x.SetValue(50);
    form.vscr_x.SetRange(0, 10);
    EXPECT_EQ(form.vscr_x.Value(), 10);
}

TEST_F(ControlsTest, DisablingOrHidingAFrameStopsTheUserReachingItsControls) {
    form.frm_one.SetEnabled(false);
    EXPECT_TRUE(form.opt_a.Enabled());
    EXPECT_FALSE(form.opt_a.EffectivelyEnabled());
    EXPECT_THROW(user::Click(form.opt_a), std::logic_error);
    form.frm_one.SetEnabled(true);
    form.frm_one.SetVisible(false);
    EXPECT_FALSE(form.opt_a.EffectivelyVisible());
    EXPECT_THROW(user::Click(form.opt_a), std::logic_error);
    EXPECT_EQ(form.optAClicks, 0);
}

TEST_F(ControlsTest, PositionsInsideAFrameAreRelativeToIt) {
    form.frm_one.Move(100, 200, 3000, 2000);
    form.opt_a.Move(50, 60, 1000, 255);
    const Bounds bounds = form.opt_a.FormBounds();
    EXPECT_EQ(bounds.left, 150);
    EXPECT_EQ(bounds.top, 260);
}

TEST_F(ControlsTest, EnterAndEscapePressTheDefaultAndCancelButtons) {
    int ok = 0, cancel = 0;
    form.cmd_ok.Click.Connect([&] { ++ok; });
    form.cmd_cancel.Click.Connect([&] { ++cancel; });
    form.cmd_ok.SetDefault(true);
    form.cmd_cancel.SetCancel(true);
    user::PressEnter(form);
    user::PressEscape(form);
    user::PressEscape(form);
    EXPECT_EQ(ok, 1);
    EXPECT_EQ(cancel, 2);
    form.cmd_cancel.SetDefault(true);
    EXPECT_FALSE(form.cmd_ok.IsDefault());
}

TEST_F(ControlsTest, TabIndexReordersTheOthers) {
    EXPECT_EQ(form.cmd_ok.TabIndex(), 9);
    form.cmd_ok.SetTabIndex(0);
    EXPECT_EQ(form.cmd_ok.TabIndex(), 0);
    EXPECT_EQ(form.frm_one.TabIndex(), 1);
    EXPECT_EQ(form.TabOrder().back(), &form.cmd_cancel);
}

TEST_F(ControlsTest, TimerFiresOnlyWhileEnabledWithAnInterval) {
    user::FireTimers(form);
    form.Timer1.SetInterval(1000);
    user::FireTimers(form);
    form.Timer1.SetEnabled(false);
    user::FireTimers(form);
    EXPECT_EQ(form.ticks, 1);
}

TEST_F(ControlsTest, TimersOfAnUnloadedFormDoNotFire) {
    form.Timer1.SetInterval(1000);
    form.Unload();
    user::FireTimers(form);
    EXPECT_EQ(form.ticks, 0);
}

TEST_F(ControlsTest, FindsControlsByName) {
    EXPECT_EQ(form.FindControl("txt_x"), &form.txt_x);
    EXPECT_EQ(form.FindControl("nothing"), nullptr);
}

}  // namespace
}  // namespace qn::ui
