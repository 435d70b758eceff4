#pragma once
// Which Windows the tuner runs on, and where its files are.
#include <optional>
#include <string>

#include "platform/directories.h"
#include "platform/file_version.h"
#include "platform/os_version.h"

namespace qn {

class Environment {
  public:
    Environment(const OsVersionSource& os, const Directories& directories,
                const FileVersionSource& versions)
        : os_(os), directories_(directories), versions_(versions) {}

    // Asked afresh at every call, as the version may be unreadable for a while.
    bool IsWinNT() const;
    bool IsWin2000OrLater() const;  // NT 5 or later
    bool IsWinXP() const;           // NT 5.1 or later
    bool IsWin98() const;           // 98 and ME
    bool IsWin98OrLater() const;
    // Dial-Up Networking 1.3 on Windows 95; read once, then remembered.
    bool HasDun13() const;

    // Windows 98/ME, or 95 with Dial-Up Networking 1.3: the family whose
    // software adapters keep their MTU in the class key.
    bool UsesDun13Layout() const { return !IsWinNT() && (IsWin98() || HasDun13()); }
    // Windows 95 without Dial-Up Networking 1.3.
    bool IsPlainWin95() const { return !IsWinNT() && !IsWin98() && !HasDun13(); }

    // The program's folder, without a trailing "\".
    std::string AppPath() const;
    std::string WindowsDirectory() const;
    std::string GetHostsPath() const;
    std::string HelpFile() const;

  private:
    const OsVersionSource& os_;
    const Directories& directories_;
    const FileVersionSource& versions_;
    mutable std::optional<bool> dun13_;
};

}  // namespace qn
