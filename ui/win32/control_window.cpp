#include "ui/win32/control_window.h"

#include <commctrl.h>

#include <algorithm>
#include <string>
#include <vector>

#include "ui/check_box.h"
#include "ui/command_button.h"
#include "ui/form.h"
#include "ui/list_control.h"
#include "ui/option_button.h"
#include "ui/scroll_bar.h"
#include "ui/simple_controls.h"
#include "ui/text_box.h"
#include "ui/win32/form_window.h"

namespace qn::ui::win32 {

namespace {

struct WindowKind {
    const char* className;
    DWORD style;
    DWORD exStyle;
};

WindowKind KindOf(const Control& control) {
    switch (control.Kind()) {
        case ControlKind::Label:
            return {"STATIC", SS_LEFT | SS_NOTIFY, 0};
        case ControlKind::TextBox: {
            const auto& box = static_cast<const TextBox&>(control);
            DWORD style = ES_AUTOHSCROLL;
            if (box.MultiLine()) style = ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL;
            if (box.Locked()) style |= ES_READONLY;
            return {"EDIT", style, WS_EX_CLIENTEDGE};
        }
        case ControlKind::CommandButton:
            return {"BUTTON", BS_PUSHBUTTON | BS_NOTIFY, 0};
        case ControlKind::OptionButton:
            // Automatic, because the dialog manager clicks only those when an
            // arrow key reaches them; the click then updates the model. The
            // group and tab-stop styles come from FormWindow::ApplyOptionGroups.
            return {"BUTTON", BS_AUTORADIOBUTTON | BS_NOTIFY, 0};
        case ControlKind::CheckBox:
            return {"BUTTON", BS_3STATE | BS_NOTIFY, 0};
        case ControlKind::ComboBox:
            return {"COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL, 0};
        case ControlKind::ListBox: {
            DWORD style = LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL;
            if (static_cast<const ListControl&>(control).MultiSelect()) style |= LBS_MULTIPLESEL;
            return {"LISTBOX", style, WS_EX_CLIENTEDGE};
        }
        case ControlKind::Frame:
            return {"BUTTON", BS_GROUPBOX, 0};
        case ControlKind::PictureBox:
            if (!static_cast<const PictureBox&>(control).Picture().empty()) {
                return {"STATIC", SS_BITMAP | SS_NOTIFY, 0};
            }
            // Sunken, as picture boxes are by default.
            return {"STATIC", SS_NOTIFY, WS_EX_CLIENTEDGE};
        case ControlKind::VScrollBar:
            return {"SCROLLBAR", SBS_VERT, 0};
        case ControlKind::Line:
            return {"STATIC", SS_ETCHEDHORZ, 0};
        case ControlKind::HScrollBar:
        default:
            return {"SCROLLBAR", SBS_HORZ, 0};
    }
}

bool IsButtonPress(unsigned message) {
    return message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN;
}

std::string WindowText(HWND hwnd) {
    std::vector<char> buffer(static_cast<size_t>(GetWindowTextLengthA(hwnd)) + 1);
    const int length = GetWindowTextA(hwnd, buffer.data(), static_cast<int>(buffer.size()));
    return std::string(buffer.data(), static_cast<size_t>(std::max(length, 0)));
}

// The tool record of the oldest comctl32 (Windows 95), which every later
// version accepts.
TOOLINFOA ToolInfo(HWND owner, HWND tool, const std::string* text) {
    TOOLINFOA info = {};
    info.cbSize = TTTOOLINFOA_V1_SIZE;
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = owner;
    info.uId = reinterpret_cast<UINT_PTR>(tool);
    info.lpszText = text != nullptr ? const_cast<char*>(text->c_str()) : nullptr;
    return info;
}

}  // namespace

ControlWindow::ControlWindow(FormWindow& owner, Control& control, int id)
    : owner_(owner), control_(control), id_(id) {
    const WindowKind kind = KindOf(control);
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS | kind.style;
    if (control.TabStop()) style |= WS_TABSTOP;
    hwnd_ = CreateWindowExA(
        kind.exStyle, kind.className, control.DisplayText().c_str(), style, 0, 0, 0, 0,
        owner.Handle(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
        reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(owner.Handle(), GWLP_HINSTANCE)), nullptr);
    const Font& own = control.GetFont();
    if (!own.name.empty()) {
        font_ = CreateFontA(-MulDiv(own.points, owner.Dpi().y, 72), 0, 0, 0,
                            own.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET,
                            OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                            DEFAULT_PITCH | FF_DONTCARE, own.name.c_str());
    }
    const HFONT font = font_ != nullptr ? font_ : owner.Font();
    SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    ShowPicture();
    control_.SetPeer(this);
    applying_ = true;
    ApplyBounds();
    ApplyRange();
    ApplyItems();
    ApplyValue();
    ApplyDefaultStyle();
    ApplyEnabled();
    ApplyVisible();
    ApplyToolTip();
    applying_ = false;
}

ControlWindow::~ControlWindow() {
    control_.SetPeer(nullptr);
    RemoveToolTip();
    if (hwnd_ != nullptr && IsWindow(hwnd_)) DestroyWindow(hwnd_);
    if (font_ != nullptr) DeleteObject(font_);
    // A static control never deletes the bitmap it was given.
    if (bitmap_ != nullptr) DeleteObject(bitmap_);
    if (backBrush_ != nullptr) DeleteObject(backBrush_);
}

HBRUSH ControlWindow::BackBrush() {
    if (!control_.HasBackColor()) return nullptr;
    if (backBrush_ == nullptr) backBrush_ = CreateSolidBrush(control_.BackColor());
    return backBrush_;
}

void ControlWindow::ShowPicture() {
    if (control_.Kind() != ControlKind::PictureBox) return;
    const std::string& name = static_cast<const PictureBox&>(control_).Picture();
    if (name.empty()) return;
    HBITMAP shown = bitmap_;
    // The classic 3-D greys of the picture become the system's colours, so
    // that a picture can match the controls on it on any colour scheme.
    bitmap_ = static_cast<HBITMAP>(
        LoadImageA(reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(hwnd_, GWLP_HINSTANCE)),
                   name.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADMAP3DCOLORS));
    if (bitmap_ != nullptr) {
        SendMessageA(hwnd_, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap_));
    }
    if (shown != nullptr) DeleteObject(shown);
}

