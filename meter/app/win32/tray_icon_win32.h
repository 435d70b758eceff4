#pragma once
// One notification-area icon owned by a window.
#include <windows.h>
// shellapi.h needs the types of windows.h.
#include <shellapi.h>

#include <string>

namespace qn::meter::win32 {

// The record size with balloon fields (488 bytes in 32-bit programs), which
// every shell from Windows 2000 accepts and older shells read the start of.
// mingw's sizeof is larger because it adds newer fields.
inline constexpr DWORD kNotifyIconRecordSize = NOTIFYICONDATAA_V2_SIZE;

class TrayIcon {
  public:
    TrayIcon(HWND owner, UINT callbackMessage, HICON icon);
    ~TrayIcon();  // removes the icon if it is shown
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;

    // Adds the icon (again, e.g. after the taskbar was re-created).
    bool Show();
    bool Hide();
    bool Visible() const { return visible_; }

    // Cut to the tooltip field; an unchanged text sends nothing.
    void SetTooltip(const std::string& text);
    // An unchanged handle sends nothing.
    void SetIcon(HICON icon);

    const NOTIFYICONDATAA& Record() const { return record_; }

  private:
    bool Send(DWORD operation, UINT flags);

    NOTIFYICONDATAA record_{};
    bool visible_ = false;
};

}  // namespace qn::meter::win32
