#include "tests/e2e/driver/wine_prefix.h"

#include <windows.h>

#include "tests/e2e/driver/process.h"
#include "tests/e2e/driver/registry_dump.h"

namespace qn::e2e {

namespace {

constexpr DWORD kImportTimeoutMs = 30000;

std::string AppDefaultsKey(const std::string& exeName) {
    return "Software\\Wine\\AppDefaults\\" + exeName;
}

}  // namespace

bool SetProgramWindowsVersion(const std::string& exeName, const std::string& version) {
    return WriteRegistryString(HKEY_CURRENT_USER, AppDefaultsKey(exeName), "Version", version);
}

std::string ProgramWindowsVersion(const std::string& exeName) {
    std::string version;
    ReadRegistryString(HKEY_CURRENT_USER, AppDefaultsKey(exeName), "Version", version);
    return version;
}

bool ClearProgramWindowsVersion(const std::string& exeName) {
    return DeleteRegistryTree(HKEY_CURRENT_USER, AppDefaultsKey(exeName));
}

bool ImportRegFile(const std::string& windowsPath) {
    return RunAndWait("reg.exe import \"" + windowsPath + "\"", kImportTimeoutMs) == 0;
}

}  // namespace qn::e2e
