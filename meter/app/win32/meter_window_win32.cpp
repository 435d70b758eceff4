#include "meter/app/win32/meter_window_win32.h"

#include "meter/app/resource_ids.h"
#include "platform/win32/escaped_error.h"

namespace qn::meter::win32 {

namespace {

// Where the window stands until the settings place it.
constexpr int kInitialWidth = 200;
constexpr int kInitialHeight = 80;

WindowHandle ToHandle(HWND hwnd) {
    return reinterpret_cast<WindowHandle>(hwnd);
}

MeterWindow* WindowOf(HWND hwnd) {
    return reinterpret_cast<MeterWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
}

}  // namespace

MeterWindow::MeterWindow(MeterHost& host, MeterWindowServices& services,
                         std::function<void()> closedByUser)
    : host_(host), services_(services), closedByUser_(std::move(closedByUser)) {}

std::unique_ptr<MeterWindow> MeterWindow::Open(HINSTANCE instance, MeterHost& host,
                                               MeterWindowServices& services,
                                               std::function<void()> closedByUser) {
    RegisterClasses(instance);
    std::unique_ptr<MeterWindow> window(new MeterWindow(host, services, std::move(closedByUser)));
    // A tool window from the start: the taskbar decides on a button when the
    // window first shows, and some shells never look again.
    window->form_ =
        CreateWindowExA(WS_EX_TOOLWINDOW, kMeterWindowClass, "",
                        WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CW_USEDEFAULT, CW_USEDEFAULT,
                        kInitialWidth, kInitialHeight, nullptr, nullptr, instance, window.get());
    if (!window->form_) return nullptr;
    window->picture1_ =
        CreateWindowExA(0, kMeterPictureClass, "", WS_CHILD | WS_VISIBLE, 0, 0, kInitialWidth,
                        kInitialHeight, window->form_, nullptr, instance, window.get());
    if (!window->picture1_) return nullptr;
    window->frm_ = std::make_unique<FrmMeter>(host, services, ToHandle(window->form_),
                                              ToHandle(window->picture1_));
    try {
        window->frm_->Form_Load();
    } catch (...) {
        // A window that did not load has nothing to unload or store.
        window->frm_.reset();
        throw;
    }
    return window;
}

MeterWindow::~MeterWindow() {
    Unload();
    DestroyWindows();
}

void MeterWindow::Unload() {
    if (!frm_) return;
    frm_->Form_Unload();
    // Its hooks leave the window before the window goes.
    frm_.reset();
    DestroyWindows();
}

void MeterWindow::KeepOnTop() {
    if (frm_) frm_->FrmBorder.SetTopMost(true);
}

void MeterWindow::DestroyWindows() {
    HWND form = form_;
    form_ = nullptr;
    picture1_ = nullptr;
    if (form) DestroyWindow(form);
}

void MeterWindow::RegisterClasses(HINSTANCE instance) {
    // Registering a second time fails harmlessly.
    WNDCLASSA form{};
    form.lpfnWndProc = &MeterWindow::FormProc;
    form.hInstance = instance;
    form.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(QN_IDI_DAPPLET));
    form.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
    form.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    form.lpszClassName = kMeterWindowClass;
    RegisterClassA(&form);

    // Double clicks on the graph take the frame off and put it back.
    WNDCLASSA picture{};
    picture.style = CS_DBLCLKS;
    picture.lpfnWndProc = &MeterWindow::PictureProc;
    picture.hInstance = instance;
    picture.hCursor = form.hCursor;
    picture.hbrBackground = form.hbrBackground;
    picture.lpszClassName = kMeterPictureClass;
    RegisterClassA(&picture);
}

LRESULT CALLBACK MeterWindow::FormProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    MeterWindow* window = WindowOf(hwnd);
    try {
        switch (message) {
            case WM_SIZE:
                // Sizes before and after the form's life are the system's own.
                if (window && window->frm_) window->frm_->Form_Resize();
                break;
            case WM_CLOSE:
                if (window) {
                    window->OnClose();
                    return 0;
                }
                break;
            case WM_NCDESTROY:
                SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
                break;
            default:
                break;
        }
    } catch (...) {
        qn::win32::KeepEscapedError();
        return 0;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

void MeterWindow::OnClose() {
    Unload();
    // The owner may destroy this object in there: nothing of it is used after.
    const std::function<void()> closed = closedByUser_;
    if (closed) closed();
}

LRESULT CALLBACK MeterWindow::PictureProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    } else if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    }
    MeterWindow* window = WindowOf(hwnd);
    if (window && window->frm_) {
        try {
            window->OnPictureMouse(message);
        } catch (...) {
            qn::win32::KeepEscapedError();
        }
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

void MeterWindow::OnPictureMouse(UINT message) {
    switch (message) {
        case WM_LBUTTONDOWN:
            frm_->Picture1_MouseDown(kLeftButton);
            break;
        case WM_LBUTTONDBLCLK:
            frm_->Picture1_DblClick();
            break;
        // A quick second press of the other buttons counts as a press of its own.
        case WM_RBUTTONDOWN:
        case WM_RBUTTONDBLCLK:
            frm_->Picture1_MouseDown(kRightButton);
            break;
        case WM_MBUTTONDOWN:
        case WM_MBUTTONDBLCLK:
            frm_->Picture1_MouseDown(kMiddleButton);
            break;
        default:
            break;
    }
}

}  // namespace qn::meter::win32
