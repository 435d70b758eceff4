#include "ui/control.h"

#include "ui/form.h"

namespace qn::ui {

namespace {

bool TakesFocus(ControlKind kind) {
    return kind != ControlKind::Label && kind != ControlKind::Frame && kind != ControlKind::Line;
}

}  // namespace

Control::Control(Form& form, ControlKind kind, std::string name, Control* container)
    : form_(form),
      kind_(kind),
      name_(std::move(name)),
      container_(container),
      tabStop_(TakesFocus(kind)) {
    form_.Register(*this);
}

void Control::SetEnabled(bool enabled) {
    if (enabled_ == enabled) return;
    enabled_ = enabled;
    Notify(Property::Enabled);
}

void Control::SetVisible(bool visible) {
    if (visible_ == visible) return;
    visible_ = visible;
    Notify(Property::Visible);
}

bool Control::EffectivelyEnabled() const {
    return enabled_ && (container_ == nullptr || container_->EffectivelyEnabled());
}

bool Control::EffectivelyVisible() const {
    return visible_ && (container_ == nullptr || container_->EffectivelyVisible());
}

void Control::SetToolTipText(const std::string& text) {
    if (toolTip_ == text) return;
    toolTip_ = text;
    Notify(Property::ToolTip);
}

void Control::Move(int left, int top, int width, int height) {
    bounds_ = Bounds{left, top, width, height};
    Notify(Property::Bounds);
}

Bounds Control::FormBounds() const {
    Bounds result = bounds_;
    for (const Control* c = container_; c != nullptr; c = c->container_) {
        result.left += c->bounds_.left;
        result.top += c->bounds_.top;
    }
    return result;
}

int Control::TabIndex() const {
    return form_.TabIndexOf(*this);
}

void Control::SetTabIndex(int index) {
    form_.MoveInTabOrder(*this, index);
    Notify(Property::TabOrder);
}

void Control::SetFocus() {
    form_.SetActiveControl(this);
    Notify(Property::Focus);
}

bool Control::StoreText(const std::string& text) {
    if (text_ == text) return false;
    text_ = text;
    return true;
}

void Control::Notify(Property property) const {
    if (peer_ != nullptr) peer_->PropertyChanged(property);
}

}  // namespace qn::ui
