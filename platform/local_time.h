#pragma once
// The current local date and time as the user's locale writes it.
#include <string>

namespace qn {

class LocalTime {
  public:
    virtual ~LocalTime() = default;
    // The general date form: the short date, a blank, the long time.
    virtual std::string GeneralDateNow() const = 0;
};

}  // namespace qn
