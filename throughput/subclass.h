#pragma once
// Message hooks: objects that want another part's window messages register
// for them; the window's own procedure then runs before, after or not at all.
#include <cstdint>
#include <string>

#include "platform/window_hooks.h"

namespace qn {

// How a handler's message reaches the procedure the window had before.
constexpr std::int32_t emrConsume = 0;      // not at all
constexpr std::int32_t emrPostProcess = 1;  // after the handlers
constexpr std::int32_t emrPreProcess = 2;   // before the handlers

// The interface of a handler object. Handlers are not owned by the hooks: a
// handler must detach from every message before it is destroyed.
class ISubclass {
  public:
    virtual ~ISubclass() = default;
    // Asked just before (first handler) and just after (last handler) each call.
    virtual std::int32_t MsgResponse() const { return msgResponse_; }
    virtual void SetMsgResponse(std::int32_t response) { msgResponse_ = response; }
    virtual std::intptr_t WindowProc(WindowHandle hWnd, std::uint32_t iMsg, std::uintptr_t wParam,
                                     std::intptr_t lParam);

  private:
    std::int32_t msgResponse_ = emrConsume;
};

// The module state of the hooks: one per program. All bookkeeping is kept in
// the hooked windows' properties.
class MSubclass {
  public:
    // programName: the executable's name without ".exe", for raised errors.
    MSubclass(WindowHooks& hooks, std::string programName);
    ~MSubclass();
    MSubclass(const MSubclass&) = delete;
    MSubclass& operator=(const MSubclass&) = delete;

    // Raises kErrInvalidWindow, kErrExternalWindow, kErrAlreadyHandled or
    // kErrCantSubclass, changing nothing.
    void AttachMessage(ISubclass* iwp, WindowHandle hWnd, std::uint32_t iMsg);
    // Nothing happens for a handler that is not attached to the message.
    void DetachMessage(ISubclass* iwp, WindowHandle hWnd, std::uint32_t iMsg);

    // The message being dispatched (kept until the next dispatch).
    std::uint32_t CurrentMessage() const { return currentMessage_; }
    // The hooked window's old procedure, for the message being dispatched.
    std::intptr_t CallOldWindowProc(WindowHandle hWnd, std::uint32_t iMsg, std::uintptr_t wParam,
                                    std::intptr_t lParam);

    // Every message of every hooked window arrives here.
    std::intptr_t SharedWindowProc(WindowHandle hWnd, std::uint32_t iMsg, std::uintptr_t wParam,
                                   std::intptr_t lParam);

  private:
    std::intptr_t HandlerCount(WindowHandle hWnd, std::uint32_t iMsg) const;
    ISubclass* HandlerAt(WindowHandle hWnd, std::uint32_t iMsg, std::intptr_t index) const;

    WindowHooks& hooks_;
    std::string programName_;
    // Set just before each handler call; a handler that sends its own window
    // a message sees them replaced.
    std::uint32_t currentMessage_ = 0;
    WindowProcedure oldProcedure_ = 0;
};

// The hooks as the forms use them.
class GSubclass {
  public:
    explicit GSubclass(MSubclass& module) : module_(module) {}
    void AttachMessage(ISubclass* iwp, WindowHandle hWnd, std::uint32_t iMsg) {
        module_.AttachMessage(iwp, hWnd, iMsg);
    }
    void DetachMessage(ISubclass* iwp, WindowHandle hWnd, std::uint32_t iMsg) {
        module_.DetachMessage(iwp, hWnd, iMsg);
    }
    std::uint32_t CurrentMessage() const { return module_.CurrentMessage(); }
    std::intptr_t CallOldWindowProc(WindowHandle hWnd, std::uint32_t iMsg, std::uintptr_t wParam,
                                    std::intptr_t lParam) {
        return module_.CallOldWindowProc(hWnd, iMsg, wParam, lParam);
    }

  private:
    MSubclass& module_;
};

}  // namespace qn
