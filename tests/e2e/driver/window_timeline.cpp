#include "tests/e2e/driver/window_timeline.h"

#include <algorithm>
#include <sstream>

namespace qn::e2e {

namespace {

constexpr DWORD kSampleIntervalMs = 1;

// GetWindowTextA rather than WM_GETTEXT: for another process's window it
// reads the stored text without a message, so a busy program cannot stall the
// sampler.
std::string StoredText(HWND window) {
    char text[512] = {};
    GetWindowTextA(window, text, sizeof(text));
    return text;
}

std::string ClassOf(HWND window) {
    char name[256] = {};
    GetClassNameA(window, name, sizeof(name));
    return name;
}

struct Sample {
    DWORD pid;
    std::vector<HWND> windows;
};

BOOL CALLBACK CollectVisible(HWND window, LPARAM param) {
    auto* sample = reinterpret_cast<Sample*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid == sample->pid && IsWindowVisible(window)) sample->windows.push_back(window);
    return TRUE;
}

BOOL CALLBACK CollectChildText(HWND window, LPARAM param) {
    reinterpret_cast<std::vector<std::string>*>(param)->push_back(StoredText(window));
    return TRUE;
}

bool SameWindows(const ScreenState& a, const ScreenState& b) {
    if (a.windows.size() != b.windows.size()) return false;
    for (size_t i = 0; i < a.windows.size(); ++i) {
        if (a.windows[i].window != b.windows[i].window ||
            a.windows[i].caption != b.windows[i].caption) {
            return false;
        }
    }
    return true;
}

}  // namespace

bool ShownWindow::HasChildText(const std::string& text) const {
    return std::find(childTexts.begin(), childTexts.end(), text) != childTexts.end();
}

const ShownWindow* ScreenState::Find(const std::string& caption, bool prefix) const {
    for (const ShownWindow& shown : windows) {
        const bool matches = prefix ? shown.caption.compare(0, caption.size(), caption) == 0
                                    : shown.caption == caption;
        if (matches) return &shown;
    }
    return nullptr;
}

WindowTimeline::~WindowTimeline() {
    Stop();
}

void WindowTimeline::Start(DWORD pid) {
    Stop();
    {
        std::lock_guard<std::mutex> lock(mutex_);
        states_.clear();
    }
    stop_ = false;
    sampler_ = std::thread([this, pid] { Run(pid); });
}

void WindowTimeline::Stop() {
    stop_ = true;
    if (sampler_.joinable()) sampler_.join();
}

void WindowTimeline::Run(DWORD pid) {
    std::vector<ShownWindow> known;  // every window seen, with its children's texts
    while (!stop_) {
        Sample sample{pid, {}};
        EnumWindows(CollectVisible, reinterpret_cast<LPARAM>(&sample));
        ScreenState state;
        state.tick = GetTickCount();
        for (HWND window : sample.windows) {
            auto seen = std::find_if(known.begin(), known.end(),
                                     [&](const ShownWindow& w) { return w.window == window; });
            if (seen == known.end()) {
                ShownWindow shown;
                shown.window = window;
                shown.className = ClassOf(window);
                EnumChildWindows(window, CollectChildText,
                                 reinterpret_cast<LPARAM>(&shown.childTexts));
                known.push_back(shown);
                seen = known.end() - 1;
            }
            ShownWindow shown = *seen;
            shown.caption = StoredText(window);
            state.windows.push_back(shown);
        }
        {
            std::lock_guard<std::mutex> lock(mutex_);
            if (states_.empty() || !SameWindows(states_.back(), state)) states_.push_back(state);
        }
        Sleep(kSampleIntervalMs);
    }
}

std::vector<ScreenState> WindowTimeline::States() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return states_;
}

std::string WindowTimeline::Describe() const {
    std::ostringstream text;
    const std::vector<ScreenState> states = States();
    const DWORD start = states.empty() ? 0 : states.front().tick;
    for (const ScreenState& state : states) {
        text << "  +" << (state.tick - start) << " ms:";
        if (state.windows.empty()) text << " (nothing)";
        for (const ShownWindow& shown : state.windows) {
            text << " [" << shown.className << " \"" << shown.caption << "\"]";
        }
        text << "\n";
    }
    return text.str();
}

}  // namespace qn::e2e
