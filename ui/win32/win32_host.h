#pragma once
// Runs forms as real windows: a message loop with dialog keyboard handling,
// modal forms that disable the others, MessageBoxA boxes.
#include <windows.h>

#include <map>
#include <memory>
#include <vector>

#include "ui/host.h"
#include "ui/win32/form_window.h"
#include "ui/win32/win32_message_boxes.h"

namespace qn::ui::win32 {

class Win32Host : public Host {
  public:
    // icon: the program's icon for the forms' title bars (may be null).
    Win32Host(HINSTANCE instance, HICON icon);
    ~Win32Host() override;

    void Attach(Form& form) override;
    void Detach(Form& form) override;
    void Release(Form& form) override;
    PumpResult PumpEvents() override;
    void WaitForEvent() override;
    void WaitForEvent(unsigned timeoutMs) override;
    void ShowMousePointer(int pointer) override;
    void BeginModal(Form& form) override;
    void EndModal(Form& form) override;
    MessageBoxes& Boxes() override { return boxes_; }

  private:
    bool PreTranslate(MSG& msg);
    void AfterMouseInput(const MSG& msg);

    HINSTANCE instance_;
    HICON icon_;
    std::map<Form*, std::unique_ptr<FormWindow>> windows_;
    // Per modal form, the windows it disabled.
    std::map<Form*, std::vector<HWND>> disabledByModal_;
    Win32MessageBoxes boxes_;
};

}  // namespace qn::ui::win32
