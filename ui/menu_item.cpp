#include "ui/menu_item.h"

#include "ui/form.h"

namespace qn::ui {

MenuItem::MenuItem(Form& form, std::string name, std::string caption)
    : form_(form), parent_(nullptr), name_(std::move(name)), caption_(std::move(caption)) {
    form_.Register(*this);
}

MenuItem::MenuItem(MenuItem& parent, std::string name, std::string caption)
    : form_(parent.form_), parent_(&parent), name_(std::move(name)), caption_(std::move(caption)) {
    parent.items_.push_back(this);
    Changed();
}

void MenuItem::SetCaption(const std::string& caption) {
    if (caption_ == caption) return;
    caption_ = caption;
    Changed();
}

void MenuItem::SetChecked(bool checked) {
    if (checked_ == checked) return;
    checked_ = checked;
    Changed();
}

void MenuItem::SetEnabled(bool enabled) {
    if (enabled_ == enabled) return;
    enabled_ = enabled;
    Changed();
}

void MenuItem::SetVisible(bool visible) {
    if (visible_ == visible) return;
    visible_ = visible;
    Changed();
}

bool MenuItem::Reachable() const {
    return enabled_ && visible_ && (parent_ == nullptr || parent_->Reachable());
}

void MenuItem::Changed() const {
    form_.MenuChanged();
}

}  // namespace qn::ui
