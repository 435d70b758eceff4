#include <windows.h>

#include "platform/win32/win32_services.h"

namespace qn::win32 {

namespace {

class Win32OsVersion : public OsVersionSource {
  public:
    std::optional<OsVersion> Read() const override {
        OSVERSIONINFOA info{};
        info.dwOSVersionInfoSize = sizeof(info);
        if (!GetVersionExA(&info)) return std::nullopt;
        OsVersion version;
        version.platformId = info.dwPlatformId;
        version.major = info.dwMajorVersion;
        version.minor = info.dwMinorVersion;
        // 95/98/ME put the version numbers into the high word.
        version.build = info.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS ? LOWORD(info.dwBuildNumber)
                                                                        : info.dwBuildNumber;
        version.csdVersion = info.szCSDVersion;
        return version;
    }
};

static_assert(sizeof(OSVERSIONINFOA) == 148, "the record size Windows 95 knows");

}  // namespace

std::unique_ptr<OsVersionSource> MakeWin32OsVersion() {
    return std::make_unique<Win32OsVersion>();
}

}  // namespace qn::win32
