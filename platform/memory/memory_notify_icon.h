#pragma once
#include <map>
#include <vector>

#include "platform/notify_icon.h"

namespace qn {

struct NotifyIconCall {
    std::uint32_t operation;
    NotifyIconRecord record;  // a copy, as it was at the call
};

struct MenuPopup {
    WindowHandle owner;
    MenuHandle menu;
    bool rightButton;
    std::uint32_t defaultCommand;
};

// Records every call; messages are numbered from 0xC000 in order of first
// registration, as the system numbers them.
class MemoryNotifyIconShell : public NotifyIconShell {
  public:
    bool Notify(std::uint32_t operation, const NotifyIconRecord& record) override;
    std::uint32_t RegisterMessage(const std::string& name) override;
    bool SetForegroundWindow(WindowHandle window) override;
    void PopupMenuAtCursor(WindowHandle owner, MenuHandle menu, bool rightButton,
                           std::uint32_t defaultCommand) override;

    std::vector<NotifyIconCall> calls;
    std::map<std::string, std::uint32_t> registered;
    std::vector<WindowHandle> foregrounded;
    std::vector<MenuPopup> popups;
};

}  // namespace qn
