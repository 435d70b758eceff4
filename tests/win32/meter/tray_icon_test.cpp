#include <gtest/gtest.h>

#include <cstddef>
#include <string>

#include "meter/app/win32/tray_icon_win32.h"

namespace qn::meter::win32 {
namespace {

#ifndef _WIN64
static_assert(kNotifyIconRecordSize == 488, "32-bit record with balloon fields is 488 bytes");
#endif

TEST(TrayIconRecord, SizeEndsBeforeTheNewerFields) {
    EXPECT_EQ(kNotifyIconRecordSize, offsetof(NOTIFYICONDATAA, guidItem));
    EXPECT_LT(kNotifyIconRecordSize, sizeof(NOTIFYICONDATAA));
    EXPECT_GT(kNotifyIconRecordSize, offsetof(NOTIFYICONDATAA, dwInfoFlags));
}

TEST(TrayIconRecord, FieldsSetAtConstruction) {
    HICON icon = LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION));
    HWND owner = reinterpret_cast<HWND>(static_cast<INT_PTR>(0x1234));
    TrayIcon tray(owner, 0xC123, icon);
    const NOTIFYICONDATAA& record = tray.Record();
    EXPECT_EQ(record.cbSize, kNotifyIconRecordSize);
    EXPECT_EQ(record.hWnd, owner);
    EXPECT_EQ(record.uID, 0u);
    EXPECT_EQ(record.uCallbackMessage, 0xC123u);
    EXPECT_EQ(record.hIcon, icon);
    EXPECT_EQ(record.uTimeout, 0u);
    EXPECT_FALSE(tray.Visible());
}

TEST(TrayIconRecord, LongTooltipIsCutAndTerminated) {
    TrayIcon tray(nullptr, 0, nullptr);
    tray.SetTooltip(std::string(200, 'x'));
    EXPECT_EQ(std::string(tray.Record().szTip), std::string(127, 'x'));
}

}  // namespace
}  // namespace qn::meter::win32
