#pragma once
#include "platform/os_version.h"

namespace qn {

class MemoryOsVersion : public OsVersionSource {
  public:
    explicit MemoryOsVersion(std::optional<OsVersion> version) : version(std::move(version)) {}
    std::optional<OsVersion> Read() const override { return version; }

    std::optional<OsVersion> version;  // empty: the system call fails
};

// The versions the programs distinguish, as the systems report them.
OsVersion Windows95();
OsVersion Windows98();
OsVersion WindowsMe();
OsVersion WindowsNt4();
OsVersion Windows2000();
OsVersion WindowsXp();

}  // namespace qn
