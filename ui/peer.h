#pragma once
// The host's realisation of a model object (a window, a menu, a timer). The
// model tells its peer which property changed; the peer reads the new value.
#include <cstdint>

namespace qn::ui {

enum class Property {
    Caption,  // caption of a form, label, button, frame; text of a text box
    Enabled,
    Visible,
    Value,      // check box, option button, scroll bar value
    Range,      // scroll bar minimum and maximum
    Items,      // list contents
    ListIndex,  // list selection
    ToolTip,
    Bounds,
    TabOrder,
    Focus,      // the control is asked to take the focus
    Selection,  // text box selection
    Default,    // default or cancel button changed
    Menu,       // something in the form's menu tree changed
    Interval,   // timer interval or enabled state
    ZOrder,     // a form moved into or out of the topmost band
    BackColor,  // a control's own background colour
};

class Peer {
  public:
    virtual ~Peer() = default;
    virtual void PropertyChanged(Property property) = 0;
    // The native window handle, or 0 when the host has none (headless).
    virtual std::uintptr_t NativeHandle() const { return 0; }
};

}  // namespace qn::ui
