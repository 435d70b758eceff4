#include "ui/win32/win32_host.h"

#include <windows.h>
#include <gtest/gtest.h>
// commctrl.h needs the types of windows.h.
#include <commctrl.h>

#include <string>
#include <vector>

#include "tests/win32/common/dialog_user.h"
#include "tests/win32/ui/native_window.h"
#include "ui/application.h"
#include "ui/check_box.h"
#include "ui/command_button.h"
#include "ui/list_control.h"
#include "ui/menu_item.h"
#include "ui/option_button.h"
#include "ui/simple_controls.h"
#include "ui/text_box.h"

namespace qn::ui {
namespace {

class WindowedForm : public Form {
  public:
    explicit WindowedForm(Application& app) : Form(app, "Windowed") {
        SetCaption("Sample Window");
        Move(-1, -1, 4800, 3000);
        lbl_name.Move(120, 120, 1200, 255);
        txt_name.Move(1440, 120, 1800, 315);
        chk_flag.Move(120, 600, 2400, 255);
        frm_group.Move(120, 960, 3000, 1000);
        opt_one.Move(120, 240, 1200, 255);
        opt_two.Move(120, 600, 1200, 255);
        cmd_ok.Move(3480, 120, 1200, 375);
        cmd_cancel.Move(3480, 600, 1200, 375);
        lbl_name.SetCaption("&Name:");
        chk_flag.SetCaption("Enable");
        cmd_ok.SetCaption("Ok");
        cmd_cancel.SetCaption("Cancel");
        cmd_ok.SetDefault(true);
        cmd_cancel.SetCancel(true);
        cmd_ok.Click.Connect([this] { ++okClicks; });
        txt_name.Change.Connect([this] { ++textChanges; });
    }
    Label lbl_name{*this, "lbl_name"};
    TextBox txt_name{*this, "txt_name"};
    CheckBox chk_flag{*this, "chk_flag"};
    Frame frm_group{*this, "frm_group"};
    OptionButton opt_one{*this, "opt_one", &frm_group};
    OptionButton opt_two{*this, "opt_two", &frm_group};
    CommandButton cmd_ok{*this, "cmd_ok"};
    CommandButton cmd_cancel{*this, "cmd_cancel"};
    MenuItem mnuFile{*this, "mnuFile", "&File"};
    MenuItem mnuExit{mnuFile, "mnuExit", "E&xit"};
    MenuItem mnuView{*this, "mnuView", "&View"};

    bool cancelClose = false;
    int lastUnloadMode = -1;
    int okClicks = 0;
    int textChanges = 0;

