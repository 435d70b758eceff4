#pragma once
// A VB-style event: the owning form connects its handler, the control raises it.
#include <functional>
#include <utility>

namespace qn::ui {

class Event {
  public:
    void Connect(std::function<void()> handler) { handler_ = std::move(handler); }
    void Raise() const {
        if (handler_) handler_();
    }

  private:
    std::function<void()> handler_;
};

}  // namespace qn::ui
