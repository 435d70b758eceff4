#pragma once
// The current local date and time as the user's locale writes it.
#include <string>

namespace qn {

class LocalTime {
  public:
    virtual ~LocalTime() = default;
    // The general date form: the short date, a blank, the long time.
    virtual std::string GeneralDateNow() const = 0;
    // "2026-12-09 01.30.05": sorts as time does and can be part of a file name.
    virtual std::string FileNameStampNow() const = 0;
};

}  // namespace qn
