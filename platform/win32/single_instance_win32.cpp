#include "platform/win32/single_instance_win32.h"

#include <windows.h>

namespace qn::win32 {

namespace {

// Windows 95 rejects "\" in object names, and the name must not clash with
// other programs' objects.
std::string MutexName(const std::string& programName) {
    std::string name = "qn.SingleInstance." + programName;
    for (char& c : name) {
        if (c == '\\') c = '_';
    }
    return name;
}

class Win32SingleInstance : public SingleInstance {
  public:
    explicit Win32SingleInstance(const std::string& programName) {
        mutex_ = CreateMutexA(nullptr, FALSE, MutexName(programName).c_str());
        // A failure to create the mutex must not keep the program from starting.
        anotherRunning_ = mutex_ != nullptr && GetLastError() == ERROR_ALREADY_EXISTS;
    }
    ~Win32SingleInstance() override {
        if (mutex_ != nullptr) CloseHandle(mutex_);
    }
    Win32SingleInstance(const Win32SingleInstance&) = delete;
    Win32SingleInstance& operator=(const Win32SingleInstance&) = delete;

    bool AnotherInstanceRunning() const override { return anotherRunning_; }

  private:
    HANDLE mutex_ = nullptr;
    bool anotherRunning_ = false;
};

}  // namespace

std::unique_ptr<SingleInstance> MakeWin32SingleInstance(const std::string& programName) {
    return std::make_unique<Win32SingleInstance>(programName);
}

}  // namespace qn::win32
