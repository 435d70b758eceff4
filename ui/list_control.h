#pragma once
// Combo box (drop-down list) and list box: a list of texts and a selection.
#include <string>
#include <vector>

#include "ui/control.h"

namespace qn::ui {

class ListControl : public Control {
  public:
    static constexpr int kNone = -1;

    int ListCount() const { return static_cast<int>(items_.size()); }
    // Throws std::out_of_range for an index outside the list.
    const std::string& List(int index) const;
    // Appends, or inserts before index.
    void AddItem(const std::string& text, int index = kNone);
    void RemoveItem(int index);
    void Clear();

    int ListIndex() const { return listIndex_; }
    // Raises Click when the selection changes; -1 selects nothing.
    void SetListIndex(int index);
    // The selected item's text, empty when nothing is selected.
    std::string Text() const;

    Event Click;

  protected:
    using Control::Control;

  private:
    void CheckIndex(int index) const;
    std::vector<std::string> items_;
    int listIndex_ = kNone;
};

class ComboBox : public ListControl {
  public:
    ComboBox(Form& form, std::string name, Control* container = nullptr)
        : ListControl(form, ControlKind::ComboBox, std::move(name), container) {}
};

class ListBox : public ListControl {
  public:
    ListBox(Form& form, std::string name, Control* container = nullptr)
        : ListControl(form, ControlKind::ListBox, std::move(name), container) {}
};

}  // namespace qn::ui