void ControlWindow::PropertyChanged(Property property) {
    applying_ = true;
    switch (property) {
        case Property::Caption:
            ApplyText();
            break;
        case Property::Enabled:
            ApplyEnabled();
            owner_.ForEachInside(control_, [](ControlWindow& child) { child.ApplyEnabled(); });
            break;
        case Property::Visible:
            ApplyVisible();
            owner_.ForEachInside(control_, [](ControlWindow& child) { child.ApplyVisible(); });
            break;
        case Property::Value:
            ApplyValue();
            break;
        case Property::Range:
            ApplyRange();
            ApplyValue();
            break;
        case Property::Items:
            ApplyItems();
            break;
        case Property::ListIndex:
            ApplyListIndex();
            break;
        case Property::ToolTip:
            ApplyToolTip();
            break;
        case Property::Bounds:
            ApplyBounds();
            owner_.ForEachInside(control_, [](ControlWindow& child) { child.ApplyBounds(); });
            break;
        case Property::TabOrder:
            owner_.ApplyTabOrder();
            break;
        case Property::Focus:
            SetFocus(hwnd_);
            break;
        case Property::Selection:
            ApplySelection();
            break;
        case Property::BackColor:
            if (backBrush_ != nullptr) DeleteObject(backBrush_);
            backBrush_ = nullptr;
            InvalidateRect(hwnd_, nullptr, TRUE);
            break;
        default:
            break;
    }
    applying_ = false;
}

