#pragma once
#include <map>

#include "platform/window_hooks.h"

namespace qn {

// Windows the test adds, each with its properties and its current procedure.
// Procedures are numbers the test maps to functions; Send calls the
// current one, which is the dispatcher while the window is hooked.
class MemoryWindowHooks : public WindowHooks {
  public:
    static constexpr WindowProcedure kDispatcher = 1;
    static constexpr std::uint32_t kOwnProcess = 100;

    struct Window {
        WindowProcedure procedure = 0;
        std::uint32_t processId = kOwnProcess;
        bool refusesHook = false;  // as the system refuses another thread's class
        std::map<std::string, std::intptr_t> props;
    };

    Window& AddWindow(WindowHandle handle, WindowProcedure procedure);
    void DestroyWindow(WindowHandle handle) { windows.erase(handle); }
    std::intptr_t Send(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                       std::intptr_t lParam);

    bool IsWindow(WindowHandle window) const override { return windows.count(window) != 0; }
    std::uint32_t WindowProcessId(WindowHandle window) const override;
    std::uint32_t CurrentProcessId() const override { return kOwnProcess; }
    std::intptr_t Property(WindowHandle window, const std::string& name) const override;
    bool SetProperty(WindowHandle window, const std::string& name, std::intptr_t value) override;
    void RemoveProperty(WindowHandle window, const std::string& name) override;
    void SetDispatcher(MessageDispatcher dispatcher) override {
        dispatcher_ = std::move(dispatcher);
    }
    WindowProcedure InstallDispatcher(WindowHandle window) override;
    void RestoreProcedure(WindowHandle window, WindowProcedure procedure) override;
    std::intptr_t CallProcedure(WindowProcedure procedure, WindowHandle window,
                                std::uint32_t message, std::uintptr_t wParam,
                                std::intptr_t lParam) override;

    std::map<WindowHandle, Window> windows;
    std::map<WindowProcedure, MessageDispatcher> procedures;  // unknown ones answer 0

  private:
    MessageDispatcher dispatcher_;
};

}  // namespace qn
