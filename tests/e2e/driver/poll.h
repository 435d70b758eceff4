#pragma once
#include <windows.h>

namespace qn::e2e {

// Calls condition until it returns true or timeoutMs has passed; every wait of
// the harness is bounded so that a broken program fails a test instead of
// hanging the run.
template <class Condition>
bool PollUntil(Condition condition, DWORD timeoutMs, DWORD intervalMs = 20) {
    const DWORD start = GetTickCount();
    for (;;) {
        if (condition()) return true;
        if (GetTickCount() - start >= timeoutMs) return false;
        Sleep(intervalMs);
    }
}

}  // namespace qn::e2e
