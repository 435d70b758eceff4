#include <windows.h>

#include <map>
#include <vector>

#include "platform/win32/win32_services.h"

namespace qn::win32 {

namespace {

WORD ShowCommand(WindowState state) {
    switch (state) {
        case WindowState::Hidden:
            return SW_HIDE;
        case WindowState::Shown:
            return SW_SHOW;
        case WindowState::Normal:
            break;
    }
    return SW_SHOWNORMAL;
}

class Win32Processes : public Processes {
  public:
    ~Win32Processes() override {
        for (const auto& process : handles_) CloseHandle(process.second);
    }

    std::optional<ProcessHandle> Start(const std::string& commandLine, WindowState state) override {
        STARTUPINFOA startup{};
        startup.cb = sizeof(startup);
        startup.dwFlags = STARTF_USESHOWWINDOW;
        startup.wShowWindow = ShowCommand(state);
        PROCESS_INFORMATION info{};
        // CreateProcessA may write into the command line.
        std::vector<char> command(commandLine.begin(), commandLine.end());
        command.push_back('\0');
        if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                            &startup, &info)) {
            return std::nullopt;
        }
        CloseHandle(info.hThread);
        const ProcessHandle handle = nextHandle_++;
        handles_[handle] = info.hProcess;
        return handle;
    }

    std::optional<std::uint32_t> ExitCode(ProcessHandle process) override {
        const auto found = handles_.find(process);
        if (found == handles_.end()) return std::nullopt;
        DWORD code = 0;
        if (!GetExitCodeProcess(found->second, &code)) return std::nullopt;
        return code;
    }

    void Close(ProcessHandle process) override {
        const auto found = handles_.find(process);
        if (found == handles_.end()) return;
        CloseHandle(found->second);
        handles_.erase(found);
    }

  private:
    std::map<ProcessHandle, HANDLE> handles_;
    ProcessHandle nextHandle_ = 1;
};

}  // namespace

std::unique_ptr<Processes> MakeWin32Processes() {
    return std::make_unique<Win32Processes>();
}

}  // namespace qn::win32
