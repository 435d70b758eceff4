#include "meter/app/sys_tray.h"

#include <cstring>

#include "meter/app/meter_identity.h"
#include "meter/app/tray_callback.h"

namespace qn::meter {
namespace {

inline constexpr char kTaskbarCreatedMessage[] = "TaskbarCreated";

// Whether the field changed.
template <std::size_t N>
bool StoreText(char (&field)[N], const std::string& text) {
    const std::string fitted = FitToField(text, N);
    if (fitted == field) return false;
    std::memcpy(field, fitted.c_str(), fitted.size() + 1);
    return true;
}

template <typename Event, typename... Args>
void Raise(const Event& event, Args... args) {
    if (event) event(args...);
}

}  // namespace

SysTray::SysTray(NotifyIconShell& shell, GSubclass hooks, WindowHandle ownWindow,
                 IconHandle builtInIcon)
    : shell_(shell), hooks_(hooks), ownWindow_(ownWindow), builtInIcon_(builtInIcon) {
    record_.cbSize = kNotifyIconRecordSize;
    record_.hWnd = ownWindow;
}

SysTray::~SysTray() {
    End();
    // The hooks keep a bare pointer to this object: none may outlive it.
    if (callbackMessage_ != 0) hooks_.DetachMessage(this, ownWindow_, callbackMessage_);
    if (taskbarWindow_ != 0) hooks_.DetachMessage(this, taskbarWindow_, taskbarCreatedMessage_);
}

void SysTray::StartFresh(const SysTrayContainer& container) {
    userMode_ = container.userMode;
    containerWindow_ = container.window;
    containerIcon_ = container.icon;
    SetIcon(0);
    tooltip_.clear();
    visible_ = true;
    restartWithTaskbar_ = true;
}

void SysTray::Start(const SysTrayContainer& container, const SysTrayProperties& properties) {
    userMode_ = container.userMode;
    containerWindow_ = container.window;
    containerIcon_ = container.icon;
    restartWithTaskbar_ = properties.taskbarRestart;
    if (userMode_) {
        callbackMessage_ = shell_.RegisterMessage(TrayCallbackMessageName(container.title));
        if (callbackMessage_ != 0) hooks_.AttachMessage(this, ownWindow_, callbackMessage_);
        if (restartWithTaskbar_) {
            taskbarCreatedMessage_ = shell_.RegisterMessage(kTaskbarCreatedMessage);
            if (taskbarCreatedMessage_ != 0) {
                hooks_.AttachMessage(this, container.window, taskbarCreatedMessage_);
                taskbarWindow_ = container.window;
            }
        }
    }
    SetTooltip(properties.toolTip);
    SetIcon(properties.icon);
    record_.uCallbackMessage = callbackMessage_;
    SetVisible(properties.visible);
}

void SysTray::End() {
    if (visible_) SetVisible(false);
}

void SysTray::SetTooltip(const std::string& text) {
    tooltip_ = text;
    if (StoreText(record_.szTip, text)) Modify(kNifTip);
}

void SysTray::SetVisible(bool visible) {
    if (visible) {
        record_.uFlags = kNifMessage | kNifIcon | kNifTip;
        if (userMode_) shell_.Notify(kNimAdd, record_);
    } else if (userMode_) {
        shell_.Notify(kNimDelete, record_);
    }
    visible_ = visible;
}

void SysTray::SetIcon(IconHandle icon) {
    icon_ = icon;
    IconHandle shown = icon != 0 ? icon : containerIcon_;
    if (shown == 0) shown = builtInIcon_;
    if (shown == record_.hIcon) return;
    record_.hIcon = shown;
    Modify(kNifIcon);
}

void SysTray::ShowMenu(MenuHandle iconMenu, std::uint32_t defaultCommand) {
    // Without the foreground the menu would not close on a click elsewhere.
    shell_.SetForegroundWindow(ownWindow_);
    // The menu belongs to the container, which handles its commands.
    shell_.PopupMenuAtCursor(containerWindow_, iconMenu, defaultCommand != 0, defaultCommand);
}

void SysTray::ShowBaloonNotification(const std::string& message, const std::string& title,
                                     std::uint32_t icon, std::uint32_t /*timeout*/) {
    if (!visible_) return;
    StoreText(record_.szInfo, message);
    StoreText(record_.szInfoTitle, title);
    record_.dwInfoFlags = icon;
    record_.cbSize = kNotifyIconRecordSize;
    Modify(kNifInfo);
}

void SysTray::HideBaloonNotification() {
    if (!visible_) return;
    record_.szInfo[0] = '\0';
    record_.szInfoTitle[0] = '\0';
    record_.dwInfoFlags = kNiifNone;
    Modify(kNifInfo);
}

void SysTray::Modify(std::uint32_t flags) {
    record_.uFlags = flags;
    if (visible_ && userMode_) shell_.Notify(kNimModify, record_);
}

std::intptr_t SysTray::WindowProc(WindowHandle hWnd, std::uint32_t iMsg, std::uintptr_t,
                                  std::intptr_t lParam) {
    if (iMsg == taskbarCreatedMessage_ && taskbarCreatedMessage_ != 0) {
        if (visible_) {
            bool restoreIcon = true;
            if (TaskbarCreated) TaskbarCreated(restoreIcon);
            SetVisible(restoreIcon);
        }
    } else if (iMsg == callbackMessage_ && callbackMessage_ != 0 && hWnd == ownWindow_) {
        RaiseCallbackEvents(lParam);
    }
    return 0;
}

void SysTray::RaiseCallbackEvents(std::intptr_t code) {
    for (const TrayEventCall& call : DecodeTrayCallback(code)) {
        switch (call.event) {
            case TrayEvent::MouseDown:
                Raise(MouseDown, call.button);
                break;
            case TrayEvent::MouseUp:
                Raise(MouseUp, call.button);
                break;
            case TrayEvent::MouseMove:
                Raise(MouseMove);
                break;
            case TrayEvent::DoubleClick:
                Raise(DoubleClick, call.button);
                break;
            case TrayEvent::RightClick:
                Raise(RightClick);
                break;
            case TrayEvent::LeftClick:
                Raise(LeftClick);
                break;
            case TrayEvent::DoubleLeftClick:
                Raise(DoubleLeftClick);
                break;
            case TrayEvent::BalloonShow:
                Raise(BalloonShow);
                break;
            case TrayEvent::BalloonHide:
                Raise(BalloonHide);
                break;
            case TrayEvent::BalloonClicked:
                Raise(BalloonClicked);
                break;
            case TrayEvent::BalloonTimeout:
                Raise(BalloonTimeout);
                break;
        }
    }
}

}  // namespace qn::meter
