#include "ui/win32/form_window.h"

#include <commctrl.h>

#include "ui/command_button.h"
#include "ui/menu_item.h"
#include "ui/option_button.h"
#include "ui/timer.h"
#include "ui/win32/screen_cursor.h"
#include "ui/win32/timer_window.h"

namespace qn::ui::win32 {

namespace {

constexpr char kClassName[] = "QnForm";
constexpr int kFirstControlId = 100;
constexpr UINT_PTR kFirstTimerId = 1;

struct WindowStyle {
    DWORD style;
    DWORD exStyle;
};

WindowStyle StyleFor(BorderStyle border) {
    switch (border) {
        case BorderStyle::None:
            return {WS_POPUP, 0};
        case BorderStyle::Sizable:
            return {WS_OVERLAPPEDWINDOW, 0};
        case BorderStyle::FixedDialog:
            return {WS_POPUP | WS_CAPTION | WS_SYSMENU, WS_EX_DLGMODALFRAME};
        case BorderStyle::FixedToolWindow:
            return {WS_POPUP | WS_CAPTION | WS_SYSMENU, WS_EX_TOOLWINDOW};
        case BorderStyle::FixedSingle:
        default:
            return {WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 0};
    }
}

void RegisterFormClass(HINSTANCE instance, HICON icon) {
    WNDCLASSA existing;
    if (GetClassInfoA(instance, kClassName, &existing)) return;
    WNDCLASSA wc = {};
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = DefWindowProcA;  // replaced per window once its object is known
    wc.hInstance = instance;
    wc.hIcon = icon;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kClassName;
    RegisterClassA(&wc);
}

}  // namespace

FormWindow::FormWindow(Form& form, HINSTANCE instance, HICON icon)
    : form_(form),
      instance_(instance),
      icon_(icon),
      font_(static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT))),
      dpi_(QueryScreenDpi()) {
    RegisterFormClass(instance_, icon_);
}

FormWindow::~FormWindow() {
    Destroy();
}

FormWindow* FormWindow::FromHandle(HWND hwnd) {
    if (hwnd == nullptr || GetWindowLongPtrA(hwnd, GWLP_WNDPROC) !=
                               reinterpret_cast<LONG_PTR>(&FormWindow::WindowProc)) {
        return nullptr;
    }
    return reinterpret_cast<FormWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
}

void FormWindow::Create() {
    if (hwnd_ != nullptr) return;
    const WindowStyle style = StyleFor(form_.Border());
    hwnd_ = CreateWindowExA(style.exStyle, kClassName, form_.Caption().c_str(), style.style,
                            CW_USEDEFAULT, CW_USEDEFAULT, 100, 100, nullptr, nullptr, instance_,
                            nullptr);
    if (hwnd_ == nullptr) return;
    SetWindowLongPtrA(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&FormWindow::WindowProc));
    toolTip_ = CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0, 0, 0, 0,
                               hwnd_, nullptr, instance_, nullptr);
    if (toolTip_ != nullptr) SendMessageA(toolTip_, TTM_SETMAXTIPWIDTH, 0, 400);
    int id = kFirstControlId;
    for (Control* control : form_.Controls()) {
        controls_.push_back(std::make_unique<ControlWindow>(*this, *control, id++));
    }
    UINT_PTR timerId = kFirstTimerId;
    for (Timer* timer : form_.Timers()) {
        timers_.push_back(std::make_unique<TimerWindow>(hwnd_, *timer, timerId++));
    }
    ApplyTabOrder();
    ApplyMenu();
    ApplyBounds();
    ApplyTopMost();
    ApplyVisible();
}

void FormWindow::Destroy() {
    if (hwnd_ == nullptr) return;
    HWND hwnd = hwnd_;
    // Notifications sent while the windows go (focus changes) must not reach
    // the model any more.
    hwnd_ = nullptr;
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    timers_.clear();
    controls_.clear();
    HMENU menu = GetMenu(hwnd);
    DestroyWindow(hwnd);
    if (menu != nullptr) DestroyMenu(menu);
    toolTip_ = nullptr;
    lastFocus_ = nullptr;
}

void FormWindow::AfterMouseInput(const MSG& msg) {
    if (ControlWindow* control = FindControl(msg.hwnd)) control->AfterMouseInput(msg.message, msg.lParam);
}

bool FormWindow::PreTranslate(MSG& msg) {
    if (hwnd_ == nullptr) return false;
    return IsDialogMessageA(hwnd_, &msg) != FALSE;
}

