#pragma once
// The child window that shows one control, kept in step with the model.
#include <windows.h>

#include "ui/control.h"

namespace qn::ui::win32 {

class FormWindow;

class ControlWindow : public Peer {
  public:
    ControlWindow(FormWindow& owner, Control& control, int id);
    ~ControlWindow() override;
    ControlWindow(const ControlWindow&) = delete;
    ControlWindow& operator=(const ControlWindow&) = delete;

    Control& Model() const { return control_; }
    HWND Handle() const { return hwnd_; }
    int Id() const { return id_; }

    void PropertyChanged(Property property) override;
    std::uintptr_t NativeHandle() const override { return reinterpret_cast<std::uintptr_t>(hwnd_); }

    // Window notifications, turned into model changes and events.
    void OnCommand(int code);
    void OnScroll(int code, int position);
    // Mouse input the control has just handled (a WM_ message).
    void AfterMouseInput(unsigned message, LPARAM position);
    // Re-applies what an enclosing frame also decides.
    void ApplyEnabled();
    void ApplyVisible();
    void ApplyBounds();
    void ApplyDefaultStyle();
    // The brush of the control's own background, or null for the form's.
    HBRUSH BackBrush();

  private:
    void ApplyText();
    void ApplyValue();
    void ApplyRange();
    void ApplyItems();
    void ApplyListIndex();
    void ApplyToolTip();
    void ApplySelection();
    void RemoveToolTip();
    void ShowPicture();
    int ScrollPosition(int value) const;

    FormWindow& owner_;
    Control& control_;
    int id_;
    HWND hwnd_ = nullptr;
    HFONT font_ = nullptr;      // the control's own, when it has one
    HBITMAP bitmap_ = nullptr;  // a picture box's resource picture
    HBRUSH backBrush_ = nullptr;
    bool hasToolTip_ = false;
    // Set while the model is copied into the window, whose notifications then
    // repeat what the model already knows.
    bool applying_ = false;
};

}  // namespace qn::ui::win32
