#pragma once
// The top-level window that realises a form: its controls, menu bar,
// tooltips and timers, kept in step with the model both ways.
#include <windows.h>

#include <memory>
#include <vector>

#include "ui/form.h"
#include "ui/win32/control_window.h"
#include "ui/win32/menu_bar.h"
#include "ui/win32/units.h"

namespace qn::ui::win32 {

class TimerWindow;

class FormWindow : public Peer {
  public:
    FormWindow(Form& form, HINSTANCE instance, HICON icon);
    ~FormWindow() override;
    FormWindow(const FormWindow&) = delete;
    FormWindow& operator=(const FormWindow&) = delete;

    // Creates the window (hidden) and its controls; Destroy removes them.
    void Create();
    void Destroy();

    Form& Model() const { return form_; }
    HWND Handle() const { return hwnd_; }
    const ScreenDpi& Dpi() const { return dpi_; }
    HFONT Font() const { return font_; }
    HWND ToolTip() const { return toolTip_; }
    // Handles a keyboard message for the form (Tab, Enter, Esc, access keys).
    bool PreTranslate(MSG& msg);
    // Mouse input that one of its controls has just handled.
    void AfterMouseInput(const MSG& msg);
    // Calls apply for each control inside container, at any depth.
    template <typename Apply>
    void ForEachInside(const Control& container, Apply apply);

    // The z-order follows the tab order (see the definition).
    void ApplyTabOrder();
    // Dialog groups and tab stops of the option buttons (see the definition).
    void ApplyOptionGroups();

    void PropertyChanged(Property property) override;
    std::uintptr_t NativeHandle() const override { return reinterpret_cast<std::uintptr_t>(hwnd_); }

    // The form window a window handle belongs to, or null.
    static FormWindow* FromHandle(HWND hwnd);

  private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void OnCommand(WPARAM wParam, LPARAM lParam);
    void OnScroll(WPARAM wParam, LPARAM lParam);
    void OnActivate(WPARAM wParam);
    void ClickButton(CommandButton* button);
    ControlWindow* FindControl(HWND hwnd) const;
    ControlWindow* FindControl(int id) const;
    ControlWindow* FindControl(const Control* model) const;
    void ApplyCaption();
    void ApplyBounds();
    void ApplyVisible();
    void ApplyTopMost();
    void ApplyMenu();
    void FocusFirstControl();
    std::vector<Control*> ZOrder() const;

    Form& form_;
    HINSTANCE instance_;
    HICON icon_;
    HWND hwnd_ = nullptr;
    HWND toolTip_ = nullptr;
    HWND lastFocus_ = nullptr;
    HFONT font_;
    ScreenDpi dpi_;
    MenuBar menuBar_;
    std::vector<std::unique_ptr<ControlWindow>> controls_;
    std::vector<std::unique_ptr<TimerWindow>> timers_;
};

template <typename Apply>
void FormWindow::ForEachInside(const Control& container, Apply apply) {
    for (auto& child : controls_) {
        for (const Control* c = child->Model().Container(); c != nullptr; c = c->Container()) {
            if (c == &container) {
                apply(*child);
                break;
            }
        }
    }
}

}  // namespace qn::ui::win32
