#include "platform/memory/memory_processes.h"

#include "support/ansi_case.h"

namespace qn {

void MemoryProcesses::Script(const std::string& commandPrefix, ScriptedProcess behaviour) {
    scripts_.emplace_back(commandPrefix, std::move(behaviour));
}

std::optional<ProcessHandle> MemoryProcesses::Start(const std::string& commandLine,
                                                    WindowState state) {
    for (const auto& script : scripts_) {
        const std::string& prefix = script.first;
        if (commandLine.size() >= prefix.size() &&
            EqualsIgnoringCaseAnsi(commandLine.substr(0, prefix.size()), prefix)) {
            started.emplace_back(commandLine, state);
            const ProcessHandle handle = nextHandle_++;
            running_[handle] = Running{commandLine, script.second};
            return handle;
        }
    }
    return std::nullopt;
}

std::optional<std::uint32_t> MemoryProcesses::ExitCode(ProcessHandle process) {
    const auto found = running_.find(process);
    if (found == running_.end()) return std::nullopt;
    Running& run = found->second;
    if (run.behaviour.pollsWhileRunning == ScriptedProcess::kRunsForever) return kStillActive;
    if (run.behaviour.pollsWhileRunning > 0) {
        --run.behaviour.pollsWhileRunning;
        return kStillActive;
    }
    if (!run.ended) {
        run.ended = true;
        if (run.behaviour.onExit) run.behaviour.onExit(run.commandLine);
    }
    return run.behaviour.exitCode;
}

void MemoryProcesses::Close(ProcessHandle process) {
    running_.erase(process);
}

}  // namespace qn
