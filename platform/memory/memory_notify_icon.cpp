#include "platform/memory/memory_notify_icon.h"

namespace qn {

bool MemoryNotifyIconShell::Notify(std::uint32_t operation, const NotifyIconRecord& record) {
    calls.push_back({operation, record});
    return true;
}

std::uint32_t MemoryNotifyIconShell::RegisterMessage(const std::string& name) {
    const auto found = registered.find(name);
    if (found != registered.end()) return found->second;
    const auto number = static_cast<std::uint32_t>(0xC000 + registered.size());
    registered[name] = number;
    return number;
}

bool MemoryNotifyIconShell::SetForegroundWindow(WindowHandle window) {
    foregrounded.push_back(window);
    return true;
}

void MemoryNotifyIconShell::PopupMenuAtCursor(WindowHandle owner, MenuHandle menu, bool rightButton,
                                              std::uint32_t defaultCommand) {
    popups.push_back({owner, menu, rightButton, defaultCommand});
}

}  // namespace qn
