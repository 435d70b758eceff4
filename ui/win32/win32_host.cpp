#include "ui/win32/win32_host.h"

#include "platform/win32/escaped_error.h"
#include "ui/win32/control_window.h"
#include "ui/win32/form_window.h"
#include "ui/win32/screen_cursor.h"

namespace qn::ui::win32 {

Win32Host::Win32Host(HINSTANCE instance, HICON icon)
    : instance_(instance), icon_(icon), boxes_(instance) {}

Win32Host::~Win32Host() {
    for (auto& [form, window] : windows_) form->SetPeer(nullptr);
}

void Win32Host::Attach(Form& form) {
    auto& window = windows_[&form];
    if (!window) window = std::make_unique<FormWindow>(form, instance_, icon_);
    form.SetPeer(window.get());
    window->Create();
}

void Win32Host::Detach(Form& form) {
    auto found = windows_.find(&form);
    if (found != windows_.end()) found->second->Destroy();
}

void Win32Host::Release(Form& form) {
    form.SetPeer(nullptr);
    windows_.erase(&form);
}

bool Win32Host::PreTranslate(MSG& msg) {
    if (msg.message < WM_KEYFIRST || msg.message > WM_KEYLAST) return false;
    // The form whose window (or a child of it) the key is for.
    HWND root = msg.hwnd;
    while (root != nullptr && (GetWindowLongPtrA(root, GWL_STYLE) & WS_CHILD) != 0) {
        root = GetParent(root);
    }
    FormWindow* form = FormWindow::FromHandle(root);
    return form != nullptr && form->PreTranslate(msg);
}

// The window may be gone: the input's own handling can unload its form.
void Win32Host::AfterMouseInput(const MSG& msg) {
    if (FormWindow* form = FormWindow::FromHandle(GetParent(msg.hwnd))) form->AfterMouseInput(msg);
}

PumpResult Win32Host::PumpEvents() {
    PumpResult result = PumpResult::Idle;
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            // Outer loops must see it too.
            PostQuitMessage(static_cast<int>(msg.wParam));
            return PumpResult::Quit;
        }
        result = PumpResult::Handled;
        if (!PreTranslate(msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
            qn::win32::RethrowEscapedError();
            if (msg.message >= WM_MOUSEFIRST && msg.message <= WM_MOUSELAST) AfterMouseInput(msg);
        }
    }
    return result;
}

void Win32Host::WaitForEvent() {
    WaitMessage();
}

void Win32Host::WaitForEvent(unsigned timeoutMs) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, timeoutMs, QS_ALLINPUT);
}

void Win32Host::ShowMousePointer(int pointer) {
    SetScreenCursor(pointer);
}

void Win32Host::BeginModal(Form& form) {
    std::vector<HWND>& disabled = disabledByModal_[&form];
    for (auto& [other, window] : windows_) {
        HWND hwnd = window->Handle();
        if (other != &form && hwnd != nullptr && IsWindowEnabled(hwnd)) {
            EnableWindow(hwnd, FALSE);
            disabled.push_back(hwnd);
        }
    }
}

void Win32Host::EndModal(Form& form) {
    auto found = disabledByModal_.find(&form);
    if (found == disabledByModal_.end()) return;
    for (HWND hwnd : found->second) {
        if (IsWindow(hwnd)) EnableWindow(hwnd, TRUE);
    }
    disabledByModal_.erase(found);
}

}  // namespace qn::ui::win32