  protected:
    void Form_QueryUnload(bool& cancel, int unloadMode) override {
        lastUnloadMode = unloadMode;
        cancel = cancelClose;
    }
};

using qn::test::TextOf;

class Win32HostTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { InitCommonControls(); }
    void SetUp() override { form.Show(); }
    win32::Win32Host host{GetModuleHandleA(nullptr), nullptr};
    Application app{host, "Test"};
    WindowedForm form{app};
};

TEST_F(Win32HostTest, WindowShowsTheModelsTexts) {
    ASSERT_NE(Hwnd(form), nullptr);
    EXPECT_TRUE(IsWindowVisible(Hwnd(form)));
    EXPECT_EQ(TextOf(Hwnd(form)), "Sample Window");
    EXPECT_EQ(TextOf(Hwnd(form.lbl_name)), "&Name:");
    EXPECT_EQ(TextOf(Hwnd(form.cmd_cancel)), "Cancel");
    form.SetCaption("Renamed");
    form.chk_flag.SetCaption("Disable");
    EXPECT_EQ(TextOf(Hwnd(form)), "Renamed");
    EXPECT_EQ(TextOf(Hwnd(form.chk_flag)), "Disable");
}

TEST_F(Win32HostTest, StatesSetInCodeReachTheWindows) {
    form.chk_flag.SetValue(vbChecked);
    form.opt_two.SetValue(true);
    form.cmd_ok.SetEnabled(false);
    form.txt_name.SetVisible(false);
    EXPECT_EQ(SendMessageA(Hwnd(form.chk_flag), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendMessageA(Hwnd(form.opt_two), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_FALSE(IsWindowEnabled(Hwnd(form.cmd_ok)));
    EXPECT_FALSE(IsWindowVisible(Hwnd(form.txt_name)));
    form.opt_one.SetValue(true);
    EXPECT_EQ(SendMessageA(Hwnd(form.opt_two), BM_GETCHECK, 0, 0), BST_UNCHECKED);
}

TEST_F(Win32HostTest, DisablingAFrameDisablesTheWindowsInside) {
    form.frm_group.SetEnabled(false);
    EXPECT_FALSE(IsWindowEnabled(Hwnd(form.opt_one)));
    form.frm_group.SetEnabled(true);
    EXPECT_TRUE(IsWindowEnabled(Hwnd(form.opt_one)));
}

TEST_F(Win32HostTest, UserClicksReachTheModelAndRaiseTheHandlers) {
    SendMessageA(Hwnd(form.cmd_ok), BM_CLICK, 0, 0);
    EXPECT_EQ(form.okClicks, 1);
    SendMessageA(Hwnd(form.chk_flag), BM_CLICK, 0, 0);
    EXPECT_EQ(form.chk_flag.Value(), vbChecked);
    EXPECT_EQ(SendMessageA(Hwnd(form.chk_flag), BM_GETCHECK, 0, 0), BST_CHECKED);
    SendMessageA(Hwnd(form.opt_two), BM_CLICK, 0, 0);
    EXPECT_TRUE(form.opt_two.Value());
}

// A press shows its item at once; the list tells only at the release. The
// model knows the item before the press's handler runs, and a handler that
// takes the selection away leaves none shown.
TEST_F(Win32HostTest, APressOnAListReachesItsHandlerWithThePressedItem) {
    Form lists(app, "Lists");
    ListBox list(lists, "list");
    lists.Move(-1, -1, 3000, 2000);
    list.Move(120, 120, 2400, 1200);
    list.AddItem("first");
    list.AddItem("second");
    std::vector<int> seen;
    list.MouseDown.Connect([&] {
        seen.push_back(list.ListIndex());
        list.SetListIndex(ListControl::kNone);
    });
    lists.Show();
    RECT second{};
    SendMessageA(Hwnd(list), LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&second));
    const LPARAM at = MAKELPARAM(second.left + 4, second.top + 2);
    PostMessageA(Hwnd(list), WM_LBUTTONDOWN, MK_LBUTTON, at);
    app.DoEvents();
    EXPECT_EQ(seen, std::vector<int>{1});
    EXPECT_EQ(SendMessageA(Hwnd(list), LB_GETCURSEL, 0, 0), LB_ERR);
    PostMessageA(Hwnd(list), WM_LBUTTONUP, 0, at);
    app.DoEvents();
    lists.Unload();
}

TEST_F(Win32HostTest, TypedTextReachesTheModelOnce) {
    SendMessageA(Hwnd(form.txt_name), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("typed"));
    EXPECT_EQ(form.txt_name.Text(), "typed");
    EXPECT_EQ(form.textChanges, 1);
    form.txt_name.SetText("from code");
    EXPECT_EQ(TextOf(Hwnd(form.txt_name)), "from code");
    EXPECT_EQ(form.textChanges, 2);
}

TEST_F(Win32HostTest, MenuBarShowsTheMenusAndHidesHiddenOnes) {
    HMENU bar = GetMenu(Hwnd(form));
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(GetMenuItemCount(bar), 2);
    char text[64] = {};
    GetMenuStringA(bar, 0, text, sizeof text, MF_BYPOSITION);
    EXPECT_STREQ(text, "&File");
    form.mnuView.SetVisible(false);
    EXPECT_EQ(GetMenuItemCount(GetMenu(Hwnd(form))), 1);
}

TEST_F(Win32HostTest, ChosenMenuItemRaisesItsClick) {
    int exits = 0;
    form.mnuExit.Click.Connect([&] { ++exits; });
    HMENU file = GetSubMenu(GetMenu(Hwnd(form)), 0);
    const UINT id = GetMenuItemID(file, 0);
    SendMessageA(Hwnd(form), WM_COMMAND, MAKEWPARAM(id, 0), 0);
    EXPECT_EQ(exits, 1);
}

TEST_F(Win32HostTest, TabMovesFocusInTabOrder) {
    form.txt_name.SetFocus();
    app.DoEvents();
    ASSERT_EQ(GetFocus(), Hwnd(form.txt_name));
    MSG tab = {Hwnd(form.txt_name), WM_KEYDOWN, VK_TAB, 0, 0, {0, 0}};
    IsDialogMessageA(Hwnd(form), &tab);
    EXPECT_EQ(GetFocus(), Hwnd(form.chk_flag));
    form.cmd_cancel.SetTabIndex(0);
    form.txt_name.SetFocus();
    tab.hwnd = Hwnd(form.txt_name);
    IsDialogMessageA(Hwnd(form), &tab);
    EXPECT_EQ(GetFocus(), Hwnd(form.chk_flag));
    form.cmd_ok.SetFocus();
    tab.hwnd = Hwnd(form.cmd_ok);
    IsDialogMessageA(Hwnd(form), &tab);
    EXPECT_EQ(GetFocus(), Hwnd(form.cmd_cancel));  // wraps round to the first
}

TEST_F(Win32HostTest, EnterPressesTheDefaultButton) {
    form.txt_name.SetFocus();
    MSG enter = {Hwnd(form.txt_name), WM_KEYDOWN, VK_RETURN, 0, 0, {0, 0}};
    IsDialogMessageA(Hwnd(form), &enter);
    EXPECT_EQ(form.okClicks, 1);
}

TEST_F(Win32HostTest, CloseFromTheTitleBarAsksWithModeZeroAndCanBeCancelled) {
    form.cancelClose = true;
    SendMessageA(Hwnd(form), WM_CLOSE, 0, 0);
    EXPECT_EQ(form.lastUnloadMode, vbFormControlMenu);
    EXPECT_TRUE(form.Loaded());
    EXPECT_TRUE(IsWindow(Hwnd(form)));
    form.cancelClose = false;
    HWND window = Hwnd(form);
    SendMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_FALSE(form.Loaded());
    EXPECT_FALSE(IsWindow(window));
}

TEST_F(Win32HostTest, ModalShowBlocksTheOwnerUntilTheFormIsUnloaded) {
    WindowedForm dialog(app);
    bool returned = false;
    dialog.SetCaption("Dialog");
    dialog.cmd_ok.Click.Connect([&] {
        EXPECT_FALSE(returned);
        EXPECT_FALSE(IsWindowEnabled(Hwnd(form)));
        dialog.Unload();
    });
    dialog.Load();
    PostMessageA(Hwnd(dialog.cmd_ok), BM_CLICK, 0, 0);
    dialog.Show(ShowMode::Modal, &form);
    returned = true;
    EXPECT_EQ(dialog.okClicks, 0);  // only the handler connected above ran
    EXPECT_FALSE(dialog.Loaded());
    EXPECT_TRUE(IsWindowEnabled(Hwnd(form)));
}

TEST_F(Win32HostTest, UnloadedFormCanBeShownAgain) {
    form.Unload();
    form.Show();
    EXPECT_TRUE(IsWindowVisible(Hwnd(form)));
    EXPECT_EQ(TextOf(Hwnd(form.cmd_ok)), "Ok");
}

}  // namespace
}  // namespace qn::ui
