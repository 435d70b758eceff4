#include "tuner/ui/mtu_detection.h"

#include <algorithm>
#include <limits>
#include <optional>

#include "tuner/core/ping_command.h"
#include "tuner/core/ping_transcript.h"

namespace qn {

namespace {

// Between two reads of a running ping's exit code the program sleeps this
// long unless an event arrives, rather than spinning a processor.
constexpr unsigned kExitPollMs = 50;
// A stopped ping is let finish, so that none is left behind writing the
// transcript, but not waited on for longer than this.
constexpr std::uint32_t kStoppedPingGraceMs = 15000;

bool StillRunning(const std::optional<std::uint32_t>& exitCode) {
    return exitCode == kStillActive;
}

}  // namespace

mtudetection::mtudetection(ui::Application& app, Processes& processes, FileSystem& files,
                           const Clock& clock, const Environment& environment)
    : app_(app), processes_(processes), files_(files), clock_(clock), environment_(environment) {}

std::int16_t mtudetection::RunAndWait(const std::string& commandLine) {
    const std::optional<ProcessHandle> process = processes_.Start(commandLine, WindowState::Hidden);
    if (!process) return stopRequested_ ? 1 : 0;
    std::optional<std::uint32_t> exitCode = processes_.ExitCode(*process);
    for (;;) {
        if (stopRequested_) {
            WaitForStoppedProcess(*process);
            return 1;
        }
        app_.DoEvents();
        if (!StillRunning(exitCode) || app_.Ended()) break;
        app_.WaitForEvent(kExitPollMs);
        exitCode = processes_.ExitCode(*process);
    }
    processes_.Close(*process);
    return 0;
}

void mtudetection::WaitForStoppedProcess(ProcessHandle process) {
    const std::uint32_t stoppedAt = clock_.TickCount();
    while (StillRunning(processes_.ExitCode(process)) && !app_.Ended() &&
           clock_.TickCount() - stoppedAt < kStoppedPingGraceMs) {
        app_.DoEvents();
        app_.WaitForEvent(kExitPollMs);
    }
    processes_.Close(process);
}

std::int16_t mtudetection::PingUnfragmented(const std::string& host, std::int16_t size) {
    const std::optional<std::string> word = PingableHost(host);
    if (!word) return kPingError;
    // A ping that writes nothing must not be judged by the one before.
    DeleteOutputFile();
    const std::string outputFile = OutputFile();
    const std::string command = PingCommandLine(environment_.IsWinNT(), *word, size, outputFile);
    if (RunAndWait(command) == 1) return kPingStopped;
    const std::optional<std::string> transcript = files_.ReadAll(outputFile);
    if (!transcript) return kPingError;
    switch (ReadPingTranscript(*transcript)) {
        case PingOutcome::Passed:
            return kPingPassed;
        case PingOutcome::TooLarge:
            return kPingTooLarge;
        case PingOutcome::Error:
            break;
    }
    return kPingError;
}

void mtudetection::WarmUp(const std::string& host) {
    if (const std::optional<std::string> word = PingableHost(host)) {
        RunAndWait(PingCommandLine(environment_.IsWinNT(), *word, kWarmUpPingSize, ""));
    }
}

std::int16_t mtudetection::SearchStage(std::int16_t start, std::int16_t step,
                                       const std::string& host,
                                       const std::function<void(int)>& showPosition) {
    for (int k = 1;; ++k) {
        const int passed = (k - 1) * step + start;
        showPosition(passed + kPingHeaderBytes);
        const int size = k * step + start;
        // Sizes, and the MaxMTU shown for them, stay 16-bit numbers.
        if (size + kPingHeaderBytes > std::numeric_limits<std::int16_t>::max()) return kStageError;
        switch (PingUnfragmented(host, static_cast<std::int16_t>(size))) {
            case kPingError:
                return kStageError;
            case kPingStopped:
                return kStageStopped;
            case kPingTooLarge:
                return static_cast<std::int16_t>(passed);
            default:
                break;
        }
    }
}

void mtudetection::SetBusyCursor(std::int16_t mode) {
    if (mode != kHourglassPointer && mode != kDefaultPointer) {
        app_.SetMousePointer(mode);
        return;
    }
    if (mode == kHourglassPointer) {
        busyCount_ =
            std::min(busyCount_ + 1, static_cast<int>(std::numeric_limits<std::int16_t>::max()));
    } else {
        busyCount_ = std::max(busyCount_ - 1, 0);
    }
    app_.SetMousePointer(busyCount_ >= 1 ? kHourglassPointer : kDefaultPointer);
}

}  // namespace qn
