#include "tuner/system/reboot_windows.h"

#include <algorithm>
#include <vector>

namespace qn {

namespace {

constexpr std::int32_t kAllShutdownFlags = 31;
constexpr std::uint32_t kExitWindowsReserved = 0xFFFFFFFF;
constexpr std::uint32_t kErrorTextBufferSize = 256;

constexpr char kPrivilegeNotFound[] =
    "Can't enable shutdown: Can't find the SE_SHUTDOWN_NAME privilege value. ";
constexpr char kNoCurrentProcess[] = "Can't enable shutdown: Can't determine the current process. ";
constexpr char kNotPrivileged[] =
    "Can't enable shutdown: You do not have the privileges to shutdown this system. ";

}  // namespace

bool RebootWindows::ShutdownSystem(std::int32_t flags, std::string& errorText) {
    if (flags < 0 || flags > kAllShutdownFlags) {
        errorText = "Invalid parameter to ShutdownSystem: " + std::to_string(flags);
        return false;
    }
    if (IsWindowsNT() && !EnableShutdownPrivilege(errorText)) return false;
    // The reserved argument is all ones, as this program has always passed it.
    if (!api_.ExitWindowsEx(static_cast<std::uint32_t>(flags), kExitWindowsReserved)) {
        const std::uint32_t error = api_.GetLastError();
        errorText = "ShutdownSystem failed: " + ApiErrorText(error);
        return false;
    }
    return true;
}

bool RebootWindows::EnableShutdownPrivilege(std::string& errorText) {
    Luid shutdownPrivilege;
    if (!api_.LookupPrivilegeValueA(nullptr, "SeShutdownPrivilege", shutdownPrivilege)) {
        errorText = WithLastErrorText(kPrivilegeNotFound);
        return false;
    }
    const SystemHandle process = api_.GetCurrentProcess();
    if (process == 0) {
        errorText = WithLastErrorText(kNoCurrentProcess);
        return false;
    }
    SystemHandle token = 0;
    if (!api_.OpenProcessToken(process, kTokenAdjustPrivileges | kTokenQuery, token)) {
        errorText = WithLastErrorText(kNotPrivileged);
        return false;
    }
    const TokenPrivilegeRecord request{1, shutdownPrivilege, kSePrivilegeEnabled};
    TokenPrivilegeRecord previous;
    std::uint32_t previousLength = 0;
    // Judged by the result alone; the privilege stays enabled until the process ends.
    const bool adjusted = api_.AdjustTokenPrivileges(
        token, false, request, kTokenPrivilegeRecordSize, previous, previousLength);
    if (!adjusted) errorText = WithLastErrorText(kNotPrivileged);
    api_.CloseHandle(token);
    return adjusted;
}

bool RebootWindows::IsWindowsNT() {
    if (platformDetermined_) return platformIsNt_;
    const auto version = os_.Read();
    if (!version) return platformIsNt_;  // undetermined: the next call asks again
    platformIsNt_ = version->platformId == kPlatformWin32Nt;
    platformDetermined_ = true;
    return platformIsNt_;
}

std::string RebootWindows::ApiErrorText(std::uint32_t code) {
    std::vector<char> buffer(kErrorTextBufferSize, '\0');
    const std::uint32_t count =
        api_.FormatMessageA(kFormatMessageFromSystem | kFormatMessageIgnoreInserts, code, 0,
                            buffer.data(), kErrorTextBufferSize);
    return std::string(buffer.data(), std::min(count, kErrorTextBufferSize));
}

std::string RebootWindows::WithLastErrorText(const char* message) {
    const std::uint32_t error = api_.GetLastError();
    return message + ("[" + ApiErrorText(error) + "]");
}

}  // namespace qn
