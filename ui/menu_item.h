#pragma once
// An item of a form's menu bar or of a submenu. The caption "-" makes a
// separator; "&" marks the access key.
#include <string>
#include <vector>

#include "ui/event.h"

namespace qn::ui {

class Form;

class MenuItem {
  public:
    // A menu on the form's menu bar.
    MenuItem(Form& form, std::string name, std::string caption);
    // An item of another menu.
    MenuItem(MenuItem& parent, std::string name, std::string caption);
    MenuItem(const MenuItem&) = delete;
    MenuItem& operator=(const MenuItem&) = delete;

    const std::string& Name() const { return name_; }
    Form& ParentForm() const { return form_; }
    MenuItem* ParentMenu() const { return parent_; }
    const std::vector<MenuItem*>& Items() const { return items_; }
    bool IsSeparator() const { return caption_ == "-"; }

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    bool Checked() const { return checked_; }
    void SetChecked(bool checked);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    // Whether the user can reach it: it and all its parents enabled and visible.
    bool Reachable() const;

    Event Click;

  private:
    void Changed() const;
    Form& form_;
    MenuItem* parent_;
    std::string name_;
    std::string caption_;
    bool checked_ = false;
    bool enabled_ = true;
    bool visible_ = true;
    std::vector<MenuItem*> items_;
};

}  // namespace qn::ui
