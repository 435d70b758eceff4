// A picture box that shows a bitmap of the program's resources: the bitmap
// at its own size, the classic 3-D grey turned into the system's, labels on
// top of it, and clicks.
#include <windows.h>
#include <gtest/gtest.h>

// commctrl.h needs the types of windows.h.
#include <commctrl.h>

#include "tests/e2e/driver/control_input.h"
#include "tests/win32/common/message_pump.h"
#include "tests/win32/ui/native_window.h"
#include "ui/application.h"
#include "ui/simple_controls.h"
#include "ui/win32/win32_host.h"

namespace qn::ui {
namespace {

constexpr int kPictureWidth = 320;
constexpr int kPictureHeight = 120;
// A pixel of the picture's plain band.
constexpr int kBandX = 4;
constexpr int kBandY = 110;

class PictureForm : public Form {
  public:
    explicit PictureForm(Application& app) : Form(app, "Picture") {
        Move(-1, -1, 5400, 3600);
        lbl_on_picture.SetCaption("On the picture");
        lbl_on_picture.Move(600, 1290, 2400, 255);
        pic_shown.SetPicture("hosts_reminder");
        pic_shown.Move(0, 0, kPictureWidth * 15, kPictureHeight * 15);
        pic_surface.Move(0, 1920, 3000, 1200);
        pic_shown.Click.Connect([this] { ++clicks; });
    }
    Label lbl_on_picture{*this, "lbl_on_picture"};
    PictureBox pic_shown{*this, "pic_shown"};
    PictureBox pic_surface{*this, "pic_surface"};
    int clicks = 0;
};

class PictureBoxTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { InitCommonControls(); }
    win32::Win32Host host{GetModuleHandleA(nullptr), nullptr};
    Application app{host, "Test"};
    PictureForm form{app};
};

HBITMAP ShownBitmap(HWND picture) {
    return reinterpret_cast<HBITMAP>(SendMessageA(picture, STM_GETIMAGE, IMAGE_BITMAP, 0));
}

TEST_F(PictureBoxTest, ShowsTheResourceBitmapFlatAndAtItsOwnSize) {
    form.Show();
    HWND shown = Hwnd(form.pic_shown);
    EXPECT_EQ(GetWindowLongA(shown, GWL_STYLE) & SS_TYPEMASK, SS_BITMAP);
    EXPECT_EQ(GetWindowLongA(shown, GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0);
    EXPECT_NE(GetWindowLongA(Hwnd(form.pic_surface), GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0)
        << "a drawing surface stays sunken";
    EXPECT_EQ(ShownBitmap(Hwnd(form.pic_surface)), nullptr);

    const HBITMAP bitmap = ShownBitmap(shown);
    ASSERT_NE(bitmap, nullptr);
    BITMAP info{};
    ASSERT_EQ(GetObjectA(bitmap, sizeof(info), &info), static_cast<int>(sizeof(info)));
    EXPECT_EQ(info.bmWidth, kPictureWidth);
    EXPECT_EQ(info.bmHeight, kPictureHeight);
    RECT rect{};
    GetClientRect(shown, &rect);
    HDC screen = GetDC(nullptr);
    const int dpiX = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    EXPECT_EQ(rect.right, MulDiv(kPictureWidth * 15, dpiX, 1440));
}

TEST_F(PictureBoxTest, ThePicturesClassicGreyBecomesTheSystemsFaceColour) {
    form.Show();
    const HBITMAP bitmap = ShownBitmap(Hwnd(form.pic_shown));
    ASSERT_NE(bitmap, nullptr);
    HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ old = SelectObject(dc, bitmap);
    const COLORREF band = GetPixel(dc, kBandX, kBandY);
    SelectObject(dc, old);
    DeleteDC(dc);
    EXPECT_EQ(band, GetSysColor(COLOR_3DFACE));
}

TEST_F(PictureBoxTest, LabelsLieOnThePictureAndClicksReachIt) {
    form.Show();
    HWND window = Hwnd(form);
    RECT label{};
    GetWindowRect(Hwnd(form.lbl_on_picture), &label);
    POINT inLabel{(label.left + label.right) / 2, (label.top + label.bottom) / 2};
    ScreenToClient(window, &inLabel);
    EXPECT_EQ(ChildWindowFromPointEx(window, inLabel, CWP_ALL), Hwnd(form.lbl_on_picture));

    e2e::ClickMiddle(Hwnd(form.pic_shown));
    EXPECT_TRUE(qn::win32::PumpMessagesUntil([this] { return form.clicks == 1; }, 2000));
}

}  // namespace
}  // namespace qn::ui
