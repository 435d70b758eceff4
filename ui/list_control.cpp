#include "ui/list_control.h"

#include <stdexcept>

namespace qn::ui {

const std::string& ListControl::List(int index) const {
    CheckIndex(index);
    return items_[static_cast<size_t>(index)];
}

void ListControl::AddItem(const std::string& text, int index) {
    if (index == kNone) {
        index = ListCount();
    } else {
        if (index < 0 || index > ListCount()) throw std::out_of_range("Invalid list index");
        if (listIndex_ >= index) ++listIndex_;
    }
    items_.insert(items_.begin() + index, text);
    selected_.insert(selected_.begin() + index, 0);
    lastChange_ = {ItemChange::Added, index};
    Notify(Property::Items);
}

void ListControl::RemoveItem(int index) {
    CheckIndex(index);
    if (selected_[static_cast<size_t>(index)]) --selCount_;
    items_.erase(items_.begin() + index);
    selected_.erase(selected_.begin() + index);
    if (listIndex_ == index) {
        listIndex_ = kNone;
    } else if (listIndex_ > index) {
        --listIndex_;
    }
    lastChange_ = {ItemChange::Removed, index};
    Notify(Property::Items);
}

void ListControl::Clear() {
    items_.clear();
    selected_.clear();
    selCount_ = 0;
    listIndex_ = kNone;
    lastChange_ = {ItemChange::Reset, 0};
    Notify(Property::Items);
}

void ListControl::SetListIndex(int index) {
    if (index != kNone) CheckIndex(index);
    if (listIndex_ == index) return;
    listIndex_ = index;
    Notify(Property::ListIndex);
    Click.Raise();
}

std::string ListControl::Text() const {
    return listIndex_ == kNone ? std::string() : items_[static_cast<size_t>(listIndex_)];
}

bool ListControl::Selected(int index) const {
    CheckIndex(index);
    return selected_[static_cast<size_t>(index)] != 0;
}

void ListControl::SetSelected(int index, bool selected) {
    CheckIndex(index);
    char& item = selected_[static_cast<size_t>(index)];
    if ((item != 0) == selected) return;
    item = selected ? 1 : 0;
    selCount_ += selected ? 1 : -1;
    lastSelectionChange_ = index;
    Notify(Property::Value);
    Click.Raise();
}

void ListControl::ItemClicked(int index, bool selected) {
    CheckIndex(index);
    char& item = selected_[static_cast<size_t>(index)];
    if ((item != 0) != selected) {
        item = selected ? 1 : 0;
        selCount_ += selected ? 1 : -1;
    }
    listIndex_ = index;
    Click.Raise();
}

void ListControl::CheckIndex(int index) const {
    if (index < 0 || index >= ListCount()) throw std::out_of_range("Invalid list index");
}

}  // namespace qn::ui
