#pragma once
// What a process showed on the screen over time, for checking the order in
// which its windows came and went.
//
// Wine 8 delivers no EVENT_OBJECT_SHOW, EVENT_OBJECT_HIDE or
// EVENT_OBJECT_DESTROY to an out-of-context WinEvent hook of another process
// (only EVENT_OBJECT_CREATE, and that without waiting for the hook), so the
// timeline samples the visible top-level windows instead, every millisecond
// or so on a thread of its own. A window must stay up for a few milliseconds
// to be seen.
#include <windows.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace qn::e2e {

struct ShownWindow {
    HWND window = nullptr;
    std::string caption;
    std::string className;
    // The texts of its child windows when it was first seen.
    std::vector<std::string> childTexts;

    bool HasChildText(const std::string& text) const;
};

// The visible top-level windows of the process at one moment, in z-order.
struct ScreenState {
    DWORD tick = 0;
    std::vector<ShownWindow> windows;

    const ShownWindow* Find(const std::string& caption, bool prefix = false) const;
};

class WindowTimeline {
  public:
    WindowTimeline() = default;
    ~WindowTimeline();
    WindowTimeline(const WindowTimeline&) = delete;
    WindowTimeline& operator=(const WindowTimeline&) = delete;

    // Starts sampling the windows of process pid; call it right after the
    // process was started, before it can show anything.
    void Start(DWORD pid);
    void Stop();

    // One state per change: a window shown, hidden or recaptioned. The first
    // is the state when sampling began.
    std::vector<ScreenState> States() const;
    // The states as lines of text, for failure messages.
    std::string Describe() const;

  private:
    void Run(DWORD pid);

    std::thread sampler_;
    std::atomic<bool> stop_{false};
    mutable std::mutex mutex_;
    std::vector<ScreenState> states_;
};

}  // namespace qn::e2e
