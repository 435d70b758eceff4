#pragma once
// Runs forms without windows for native tests. Events come from the test:
// directly (see user_actions.h) or posted, to be handled by the next pump of a
// wait or modal show. A wait with nothing posted throws WouldWaitForever.
#include <deque>
#include <functional>
#include <stdexcept>
#include <vector>

#include "ui/headless/scripted_message_boxes.h"
#include "ui/host.h"

namespace qn::ui::headless {

class WouldWaitForever : public std::logic_error {
  public:
    WouldWaitForever() : std::logic_error("a wait has no pending event that could end it") {}
};

class HeadlessHost : public Host {
  public:
    // Queues an event; a pump handles the events queued before it started.
    void Post(std::function<void()> event) { posted_.push_back(std::move(event)); }
    // Queues the end of the Windows session (pumps then report Quit).
    void PostQuit() { quitPosted_ = true; }
    size_t PendingEvents() const { return posted_.size(); }

    ScriptedMessageBoxes& Script() { return boxes_; }
    const std::vector<Form*>& ModalStack() const { return modalStack_; }

    void Attach(Form&) override {}
    void Detach(Form&) override {}
    PumpResult PumpEvents() override;
    void WaitForEvent() override;
    // Nothing can arrive while a test waits, and time does not pass: returns.
    void WaitForEvent(unsigned) override { ++timedWaits_; }
    size_t TimedWaits() const { return timedWaits_; }
    void BeginModal(Form& form) override { modalStack_.push_back(&form); }
    void EndModal(Form& form) override;
    MessageBoxes& Boxes() override { return boxes_; }

  private:
    std::deque<std::function<void()>> posted_;
    bool quitPosted_ = false;
    size_t timedWaits_ = 0;
    std::vector<Form*> modalStack_;
    ScriptedMessageBoxes boxes_;
};

}  // namespace qn::ui::headless
