#pragma once
#include "platform/local_time.h"

namespace qn {

// A clock on the wall that the test sets.
class MemoryLocalTime : public LocalTime {
  public:
    std::string GeneralDateNow() const override { return now; }
    std::string FileNameStampNow() const override { return stamp; }
    std::string now = "12/7/2026 11:26:17 PM";
    std::string stamp = "2026-12-07 23.26.17";
};

}  // namespace qn