void FormWindow::PropertyChanged(Property property) {
    if (hwnd_ == nullptr) return;
    switch (property) {
        case Property::Caption:
            ApplyCaption();
            break;
        case Property::Bounds:
            ApplyBounds();
            break;
        case Property::Visible:
            ApplyVisible();
            break;
        case Property::ZOrder:
            ApplyTopMost();
            break;
        case Property::Menu:
            ApplyMenu();
            break;
        case Property::Default:
            for (auto& control : controls_) control->ApplyDefaultStyle();
            break;
        default:
            break;
    }
}

LRESULT CALLBACK FormWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<FormWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (self == nullptr || self->hwnd_ == nullptr) {
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
    return self->HandleMessage(message, wParam, lParam);
}

LRESULT FormWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            OnCommand(wParam, lParam);
            return 0;
        case WM_VSCROLL:
        case WM_HSCROLL:
            OnScroll(wParam, lParam);
            return 0;
        case WM_TIMER:
            for (auto& timer : timers_) {
                if (timer->Id() == wParam) {
                    timer->Model().Fire();
                    break;
                }
            }
            return 0;
        case WM_ACTIVATE:
            OnActivate(wParam);
            return 0;
        case DM_GETDEFID:
            if (ControlWindow* button = FindControl(form_.DefaultButton())) {
                return MAKELRESULT(button->Id(), DC_HASDEFID);
            }
            return 0;
        case WM_CTLCOLORSTATIC:
            // Labels with a background of their own (a progress bar's parts).
            if (ControlWindow* control = FindControl(reinterpret_cast<HWND>(lParam))) {
                if (HBRUSH brush = control->BackBrush()) {
                    SetBkColor(reinterpret_cast<HDC>(wParam), control->Model().BackColor());
                    return reinterpret_cast<LRESULT>(brush);
                }
            }
            return DefWindowProcA(hwnd_, message, wParam, lParam);
        case WM_SETCURSOR:
            // Screen.MousePointer overrides the pointer of every window and
            // control; children ask their parent first.
            if (HCURSOR cursor = ScreenCursor()) {
                SetCursor(cursor);
                return TRUE;
            }
            return DefWindowProcA(hwnd_, message, wParam, lParam);
        case WM_CLOSE:
            form_.Unload(vbFormControlMenu);
            return 0;
        case WM_QUERYENDSESSION:
            return form_.Unload(vbAppWindows) ? TRUE : FALSE;
        default:
            return DefWindowProcA(hwnd_, message, wParam, lParam);
    }
}

void FormWindow::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    const int code = HIWORD(wParam);
    if (lParam == 0 && code == 0) {
        if (MenuItem* item = menuBar_.Find(id)) item->Click.Raise();
        return;
    }
    // Enter and Esc, as the dialog manager reports them.
    if (id == IDOK && FindControl(id) == nullptr) return ClickButton(form_.DefaultButton());
    if (id == IDCANCEL) return ClickButton(form_.CancelButton());
    if (ControlWindow* control = FindControl(id)) control->OnCommand(code);
}

void FormWindow::ClickButton(CommandButton* button) {
    if (button != nullptr && button->EffectivelyEnabled() && button->EffectivelyVisible()) {
        button->Click.Raise();
    }
}

void FormWindow::OnScroll(WPARAM wParam, LPARAM lParam) {
    if (ControlWindow* control = FindControl(reinterpret_cast<HWND>(lParam))) {
        control->OnScroll(LOWORD(wParam), static_cast<short>(HIWORD(wParam)));
    }
}

void FormWindow::OnActivate(WPARAM wParam) {
    if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus != nullptr && IsChild(hwnd_, focus)) lastFocus_ = focus;
        return;
    }
    if (lastFocus_ != nullptr && IsWindow(lastFocus_) && IsWindowEnabled(lastFocus_)) {
        SetFocus(lastFocus_);
    } else {
        FocusFirstControl();
    }
}

void FormWindow::FocusFirstControl() {
    if (HWND first = GetNextDlgTabItem(hwnd_, nullptr, FALSE)) SetFocus(first);
}

ControlWindow* FormWindow::FindControl(HWND hwnd) const {
    if (hwnd == nullptr) return nullptr;
    for (auto& control : controls_) {
        if (control->Handle() == hwnd) return control.get();
    }
    return nullptr;
}

ControlWindow* FormWindow::FindControl(int id) const {
    const int index = id - kFirstControlId;
    if (index < 0 || index >= static_cast<int>(controls_.size())) return nullptr;
    return controls_[static_cast<size_t>(index)].get();
}

ControlWindow* FormWindow::FindControl(const Control* model) const {
    for (auto& control : controls_) {
        if (&control->Model() == model) return control.get();
    }
    return nullptr;
}

