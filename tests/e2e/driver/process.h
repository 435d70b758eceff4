#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace qn::e2e {

// A program started by the harness. The destructor ends it if it still runs,
// so a failed test leaves nothing behind.
class Process {
  public:
    Process() = default;
    ~Process();
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;
    Process(Process&& other) noexcept;
    Process& operator=(Process&& other) noexcept;

    // Starts exePath with the given argument text; the working directory is
    // the program's own folder. Returns false (and stays empty) on failure.
    bool Start(const std::string& exePath, const std::string& arguments = "");
    // Takes on a process that someone else started (the program under test),
    // so that the test can wait for it and ends it if it fails; false when it
    // cannot be opened.
    bool Attach(DWORD pid);

    bool Started() const { return handle_ != nullptr; }
    bool Running() const;
    // Waits at most timeoutMs for the end; true when the process has ended.
    bool WaitForExit(DWORD timeoutMs) const;
    // STILL_ACTIVE (259) while running.
    DWORD ExitCode() const;
    DWORD Id() const { return id_; }
    HANDLE Handle() const { return handle_; }
    void Terminate();

  private:
    void Close();

    HANDLE handle_ = nullptr;
    DWORD id_ = 0;
};

// Ends every process that owns a top-level window whose caption begins with
// captionPrefix (leftovers of an earlier, failed run).
int TerminateOwnersOfWindows(const std::string& captionPrefix);

// The ids of the running processes whose program file is named exeName
// (ignoring case), e.g. "rundll32.exe".
std::vector<DWORD> ProcessIdsNamed(const std::string& exeName);

// Runs a command line to its end within timeoutMs; returns its exit code, or
// -1 when it could not start or was stopped for taking too long.
long RunAndWait(const std::string& commandLine, DWORD timeoutMs);

}  // namespace qn::e2e
