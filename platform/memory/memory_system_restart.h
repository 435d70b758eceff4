#pragma once
#include <cstddef>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/system_restart.h"

namespace qn {

// The steps a test can make fail.
enum class RestartStep {
    LookupPrivilegeValue,
    GetCurrentProcess,
    OpenProcessToken,
    AdjustTokenPrivileges,
    CloseHandle,
    ExitWindowsEx,
};

// Records every call in order as text, e.g. "OpenProcessToken(process, 0x28)",
// "AdjustTokenPrivileges(token, FALSE, {1, {19, 0}, 2}, 16)", "CloseHandle(token)",
// "ExitWindowsEx(6, 0xFFFFFFFF)", "GetLastError()", "FormatMessageA(0x1200, 5, 0, 256)".
// Handles this object gave out are written "process" and "token", others in hex.
// Nothing restarts; every step succeeds unless told to fail.
class MemorySystemRestart : public SystemRestartApi {
  public:
    static constexpr SystemHandle kProcess = 0x7FFF;  // what GetCurrentProcess gives
    static constexpr Luid kShutdownPrivilege = {19, 0};
    static constexpr std::uint32_t kErrorInvalidHandle = 6;
    static constexpr std::uint32_t kErrorInsufficientBuffer = 122;
    static constexpr std::uint32_t kErrorMessageNotFound = 317;
    static constexpr std::uint32_t kErrorNoSuchPrivilege = 1313;

    // The step fails from now on and leaves lastError as the thread's last error.
    void Fail(RestartStep step, std::uint32_t lastError) { failures_[step] = lastError; }
    std::size_t CallsTo(const std::string& function) const;
    std::size_t OpenTokens() const { return openTokens_.size(); }

    bool LookupPrivilegeValueA(const char* systemName, const char* name, Luid& luid) override;
    SystemHandle GetCurrentProcess() override;
    bool OpenProcessToken(SystemHandle process, std::uint32_t desiredAccess,
                          SystemHandle& token) override;
    bool AdjustTokenPrivileges(SystemHandle token, bool disableAllPrivileges,
                               const TokenPrivilegeRecord& newState, std::uint32_t bufferLength,
                               TokenPrivilegeRecord& previousState,
                               std::uint32_t& returnLength) override;
    bool CloseHandle(SystemHandle handle) override;
    bool ExitWindowsEx(std::uint32_t flags, std::uint32_t reserved) override;
    std::uint32_t GetLastError() override;
    std::uint32_t FormatMessageA(std::uint32_t flags, std::uint32_t messageId,
                                 std::uint32_t languageId, char* buffer,
                                 std::uint32_t size) override;

    std::map<std::uint32_t, std::string> systemTexts;  // FormatMessageA's texts by code
    std::vector<std::string> calls;

  private:
    bool Fails(RestartStep step);
    bool SetError(std::uint32_t code);  // returns false, for the failing paths
    std::string HandleText(SystemHandle handle) const;

    std::map<RestartStep, std::uint32_t> failures_;
    std::uint32_t lastError_ = 0;
    std::set<SystemHandle> issuedTokens_;
    std::set<SystemHandle> openTokens_;
    SystemHandle nextToken_ = 0x100;
};

}  // namespace qn
