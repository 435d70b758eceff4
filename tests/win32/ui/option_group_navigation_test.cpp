#include <windows.h>
#include <gtest/gtest.h>
// commctrl.h needs the types of windows.h.
#include <commctrl.h>

#include "tests/win32/ui/native_window.h"
#include "ui/application.h"
#include "ui/command_button.h"
#include "ui/option_button.h"
#include "ui/simple_controls.h"
#include "ui/text_box.h"
#include "ui/win32/win32_host.h"

namespace qn::ui {
namespace {

// One group of option buttons on the form and one in a frame, each between
// other controls, so that a key leaking out of a group shows.
class GroupedForm : public Form {
  public:
    explicit GroupedForm(Application& app) : Form(app, "Grouped") {
        SetCaption("Groups");
        Move(-1, -1, 4800, 4200);
        txt_first.Move(120, 120, 2400, 315);
        opt_low.Move(120, 600, 1800, 255);
        opt_mid.Move(120, 900, 1800, 255);
        opt_high.Move(120, 1200, 1800, 255);
        cmd_apply.Move(3240, 120, 1200, 375);
        frm_mode.Move(120, 1680, 3000, 1200);
        opt_fast.Move(120, 240, 1800, 255);
        opt_safe.Move(120, 600, 1800, 255);
        cmd_close.Move(3240, 600, 1200, 375);
        opt_low.SetCaption("Low");
        opt_mid.SetCaption("Middle");
        opt_high.SetCaption("High");
        opt_fast.SetCaption("Fast");
        opt_safe.SetCaption("Safe");
        cmd_apply.SetCaption("Apply");
        cmd_close.SetCaption("Close");
        for (OptionButton* option : options) {
            option->Click.Connect([this, option] { ++clicks[IndexOf(option)]; });
        }
    }

    int IndexOf(const OptionButton* option) const {
        for (int i = 0; i < kOptions; ++i) {
            if (options[i] == option) return i;
        }
        return -1;
    }
    void ResetClicks() {
        for (int& count : clicks) count = 0;
    }

    TextBox txt_first{*this, "txt_first"};
    OptionButton opt_low{*this, "opt_low"};
    OptionButton opt_mid{*this, "opt_mid"};
    OptionButton opt_high{*this, "opt_high"};
    CommandButton cmd_apply{*this, "cmd_apply"};
    Frame frm_mode{*this, "frm_mode"};
    OptionButton opt_fast{*this, "opt_fast", &frm_mode};
    OptionButton opt_safe{*this, "opt_safe", &frm_mode};
    CommandButton cmd_close{*this, "cmd_close"};

    static constexpr int kOptions = 5;
    OptionButton* options[kOptions] = {&opt_low, &opt_mid, &opt_high, &opt_fast, &opt_safe};
    int clicks[kOptions] = {};
};

LONG_PTR StyleOf(const Control& control) {
    return GetWindowLongPtrA(Hwnd(control), GWL_STYLE);
}

class OptionGroupNavigationTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { InitCommonControls(); }
    void SetUp() override {
        form.opt_mid.SetValue(true);
        form.Show();
        app.DoEvents();
        form.ResetClicks();
    }

    // The key goes through the host's own message loop, as a typed key would.
    void Press(const Control& from, WPARAM key) {
        FocusOn(from);
        PostMessageA(Hwnd(from), WM_KEYDOWN, key, 1);
        PostMessageA(Hwnd(from), WM_KEYUP, key, static_cast<LPARAM>(0xC0000001u));
        app.DoEvents();
    }
    void FocusOn(const Control& control) {
        if (GetFocus() != Hwnd(control)) SetFocus(Hwnd(control));
        ASSERT_EQ(GetFocus(), Hwnd(control));
    }
    // Exactly the options listed are selected, in the model and on screen.
    void ExpectSelected(std::initializer_list<const OptionButton*> selected) {
        for (const OptionButton* option : form.options) {
            bool expected = false;
            for (const OptionButton* s : selected) expected = expected || s == option;
            EXPECT_EQ(option->Value(), expected) << option->Name();
            EXPECT_EQ(SendMessageA(Hwnd(*option), BM_GETCHECK, 0, 0),
                      expected ? BST_CHECKED : BST_UNCHECKED)
                << option->Name();
        }
    }
    int TotalClicks() const {
        int total = 0;
        for (int count : form.clicks) total += count;
        return total;
    }

