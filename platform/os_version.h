#pragma once
// The running Windows version, as GetVersionExA reports it.
#include <cstdint>
#include <optional>
#include <string>

namespace qn {

constexpr std::uint32_t kPlatformWin32Windows = 1;  // 95, 98, ME
constexpr std::uint32_t kPlatformWin32Nt = 2;

struct OsVersion {
    std::uint32_t platformId = 0;
    std::uint32_t major = 0;
    std::uint32_t minor = 0;
    std::uint32_t build = 0;  // on 95/98/ME only the low word carries the build
    std::string csdVersion;   // service pack or extra version text
};

class OsVersionSource {
  public:
    virtual ~OsVersionSource() = default;
    // Empty when the system call fails.
    virtual std::optional<OsVersion> Read() const = 0;
};

}  // namespace qn