void FormWindow::ApplyCaption() {
    SetWindowTextA(hwnd_, form_.Caption().c_str());
}

void FormWindow::ApplyBounds() {
    const WindowStyle style = StyleFor(form_.Border());
    RECT rect = {0, 0, dpi_.ToPixelsX(form_.ClientWidth()), dpi_.ToPixelsY(form_.ClientHeight())};
    AdjustWindowRectEx(&rect, style.style, GetMenu(hwnd_) != nullptr, style.exStyle);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    int left = dpi_.ToPixelsX(form_.Left());
    int top = dpi_.ToPixelsY(form_.Top());
    if (form_.Left() < 0 || form_.Top() < 0) {
        left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
        top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    }
    SetWindowPos(hwnd_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void FormWindow::ApplyTopMost() {
    SetWindowPos(hwnd_, form_.TopMost() ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void FormWindow::ApplyVisible() {
    if (!form_.Visible()) {
        ShowWindow(hwnd_, SW_HIDE);
        return;
    }
    Form* owner = form_.Owner();
    HWND ownerWindow = owner != nullptr ? reinterpret_cast<HWND>(owner->hWnd()) : nullptr;
    SetWindowLongPtrA(hwnd_, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(ownerWindow));
    ShowWindow(hwnd_, SW_SHOW);
    SetForegroundWindow(hwnd_);
    HWND focus = GetFocus();
    if (focus == nullptr || !IsChild(hwnd_, focus)) FocusFirstControl();
}

void FormWindow::ApplyMenu() {
    HMENU old = GetMenu(hwnd_);
    SetMenu(hwnd_, menuBar_.Build(form_.Menus()));
    if (old != nullptr) DestroyMenu(old);
    DrawMenuBar(hwnd_);
}

// Tab moves through the windows in z-order, so the z-order follows the tab
// order. Frames go to the bottom so that they never paint over what they hold.
std::vector<Control*> FormWindow::ZOrder() const {
    std::vector<Control*> order;
    for (Control* control : form_.TabOrder()) {
        if (control->Kind() != ControlKind::Frame) order.push_back(control);
    }
    for (Control* control : form_.TabOrder()) {
        if (control->Kind() == ControlKind::Frame) order.push_back(control);
    }
    return order;
}

void FormWindow::ApplyTabOrder() {
    HWND previous = HWND_TOP;
    for (Control* control : ZOrder()) {
        HWND hwnd = reinterpret_cast<HWND>(control->hWnd());
        SetWindowPos(hwnd, previous, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        previous = hwnd;
    }
    ApplyOptionGroups();
}

// The dialog manager moves the arrow keys among the windows from one WS_GROUP
// window to the next, and Tab stops only at WS_TABSTOP windows. So option
// buttons of one container that follow each other in z-order become a group
// closed by WS_GROUP on the window after it, and only the selected one (or
// the first while none is) is a tab stop, so that Tab enters at the selection.
void FormWindow::ApplyOptionGroups() {
    // Windows still being created get theirs once all exist.
    if (hwnd_ == nullptr || controls_.size() != form_.Controls().size()) return;
    auto setStyle = [](const Control* control, LONG_PTR bit, bool on) {
        HWND hwnd = reinterpret_cast<HWND>(control->hWnd());
        const LONG_PTR style = GetWindowLongPtrA(hwnd, GWL_STYLE);
        const LONG_PTR wanted = on ? (style | bit) : (style & ~bit);
        if (wanted != style) SetWindowLongPtrA(hwnd, GWL_STYLE, wanted);
    };
    const std::vector<Control*> order = ZOrder();
    bool afterGroup = false;
    for (size_t first = 0; first < order.size();) {
        const Control* head = order[first];
        if (head->Kind() != ControlKind::OptionButton) {
            setStyle(head, WS_GROUP, afterGroup);
            afterGroup = false;
            ++first;
            continue;
        }
        size_t end = first + 1;
        while (end < order.size() && order[end]->Kind() == ControlKind::OptionButton &&
               order[end]->Container() == head->Container()) {
            ++end;
        }
        const Control* stop = head;
        for (size_t i = first; i < end; ++i) {
            if (static_cast<const OptionButton*>(order[i])->Value()) stop = order[i];
        }
        for (size_t i = first; i < end; ++i) {
            setStyle(order[i], WS_GROUP, i == first);
            setStyle(order[i], WS_TABSTOP, order[i] == stop && stop->TabStop());
        }
        afterGroup = true;
        first = end;
    }
}

}  // namespace qn::ui::win32
