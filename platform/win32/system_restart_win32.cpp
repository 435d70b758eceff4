#include <windows.h>

#include <algorithm>

#include "platform/win32/win32_services.h"

namespace qn::win32 {

namespace {

static_assert(sizeof(TOKEN_PRIVILEGES) == kTokenPrivilegeRecordSize, "one entry, 16 bytes");

HANDLE ToHandle(SystemHandle handle) {
    return reinterpret_cast<HANDLE>(handle);
}

SystemHandle FromHandle(HANDLE handle) {
    return reinterpret_cast<SystemHandle>(handle);
}

class Win32SystemRestart : public SystemRestartApi {
  public:
    bool LookupPrivilegeValueA(const char* systemName, const char* name, Luid& luid) override {
        LUID value{};
        if (!::LookupPrivilegeValueA(systemName, name, &value)) return false;
        luid = {value.LowPart, value.HighPart};
        return true;
    }
    SystemHandle GetCurrentProcess() override { return FromHandle(::GetCurrentProcess()); }
    bool OpenProcessToken(SystemHandle process, std::uint32_t desiredAccess,
                          SystemHandle& token) override {
        HANDLE opened = nullptr;
        if (!::OpenProcessToken(ToHandle(process), desiredAccess, &opened)) return false;
        token = FromHandle(opened);
        return true;
    }
    bool AdjustTokenPrivileges(SystemHandle token, bool disableAllPrivileges,
                               const TokenPrivilegeRecord& newState, std::uint32_t bufferLength,
                               TokenPrivilegeRecord& previousState,
                               std::uint32_t& returnLength) override {
        TOKEN_PRIVILEGES request{};
        request.PrivilegeCount = newState.privilegeCount;
        request.Privileges[0].Luid.LowPart = newState.luid.lowPart;
        request.Privileges[0].Luid.HighPart = newState.luid.highPart;
        request.Privileges[0].Attributes = newState.attributes;
        TOKEN_PRIVILEGES previous{};
        DWORD length = 0;
        // Never let Windows write past the one-entry record.
        const DWORD previousSize = std::min<DWORD>(bufferLength, sizeof(previous));
        const BOOL adjusted = ::AdjustTokenPrivileges(ToHandle(token), disableAllPrivileges,
                                                      &request, previousSize, &previous, &length);
        previousState.privilegeCount = previous.PrivilegeCount;
        previousState.luid = {previous.Privileges[0].Luid.LowPart,
                              previous.Privileges[0].Luid.HighPart};
        previousState.attributes = previous.Privileges[0].Attributes;
        returnLength = length;
        return adjusted != FALSE;
    }
    bool CloseHandle(SystemHandle handle) override { return ::CloseHandle(ToHandle(handle)); }
    bool ExitWindowsEx(std::uint32_t flags, std::uint32_t reserved) override {
        return ::ExitWindowsEx(flags, reserved);
    }
    std::uint32_t GetLastError() override { return ::GetLastError(); }
    std::uint32_t FormatMessageA(std::uint32_t flags, std::uint32_t messageId,
                                 std::uint32_t languageId, char* buffer,
                                 std::uint32_t size) override {
        return ::FormatMessageA(flags, nullptr, messageId, languageId, buffer, size, nullptr);
    }
};

}  // namespace

std::unique_ptr<SystemRestartApi> MakeWin32SystemRestart() {
    return std::make_unique<Win32SystemRestart>();
}

}  // namespace qn::win32
