#pragma once
// Helpers for tests that answer a modal dialog box of their own process: the
// dialog call runs on the test thread while a second thread plays the user.
#include <windows.h>

#include <functional>
#include <string>
#include <thread>

namespace qn::test {

inline std::string ClassOf(HWND hwnd) {
    char name[64] = {};
    GetClassNameA(hwnd, name, sizeof name);
    return name;
}

// Sent rather than read directly: the window may belong to another thread.
inline std::string TextOf(HWND hwnd) {
    char text[512] = {};
    SendMessageA(hwnd, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
}

inline BOOL CALLBACK CollectDialog(HWND hwnd, LPARAM found) {
    DWORD process = 0;
    GetWindowThreadProcessId(hwnd, &process);
    if (process != GetCurrentProcessId() || !IsWindowVisible(hwnd)) return TRUE;
    if (ClassOf(hwnd) != "#32770") return TRUE;
    *reinterpret_cast<HWND*>(found) = hwnd;
    return FALSE;
}

// The visible dialog box of this process, or null after about ten seconds.
inline HWND WaitForDialog() {
    for (int i = 0; i < 200; ++i) {
        HWND found = nullptr;
        EnumWindows(CollectDialog, reinterpret_cast<LPARAM>(&found));
        if (found != nullptr) return found;
        Sleep(50);
    }
    return nullptr;
}

// Plays the user on a second thread while the test thread sits in the dialog's
// modal loop. A dialog that never appears leaves the call hanging: ctest's
// timeout ends the run then.
class DialogUser {
  public:
    explicit DialogUser(std::function<void(HWND)> act)
        : thread_([this, act] {
              dialog_ = WaitForDialog();
              if (dialog_ != nullptr) act(dialog_);
          }) {}
    ~DialogUser() { Finish(); }
    DialogUser(const DialogUser&) = delete;
    DialogUser& operator=(const DialogUser&) = delete;

    // Waits for the second thread; true when it found a dialog.
    bool Finish() {
        if (thread_.joinable()) thread_.join();
        return dialog_ != nullptr;
    }

  private:
    HWND dialog_ = nullptr;
    std::thread thread_;
};

}  // namespace qn::test
