#pragma once
// Starting other programs and watching them end.
#include <cstdint>
#include <optional>
#include <string>

namespace qn {

enum class WindowState { Hidden, Normal, Shown };

// What GetExitCodeProcess reports while a process runs.
constexpr std::uint32_t kStillActive = 259;

// Identifies a started process to the Processes object that started it.
using ProcessHandle = std::uint64_t;

class Processes {
  public:
    virtual ~Processes() = default;
    // The program is looked up the way Windows does for a bare name (the
    // program's own folder first). Empty when it cannot be started.
    virtual std::optional<ProcessHandle> Start(const std::string& commandLine,
                                               WindowState state) = 0;
    // kStillActive while running; empty for an unknown or closed handle.
    virtual std::optional<std::uint32_t> ExitCode(ProcessHandle process) = 0;
    // Releases the handle; the process itself runs on.
    virtual void Close(ProcessHandle process) = 0;
};

}  // namespace qn
