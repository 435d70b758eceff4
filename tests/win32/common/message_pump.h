#pragma once
// Message pumps for tests whose windows, timers or hooks work only while the
// test thread dispatches its messages.
#include <windows.h>

#include <functional>

namespace qn::win32 {

// Dispatches the messages waiting for this thread; true when one of them was
// WM_QUIT, which is taken but not dispatched.
inline bool DispatchWaitingMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) return true;
        DispatchMessageA(&message);
    }
    return false;
}

// Dispatches this thread's messages until done() holds or timeoutMs pass;
// whether done() came true. done() is asked again after each round.
inline bool PumpMessagesUntil(const std::function<bool()>& done, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start >= timeoutMs) return false;
        DispatchWaitingMessages();
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return true;
}

// Dispatches this thread's messages for milliseconds.
inline void PumpMessagesFor(DWORD milliseconds) {
    PumpMessagesUntil([] { return false; }, milliseconds);
}

// Dispatches this thread's messages until WM_QUIT arrives or timeoutMs pass;
// whether it arrived.
inline bool PumpMessagesUntilQuit(DWORD timeoutMs) {
    bool quit = false;
    return PumpMessagesUntil([&quit] { return quit || (quit = DispatchWaitingMessages()); },
                             timeoutMs);
}

}  // namespace qn::win32
