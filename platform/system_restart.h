#pragma once
// The calls that restart Windows: the shutdown privilege of the process token,
// ExitWindowsEx and the system's error texts. Shaped like the Win32 functions
// so that the restart steps read as they run on Windows.
#include <cstdint>

namespace qn {

// A kernel object handle carried through the portable interface; 0 means none.
using SystemHandle = std::uintptr_t;

// Win32 LUID: a locally unique identifier in two 32-bit halves.
struct Luid {
    std::uint32_t lowPart = 0;
    std::int32_t highPart = 0;
};

// Win32 TOKEN_PRIVILEGES with room for exactly one entry (16 bytes on Windows).
struct TokenPrivilegeRecord {
    std::uint32_t privilegeCount = 0;
    Luid luid;
    std::uint32_t attributes = 0;
};

constexpr std::uint32_t kTokenPrivilegeRecordSize = 16;
constexpr std::uint32_t kSePrivilegeEnabled = 2;
constexpr std::uint32_t kTokenQuery = 0x8;
constexpr std::uint32_t kTokenAdjustPrivileges = 0x20;
constexpr std::uint32_t kFormatMessageIgnoreInserts = 0x200;
constexpr std::uint32_t kFormatMessageFromSystem = 0x1000;

class SystemRestartApi {
  public:
    virtual ~SystemRestartApi() = default;
    // systemName nullptr: the local machine.
    virtual bool LookupPrivilegeValueA(const char* systemName, const char* name, Luid& luid) = 0;
    virtual SystemHandle GetCurrentProcess() = 0;
    virtual bool OpenProcessToken(SystemHandle process, std::uint32_t desiredAccess,
                                  SystemHandle& token) = 0;
    virtual bool AdjustTokenPrivileges(SystemHandle token, bool disableAllPrivileges,
                                       const TokenPrivilegeRecord& newState,
                                       std::uint32_t bufferLength,
                                       TokenPrivilegeRecord& previousState,
                                       std::uint32_t& returnLength) = 0;
    virtual bool CloseHandle(SystemHandle handle) = 0;
    virtual bool ExitWindowsEx(std::uint32_t flags, std::uint32_t reserved) = 0;
    // The calling thread's last error code.
    virtual std::uint32_t GetLastError() = 0;
    // Writes the text and its NUL into buffer; returns the characters written
    // without the NUL, 0 when there is no text (or it does not fit).
    virtual std::uint32_t FormatMessageA(std::uint32_t flags, std::uint32_t messageId,
                                         std::uint32_t languageId, char* buffer,
                                         std::uint32_t size) = 0;
};

}  // namespace qn
