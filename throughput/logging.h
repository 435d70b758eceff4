#pragma once
// mLogging: time-stamped lines appended to a text file, only while logging is
// switched on.
#include <string>

#include "platform/file_system.h"
#include "platform/local_time.h"

namespace qn {

class mLogging {
  public:
    mLogging(FileSystem& files, const LocalTime& clock) : files_(files), clock_(clock) {}

    // Set by the start-up code from the settings, before OpenLog.
    bool Enabled = false;

    // Opens the file for appending (creating it) when logging is on.
    void OpenLog(const std::string& path);
    // "<date> <time>: <message>" and a line end, when logging is on.
    void WriteLog(const std::string& message);

  private:
    FileSystem& files_;
    const LocalTime& clock_;
    std::string path_;  // empty until opened
};

}  // namespace qn
