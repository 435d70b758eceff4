#pragma once
// Base of every control on a form: name, text, state, position and the peer
// that mirrors it on the host. Positions are in twips relative to the
// container (the form or a frame), as the forms are laid out.
#include <cstdint>
#include <string>
#include <utility>

#include "ui/event.h"
#include "ui/peer.h"

namespace qn::ui {

class Form;

enum class ControlKind {
    Label,
    TextBox,
    CommandButton,
    OptionButton,
    CheckBox,
    ComboBox,
    ListBox,
    Frame,
    PictureBox,
    VScrollBar,
    HScrollBar,
    Line,
};

// A typeface of the control's own instead of the form's.
struct Font {
    std::string name;
    int points = 8;
    bool bold = false;
};

struct Bounds {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

class Control {
  public:
    // A frame as container makes this control part of the frame: it moves,
    // hides and disables with it, and option buttons are exclusive within it.
    Control(Form& form, ControlKind kind, std::string name, Control* container);
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& Name() const { return name_; }
    ControlKind Kind() const { return kind_; }
    Form& Parent() const { return form_; }
    Control* Container() const { return container_; }

    // What the host shows as the control's text.
    const std::string& DisplayText() const { return text_; }

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    // Enabled or visible together with every enclosing frame.
    bool EffectivelyEnabled() const;
    bool EffectivelyVisible() const;

    // A background of its own (0x00BBGGRR); none: the form's.
    bool HasBackColor() const { return hasBackColor_; }
    std::uint32_t BackColor() const { return backColor_; }
    void SetBackColor(std::uint32_t color) {
        if (hasBackColor_ && backColor_ == color) return;
        backColor_ = color;
        hasBackColor_ = true;
        Notify(Property::BackColor);
    }

    // Fixed before the form is loaded; empty name: the form's font.
    const Font& GetFont() const { return font_; }
    void SetFont(Font font) { font_ = std::move(font); }

    const std::string& ToolTipText() const { return toolTip_; }
    void SetToolTipText(const std::string& text);

    const Bounds& GetBounds() const { return bounds_; }
    void Move(int left, int top, int width, int height);
    // Position relative to the form's client area.
    Bounds FormBounds() const;

    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool tabStop) { tabStop_ = tabStop; }
    int TabIndex() const;
    void SetTabIndex(int index);

    void SetFocus();
    Event GotFocus;
    Event LostFocus;

    void SetPeer(Peer* peer) { peer_ = peer; }
    std::uintptr_t hWnd() const { return peer_ ? peer_->NativeHandle() : 0; }

  protected:
    // Stores the text; false (and no notification) when it did not change.
    bool StoreText(const std::string& text);
    void Notify(Property property) const;

  private:
    Form& form_;
    ControlKind kind_;
    std::string name_;
    Control* container_;
    std::string text_;
    std::string toolTip_;
    Font font_;
    std::uint32_t backColor_ = 0;
    bool hasBackColor_ = false;
    bool enabled_ = true;
    bool visible_ = true;
    bool tabStop_;
    Bounds bounds_;
    Peer* peer_ = nullptr;
};

// Controls whose text is a caption set by code without an event.
class CaptionedControl : public Control {
  public:
    using Control::Control;
    const std::string& Caption() const { return DisplayText(); }
    void SetCaption(const std::string& caption) {
        if (StoreText(caption)) Notify(Property::Caption);
    }
};

}  // namespace qn::ui
