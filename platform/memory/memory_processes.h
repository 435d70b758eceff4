#pragma once
#include <functional>
#include <map>
#include <utility>
#include <vector>

#include "platform/process.h"

namespace qn {

// How a scripted program behaves once started.
struct ScriptedProcess {
    static constexpr int kRunsForever = -1;
    std::uint32_t exitCode = 0;
    int pollsWhileRunning = 0;  // exit-code reads that still answer kStillActive
    // Runs when the process ends, with its command line: writes its output files.
    std::function<void(const std::string& commandLine)> onExit;
};

// Starts only the programs a test has scripted; everything else fails to start.
class MemoryProcesses : public Processes {
  public:
    // Command lines that begin with commandPrefix (letter case ignored) behave
    // as told; the first matching script wins.
    void Script(const std::string& commandPrefix, ScriptedProcess behaviour);

    std::optional<ProcessHandle> Start(const std::string& commandLine, WindowState state) override;
    std::optional<std::uint32_t> ExitCode(ProcessHandle process) override;
    void Close(ProcessHandle process) override;

    std::vector<std::pair<std::string, WindowState>> started;
    std::size_t OpenHandles() const { return running_.size(); }

  private:
    struct Running {
        std::string commandLine;
        ScriptedProcess behaviour;
        bool ended = false;
    };
    std::vector<std::pair<std::string, ScriptedProcess>> scripts_;
    std::map<ProcessHandle, Running> running_;
    ProcessHandle nextHandle_ = 1;
};

}  // namespace qn
