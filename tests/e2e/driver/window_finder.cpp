#include "tests/e2e/driver/window_finder.h"

#include "tests/e2e/driver/poll.h"

namespace qn::e2e {

namespace {

constexpr UINT kTextTimeoutMs = 5000;

struct Collector {
    const WindowQuery* query;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectTopLevel(HWND window, LPARAM param) {
    auto* collector = reinterpret_cast<Collector*>(param);
    const WindowQuery& query = *collector->query;
    if (query.visibleOnly && !IsWindowVisible(window)) return TRUE;
    if (query.pid != 0 && WindowProcessId(window) != query.pid) return TRUE;
    if (!query.className.empty() && ClassNameOf(window) != query.className) return TRUE;
    if (!query.caption.Matches(WindowText(window))) return TRUE;
    collector->found.push_back(window);
    return TRUE;
}

BOOL CALLBACK CollectChild(HWND window, LPARAM param) {
    reinterpret_cast<std::vector<HWND>*>(param)->push_back(window);
    return TRUE;
}

}  // namespace

bool Caption::Matches(const std::string& caption) const {
    if (prefix) return caption.compare(0, text.size(), text) == 0;
    return caption == text;
}

std::string WindowText(HWND window) {
    // WM_GETTEXT rather than GetWindowTextA: it also reads the text of
    // controls that belong to another process. Bounded, as every wait here:
    // a window whose program hangs reads as "" instead of hanging the test.
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kTextTimeoutMs,
                             &length)) {
        return "";
    }
    std::string text(static_cast<size_t>(length) + 1, '\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]),
                             SMTO_ABORTIFHUNG, kTextTimeoutMs, &copied)) {
        return "";
    }
    text.resize(static_cast<size_t>(copied));
    return text;
}

std::string ClassNameOf(HWND window) {
    char name[256] = {};
    GetClassNameA(window, name, sizeof(name));
    return name;
}

DWORD WindowProcessId(HWND window) {
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    return pid;
}

std::vector<HWND> TopLevelWindows(const WindowQuery& query) {
    Collector collector{&query, {}};
    EnumWindows(CollectTopLevel, reinterpret_cast<LPARAM>(&collector));
    return collector.found;
}

HWND WaitForTopLevelWindow(const WindowQuery& query, DWORD timeoutMs) {
    HWND found = nullptr;
    PollUntil(
        [&] {
            const auto windows = TopLevelWindows(query);
            if (!windows.empty()) found = windows.front();
            return found != nullptr;
        },
        timeoutMs);
    return found;
}

bool WaitForNoTopLevelWindow(const WindowQuery& query, DWORD timeoutMs) {
    return PollUntil([&] { return TopLevelWindows(query).empty(); }, timeoutMs);
}

std::vector<HWND> ChildWindows(HWND parent) {
    std::vector<HWND> children;
    EnumChildWindows(parent, CollectChild, reinterpret_cast<LPARAM>(&children));
    return children;
}

HWND FindChild(HWND parent, const Caption& caption, const std::string& className) {
    for (HWND child : ChildWindows(parent)) {
        if (!className.empty() && ClassNameOf(child) != className) continue;
        if (caption.Matches(WindowText(child))) return child;
    }
    return nullptr;
}

HWND FindChildById(HWND parent, int controlId) {
    for (HWND child : ChildWindows(parent)) {
        if (GetDlgCtrlID(child) == controlId) return child;
    }
    return nullptr;
}

bool IsEnabled(HWND window) {
    return IsWindowEnabled(window) != FALSE;
}

bool IsShown(HWND window) {
    return IsWindowVisible(window) != FALSE;
}

bool IsChecked(HWND button) {
    return SendMessageA(button, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

}  // namespace qn::e2e
