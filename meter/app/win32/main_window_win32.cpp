#include "meter/app/win32/main_window_win32.h"

#include "meter/app/meter_identity.h"
#include "meter/app/tray_callback.h"
#include "meter/app/win32/popup_menu_win32.h"

namespace qn::meter::win32 {
namespace {

bool RegisterMainWindowClass(HINSTANCE instance, WNDPROC windowProc) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kMainWindowClass;
    return RegisterClassA(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

}  // namespace

MainWindow::MainWindow(const MainWindowOptions& options)
    : menu_(BuildMainMenu(options.tunerInstalled, BuiltInThemeNames())) {}

std::unique_ptr<MainWindow> MainWindow::Create(const MainWindowOptions& options) {
    if (!RegisterMainWindowClass(options.instance, &MainWindow::WindowProc)) return nullptr;
    std::unique_ptr<MainWindow> window(new MainWindow(options));
    // A tool window that is never shown stays out of the taskbar and Alt+Tab.
    HWND hwnd =
        CreateWindowExA(WS_EX_TOOLWINDOW, kMainWindowClass, options.title.c_str(), WS_OVERLAPPED, 0,
                        0, 0, 0, nullptr, nullptr, options.instance, window.get());
    if (hwnd == nullptr) return nullptr;
    window->trayCallbackMessage_ =
        RegisterWindowMessageA(TrayCallbackMessageName(options.title).c_str());
    window->taskbarCreatedMessage_ = RegisterWindowMessageA("TaskbarCreated");
    window->tray_ =
        std::make_unique<TrayIcon>(hwnd, window->trayCallbackMessage_, options.trayIcon);
    window->tray_->SetTooltip(options.tooltip);
    window->tray_->Show();
    return window;
}

MainWindow::~MainWindow() {
    tray_.reset();
    if (hwnd_ != nullptr) {
        // Leave no message for a window that no longer has an owner object.
        SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
        DestroyWindow(hwnd_);
    }
}

LRESULT CALLBACK MainWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* window =
            static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        window->hwnd_ = hwnd;
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
    }
    auto* window = reinterpret_cast<MainWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (window == nullptr) return DefWindowProcA(hwnd, message, wParam, lParam);
    return window->HandleMessage(message, wParam, lParam);
}

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == trayCallbackMessage_ && trayCallbackMessage_ != 0) {
        OnTrayCallback(lParam);
        return 0;
    }
    if (message == taskbarCreatedMessage_ && taskbarCreatedMessage_ != 0) {
        // The new shell knows nothing of the icon: add it again.
        if (tray_ && tray_->Visible()) tray_->Show();
        return 0;
    }
    switch (message) {
        case WM_COMMAND:
            OnCommand(LOWORD(wParam));
            return 0;
        case WM_DESTROY:
            if (tray_) tray_->Hide();
            SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
            hwnd_ = nullptr;
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcA(hwnd_, message, wParam, lParam);
    }
}

void MainWindow::OnTrayCallback(LPARAM code) {
    for (const TrayEventCall& call : DecodeTrayCallback(code)) {
        if (call.event == TrayEvent::RightClick) ShowMenu();
    }
}

void MainWindow::ShowMenu() {
    HMENU menu = CreatePopupMenuFrom(menu_);
    TrackTrayMenu(hwnd_, menu);
    DestroyMenu(menu);
}

void MainWindow::OnCommand(unsigned command) {
    if (command == kExitCommand) DestroyWindow(hwnd_);
}

}  // namespace qn::meter::win32
