#include "throughput/subclass.h"

#include "throughput/raised_error.h"
#include "throughput/subclass_properties.h"

namespace qn {

namespace props = subclass_properties;

namespace {

std::intptr_t HandlerValue(ISubclass* handler) {
    return reinterpret_cast<std::intptr_t>(handler);
}

}  // namespace

std::intptr_t ISubclass::WindowProc(WindowHandle, std::uint32_t, std::uintptr_t, std::intptr_t) {
    return 0;
}

MSubclass::MSubclass(WindowHooks& hooks, std::string programName)
    : hooks_(hooks), programName_(std::move(programName)) {
    hooks_.SetDispatcher(
        [this](WindowHandle hWnd, std::uint32_t iMsg, std::uintptr_t wParam, std::intptr_t lParam) {
            return SharedWindowProc(hWnd, iMsg, wParam, lParam);
        });
}

MSubclass::~MSubclass() {
    hooks_.SetDispatcher(nullptr);
}

std::intptr_t MSubclass::HandlerCount(WindowHandle hWnd, std::uint32_t iMsg) const {
    return hooks_.Property(hWnd, props::HandlerCount(hWnd, iMsg));
}

ISubclass* MSubclass::HandlerAt(WindowHandle hWnd, std::uint32_t iMsg, std::intptr_t index) const {
    return reinterpret_cast<ISubclass*>(hooks_.Property(hWnd, props::Handler(hWnd, iMsg, index)));
}

void MSubclass::AttachMessage(ISubclass* iwp, WindowHandle hWnd, std::uint32_t iMsg) {
    if (!hooks_.IsWindow(hWnd)) ErrRaise(kErrInvalidWindow, programName_);
    if (hooks_.WindowProcessId(hWnd) != hooks_.CurrentProcessId()) {
        ErrRaise(kErrExternalWindow, programName_);
    }
    const std::intptr_t count = HandlerCount(hWnd, iMsg);
    for (std::intptr_t index = 1; index <= count; ++index) {
        if (HandlerAt(hWnd, iMsg, index) == iwp) ErrRaise(kErrAlreadyHandled, programName_);
    }

    const std::string attachments = props::AttachmentCount(hWnd);
    const std::intptr_t attached = hooks_.Property(hWnd, attachments);
    if (attached == 0) {
        const WindowProcedure old = hooks_.InstallDispatcher(hWnd);
        if (old == 0) ErrRaise(kErrCantSubclass, programName_);
        hooks_.SetProperty(hWnd, props::OldProcedure(hWnd), old);
        hooks_.SetProperty(hWnd, attachments, 1);
    } else {
        hooks_.SetProperty(hWnd, attachments, attached + 1);
    }

    hooks_.SetProperty(hWnd, props::HandlerCount(hWnd, iMsg), count + 1);
    hooks_.SetProperty(hWnd, props::Handler(hWnd, iMsg, count + 1), HandlerValue(iwp));
}

void MSubclass::DetachMessage(ISubclass* iwp, WindowHandle hWnd, std::uint32_t iMsg) {
    const std::intptr_t count = HandlerCount(hWnd, iMsg);
    std::intptr_t found = 0;
    for (std::intptr_t index = 1; index <= count && found == 0; ++index) {
        if (HandlerAt(hWnd, iMsg, index) == iwp) found = index;
    }
    if (found == 0) return;

    const std::string attachments = props::AttachmentCount(hWnd);
    const std::intptr_t attached = hooks_.Property(hWnd, attachments);
    if (attached == 1) {
        const std::string oldName = props::OldProcedure(hWnd);
        hooks_.RestoreProcedure(hWnd, hooks_.Property(hWnd, oldName));
        hooks_.RemoveProperty(hWnd, oldName);
        hooks_.RemoveProperty(hWnd, attachments);
    } else {
        hooks_.SetProperty(hWnd, attachments, attached - 1);
    }

    for (std::intptr_t index = found; index < count; ++index) {
        hooks_.SetProperty(hWnd, props::Handler(hWnd, iMsg, index),
                           HandlerValue(HandlerAt(hWnd, iMsg, index + 1)));
    }
    hooks_.RemoveProperty(hWnd, props::Handler(hWnd, iMsg, count));
    hooks_.SetProperty(hWnd, props::HandlerCount(hWnd, iMsg), count - 1);
}

std::intptr_t MSubclass::CallOldWindowProc(WindowHandle hWnd, std::uint32_t iMsg,
                                           std::uintptr_t wParam, std::intptr_t lParam) {
    return hooks_.CallProcedure(oldProcedure_, hWnd, iMsg, wParam, lParam);
}

std::intptr_t MSubclass::SharedWindowProc(WindowHandle hWnd, std::uint32_t iMsg,
                                          std::uintptr_t wParam, std::intptr_t lParam) {
    const WindowProcedure old = hooks_.Property(hWnd, props::OldProcedure(hWnd));
    const std::intptr_t count = HandlerCount(hWnd, iMsg);
    if (count < 1) return hooks_.CallProcedure(old, hWnd, iMsg, wParam, lParam);

    std::intptr_t result = 0;
    bool oldCalled = false;
    for (std::intptr_t index = 1; index <= count; ++index) {
        // A handler may have detached one during this dispatch.
        ISubclass* handler = HandlerAt(hWnd, iMsg, index);
        if (handler == nullptr) {
            result = hooks_.CallProcedure(old, hWnd, iMsg, wParam, lParam);
            continue;
        }
        currentMessage_ = iMsg;
        oldProcedure_ = old;
        if (index == 1 && !oldCalled && handler->MsgResponse() == emrPreProcess) {
            result = hooks_.CallProcedure(old, hWnd, iMsg, wParam, lParam);
            oldCalled = true;
        }
        result = handler->WindowProc(hWnd, iMsg, wParam, lParam);
        // A handler that detached itself during its call may be gone: it is not asked again.
        if (index == count && !oldCalled && HandlerAt(hWnd, iMsg, index) == handler &&
            handler->MsgResponse() == emrPostProcess) {
            result = hooks_.CallProcedure(old, hWnd, iMsg, wParam, lParam);
            oldCalled = true;
        }
    }
    return result;
}

}  // namespace qn
