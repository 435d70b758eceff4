#pragma once
// What hooking another part's window messages needs of the system: window
// properties, replacing a window's procedure and calling one.
#include <cstdint>
#include <functional>
#include <string>

#include "platform/window_handle.h"

namespace qn {

using WindowProcedure = std::intptr_t;  // a window procedure's address; 0 means none
using MessageDispatcher = std::function<std::intptr_t(WindowHandle window, std::uint32_t message,
                                                      std::uintptr_t wParam, std::intptr_t lParam)>;

class WindowHooks {
  public:
    virtual ~WindowHooks() = default;

    virtual bool IsWindow(WindowHandle window) const = 0;
    virtual std::uint32_t WindowProcessId(WindowHandle window) const = 0;
    virtual std::uint32_t CurrentProcessId() const = 0;

    // 0 for a property the window lacks.
    virtual std::intptr_t Property(WindowHandle window, const std::string& name) const = 0;
    virtual bool SetProperty(WindowHandle window, const std::string& name, std::intptr_t value) = 0;
    virtual void RemoveProperty(WindowHandle window, const std::string& name) = 0;

    // The process has one dispatcher; every hooked window's messages go to it.
    virtual void SetDispatcher(MessageDispatcher dispatcher) = 0;
    // Routes the window's messages to the dispatcher; the procedure it
    // replaced, or 0 (nothing changed) when the system refuses.
    virtual WindowProcedure InstallDispatcher(WindowHandle window) = 0;
    virtual void RestoreProcedure(WindowHandle window, WindowProcedure procedure) = 0;
    virtual std::intptr_t CallProcedure(WindowProcedure procedure, WindowHandle window,
                                        std::uint32_t message, std::uintptr_t wParam,
                                        std::intptr_t lParam) = 0;
};

}  // namespace qn
