#pragma once
// What runs the forms: real windows (ui/win32) or test calls (ui/headless).
#include "ui/message_box.h"

namespace qn::ui {

class Form;

enum class PumpResult {
    Idle,     // nothing was waiting
    Handled,  // one or more events were handled
    Quit,     // the session asked the program to end
};

class Host {
  public:
    virtual ~Host() = default;
    // Gives a loading form its realisation (window, control peers).
    virtual void Attach(Form& form) = 0;
    // Removes the realisation of an unloading form; the form may load again.
    virtual void Detach(Form& form) = 0;
    // The form object is going away.
    virtual void Release(Form& form) { Detach(form); }
    // Handles the events pending now (DoEvents).
    virtual PumpResult PumpEvents() = 0;
    // Blocks until an event may be pending. A host that can never receive one
    // (a test with nothing scripted) throws instead of blocking forever.
    virtual void WaitForEvent() = 0;
    // Blocks until an event may be pending or timeoutMs has passed.
    virtual void WaitForEvent(unsigned timeoutMs) = 0;
    // Shows the screen's mouse pointer (a VB MousePointer code: 0 default,
    // 11 hourglass) over the program's windows.
    virtual void ShowMousePointer(int pointer) { (void)pointer; }
    // A modal form starts or stops blocking the other forms.
    virtual void BeginModal(Form& form) = 0;
    virtual void EndModal(Form& form) = 0;
    virtual MessageBoxes& Boxes() = 0;
};

}  // namespace qn::ui
