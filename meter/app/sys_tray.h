#pragma once
// SysTray: the control that keeps one notification-area icon for a window
// and turns the shell's callbacks into events.
#include <cstdint>
#include <functional>
#include <string>

#include "platform/notify_icon.h"
#include "throughput/subclass.h"

namespace qn::meter {

// What the control learns from the window it sits on.
struct SysTrayContainer {
    WindowHandle window = 0;  // the top-level window: it gets the TaskbarCreated broadcast
    IconHandle icon = 0;      // the window's own icon, 0 for none
    bool userMode = true;     // false on a design surface: the shell is left alone
    std::string title;        // the program's title: names the callback message
};

// The properties saved with the container.
struct SysTrayProperties {
    bool visible = true;
    std::string toolTip;
    IconHandle icon = 0;  // 0: the container's icon
    bool taskbarRestart = true;
};

class SysTray : public ISubclass {
  public:
    // ownWindow gets the callback messages; builtInIcon is shown when
    // neither the control nor its container has an icon.
    SysTray(NotifyIconShell& shell, GSubclass hooks, WindowHandle ownWindow,
            IconHandle builtInIcon);
    ~SysTray() override;  // removes the icon and detaches from every message
    SysTray(const SysTray&) = delete;
    SysTray& operator=(const SysTray&) = delete;

    // A control just placed on a design surface: no messages are registered.
    void StartFresh(const SysTrayContainer& container);
    // A control read with its container: registers the messages and shows the
    // icon when it is visible.
    void Start(const SysTrayContainer& container, const SysTrayProperties& properties);
    // As at destruction; the control stays readable.
    void End();

    const std::string& Tooltip() const { return tooltip_; }
    void SetTooltip(const std::string& text);
    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    IconHandle Icon() const { return icon_; }
    void SetIcon(IconHandle icon);  // 0: the container's icon
    bool RestartWithTaskbar() const { return restartWithTaskbar_; }
    void SetRestartWithTaskbar(bool restart) { restartWithTaskbar_ = restart; }
    WindowHandle hWnd() const { return ownWindow_; }
    const NotifyIconRecord& Record() const { return record_; }
    std::uint32_t CallbackMessage() const { return callbackMessage_; }

    // defaultCommand 0: no default item.
    void ShowMenu(MenuHandle iconMenu, std::uint32_t defaultCommand = 0);
    // Only while the icon is visible. The timeout is left to the shell.
    void ShowBaloonNotification(const std::string& message, const std::string& title = "",
                                std::uint32_t icon = kNiifInfo, std::uint32_t timeout = 0);
    void HideBaloonNotification();

    // Events, raised in this order for one callback.
    std::function<void(int button)> MouseDown;
    std::function<void(int button)> MouseUp;
    std::function<void()> MouseMove;
    std::function<void(int button)> DoubleClick;
    std::function<void()> RightClick;
    std::function<void()> LeftClick;
    std::function<void()> DoubleLeftClick;
    std::function<void()> BalloonShow;
    std::function<void()> BalloonHide;
    std::function<void()> BalloonClicked;
    std::function<void()> BalloonTimeout;
    // The shell was restarted; the icon is added again unless the handler
    // clears restoreIcon.
    std::function<void(bool& restoreIcon)> TaskbarCreated;

    // The shell's messages answer 0 and never reach the window's procedure.
    std::int32_t MsgResponse() const override { return emrConsume; }
    void SetMsgResponse(std::int32_t) override {}
    std::intptr_t WindowProc(WindowHandle hWnd, std::uint32_t iMsg, std::uintptr_t wParam,
                             std::intptr_t lParam) override;

  private:
    void Attach(WindowHandle window, std::uint32_t message);
    // Sets the fields the shell is to read; tells it while the icon is shown.
    void Modify(std::uint32_t flags);
    void RaiseCallbackEvents(std::intptr_t code);

    NotifyIconShell& shell_;
    GSubclass hooks_;
    WindowHandle ownWindow_;
    IconHandle builtInIcon_;
    WindowHandle containerWindow_ = 0;
    IconHandle containerIcon_ = 0;
    NotifyIconRecord record_;
    bool userMode_ = false;
    bool visible_ = false;
    std::string tooltip_;
    IconHandle icon_ = 0;
    bool restartWithTaskbar_ = true;
    std::uint32_t callbackMessage_ = 0;
    std::uint32_t taskbarCreatedMessage_ = 0;
    WindowHandle taskbarWindow_ = 0;  // where TaskbarCreated is attached, if anywhere
};

}  // namespace qn::meter
