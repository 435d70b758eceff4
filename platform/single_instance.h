#pragma once
// Tells a program whether a copy of it is already running, so that it can
// refuse to start twice.
#include <memory>

namespace qn {

class SingleInstance {
  public:
    virtual ~SingleInstance() = default;
    // True when another process (or an earlier SingleInstance of the same
    // program in this process) claimed the program's name first.
    virtual bool AnotherInstanceRunning() const = 0;
};

// For tests: answers as told.
std::unique_ptr<SingleInstance> MakeFixedSingleInstance(bool anotherInstanceRunning);

}  // namespace qn
