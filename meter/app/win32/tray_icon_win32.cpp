#include "meter/app/win32/tray_icon_win32.h"

#include <cstring>

#include "meter/app/meter_identity.h"

namespace qn::meter::win32 {

TrayIcon::TrayIcon(HWND owner, UINT callbackMessage, HICON icon) {
    record_.cbSize = kNotifyIconRecordSize;
    record_.hWnd = owner;
    record_.uID = 0;
    record_.uCallbackMessage = callbackMessage;
    record_.hIcon = icon;
}

TrayIcon::~TrayIcon() {
    if (visible_) Hide();
}

bool TrayIcon::Show() {
    visible_ = true;
    return Send(NIM_ADD, NIF_MESSAGE | NIF_ICON | NIF_TIP);
}

bool TrayIcon::Hide() {
    visible_ = false;
    return Send(NIM_DELETE, 0);
}

void TrayIcon::SetTooltip(const std::string& text) {
    const std::string fitted = FitToField(text, sizeof(record_.szTip));
    if (fitted == record_.szTip) return;
    std::memcpy(record_.szTip, fitted.c_str(), fitted.size() + 1);
    if (visible_) Send(NIM_MODIFY, NIF_TIP);
}

void TrayIcon::SetIcon(HICON icon) {
    if (icon == record_.hIcon) return;
    record_.hIcon = icon;
    if (visible_) Send(NIM_MODIFY, NIF_ICON);
}

bool TrayIcon::Send(DWORD operation, UINT flags) {
    record_.uFlags = flags;
    return Shell_NotifyIconA(operation, &record_) != FALSE;
}

}  // namespace qn::meter::win32
