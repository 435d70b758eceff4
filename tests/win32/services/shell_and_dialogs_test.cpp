#include <windows.h>
#include <gtest/gtest.h>
// After windows.h, which it needs.
#include <commdlg.h>

#include <functional>
#include <string>
#include <thread>

#include "platform/win32/win32_services.h"
#include "tests/e2e/driver/file_dialog.h"
#include "tests/win32/common/dialog_user.h"

namespace qn::win32 {
namespace {

using namespace std::string_literals;

using qn::test::ClassOf;
using qn::test::DialogUser;
using qn::test::TextOf;
using qn::test::WaitForDialog;

void Cancel(HWND dialog) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
}

std::string TempDirectory() {
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    return temp;
}

TEST(CommonDialogsWin32, CancelledOpenDialogReportsNothingChosen) {
    const auto dialogs = MakeWin32CommonDialogs();
    FileDialogRequest request;
    request.title = "Load Settings";
    request.filter = "Settings files (*.reg)\0*.reg\0All files\0*.*\0"s;
    request.filterIndex = 1;
    request.fileName = "start.reg";
    std::string shownTitle;
    DialogUser user([&](HWND dialog) {
        shownTitle = TextOf(dialog);
        Cancel(dialog);
    });
    const FileDialogResult result = dialogs->OpenFile(request);
    ASSERT_TRUE(user.Finish());
    EXPECT_EQ(shownTitle, "Load Settings");
    EXPECT_FALSE(result.chosen);
    EXPECT_EQ(result.extendedError, 0u);  // cancelled, not failed
    EXPECT_TRUE(result.fileName.empty());
}

TEST(CommonDialogsWin32, OpenDialogReturnsTheTypedExistingFile) {
    const std::string directory = TempDirectory();
    const std::string path = directory + "qn dialog pick.reg";
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    CloseHandle(file);

    const auto dialogs = MakeWin32CommonDialogs();
    FileDialogRequest request;
    request.filter = "Settings files (*.reg)\0*.reg\0"s;
    request.filterIndex = 1;
    request.initialDirectory = directory;
    request.flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
    bool typed = false;
    DialogUser user([&](HWND dialog) {
        HWND edit = qn::e2e::FileNameBox(dialog);
        if (edit == nullptr) return Cancel(dialog);
        typed = true;
        SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    });
    const FileDialogResult result = dialogs->OpenFile(request);
    ASSERT_TRUE(user.Finish());
    DeleteFileA(path.c_str());
    ASSERT_TRUE(typed) << "no file-name box in the dialog";
    ASSERT_TRUE(result.chosen) << "extended error " << result.extendedError;
    EXPECT_EQ(lstrcmpiA(result.fileName.c_str(), path.c_str()), 0) << result.fileName;
    EXPECT_EQ(result.fileTitle, "qn dialog pick.reg");
    EXPECT_EQ(result.filterIndex, 1u);
}

TEST(CommonDialogsWin32, CancelledColorDialogKeepsTheColors) {
    const auto dialogs = MakeWin32CommonDialogs();
    ColorDialogRequest request;
    request.color = 0x00336699;
    request.customColors[0] = 0x00FF0000;
    request.customColors[15] = 0x0000FF00;
    request.flags = CC_RGBINIT;
    DialogUser user(Cancel);
    const ColorDialogResult result = dialogs->PickColor(request);
    ASSERT_TRUE(user.Finish());
    EXPECT_FALSE(result.chosen);
    EXPECT_EQ(result.extendedError, 0u);
    EXPECT_EQ(result.color, 0x00336699u);
    EXPECT_EQ(result.customColors, request.customColors);
}

TEST(CommonDialogsWin32, ColorDialogClosedWithOkReturnsTheColorShown) {
    const auto dialogs = MakeWin32CommonDialogs();
    ColorDialogRequest request;
    request.color = 0x00336699;
    request.flags = CC_RGBINIT | CC_FULLOPEN;
    DialogUser user(
        [](HWND dialog) { PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0); });
    const ColorDialogResult result = dialogs->PickColor(request);
    ASSERT_TRUE(user.Finish());
    EXPECT_TRUE(result.chosen);
    EXPECT_EQ(result.color, 0x00336699u);
}

BOOL CALLBACK CollectText(HWND hwnd, LPARAM texts) {
    auto* all = reinterpret_cast<std::string*>(texts);
    *all += TextOf(hwnd) + "\n";
    return TRUE;
}

TEST(ShellWin32, CancelledFolderBrowserReturnsNoFolder) {
    const auto shell = MakeWin32Shell();
    std::string texts;
    DialogUser user([&](HWND dialog) {
        EnumChildWindows(dialog, CollectText, reinterpret_cast<LPARAM>(&texts));
        PostMessageA(dialog, WM_CLOSE, 0, 0);
    });
    const auto folder = shell->BrowseForFolder(0, "Choose the log folder", SpecialFolder::Desktop);
    ASSERT_TRUE(user.Finish());
    EXPECT_FALSE(folder.has_value()) << *folder;
    EXPECT_NE(texts.find("Choose the log folder\n"), std::string::npos) << texts;
}

TEST(ShellWin32, FolderBrowserBelowASpecialFolderCanBeCancelled) {
    const auto shell = MakeWin32Shell();
    DialogUser user(Cancel);
    const auto folder = shell->BrowseForFolder(0, "Favorites", SpecialFolder::Favorites);
    ASSERT_TRUE(user.Finish());
    EXPECT_FALSE(folder.has_value());
}

}  // namespace
}  // namespace qn::win32
