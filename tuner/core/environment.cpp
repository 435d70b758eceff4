#include "tuner/core/environment.h"

#include "support/ansi_case.h"
#include "support/number_parse.h"
#include "tuner/core/file_version_info.h"

namespace qn {

namespace {

// Dial-Up Networking 1.3 ships pppmac.vxd of build 1902.
constexpr double kDun13Build = 1902;

// Everything after the second "." of a version text; empty when it has fewer.
std::string LastVersionComponent(const std::string& version) {
    const auto first = version.find('.');
    if (first == std::string::npos) return "";
    const auto second = version.find('.', first + 1);
    if (second == std::string::npos) return "";
    return version.substr(second + 1);
}

}  // namespace

bool Environment::IsWinNT() const {
    const auto version = os_.Read();
    return version && version->platformId == kPlatformWin32Nt;
}

// Any NT of major version 5 or later counts: a later Windows must not be taken
// for NT 4, whose defaults and registry locations differ.
bool Environment::IsWin2000OrLater() const {
    const auto version = os_.Read();
    return version && version->platformId == kPlatformWin32Nt && version->major >= 5;
}

bool Environment::IsWinXP() const {
    const auto version = os_.Read();
    return version && version->platformId == kPlatformWin32Nt &&
           (version->major > 5 || (version->major == 5 && version->minor >= 1));
}

bool Environment::IsWin98() const {
    const auto version = os_.Read();
    return version && version->major == 4 && version->minor >= 10;
}

bool Environment::IsWin98OrLater() const {
    const auto version = os_.Read();
    return version && version->major >= 4 && version->minor >= 10;
}

bool Environment::HasDun13() const {
    if (dun13_) return *dun13_;
    bool present = false;
    if (!IsWinNT() && !IsWin98()) {
        CFileVersionInfo info(versions_);
        info.SetFullPathName(ToUpperAnsi(WindowsDirectory() + "\\system\\pppmac.vxd"));
        const std::string build = LastVersionComponent(info.ProductVersion());
        present = !build.empty() && LeadingNumber(build) >= kDun13Build;
    }
    dun13_ = present;
    return present;
}

std::string Environment::AppPath() const {
    std::string path = directories_.ProgramDirectory();
    while (!path.empty() && path.back() == '\\') path.pop_back();
    return path;
}

std::string Environment::WindowsDirectory() const {
    return directories_.WindowsDirectory();
}

std::string Environment::GetHostsPath() const {
    return WindowsDirectory() + (IsWinNT() ? "\\system32\\drivers\\etc\\hosts" : "\\hosts");
}

std::string Environment::HelpFile() const {
    return AppPath() + "\\quillon.hlp";
}

}  // namespace qn
