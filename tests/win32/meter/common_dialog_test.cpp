// The dialog wrapper over the system's own colour and open dialogs, which a
// second thread answers as a user would.
#include <windows.h>
#include <gtest/gtest.h>
// After windows.h, which they need.
#include <commdlg.h>
#include <colordlg.h>

#include <string>

#include "meter/app/common_dialog.h"
#include "platform/win32/win32_services.h"
#include "tests/e2e/driver/file_dialog.h"
#include "tests/win32/common/dialog_user.h"

namespace qn::meter {
namespace {

using qn::test::DialogUser;

std::uint32_t SystemColour(std::int32_t index) {
    return GetSysColor(index);
}

// The colour's red, green and blue typed into the opened-out dialog.
TEST(CommonDialogWrapperWin32, ChooseColorGivesTheColourTypedAndCancelGivesMinusOne) {
    const auto dialogs = qn::win32::MakeWin32CommonDialogs();
    cCommonDialog dialog(*dialogs, SystemColour);
    EXPECT_EQ(static_cast<std::uint32_t>(dialog.CustomColor(5)), GetSysColor(5));
    std::int32_t colour = 0x336699;
    DialogUser user([](HWND box) {
        const std::pair<int, const char*> channels[] = {
            {COLOR_RED, "18"}, {COLOR_GREEN, "52"}, {COLOR_BLUE, "86"}};
        for (const auto& [id, text] : channels) {
            SendDlgItemMessageA(box, id, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
            SendMessageA(box, WM_COMMAND, MAKEWPARAM(id, EN_UPDATE),
                         reinterpret_cast<LPARAM>(GetDlgItem(box, id)));
        }
        PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    });
    const bool chosen = dialog.VBChooseColor(colour, true, true, false);
    ASSERT_TRUE(user.Finish());
    ASSERT_TRUE(chosen) << "extended error " << dialog.ExtendedError();
    EXPECT_EQ(colour, 0x563412);
    EXPECT_EQ(dialog.APIReturn(), 1);

    DialogUser canceller(
        [](HWND box) { PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0); });
    EXPECT_FALSE(dialog.VBChooseColor(colour));
    ASSERT_TRUE(canceller.Finish());
    EXPECT_EQ(colour, -1);
    EXPECT_EQ(dialog.ExtendedError(), 0);
}

TEST(CommonDialogWrapperWin32, OpenFileGivesTheFileTypedAndTheFilterChosen) {
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    const std::string path = std::string(temp) + "qn theme sky.bmp";
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    CloseHandle(file);
    const auto dialogs = qn::win32::MakeWin32CommonDialogs();
    cCommonDialog dialog(*dialogs, SystemColour);
    OpenFileArgs args;
    args.Filter = "Pictures (*.bmp;*.ico;*.jpg;*.gif)|*.bmp;*.ico;*.jpg;*.gif";
    DialogUser user([&path](HWND box) {
        HWND edit = qn::e2e::FileNameBox(box);
        if (edit != nullptr)
            SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
        PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    });
    const bool chosen = dialog.VBGetOpenFileName(args);
    ASSERT_TRUE(user.Finish());
    DeleteFileA(path.c_str());
    ASSERT_TRUE(chosen) << "extended error " << dialog.ExtendedError();
    EXPECT_EQ(lstrcmpiA(args.Filename.c_str(), path.c_str()), 0) << args.Filename;
    EXPECT_EQ(args.FileTitle, "qn theme sky.bmp");
    EXPECT_EQ(args.FilterIndex, 1);
    EXPECT_EQ(args.Filter, "Pictures (*.bmp;*.ico;*.jpg;*.gif)");
}

}  // namespace
}  // namespace qn::meter
