#include "ui/list_control.h"

#include <stdexcept>

namespace qn::ui {

const std::string& ListControl::List(int index) const {
    CheckIndex(index);
    return items_[static_cast<size_t>(index)];
}

void ListControl::AddItem(const std::string& text, int index) {
    if (index == kNone) {
        items_.push_back(text);
    } else {
        if (index < 0 || index > ListCount()) throw std::out_of_range("Invalid list index");
        items_.insert(items_.begin() + index, text);
        if (listIndex_ >= index) ++listIndex_;
    }
    Notify(Property::Items);
}

void ListControl::RemoveItem(int index) {
    CheckIndex(index);
    items_.erase(items_.begin() + index);
    if (listIndex_ == index) {
        listIndex_ = kNone;
    } else if (listIndex_ > index) {
        --listIndex_;
    }
    Notify(Property::Items);
}

void ListControl::Clear() {
    items_.clear();
    listIndex_ = kNone;
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

void ListControl::CheckIndex(int index) const {
    if (index < 0 || index >= ListCount()) throw std::out_of_range("Invalid list index");
}

}  // namespace qn::ui