// A list box tells of a new current item only when the button is released;
// a press or a drag shows it at once. The model learns it first, so that its
// mouse handlers see the item the user sees.
void ControlWindow::AfterMouseInput(unsigned message, LPARAM position) {
    if (control_.Kind() == ControlKind::PictureBox && IsButtonPress(message)) {
        // The client coordinates' signed halves.
        return static_cast<PictureBox&>(control_).Pressed(static_cast<short>(LOWORD(position)),
                                                          static_cast<short>(HIWORD(position)));
    }
    if (control_.Kind() != ControlKind::ListBox) return;
    if (!IsButtonPress(message) && message != WM_MOUSEMOVE) return;
    auto& list = static_cast<ListControl&>(control_);
    if (list.MultiSelect()) return;
    list.SetListIndex(static_cast<int>(SendMessageA(hwnd_, LB_GETCURSEL, 0, 0)));
    (message == WM_MOUSEMOVE ? list.MouseMove : list.MouseDown).Raise();
}

void ControlWindow::OnCommand(int code) {
    if (applying_) return;
    switch (control_.Kind()) {
        case ControlKind::CommandButton:
            if (code == BN_CLICKED) static_cast<CommandButton&>(control_).Click.Raise();
            break;
        case ControlKind::OptionButton:
            if (code == BN_CLICKED) static_cast<OptionButton&>(control_).SetValue(true);
            break;
        case ControlKind::CheckBox:
            if (code == BN_CLICKED) static_cast<CheckBox&>(control_).Toggle();
            break;
        case ControlKind::TextBox:
            if (code == EN_CHANGE) static_cast<TextBox&>(control_).SetText(WindowText(hwnd_));
            break;
        case ControlKind::ComboBox:
            if (code == CBN_SELCHANGE) {
                const auto index = static_cast<int>(SendMessageA(hwnd_, CB_GETCURSEL, 0, 0));
                static_cast<ListControl&>(control_).SetListIndex(index);
            }
            break;
        case ControlKind::ListBox:
            if (code == LBN_SELCHANGE) {
                auto& list = static_cast<ListControl&>(control_);
                if (list.MultiSelect()) {
                    // The click toggled the item with the focus.
                    const auto index =
                        static_cast<int>(SendMessageA(hwnd_, LB_GETCARETINDEX, 0, 0));
                    if (index >= 0 && index < list.ListCount()) {
                        list.ItemClicked(index, SendMessageA(hwnd_, LB_GETSEL, index, 0) > 0);
                    }
                } else {
                    list.SetListIndex(static_cast<int>(SendMessageA(hwnd_, LB_GETCURSEL, 0, 0)));
                }
            }
            break;
        case ControlKind::PictureBox:
            if (code == STN_CLICKED) static_cast<PictureBox&>(control_).Click.Raise();
            break;
        case ControlKind::Label:
            if (code == STN_CLICKED) static_cast<Label&>(control_).Click.Raise();
            break;
        default:
            break;
    }
    // The same codes mean "focus arrives / leaves" for edit, button and list
    // notifications alike only per class, so test per class.
    const bool gotFocus = (control_.Kind() == ControlKind::TextBox && code == EN_SETFOCUS) ||
                          (control_.Kind() == ControlKind::ComboBox && code == CBN_SETFOCUS) ||
                          (control_.Kind() == ControlKind::ListBox && code == LBN_SETFOCUS) ||
                          (code == BN_SETFOCUS && (control_.Kind() == ControlKind::CommandButton ||
                                                   control_.Kind() == ControlKind::OptionButton ||
                                                   control_.Kind() == ControlKind::CheckBox));
    const bool lostFocus =
        (control_.Kind() == ControlKind::TextBox && code == EN_KILLFOCUS) ||
        (control_.Kind() == ControlKind::ComboBox && code == CBN_KILLFOCUS) ||
        (control_.Kind() == ControlKind::ListBox && code == LBN_KILLFOCUS) ||
        (code == BN_KILLFOCUS && (control_.Kind() == ControlKind::CommandButton ||
                                  control_.Kind() == ControlKind::OptionButton ||
                                  control_.Kind() == ControlKind::CheckBox));
    if (gotFocus) {
        control_.Parent().SetActiveControl(&control_);
        control_.GotFocus.Raise();
    } else if (lostFocus) {
        control_.LostFocus.Raise();
    }
}

