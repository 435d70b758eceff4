#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace qn::e2e {

// How a window caption is matched: the whole text or its beginning.
struct Caption {
    std::string text;
    bool prefix = false;

    static Caption Exact(std::string text) { return {std::move(text), false}; }
    static Caption Prefix(std::string text) { return {std::move(text), true}; }
    bool Matches(const std::string& caption) const;
};

// Which top-level windows to look at; pid 0 means any process, an empty class
// name any class.
struct WindowQuery {
    Caption caption;
    DWORD pid = 0;
    std::string className;
    bool visibleOnly = true;
};

std::string WindowText(HWND window);
std::string ClassNameOf(HWND window);
DWORD WindowProcessId(HWND window);

std::vector<HWND> TopLevelWindows(const WindowQuery& query);
inline std::vector<HWND> TopLevelWindows(const Caption& caption, DWORD pid = 0) {
    return TopLevelWindows(WindowQuery{caption, pid, "", true});
}
// The first matching visible top-level window, waiting at most timeoutMs;
// nullptr when none appeared.
HWND WaitForTopLevelWindow(const WindowQuery& query, DWORD timeoutMs);
inline HWND WaitForTopLevelWindow(const Caption& caption, DWORD timeoutMs, DWORD pid = 0) {
    return WaitForTopLevelWindow(WindowQuery{caption, pid, "", true}, timeoutMs);
}
// Waits until no matching window is left; true when they are gone.
bool WaitForNoTopLevelWindow(const WindowQuery& query, DWORD timeoutMs);

// Descendants of parent (any depth) by caption or by control id.
HWND FindChild(HWND parent, const Caption& caption, const std::string& className = "");
HWND FindChildById(HWND parent, int controlId);
std::vector<HWND> ChildWindows(HWND parent);

bool IsEnabled(HWND window);
bool IsShown(HWND window);
// BST_CHECKED of a check box or option button.
bool IsChecked(HWND button);

}  // namespace qn::e2e
