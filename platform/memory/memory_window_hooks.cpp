#include "platform/memory/memory_window_hooks.h"

namespace qn {

MemoryWindowHooks::Window& MemoryWindowHooks::AddWindow(WindowHandle handle,
                                                        WindowProcedure procedure) {
    Window& window = windows[handle];
    window.procedure = procedure;
    return window;
}

std::intptr_t MemoryWindowHooks::Send(WindowHandle window, std::uint32_t message,
                                      std::uintptr_t wParam, std::intptr_t lParam) {
    const auto found = windows.find(window);
    if (found == windows.end()) return 0;
    return CallProcedure(found->second.procedure, window, message, wParam, lParam);
}

std::uint32_t MemoryWindowHooks::WindowProcessId(WindowHandle window) const {
    const auto found = windows.find(window);
    return found == windows.end() ? 0 : found->second.processId;
}

std::intptr_t MemoryWindowHooks::Property(WindowHandle window, const std::string& name) const {
    const auto found = windows.find(window);
    if (found == windows.end()) return 0;
    const auto prop = found->second.props.find(name);
    return prop == found->second.props.end() ? 0 : prop->second;
}

bool MemoryWindowHooks::SetProperty(WindowHandle window, const std::string& name,
                                    std::intptr_t value) {
    const auto found = windows.find(window);
    if (found == windows.end()) return false;
    found->second.props[name] = value;
    return true;
}

void MemoryWindowHooks::RemoveProperty(WindowHandle window, const std::string& name) {
    const auto found = windows.find(window);
    if (found != windows.end()) found->second.props.erase(name);
}

WindowProcedure MemoryWindowHooks::InstallDispatcher(WindowHandle window) {
    const auto found = windows.find(window);
    if (found == windows.end() || found->second.refusesHook) return 0;
    const WindowProcedure previous = found->second.procedure;
    found->second.procedure = kDispatcher;
    return previous;
}

void MemoryWindowHooks::RestoreProcedure(WindowHandle window, WindowProcedure procedure) {
    const auto found = windows.find(window);
    if (found != windows.end()) found->second.procedure = procedure;
}

std::intptr_t MemoryWindowHooks::CallProcedure(WindowProcedure procedure, WindowHandle window,
                                               std::uint32_t message, std::uintptr_t wParam,
                                               std::intptr_t lParam) {
    if (procedure == kDispatcher) {
        return dispatcher_ ? dispatcher_(window, message, wParam, lParam) : 0;
    }
    const auto found = procedures.find(procedure);
    if (found == procedures.end() || !found->second) return 0;
    // A copy: the procedure may change the table.
    const MessageDispatcher call = found->second;
    return call(window, message, wParam, lParam);
}

}  // namespace qn
