#pragma once
// The MTU search's ping runs: one hidden "ping -f" per candidate size, waited
// on while the program's windows stay responsive, its transcript read back
// from a file; the stop flag that ends a wait; the counted busy pointer.
#include <cstdint>
#include <functional>
#include <string>

#include "platform/clock.h"
#include "platform/file_system.h"
#include "platform/process.h"
#include "tuner/core/environment.h"
#include "ui/application.h"

namespace qn {

// PingUnfragmented's verdicts.
enum PingVerdict : std::int16_t {
    kPingPassed = 1,
    kPingTooLarge = 2,
    kPingError = 3,
    kPingStopped = 4,
};

// SearchStage's results besides a size.
constexpr std::int16_t kStageError = -1;
constexpr std::int16_t kStageStopped = -2;

// ICMP and IP headers: a payload that crosses whole plus these is the MaxMTU.
constexpr int kPingHeaderBytes = 28;

// Screen.MousePointer codes.
constexpr std::int16_t kDefaultPointer = 0;
constexpr std::int16_t kHourglassPointer = 11;

class mtudetection {
  public:
    // Each ping's transcript goes to "output.dat" in the program's folder;
    // the family of Windows picks the interpreter that redirects it there.
    mtudetection(ui::Application& app, Processes& processes, FileSystem& files, const Clock& clock,
                 const Environment& environment);

    // Runs the command line hidden and waits for it: 1 when the stop flag
    // ended the wait, 0 when the process finished (or never started).
    std::int16_t RunAndWait(const std::string& commandLine);
    // One ping of size bytes that must not be fragmented: a PingVerdict.
    std::int16_t PingUnfragmented(const std::string& host, std::int16_t size);
    // The oversized ping that brings a dial-up connection up first; its
    // outcome does not matter.
    void WarmUp(const std::string& host);
    // Walks up from start (taken as passed) in steps until a size fails:
    // the largest size that passed, kStageError or kStageStopped. Before each
    // ping, showPosition receives the last size that passed plus the headers.
    std::int16_t SearchStage(std::int16_t start, std::int16_t step, const std::string& host,
                             const std::function<void(int)>& showPosition);

    // Mode 11 (hourglass) and 0 (default) count up and down, never below 0,
    // and the pointer is the hourglass while the count is above 0; any other
    // mode is shown as it is.
    void SetBusyCursor(std::int16_t mode);
    int BusyCount() const { return busyCount_; }

    void SetStopFlag(bool value) { stopRequested_ = value; }
    bool StopRequested() const { return stopRequested_; }

    std::string OutputFile() const { return environment_.AppPath() + "\\output.dat"; }
    // Removes the transcript; a file that is not there is no error.
    void DeleteOutputFile() { files_.Delete(OutputFile()); }

  private:
    void WaitForStoppedProcess(ProcessHandle process);

    ui::Application& app_;
    Processes& processes_;
    FileSystem& files_;
    const Clock& clock_;
    const Environment& environment_;
    bool stopRequested_ = false;
    int busyCount_ = 0;
};

}  // namespace qn
