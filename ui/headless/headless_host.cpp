#include "ui/headless/headless_host.h"

#include <algorithm>

namespace qn::ui::headless {

PumpResult HeadlessHost::PumpEvents() {
    if (quitPosted_) {
        quitPosted_ = false;
        return PumpResult::Quit;
    }
    if (posted_.empty()) return PumpResult::Idle;
    // Events posted by the handlers run at the next pump, as with a real queue.
    size_t count = posted_.size();
    while (count-- > 0 && !posted_.empty()) {
        std::function<void()> event = std::move(posted_.front());
        posted_.pop_front();
        event();
    }
    return PumpResult::Handled;
}

void HeadlessHost::WaitForEvent() {
    if (posted_.empty() && !quitPosted_) throw WouldWaitForever();
}

void HeadlessHost::EndModal(Form& form) {
    modalStack_.erase(std::remove(modalStack_.begin(), modalStack_.end(), &form),
                      modalStack_.end());
}

}  // namespace qn::ui::headless
