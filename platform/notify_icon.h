#pragma once
// The shell's notification area (tray icons and their balloons), the
// registration of named window messages and the tray's popup menus.
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/window_handle.h"

namespace qn {

using IconHandle = std::uintptr_t;  // 0 means none
using MenuHandle = std::uintptr_t;

// Operations on an icon.
constexpr std::uint32_t kNimAdd = 0;
constexpr std::uint32_t kNimModify = 1;
constexpr std::uint32_t kNimDelete = 2;

// Which fields of the record an operation uses.
constexpr std::uint32_t kNifMessage = 1;
constexpr std::uint32_t kNifIcon = 2;
constexpr std::uint32_t kNifTip = 4;
constexpr std::uint32_t kNifInfo = 16;

// Balloon icons.
constexpr std::uint32_t kNiifNone = 0;
constexpr std::uint32_t kNiifInfo = 1;
constexpr std::uint32_t kNiifWarning = 2;
constexpr std::uint32_t kNiifError = 3;

// The record size with balloon fields that every shell from Windows 2000
// accepts (32-bit layout; the Win32 side sends its own layout's size).
constexpr std::uint32_t kNotifyIconRecordSize = 488;

// The shell's record; text fields hold their text and a terminating zero.
struct NotifyIconRecord {
    std::uint32_t cbSize = 0;
    WindowHandle hWnd = 0;  // receives the callback message
    std::uint32_t uID = 0;
    std::uint32_t uFlags = 0;
    std::uint32_t uCallbackMessage = 0;
    IconHandle hIcon = 0;
    char szTip[128] = {};
    char szInfo[256] = {};
    std::uint32_t uTimeout = 0;
    char szInfoTitle[64] = {};
    std::uint32_t dwInfoFlags = 0;
};

class NotifyIconShell {
  public:
    virtual ~NotifyIconShell() = default;
    // Adds, modifies or deletes the icon the record names (hWnd and uID).
    virtual bool Notify(std::uint32_t operation, const NotifyIconRecord& record) = 0;
    // The same number for the same name throughout the session; 0 on failure.
    virtual std::uint32_t RegisterMessage(const std::string& name) = 0;
    virtual bool SetForegroundWindow(WindowHandle window) = 0;
    // Shows menu at the cursor until the user chooses or cancels; the chosen
    // command reaches owner as WM_COMMAND. defaultCommand 0: no default item.
    virtual void PopupMenuAtCursor(WindowHandle owner, MenuHandle menu, bool rightButton,
                                   std::uint32_t defaultCommand) = 0;
};

}  // namespace qn
