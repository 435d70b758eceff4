// What forms ask of Windows beyond their controls' state: staying on top,
// the screen-wide mouse pointer, a label's own font and a dividing rule.
#include <windows.h>
#include <gtest/gtest.h>

// commctrl.h needs the types of windows.h.
#include <commctrl.h>

#include "tests/win32/ui/native_window.h"
#include "ui/application.h"
#include "ui/simple_controls.h"
#include "ui/win32/win32_host.h"

namespace qn::ui {
namespace {

class NoticeForm : public Form {
  public:
    explicit NoticeForm(Application& app) : Form(app, "Notice") {
        Move(-1, -1, 3000, 1200);
        lbl_title.SetCaption("Title");
        lbl_title.SetFont(Font{"Arial", 12, true});
        lbl_title.Move(120, 120, 2400, 360);
        lbl_body.SetCaption("Body");
        lbl_body.Move(120, 600, 2400, 255);
        Line1.Move(120, 540, 2400, 30);
    }
    Label lbl_title{*this, "lbl_title"};
    Label lbl_body{*this, "lbl_body"};
    Line Line1{*this, "Line1"};
};

class FormExtrasTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { InitCommonControls(); }
    // Wine leaves the first window of a process that asks for the topmost
    // band out of it; the tuner's main window never asks.
    void SetUp() override {
        first.SetTopMost(true);
        first.Load();
    }
    win32::Win32Host host{GetModuleHandleA(nullptr), nullptr};
    Application app{host, "Test"};
    Form first{app, "First"};
    NoticeForm form{app};
};

bool IsTopMost(const Form& form) {
    return (GetWindowLongA(Hwnd(form), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

TEST_F(FormExtrasTest, TopMostHoldsFromCreationAndCanBeLeft) {
    form.SetTopMost(true);
    form.Show();
    EXPECT_TRUE(IsTopMost(form));
    form.SetTopMost(false);
    EXPECT_FALSE(IsTopMost(form));
}

TEST_F(FormExtrasTest, TheScreenPointerOverridesEveryWindowsOwnUntilReset) {
    form.Show();
    auto cursorOver = [](HWND window) {
        SendMessageA(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window),
                     MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        return GetCursor();
    };
    const HCURSOR wait = LoadCursorA(nullptr, IDC_WAIT);
    const HCURSOR arrow = LoadCursorA(nullptr, IDC_ARROW);
    app.SetMousePointer(11);
    EXPECT_EQ(cursorOver(Hwnd(form.lbl_body)), wait);
    EXPECT_EQ(cursorOver(Hwnd(form)), wait);
    app.SetMousePointer(0);
    EXPECT_EQ(cursorOver(Hwnd(form)), arrow);
}

TEST_F(FormExtrasTest, ALabelWithAFontOfItsOwnShowsIt) {
    form.Show();
    auto faceOf = [](HWND window, LOGFONTA& font) {
        const HGDIOBJ handle = reinterpret_cast<HGDIOBJ>(SendMessageA(window, WM_GETFONT, 0, 0));
        return GetObjectA(handle, sizeof(font), &font) == sizeof(font);
    };
    LOGFONTA title{};
    LOGFONTA body{};
    EXPECT_TRUE(faceOf(Hwnd(form.lbl_body), body));
    ASSERT_TRUE(faceOf(Hwnd(form.lbl_title), title));
    EXPECT_STREQ(title.lfFaceName, "Arial");
    EXPECT_EQ(title.lfWeight, FW_BOLD);
    EXPECT_STRNE(body.lfFaceName, "Arial");
}

// Drawn by the system as an etched rule, and passed over by the Tab key.
TEST_F(FormExtrasTest, ALineIsAnEtchedRuleOutOfTheTabOrder) {
    form.Show();
    const LONG style = GetWindowLongA(Hwnd(form.Line1), GWL_STYLE);
    EXPECT_EQ(style & SS_TYPEMASK, SS_ETCHEDHORZ);
    EXPECT_EQ(style & WS_TABSTOP, 0);
    EXPECT_TRUE(IsWindowVisible(Hwnd(form.Line1)));
}

}  // namespace
}  // namespace qn::ui
