#pragma once
#include <windows.h>
// shellapi.h needs the types of windows.h.
#include <shellapi.h>

#include "platform/notify_icon.h"

namespace qn::win32 {

// The record size with balloon fields (488 bytes in 32-bit programs), which
// every shell from Windows 2000 accepts and older shells read the start of.
// mingw's sizeof is larger because it adds newer fields.
inline constexpr DWORD kShellRecordSize = NOTIFYICONDATAA_V2_SIZE;

// The shell's own record for a portable one; cbSize is this layout's size.
NOTIFYICONDATAA ToShellRecord(const NotifyIconRecord& record);

}  // namespace qn::win32
