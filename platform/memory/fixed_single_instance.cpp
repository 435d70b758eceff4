#include "platform/single_instance.h"

namespace qn {

namespace {

class FixedSingleInstance : public SingleInstance {
  public:
    explicit FixedSingleInstance(bool running) : running_(running) {}
    bool AnotherInstanceRunning() const override { return running_; }

  private:
    bool running_;
};

}  // namespace

std::unique_ptr<SingleInstance> MakeFixedSingleInstance(bool anotherInstanceRunning) {
    return std::make_unique<FixedSingleInstance>(anotherInstanceRunning);
}

}  // namespace qn
