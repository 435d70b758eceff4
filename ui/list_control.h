#pragma once
// Combo box (drop-down list) and list box: a list of texts and a selection.
#include <string>
#include <vector>

#include "ui/control.h"

namespace qn::ui {

// The last change to a list's items, so that a host can follow it without
// showing the whole list again.
struct ItemChange {
    enum Kind { Reset, Added, Removed } kind = Reset;
    int index = 0;
};

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
    const ItemChange& LastItemChange() const { return lastChange_; }

    // The current item; in a multiple-selection list it has the focus and
    // need not be selected.
    int ListIndex() const { return listIndex_; }
    // Raises Click when the current item changes; -1 makes none current.
    void SetListIndex(int index);
    // The current item's text, empty when there is none.
    std::string Text() const;

    // A list box in which a click selects or deselects one item, any number
    // being selected; fixed before the form is loaded.
    bool MultiSelect() const { return multiSelect_; }
    void SetMultiSelect(bool multiSelect) { multiSelect_ = multiSelect; }
    bool Selected(int index) const;
    // Raises Click when the item's selection changes.
    void SetSelected(int index, bool selected);
    int SelCount() const { return selCount_; }
    // The item whose selection changed last, for the host to show.
    int LastSelectionChange() const { return lastSelectionChange_; }
    // What a user's click on an item of a multiple-selection list does: it
    // becomes current with the selection the host shows; one Click.
    void ItemClicked(int index, bool selected);

    Event Click;
    // A mouse button pressed on a list box, or the mouse moved over it; the
    // current item is already the one the press or a drag made current.
    Event MouseDown;
    Event MouseMove;

  protected:
    using Control::Control;

  private:
    void CheckIndex(int index) const;
    std::vector<std::string> items_;
    std::vector<char> selected_;
    int selCount_ = 0;
    int listIndex_ = kNone;
    bool multiSelect_ = false;
    ItemChange lastChange_;
    int lastSelectionChange_ = kNone;
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
