#pragma once
// Switching the hosts file off and on: the file moves between its place and
// "Disabled Hosts.qlh" in the application folder, and the log-on reminder's
// Run value follows.
#include <string>

#include "platform/file_system.h"
#include "tuner/core/environment.h"
#include "tuner/core/registry_context.h"

namespace qn {

inline constexpr char kDisabledHostsName[] = "Disabled Hosts.qlh";

struct HostsMove {
    // False when the file could not be moved: every file is as it was.
    bool moved = true;
    // What the user should hear of, or "" when there is nothing to tell.
    std::string message;
};

class HostsSwitch {
  public:
    HostsSwitch(FileSystem& files, RegistryContext context, const Environment& environment)
        : files_(files), context_(context), environment_(environment) {}

    std::string DisabledPath() const;

    // Brings "Disabled Hosts.qlh" back to the hosts path, when there is one.
    HostsMove MoveFileOn();
    // Moves the hosts file aside, when there is one.
    HostsMove MoveFileOff();

    // The Run value that starts the log-on reminder while the file is on.
    void WriteRunValue();
    void DeleteRunValue();

  private:
    HostsMove Move(const std::string& from, const std::string& to);
    std::string FreeBackupName(const std::string& path) const;

    FileSystem& files_;
    RegistryContext context_;
    const Environment& environment_;
};

}  // namespace qn
