#pragma once
#include <string>

#include "ui/control.h"

namespace qn::ui {

class TextBox : public Control {
  public:
    TextBox(Form& form, std::string name, Control* container = nullptr)
        : Control(form, ControlKind::TextBox, std::move(name), container) {}

    const std::string& Text() const { return DisplayText(); }
    // Raises Change when the text differs, whether code or the user set it.
    void SetText(const std::string& text);

    // Fixed before the form is loaded.
    bool MultiLine() const { return multiLine_; }
    void SetMultiLine(bool multiLine) { multiLine_ = multiLine; }
    bool Locked() const { return locked_; }
    void SetLocked(bool locked) { locked_ = locked; }

    int SelStart() const { return selStart_; }
    int SelLength() const { return selLength_; }
    void SetSelection(int start, int length);
    void SelectAll() { SetSelection(0, static_cast<int>(Text().size())); }

    Event Change;

  private:
    bool multiLine_ = false;
    bool locked_ = false;
    int selStart_ = 0;
    int selLength_ = 0;
};

}  // namespace qn::ui
