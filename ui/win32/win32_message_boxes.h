#pragma once
// Message boxes through MessageBoxA and a small input dialog, owned by the
// program's active window.
#include <windows.h>

#include "ui/message_box.h"

namespace qn::ui::win32 {

class Win32MessageBoxes : public MessageBoxes {
  public:
    explicit Win32MessageBoxes(HINSTANCE instance) : instance_(instance) {}
    int MsgBox(const std::string& prompt, int buttons, const std::string& title) override;
    std::string InputBox(const std::string& prompt, const std::string& title,
                         const std::string& defaultText) override;

  private:
    HINSTANCE instance_;
};

}  // namespace qn::ui::win32
