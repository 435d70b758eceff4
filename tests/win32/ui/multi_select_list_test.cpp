// A list box in which clicks select and deselect items one by one, kept in
// step with its model both ways, and followed item by item as it grows.
#include <windows.h>
#include <gtest/gtest.h>
// commctrl.h needs the types of windows.h.
#include <commctrl.h>

#include <string>

#include "tests/win32/ui/native_window.h"
#include "ui/application.h"
#include "ui/list_control.h"
#include "ui/win32/win32_host.h"

namespace qn::ui {
namespace {

class ListForm : public Form {
  public:
    explicit ListForm(Application& app) : Form(app, "Lists") {
        Move(-1, -1, 3000, 3000);
        lst_hosts.SetMultiSelect(true);
        lst_hosts.Move(120, 120, 2600, 2400);
        lst_hosts.Click.Connect([this] { ++clicks; });
    }
    ListBox lst_hosts{*this, "lst_hosts"};
    int clicks = 0;
};

class MultiSelectListTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { InitCommonControls(); }
    void SetUp() override {
        for (const char* name : {"alpha", "beta", "gamma"}) form.lst_hosts.AddItem(name);
        form.Show();
    }
    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
        return SendMessageA(Hwnd(form.lst_hosts), message, wParam, lParam);
    }
    win32::Win32Host host{GetModuleHandleA(nullptr), nullptr};
    Application app{host, "Test"};
    ListForm form{app};
};

TEST_F(MultiSelectListTest, SelectionsAndItemsSetInCodeReachTheWindow) {
    form.lst_hosts.SetSelected(1, true);
    EXPECT_GT(Send(LB_GETSEL, 1), 0);
    EXPECT_EQ(Send(LB_GETSEL, 0), 0);
    form.lst_hosts.RemoveItem(0);
    form.lst_hosts.AddItem("delta");
    ASSERT_EQ(Send(LB_GETCOUNT), 3);
    char text[16] = {};
    Send(LB_GETTEXT, 2, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, "delta");
    EXPECT_GT(Send(LB_GETSEL, 0), 0);  // "beta" moved up with its selection
    form.lst_hosts.SetListIndex(2);
    EXPECT_EQ(Send(LB_GETCARETINDEX), 2);
    EXPECT_EQ(Send(LB_GETSELCOUNT), 1);
}

TEST_F(MultiSelectListTest, AUserClickTogglesTheItemAndMakesItCurrent) {
    RECT item{};
    Send(LB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&item));
    const LPARAM at = MAKELPARAM(item.left + 4, (item.top + item.bottom) / 2);
    for (bool expected : {true, false}) {
        Send(WM_LBUTTONDOWN, MK_LBUTTON, at);
        Send(WM_LBUTTONUP, 0, at);
        EXPECT_EQ(form.lst_hosts.Selected(2), expected);
        EXPECT_EQ(form.lst_hosts.ListIndex(), 2);
    }
    EXPECT_EQ(form.clicks, 2);
}

TEST_F(MultiSelectListTest, ALongListIsFilledItemByItem) {
    for (int i = 0; i < 3000; ++i) form.lst_hosts.AddItem("host" + std::to_string(i));
    EXPECT_EQ(Send(LB_GETCOUNT), 3003);
    form.lst_hosts.Clear();
    EXPECT_EQ(Send(LB_GETCOUNT), 0);
}

}  // namespace
}  // namespace qn::ui