void ControlWindow::OnScroll(int code, int position) {
    auto& bar = static_cast<ScrollBar&>(control_);
    switch (code) {
        case SB_LINEUP:
            bar.StepTowardsMin();
            break;
        case SB_LINEDOWN:
            bar.StepTowardsMax();
            break;
        case SB_THUMBPOSITION:
            bar.SetValue(ScrollPosition(position));
            break;
        default:
            break;
    }
}

// The window's range always runs upwards; a bar whose Min exceeds Max is
// mirrored, which the same formula also undoes.
int ControlWindow::ScrollPosition(int value) const {
    const auto& bar = static_cast<const ScrollBar&>(control_);
    return bar.Min() <= bar.Max() ? value : bar.Min() + bar.Max() - value;
}

void ControlWindow::ApplyText() {
    SetWindowTextA(hwnd_, control_.DisplayText().c_str());
    RECT rect;
    GetClientRect(hwnd_, &rect);
    InvalidateRect(hwnd_, &rect, TRUE);
}

void ControlWindow::ApplyEnabled() {
    EnableWindow(hwnd_, control_.EffectivelyEnabled());
}

void ControlWindow::ApplyVisible() {
    ShowWindow(hwnd_, control_.EffectivelyVisible() ? SW_SHOWNA : SW_HIDE);
}

void ControlWindow::ApplyBounds() {
    const Bounds bounds = control_.FormBounds();
    const ScreenDpi& dpi = owner_.Dpi();
    int height = dpi.ToPixelsY(bounds.height);
    // A drop-down list's window height includes its opened list.
    if (control_.Kind() == ControlKind::ComboBox) height = std::max(height, 160);
    MoveWindow(hwnd_, dpi.ToPixelsX(bounds.left), dpi.ToPixelsY(bounds.top),
               dpi.ToPixelsX(bounds.width), height, TRUE);
}

void ControlWindow::ApplyDefaultStyle() {
    if (control_.Kind() != ControlKind::CommandButton) return;
    const bool isDefault = static_cast<CommandButton&>(control_).IsDefault();
    SendMessageA(hwnd_, BM_SETSTYLE, (isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) | BS_NOTIFY,
                 TRUE);
}

void ControlWindow::ApplyValue() {
    switch (control_.Kind()) {
        case ControlKind::OptionButton:
            SendMessageA(hwnd_, BM_SETCHECK,
                         static_cast<OptionButton&>(control_).Value() ? BST_CHECKED : BST_UNCHECKED,
                         0);
            owner_.ApplyOptionGroups();
            break;
        case ControlKind::CheckBox:
            SendMessageA(hwnd_, BM_SETCHECK,
                         static_cast<WPARAM>(static_cast<CheckBox&>(control_).Value()), 0);
            break;
        case ControlKind::VScrollBar:
        case ControlKind::HScrollBar:
            SetScrollPos(hwnd_, SB_CTL, ScrollPosition(static_cast<ScrollBar&>(control_).Value()),
                         TRUE);
            break;
        case ControlKind::PictureBox:
            ShowPicture();
            break;
        case ControlKind::ListBox: {
            const auto& list = static_cast<ListControl&>(control_);
            const int index = list.LastSelectionChange();
            if (list.MultiSelect() && index >= 0 && index < list.ListCount()) {
                SendMessageA(hwnd_, LB_SETSEL, list.Selected(index) ? TRUE : FALSE, index);
            }
            break;
        }
        default:
            break;
    }
}

