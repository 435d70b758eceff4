#include <windows.h>
#include <gtest/gtest.h>
// commctrl.h needs the types of windows.h.
#include <commctrl.h>

#include <functional>
#include <string>
#include <thread>

#include "tests/win32/common/dialog_user.h"
#include "ui/application.h"
#include "ui/command_button.h"
#include "ui/text_box.h"
#include "ui/win32/input_dialog_template.h"
#include "ui/win32/win32_host.h"
#include "ui/win32/win32_message_boxes.h"

namespace qn::ui {
namespace {

using qn::test::ClassOf;
using qn::test::DialogUser;
using qn::test::TextOf;
using qn::test::WaitForDialog;

// Posted: a sent click would wait for the box's own thread to answer.
void Press(HWND dialog, int button) {
    PostMessageA(GetDlgItem(dialog, button), BM_CLICK, 0, 0);
}

struct InputBoxSeen {
    std::string title;
    std::string prompt;
    std::string text;
};

class Win32BoxesTest : public ::testing::Test {
  protected:
    win32::Win32MessageBoxes boxes{GetModuleHandleA(nullptr)};
};

TEST_F(Win32BoxesTest, InputBoxShowsItsTextsAndReturnsWhatWasTyped) {
    InputBoxSeen seen;
    DialogUser user([&](HWND dialog) {
        seen.title = TextOf(dialog);
        seen.prompt = TextOf(GetDlgItem(dialog, win32::kInputPromptId));
        HWND edit = GetDlgItem(dialog, win32::kInputTextId);
        seen.text = TextOf(edit);
        SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("ftp.example.net"));
        Press(dialog, IDOK);
    });
    const std::string answer = boxes.InputBox("Host to look up:", "Lookup", "www.example.com");
    ASSERT_TRUE(user.Finish());
    EXPECT_EQ(seen.title, "Lookup");
    EXPECT_EQ(seen.prompt, "Host to look up:");
    EXPECT_EQ(seen.text, "www.example.com");
    EXPECT_EQ(answer, "ftp.example.net");
}

TEST_F(Win32BoxesTest, InputBoxAcceptedUnchangedReturnsTheDefault) {
    DialogUser user([](HWND dialog) { Press(dialog, IDOK); });
    EXPECT_EQ(boxes.InputBox("Prompt", "Title", "kept as it was"), "kept as it was");
    EXPECT_TRUE(user.Finish());
}

TEST_F(Win32BoxesTest, CancelledInputBoxReturnsAnEmptyString) {
    DialogUser user([](HWND dialog) {
        SendMessageA(GetDlgItem(dialog, win32::kInputTextId), WM_SETTEXT, 0,
                     reinterpret_cast<LPARAM>("typed, then cancelled"));
        Press(dialog, IDCANCEL);
    });
    EXPECT_EQ(boxes.InputBox("Prompt", "Title", "default"), "");
    EXPECT_TRUE(user.Finish());
}

TEST_F(Win32BoxesTest, InputBoxClosedFromItsTitleBarCountsAsCancel) {
    DialogUser user([](HWND dialog) { PostMessageA(dialog, WM_CLOSE, 0, 0); });
    EXPECT_EQ(boxes.InputBox("Prompt", "Title", "default"), "");
    EXPECT_TRUE(user.Finish());
}

TEST_F(Win32BoxesTest, MessageBoxReturnsThePressedButton) {
    std::string prompt;
    DialogUser yes([&](HWND dialog) {
        prompt = TextOf(GetDlgItem(dialog, 0xFFFF));
        Press(dialog, IDYES);
    });
    EXPECT_EQ(boxes.MsgBox("Save the changes?", vbYesNo + vbQuestion, "Tuner"), vbYes);
    ASSERT_TRUE(yes.Finish());
    EXPECT_EQ(prompt, "Save the changes?");

    DialogUser no([](HWND dialog) { Press(dialog, IDNO); });
    EXPECT_EQ(boxes.MsgBox("Save the changes?", vbYesNo + vbQuestion, "Tuner"), vbNo);
    EXPECT_TRUE(no.Finish());
}

class TipForm : public Form {
  public:
    explicit TipForm(Application& app) : Form(app, "Tips") {
        SetCaption("Tips");
        Move(-1, -1, 4800, 3000);
        txt_host.Move(120, 120, 3000, 315);
        cmd_go.Move(3480, 120, 1200, 375);
        cmd_go.SetCaption("Go");
        cmd_go.SetToolTipText("Starts the lookup");
    }
    TextBox txt_host{*this, "txt_host"};
    CommandButton cmd_go{*this, "cmd_go"};
};

BOOL CALLBACK CollectToolTip(HWND hwnd, LPARAM lParam) {
    auto* search = reinterpret_cast<std::pair<HWND, HWND>*>(lParam);
    if (ClassOf(hwnd) != TOOLTIPS_CLASSA || GetWindow(hwnd, GW_OWNER) != search->first) {
        return TRUE;
    }
    search->second = hwnd;
    return FALSE;
}

class Win32ToolTipTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { InitCommonControls(); }
    void SetUp() override { form.Show(); }

