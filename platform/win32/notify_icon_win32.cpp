#include "platform/win32/notify_icon_win32.h"

#include <cstring>

#include "platform/win32/win32_services.h"
#include "platform/win32/window_handle_win32.h"

namespace qn::win32 {

#ifndef _WIN64
static_assert(kShellRecordSize == kNotifyIconRecordSize, "the 32-bit layout is the portable one");
#endif
static_assert(sizeof(NOTIFYICONDATAA::szTip) == sizeof(NotifyIconRecord::szTip), "tip field");
static_assert(sizeof(NOTIFYICONDATAA::szInfo) == sizeof(NotifyIconRecord::szInfo), "info field");
static_assert(sizeof(NOTIFYICONDATAA::szInfoTitle) == sizeof(NotifyIconRecord::szInfoTitle),
              "info title field");

NOTIFYICONDATAA ToShellRecord(const NotifyIconRecord& record) {
    NOTIFYICONDATAA shell{};
    shell.cbSize = kShellRecordSize;
    shell.hWnd = reinterpret_cast<HWND>(record.hWnd);
    shell.uID = record.uID;
    shell.uFlags = record.uFlags;
    shell.uCallbackMessage = record.uCallbackMessage;
    shell.hIcon = reinterpret_cast<HICON>(record.hIcon);
    std::memcpy(shell.szTip, record.szTip, sizeof(shell.szTip));
    std::memcpy(shell.szInfo, record.szInfo, sizeof(shell.szInfo));
    shell.uTimeout = record.uTimeout;
    std::memcpy(shell.szInfoTitle, record.szInfoTitle, sizeof(shell.szInfoTitle));
    shell.dwInfoFlags = record.dwInfoFlags;
    return shell;
}

namespace {

class Win32NotifyIconShell : public NotifyIconShell {
  public:
    bool Notify(std::uint32_t operation, const NotifyIconRecord& record) override {
        NOTIFYICONDATAA shell = ToShellRecord(record);
        return Shell_NotifyIconA(operation, &shell) != FALSE;
    }

    std::uint32_t RegisterMessage(const std::string& name) override {
        return RegisterWindowMessageA(name.c_str());
    }

    bool SetForegroundWindow(WindowHandle window) override {
        return ::SetForegroundWindow(ToHwnd(window)) != FALSE;
    }

    void PopupMenuAtCursor(WindowHandle owner, MenuHandle menu, bool rightButton,
                           std::uint32_t defaultCommand) override {
        HMENU popup = reinterpret_cast<HMENU>(menu);
        if (defaultCommand != 0) SetMenuDefaultItem(popup, defaultCommand, FALSE);
        POINT cursor{};
        GetCursorPos(&cursor);
        TrackPopupMenu(popup, rightButton ? TPM_RIGHTBUTTON : TPM_LEFTBUTTON, cursor.x, cursor.y, 0,
                       ToHwnd(owner), nullptr);
        // Lets a second click on the icon open the menu again.
        PostMessageA(ToHwnd(owner), WM_NULL, 0, 0);
    }
};

}  // namespace

std::unique_ptr<NotifyIconShell> MakeWin32NotifyIconShell() {
    return std::make_unique<Win32NotifyIconShell>();
}

}  // namespace qn::win32