void ControlWindow::ApplyRange() {
    if (control_.Kind() != ControlKind::VScrollBar && control_.Kind() != ControlKind::HScrollBar) {
        return;
    }
    const auto& bar = static_cast<ScrollBar&>(control_);
    SetScrollRange(hwnd_, SB_CTL, std::min(bar.Min(), bar.Max()), std::max(bar.Min(), bar.Max()),
                   TRUE);
}

void ControlWindow::ApplyItems() {
    const bool combo = control_.Kind() == ControlKind::ComboBox;
    if (!combo && control_.Kind() != ControlKind::ListBox) return;
    const auto& list = static_cast<ListControl&>(control_);
    // One item added or removed is followed as such: long lists are filled
    // an item at a time.
    const ItemChange& change = list.LastItemChange();
    const auto shown =
        static_cast<int>(SendMessageA(hwnd_, combo ? CB_GETCOUNT : LB_GETCOUNT, 0, 0));
    if (change.kind == ItemChange::Added && shown + 1 == list.ListCount()) {
        SendMessageA(hwnd_, combo ? CB_INSERTSTRING : LB_INSERTSTRING,
                     static_cast<WPARAM>(change.index),
                     reinterpret_cast<LPARAM>(list.List(change.index).c_str()));
    } else if (change.kind == ItemChange::Removed && shown - 1 == list.ListCount()) {
        SendMessageA(hwnd_, combo ? CB_DELETESTRING : LB_DELETESTRING,
                     static_cast<WPARAM>(change.index), 0);
    } else {
        SendMessageA(hwnd_, combo ? CB_RESETCONTENT : LB_RESETCONTENT, 0, 0);
        for (int i = 0; i < list.ListCount(); ++i) {
            SendMessageA(hwnd_, combo ? CB_ADDSTRING : LB_ADDSTRING, 0,
                         reinterpret_cast<LPARAM>(list.List(i).c_str()));
            if (list.MultiSelect() && list.Selected(i)) SendMessageA(hwnd_, LB_SETSEL, TRUE, i);
        }
    }
    ApplyListIndex();
}

void ControlWindow::ApplyListIndex() {
    const bool combo = control_.Kind() == ControlKind::ComboBox;
    const auto& list = static_cast<ListControl&>(control_);
    if (list.MultiSelect()) {
        // The current item has the focus; selection is each item's own.
        if (list.ListIndex() != ListControl::kNone) {
            SendMessageA(hwnd_, LB_SETCARETINDEX, static_cast<WPARAM>(list.ListIndex()), FALSE);
        }
        return;
    }
    SendMessageA(hwnd_, combo ? CB_SETCURSEL : LB_SETCURSEL, static_cast<WPARAM>(list.ListIndex()),
                 0);
}

void ControlWindow::ApplySelection() {
    if (control_.Kind() != ControlKind::TextBox) return;
    const auto& box = static_cast<TextBox&>(control_);
    SendMessageA(hwnd_, EM_SETSEL, static_cast<WPARAM>(box.SelStart()),
                 static_cast<LPARAM>(box.SelStart() + box.SelLength()));
}

void ControlWindow::RemoveToolTip() {
    if (!hasToolTip_ || owner_.ToolTip() == nullptr) return;
    TOOLINFOA info = ToolInfo(owner_.Handle(), hwnd_, nullptr);
    SendMessageA(owner_.ToolTip(), TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&info));
    hasToolTip_ = false;
}

void ControlWindow::ApplyToolTip() {
    RemoveToolTip();
    if (owner_.ToolTip() == nullptr || control_.ToolTipText().empty()) return;
    TOOLINFOA info = ToolInfo(owner_.Handle(), hwnd_, &control_.ToolTipText());
    hasToolTip_ =
        SendMessageA(owner_.ToolTip(), TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info)) != 0;
}

}  // namespace qn::ui::win32
