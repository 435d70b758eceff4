#pragma once
// Controls with no behaviour beyond the common properties.
#include <string>

#include "ui/control.h"

namespace qn::ui {

class Label : public CaptionedControl {
  public:
    Label(Form& form, std::string name, Control* container = nullptr)
        : CaptionedControl(form, ControlKind::Label, std::move(name), container) {}
    // Labels that act as links (an address, a web page) are clicked.
    Event Click;
};

// A group box that contains other controls.
class Frame : public CaptionedControl {
  public:
    Frame(Form& form, std::string name, Control* container = nullptr)
        : CaptionedControl(form, ControlKind::Frame, std::move(name), container) {}
};

// A horizontal etched rule that only divides a window.
class Line : public Control {
  public:
    Line(Form& form, std::string name, Control* container = nullptr)
        : Control(form, ControlKind::Line, std::move(name), container) {}
};

// A surface that other code draws on through its window handle, or a bitmap
// of the program's resources.
class PictureBox : public Control {
  public:
    PictureBox(Form& form, std::string name, Control* container = nullptr)
        : Control(form, ControlKind::PictureBox, std::move(name), container) {}
    Event Click;
    // A mouse button pressed on the box; MouseX and MouseY give where, in
    // pixels from its top-left corner.
    Event MouseDown;
    int MouseX() const { return mouseX_; }
    int MouseY() const { return mouseY_; }
    void Pressed(int x, int y) {
        mouseX_ = x;
        mouseY_ = y;
        MouseDown.Raise();
    }

    // The bitmap resource shown, from the top-left corner, without the
    // sunken edge; empty for a drawing surface. A box that shows a picture
    // when its form loads can be given another one later (an animation).
    const std::string& Picture() const { return picture_; }
    void SetPicture(std::string resourceName) {
        if (picture_ == resourceName) return;
        picture_ = std::move(resourceName);
        Notify(Property::Value);
    }

  private:
    std::string picture_;
    int mouseX_ = 0;
    int mouseY_ = 0;
};

}  // namespace qn::ui
