#include "ui/form.h"

#include <algorithm>
#include <stdexcept>

#include "ui/application.h"
#include "ui/control.h"
#include "ui/menu_item.h"
#include "ui/timer.h"

namespace qn::ui {

namespace {

MenuItem* FindMenuIn(const std::vector<MenuItem*>& items, const std::string& name) {
    for (MenuItem* item : items) {
        if (item->Name() == name) return item;
        if (MenuItem* found = FindMenuIn(item->Items(), name)) return found;
    }
    return nullptr;
}

}  // namespace

Form::Form(Application& app, std::string name) : app_(app), name_(std::move(name)) {}

Form::~Form() {
    if (loaded_) app_.Unloaded(*this);
    app_.GetHost().Release(*this);
}

void Form::SetCaption(const std::string& caption) {
    if (caption_ == caption) return;
    caption_ = caption;
    Notify(Property::Caption);
}

void Form::Move(int left, int top, int clientWidth, int clientHeight) {
    left_ = left;
    top_ = top;
    clientWidth_ = clientWidth;
    clientHeight_ = clientHeight;
    Notify(Property::Bounds);
}

void Form::SetTopMost(bool topMost) {
    if (topMost_ == topMost) return;
    topMost_ = topMost;
    Notify(Property::ZOrder);
}

void Form::Load() {
    if (loaded_ || app_.Ended()) return;
    loaded_ = true;
    app_.Loaded(*this);
    app_.GetHost().Attach(*this);
    Form_Load();
}

void Form::Show(ShowMode mode, Form* owner) {
    Load();
    if (!loaded_) return;  // Form_Load unloaded it or ended the program
    owner_ = owner;
    SetVisibleState(true);
    if (mode != ShowMode::Modal || modal_) return;
    modal_ = true;
    app_.GetHost().BeginModal(*this);
    app_.WaitUntil([this] { return !visible_ || !loaded_; });
    app_.GetHost().EndModal(*this);
    modal_ = false;
}

void Form::Hide() {
    SetVisibleState(false);
}

bool Form::Unload(UnloadMode mode) {
    if (!loaded_) return true;
    // A second request while the handlers still decide (they may pump events)
    // is refused rather than asking twice.
    if (unloading_) return false;
    unloading_ = true;
    bool cancel = false;
    Form_QueryUnload(cancel, mode);
    if (!cancel) Form_Unload(cancel);
    unloading_ = false;
    if (cancel) return false;
    Discard();
    return true;
}

void Form::Discard() {
    if (!loaded_) return;
    visible_ = false;
    loaded_ = false;
    activeControl_ = nullptr;
    app_.GetHost().Detach(*this);
    app_.Unloaded(*this);
}

Control* Form::FindControl(const std::string& name) const {
    auto found = std::find_if(controls_.begin(), controls_.end(),
                              [&](const Control* c) { return c->Name() == name; });
    return found == controls_.end() ? nullptr : *found;
}

MenuItem* Form::FindMenu(const std::string& name) const {
    return FindMenuIn(menus_, name);
}

void Form::SetDefaultButton(CommandButton* button) {
    defaultButton_ = button;
    Notify(Property::Default);
}

void Form::SetCancelButton(CommandButton* button) {
    cancelButton_ = button;
    Notify(Property::Default);
}

int Form::TabIndexOf(const Control& control) const {
    auto found = std::find(tabOrder_.begin(), tabOrder_.end(), &control);
    return static_cast<int>(found - tabOrder_.begin());
}

void Form::MoveInTabOrder(Control& control, int index) {
    tabOrder_.erase(std::find(tabOrder_.begin(), tabOrder_.end(), &control));
    index = std::clamp(index, 0, static_cast<int>(tabOrder_.size()));
    tabOrder_.insert(tabOrder_.begin() + index, &control);
}

void Form::Register(Control& control) {
    controls_.push_back(&control);
    tabOrder_.push_back(&control);
}

void Form::Register(MenuItem& menu) {
    menus_.push_back(&menu);
    MenuChanged();
}

void Form::Register(Timer& timer) {
    timers_.push_back(&timer);
}

void Form::Notify(Property property) const {
    if (peer_ != nullptr) peer_->PropertyChanged(property);
}

void Form::SetVisibleState(bool visible) {
    if (visible_ == visible) return;
    visible_ = visible;
    Notify(Property::Visible);
}

}  // namespace qn::ui
