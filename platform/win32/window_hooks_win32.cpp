#include <windows.h>

#include "platform/win32/escaped_error.h"
#include "platform/win32/win32_services.h"
#include "platform/win32/window_handle_win32.h"

namespace qn::win32 {

namespace {

// The system calls one static procedure for every hooked window; the
// dispatcher is process-wide state.
MessageDispatcher& Dispatcher() {
    static MessageDispatcher dispatcher;
    return dispatcher;
}

LRESULT CALLBACK SharedProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    // A copy: a handler may end the module and so replace the dispatcher.
    const MessageDispatcher dispatcher = Dispatcher();
    if (!dispatcher) return DefWindowProcA(hwnd, message, wParam, lParam);
    try {
        return dispatcher(reinterpret_cast<WindowHandle>(hwnd), message, wParam, lParam);
    } catch (...) {
        KeepEscapedError();
        return 0;
    }
}

class Win32WindowHooks : public WindowHooks {
  public:
    bool IsWindow(WindowHandle window) const override { return ::IsWindow(ToHwnd(window)) != 0; }

    std::uint32_t WindowProcessId(WindowHandle window) const override {
        DWORD process = 0;
        GetWindowThreadProcessId(ToHwnd(window), &process);
        return process;
    }

    std::uint32_t CurrentProcessId() const override { return GetCurrentProcessId(); }

    std::intptr_t Property(WindowHandle window, const std::string& name) const override {
        return reinterpret_cast<std::intptr_t>(GetPropA(ToHwnd(window), name.c_str()));
    }

    bool SetProperty(WindowHandle window, const std::string& name, std::intptr_t value) override {
        return SetPropA(ToHwnd(window), name.c_str(), reinterpret_cast<HANDLE>(value)) != 0;
    }

    void RemoveProperty(WindowHandle window, const std::string& name) override {
        RemovePropA(ToHwnd(window), name.c_str());
    }

    void SetDispatcher(MessageDispatcher dispatcher) override {
        Dispatcher() = std::move(dispatcher);
    }

    WindowProcedure InstallDispatcher(WindowHandle window) override {
        return SetWindowLongPtrA(ToHwnd(window), GWLP_WNDPROC,
                                 reinterpret_cast<LONG_PTR>(&SharedProcedure));
    }

    void RestoreProcedure(WindowHandle window, WindowProcedure procedure) override {
        SetWindowLongPtrA(ToHwnd(window), GWLP_WNDPROC, procedure);
    }

    std::intptr_t CallProcedure(WindowProcedure procedure, WindowHandle window,
                                std::uint32_t message, std::uintptr_t wParam,
                                std::intptr_t lParam) override {
        // A window that is no longer hooked has no old procedure on record.
        if (procedure == 0) return DefWindowProcA(ToHwnd(window), message, wParam, lParam);
        return CallWindowProcA(reinterpret_cast<WNDPROC>(procedure), ToHwnd(window), message,
                               wParam, lParam);
    }
};

}  // namespace

std::unique_ptr<WindowHooks> MakeWin32WindowHooks() {
    return std::make_unique<Win32WindowHooks>();
}

}  // namespace qn::win32