    HWND FormHwnd() const { return reinterpret_cast<HWND>(form.hWnd()); }
    HWND ToolTipWindow() const {
        std::pair<HWND, HWND> search{FormHwnd(), nullptr};
        EnumThreadWindows(GetCurrentThreadId(), CollectToolTip, reinterpret_cast<LPARAM>(&search));
        return search.second;
    }
    static int ToolCount(HWND tip) {
        return static_cast<int>(SendMessageA(tip, TTM_GETTOOLCOUNT, 0, 0));
    }
    // The text of the tool for control, or "<none>" when it has none.
    std::string ToolText(HWND tip, const Control& control) const {
        char text[1024] = {};  // comctl32 copies up to this much
        TOOLINFOA info = {};
        info.cbSize = TTTOOLINFOA_V1_SIZE;
        info.hwnd = FormHwnd();
        info.uId = static_cast<UINT_PTR>(control.hWnd());
        info.lpszText = text;
        if (!SendMessageA(tip, TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&info))) {
            return "<none>";
        }
        info.lpszText = text;
        SendMessageA(tip, TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&info));
        return text;
    }

    win32::Win32Host host{GetModuleHandleA(nullptr), nullptr};
    Application app{host, "Test"};
    TipForm form{app};
};

TEST_F(Win32ToolTipTest, ControlWithATipHasATool) {
    HWND tip = ToolTipWindow();
    ASSERT_NE(tip, nullptr);
    ASSERT_EQ(ToolCount(tip), 1);
    char text[1024] = {};
    TOOLINFOA info = {};
    info.cbSize = TTTOOLINFOA_V1_SIZE;
    info.lpszText = text;
    ASSERT_TRUE(SendMessageA(tip, TTM_ENUMTOOLSA, 0, reinterpret_cast<LPARAM>(&info)));
    EXPECT_EQ(info.hwnd, FormHwnd());
    EXPECT_EQ(info.uId, static_cast<UINT_PTR>(form.cmd_go.hWnd()));
    EXPECT_TRUE(info.uFlags & TTF_IDISHWND);
    EXPECT_EQ(ToolText(tip, form.cmd_go), "Starts the lookup");
    EXPECT_EQ(ToolText(tip, form.txt_host), "<none>");
}

TEST_F(Win32ToolTipTest, ChangedTipReplacesTheToolsText) {
    HWND tip = ToolTipWindow();
    ASSERT_NE(tip, nullptr);
    form.cmd_go.SetToolTipText("Looks the name up");
    EXPECT_EQ(ToolCount(tip), 1);
    EXPECT_EQ(ToolText(tip, form.cmd_go), "Looks the name up");
    form.txt_host.SetToolTipText("A host name or address");
    EXPECT_EQ(ToolCount(tip), 2);
    EXPECT_EQ(ToolText(tip, form.txt_host), "A host name or address");
}

TEST_F(Win32ToolTipTest, EmptiedTipRemovesTheTool) {
    HWND tip = ToolTipWindow();
    ASSERT_NE(tip, nullptr);
    form.cmd_go.SetToolTipText("");
    EXPECT_EQ(ToolCount(tip), 0);
    EXPECT_EQ(ToolText(tip, form.cmd_go), "<none>");
    form.cmd_go.SetToolTipText("Back again");
    EXPECT_EQ(ToolText(tip, form.cmd_go), "Back again");
}

TEST_F(Win32ToolTipTest, ReshownFormGetsItsToolsBack) {
    form.Unload();
    form.cmd_go.SetToolTipText("Set while unloaded");
    form.Show();
    HWND tip = ToolTipWindow();
    ASSERT_NE(tip, nullptr);
    EXPECT_EQ(ToolCount(tip), 1);
    EXPECT_EQ(ToolText(tip, form.cmd_go), "Set while unloaded");
}

}  // namespace
}  // namespace qn::ui
