#pragma once
// Restarts, shuts down or logs off Windows, enabling the shutdown privilege
// first on the NT family. Failures come back as False plus a sentence for the
// user that ends with the system's own text in brackets.
#include <cstdint>
#include <string>

#include "platform/os_version.h"
#include "platform/system_restart.h"

namespace qn {

class RebootWindows {
  public:
    // ExitWindowsEx flags; any combination of them (0 to 31) is accepted.
    static constexpr std::int32_t kEwxLogoff = 0;
    static constexpr std::int32_t kEwxShutdown = 1;
    static constexpr std::int32_t kEwxReboot = 2;
    static constexpr std::int32_t kEwxForce = 4;
    static constexpr std::int32_t kEwxPowerOff = 8;
    static constexpr std::int32_t kEwxForceIfHung = 16;

    RebootWindows(SystemRestartApi& api, const OsVersionSource& os) : api_(api), os_(os) {}

    // True when Windows accepted the request; otherwise errorText says why.
    bool ShutdownSystem(std::int32_t flags, std::string& errorText);
    // Enables SeShutdownPrivilege in the process token for the rest of the run.
    bool EnableShutdownPrivilege(std::string& errorText);
    // The answer is kept once the version could be read.
    bool IsWindowsNT();
    // The system's text for an error code as it gives it (with its line break),
    // or empty.
    std::string ApiErrorText(std::uint32_t code);

  private:
    // message + "[" + the system's text for the last error + "]"; reads the
    // last error first, before any other call can change it.
    std::string WithLastErrorText(const char* message);

    SystemRestartApi& api_;
    const OsVersionSource& os_;
    bool platformDetermined_ = false;
    bool platformIsNt_ = false;
};

}  // namespace qn