    win32::Win32Host host{GetModuleHandleA(nullptr), nullptr};
    Application app{host, "Test"};
    GroupedForm form{app};
};

TEST_F(OptionGroupNavigationTest, OnlyTheSelectedOptionIsATabStopAndGroupsAreDelimited) {
    EXPECT_FALSE(StyleOf(form.opt_low) & WS_TABSTOP);
    EXPECT_TRUE(StyleOf(form.opt_mid) & WS_TABSTOP);
    EXPECT_FALSE(StyleOf(form.opt_high) & WS_TABSTOP);
    // Nothing selected in the frame: its first option takes the tab stop.
    EXPECT_TRUE(StyleOf(form.opt_fast) & WS_TABSTOP);
    EXPECT_FALSE(StyleOf(form.opt_safe) & WS_TABSTOP);
    EXPECT_TRUE(StyleOf(form.opt_low) & WS_GROUP);
    EXPECT_FALSE(StyleOf(form.opt_mid) & WS_GROUP);
    EXPECT_FALSE(StyleOf(form.opt_high) & WS_GROUP);
    EXPECT_TRUE(StyleOf(form.cmd_apply) & WS_GROUP);
    EXPECT_TRUE(StyleOf(form.opt_fast) & WS_GROUP);
    EXPECT_FALSE(StyleOf(form.opt_safe) & WS_GROUP);
    EXPECT_TRUE(StyleOf(form.cmd_close) & WS_GROUP);

    // Selecting in code moves the tab stop too.
    form.opt_safe.SetValue(true);
    EXPECT_FALSE(StyleOf(form.opt_fast) & WS_TABSTOP);
    EXPECT_TRUE(StyleOf(form.opt_safe) & WS_TABSTOP);
    EXPECT_TRUE(StyleOf(form.opt_mid) & WS_TABSTOP);
}

TEST_F(OptionGroupNavigationTest, TabEntersEachGroupAtItsSelectedOption) {
    form.opt_safe.SetValue(true);
    form.ResetClicks();
    Press(form.txt_first, VK_TAB);
    EXPECT_EQ(GetFocus(), Hwnd(form.opt_mid));
    Press(form.opt_mid, VK_TAB);
    EXPECT_EQ(GetFocus(), Hwnd(form.cmd_apply));
    Press(form.cmd_apply, VK_TAB);
    EXPECT_EQ(GetFocus(), Hwnd(form.opt_safe));
    Press(form.opt_safe, VK_TAB);
    EXPECT_EQ(GetFocus(), Hwnd(form.cmd_close));
    Press(form.cmd_close, VK_TAB);  // wraps round to the text box
    EXPECT_EQ(GetFocus(), Hwnd(form.txt_first));
    ExpectSelected({&form.opt_mid, &form.opt_safe});
    EXPECT_EQ(TotalClicks(), 0);
}

TEST_F(OptionGroupNavigationTest, ArrowsSelectWithinTheFormsGroupOnly) {
    Press(form.opt_mid, VK_DOWN);
    EXPECT_EQ(GetFocus(), Hwnd(form.opt_high));
    ExpectSelected({&form.opt_high});
    EXPECT_EQ(form.clicks[form.IndexOf(&form.opt_high)], 1);
    EXPECT_EQ(TotalClicks(), 1);

    // The last option wraps round to the first, not on to the next control.
    Press(form.opt_high, VK_DOWN);
    EXPECT_EQ(GetFocus(), Hwnd(form.opt_low));
    ExpectSelected({&form.opt_low});
    Press(form.opt_low, VK_UP);
    EXPECT_EQ(GetFocus(), Hwnd(form.opt_high));
    Press(form.opt_high, VK_LEFT);
    EXPECT_EQ(GetFocus(), Hwnd(form.opt_mid));
    ExpectSelected({&form.opt_mid});
    EXPECT_EQ(TotalClicks(), 4);
    EXPECT_EQ(form.clicks[form.IndexOf(&form.opt_fast)], 0);

    // Tab now enters the group at the option the arrows chose.
    Press(form.txt_first, VK_TAB);
    EXPECT_EQ(GetFocus(), Hwnd(form.opt_mid));
}

TEST_F(OptionGroupNavigationTest, ArrowsSelectWithinTheFramesGroupOnly) {
    form.opt_fast.SetValue(true);
    form.ResetClicks();
    Press(form.opt_fast, VK_DOWN);
    EXPECT_EQ(GetFocus(), Hwnd(form.opt_safe));
    ExpectSelected({&form.opt_mid, &form.opt_safe});
    EXPECT_EQ(form.clicks[form.IndexOf(&form.opt_safe)], 1);
    EXPECT_EQ(TotalClicks(), 1);

    Press(form.opt_safe, VK_RIGHT);
    EXPECT_EQ(GetFocus(), Hwnd(form.opt_fast));
    Press(form.opt_fast, VK_UP);
    EXPECT_EQ(GetFocus(), Hwnd(form.opt_safe));
    ExpectSelected({&form.opt_mid, &form.opt_safe});
    EXPECT_EQ(TotalClicks(), 3);

    Press(form.cmd_apply, VK_TAB);
    EXPECT_EQ(GetFocus(), Hwnd(form.opt_safe));
}

TEST_F(OptionGroupNavigationTest, MouseClickSelectsWithinItsGroupOnlyAndClicksOnce) {
    form.opt_fast.SetValue(true);
    form.ResetClicks();
    SendMessageA(Hwnd(form.opt_low), BM_CLICK, 0, 0);
    ExpectSelected({&form.opt_low, &form.opt_fast});
    EXPECT_EQ(form.clicks[form.IndexOf(&form.opt_low)], 1);
    SendMessageA(Hwnd(form.opt_safe), BM_CLICK, 0, 0);
    ExpectSelected({&form.opt_low, &form.opt_safe});
    EXPECT_EQ(TotalClicks(), 2);
    EXPECT_TRUE(StyleOf(form.opt_low) & WS_TABSTOP);
    EXPECT_FALSE(StyleOf(form.opt_mid) & WS_TABSTOP);
    EXPECT_TRUE(StyleOf(form.opt_safe) & WS_TABSTOP);
}

TEST_F(OptionGroupNavigationTest, ArrowsSkipADisabledOption) {
    form.opt_high.SetEnabled(false);
    Press(form.opt_mid, VK_DOWN);
    EXPECT_EQ(GetFocus(), Hwnd(form.opt_low));
    ExpectSelected({&form.opt_low});
    EXPECT_EQ(TotalClicks(), 1);
}

}  // namespace
}  // namespace qn::ui
