#include "meter/app/win32/main_window_win32.h"

#include "meter/app/meter_identity.h"
#include "meter/app/resource_ids.h"
#include "meter/app/win32/popup_menu_win32.h"
#include "platform/win32/escaped_error.h"

namespace qn::meter::win32 {
namespace {

// Posted by a meter window that its user closed: it goes once its own
// message handling is over.
constexpr UINT kMeterClosedMessage = WM_APP + 1;

bool RegisterMainWindowClass(HINSTANCE instance, WNDPROC windowProc) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    // The tray shows the program's icon when it is given none.
    windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(QN_IDI_DAPPLET));
    windowClass.lpszClassName = kMainWindowClass;
    return RegisterClassA(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

// A tray picture, or the system's when the module has no such resource (as
// test programs).
IconHandle TrayPicture(HINSTANCE instance, int id) {
    HICON icon = LoadIconA(instance, MAKEINTRESOURCEA(id));
    if (icon == nullptr) icon = LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION));
    return reinterpret_cast<IconHandle>(icon);
}

}  // namespace

std::unique_ptr<MainWindow> MainWindow::Create(const MainWindowOptions& options) {
    if (options.services == nullptr) return nullptr;
    if (!RegisterMainWindowClass(options.instance, &MainWindow::WindowProc)) return nullptr;
    std::unique_ptr<MainWindow> window(new MainWindow(options));
    // A tool window that is never shown stays out of the taskbar and Alt+Tab.
    HWND hwnd = CreateWindowExA(WS_EX_TOOLWINDOW, kMainWindowClass, kMeterTitle, WS_OVERLAPPED, 0,
                                0, 0, 0, nullptr, nullptr, options.instance, window.get());
    if (hwnd == nullptr) return nullptr;
    TrayPictures pictures;
    pictures.pNone = TrayPicture(options.instance, QN_IDI_TRAY_NONE);
    pictures.pIn = TrayPicture(options.instance, QN_IDI_TRAY_IN);
    pictures.pOut = TrayPicture(options.instance, QN_IDI_TRAY_OUT);
    pictures.pInOut = TrayPicture(options.instance, QN_IDI_TRAY_IN_OUT);
    pictures.windowIcon = static_cast<IconHandle>(GetClassLongPtrA(hwnd, GCLP_HICON));
    window->form_ =
        std::make_unique<FrmMain>(*options.services, *window, reinterpret_cast<WindowHandle>(hwnd),
                                  pictures, options.revision);
    return window;
}

bool MainWindow::Load() {
    return form_->Form_Load();
}

MainWindow::~MainWindow() {
    if (form_) form_->Form_Unload();
    meter_.reset();
    form_.reset();
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
    try {
        return window->HandleMessage(message, wParam, lParam);
    } catch (...) {
        // Raised again by the message loop, which shows it.
        qn::win32::KeepEscapedError();
        return 0;
    }
}

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    // The tray's own messages never get here: SysTray consumes them.
    switch (message) {
        case WM_COMMAND:
            if (form_) form_->OnMenuCommand(LOWORD(wParam));
            return 0;
        case kMeterClosedMessage:
            meter_.reset();
            return 0;
        case WM_ENDSESSION:
            // Windows ends the process soon after this, without WM_DESTROY:
            // everything is saved now, once.
            if (wParam && form_) form_->Form_Unload();
            return 0;
        case WM_DESTROY:
            // Closed from outside: the program ends as after Exit. It ends
            // even when saving fails.
            SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
            hwnd_ = nullptr;
            PostQuitMessage(0);
            if (form_) form_->Form_Unload();
            return 0;
        default:
            return DefWindowProcA(hwnd_, message, wParam, lParam);
    }
}

void MainWindow::LoadMeter() {
    if (meter_ || !options_.openMeter) return;
    meter_ = options_.openMeter(*form_, [this] { PostMessageA(hwnd_, kMeterClosedMessage, 0, 0); });
}

void MainWindow::UnloadMeter() {
    meter_.reset();
}

void MainWindow::KeepMeterOnTop() {
    if (meter_) meter_->KeepOnTop();
}

void MainWindow::UnloadAll() {
    meter_.reset();
}

void MainWindow::DeleteMenuPictures() {
    menuPictures_.Free();
}

void MainWindow::MsgBox(const std::string& text) {
    MessageBoxA(hwnd_, text.c_str(), kMeterTitle, MB_OK);
}

void MainWindow::PopupMainMenu(SysTray& tray, const std::vector<MenuEntry>& menu) {
    HMENU popup = CreatePopupMenuFrom(menu);
    menuPictures_.Apply(popup, menu);
    tray.ShowMenu(reinterpret_cast<MenuHandle>(popup));
    DestroyMenu(popup);
}

void MainWindow::EndProgram() {
    if (hwnd_ != nullptr) DestroyWindow(hwnd_);
}

}  // namespace qn::meter::win32
