#include "meter/window/form_border.h"

namespace qn {

namespace {

constexpr std::uint32_t kWsSysMenu = 0x80000;
constexpr std::uint32_t kWsMaximizeBox = 0x10000;
constexpr std::uint32_t kWsMinimizeBox = 0x20000;
constexpr std::uint32_t kWsThickFrame = 0x40000;
constexpr std::uint32_t kWsCaption = 0xC00000;
constexpr std::uint32_t kWsExAppWindow = 0x40000;
constexpr std::uint32_t kWsExToolWindow = 0x80;
constexpr std::uint32_t kWsExTopMost = 0x8;
constexpr std::uint32_t kWsExContextHelp = 0x400;

constexpr std::uint32_t kWmNcLButtonDown = 161;
constexpr std::uint32_t kWmPopupSystemMenu = 787;
constexpr std::uintptr_t kHtCaption = 2;

// The point as a mouse message carries it: x in the low word, y in the high.
std::intptr_t PackedPoint(std::int32_t x, std::int32_t y) {
    const std::uint32_t packed = (static_cast<std::uint32_t>(x) & 0xFFFFu) |
                                 ((static_cast<std::uint32_t>(y) & 0xFFFFu) << 16);
    return static_cast<std::intptr_t>(packed);
}

}  // namespace

bool CFormBorder::HasStyle(std::uint32_t bits) const {
    return (frame_.Style(client_) & bits) != 0;
}

void CFormBorder::ChangeStyle(std::uint32_t bits, bool on) {
    const std::uint32_t style = frame_.Style(client_);
    frame_.SetStyle(client_, on ? style | bits : style & ~bits);
    Redraw();
}

bool CFormBorder::HasExStyle(std::uint32_t bits) const {
    return (frame_.ExStyle(client_) & bits) != 0;
}

void CFormBorder::ChangeExStyle(std::uint32_t bits, bool on) {
    const std::uint32_t exStyle = frame_.ExStyle(client_);
    frame_.SetExStyle(client_, on ? exStyle | bits : exStyle & ~bits);
    Redraw();
}

bool CFormBorder::ControlBox() const {
    return HasStyle(kWsSysMenu);
}

void CFormBorder::SetControlBox(bool value) {
    ChangeStyle(kWsSysMenu, value);
}

bool CFormBorder::MaxButton() const {
    return HasStyle(kWsMaximizeBox);
}

void CFormBorder::SetMaxButton(bool value) {
    EnableMenuItem(kScMaximize, value);
    ChangeStyle(kWsMaximizeBox, value);
}

bool CFormBorder::MinButton() const {
    return HasStyle(kWsMinimizeBox);
}

void CFormBorder::SetMinButton(bool value) {
    EnableMenuItem(kScMinimize, value);
    ChangeStyle(kWsMinimizeBox, value);
}

bool CFormBorder::Moveable() const {
    return frame_.SystemMenuItemEnabled(client_, kScMove);
}

void CFormBorder::SetMoveable(bool value) {
    EnableMenuItem(kScMove, value);
}

bool CFormBorder::Sizeable() const {
    return HasStyle(kWsThickFrame);
}

void CFormBorder::SetSizeable(bool value) {
    EnableMenuItem(kScSize, value);
    ChangeStyle(kWsThickFrame, value);
}

bool CFormBorder::ShowInTaskbar() const {
    return HasExStyle(kWsExAppWindow);
}

void CFormBorder::SetShowInTaskbar(bool value) {
    ChangeExStyle(kWsExAppWindow, value);
}

bool CFormBorder::Titlebar() const {
    return HasStyle(kWsCaption);
}

void CFormBorder::SetTitlebar(bool value) {
    ChangeStyle(kWsCaption, value);
}

bool CFormBorder::ToolWindow() const {
    return HasExStyle(kWsExToolWindow);
}

void CFormBorder::SetToolWindow(bool value) {
    ChangeExStyle(kWsExToolWindow, value);
}

bool CFormBorder::TopMost() const {
    return HasExStyle(kWsExTopMost);
}

void CFormBorder::SetTopMost(bool value) {
    frame_.SetTopMost(client_, value);
}

bool CFormBorder::WhatsThisButton() const {
    return HasExStyle(kWsExContextHelp);
}

void CFormBorder::SetWhatsThisButton(bool value) {
    ChangeExStyle(kWsExContextHelp, value);
}

void CFormBorder::EnableMenuItem(std::uint32_t MenuItem, bool Enabled) {
    frame_.EnableSystemMenuItem(client_, MenuItem, Enabled);
}

void CFormBorder::RemoveMenuItem(std::uint32_t MenuItem) {
    frame_.RemoveSystemMenuItem(client_, MenuItem);
}

void CFormBorder::Redraw() {
    frame_.RefreshFrame(client_);
}

void CFormBorder::ShowSysMenu(std::int32_t x, std::int32_t y) {
    frame_.Send(client_, kWmPopupSystemMenu, 0, PackedPoint(x, y));
}

void CFormBorder::Client_MouseDown(std::int32_t Button) {
    if (!autoDrag_ || Button != kLeftButton) return;
    // The system then runs its own move loop, as for a press on the caption.
    frame_.ReleaseMouseCapture();
    frame_.Send(client_, kWmNcLButtonDown, kHtCaption, 0);
}

void CFormBorder::Client_MouseUp(std::int32_t Button) {
    if (!autoSysMenu_ || Button != kRightButton) return;
    const FramePoint cursor = frame_.CursorPosition();
    ShowSysMenu(cursor.x, cursor.y);
}

}  // namespace qn
