#pragma once
#include <string>

namespace qn::e2e {

// Wine's names of the emulated Windows versions.
constexpr const char* kWindowsVersions[] = {"win95", "win98", "winme", "nt40", "win2k", "winxp"};

// Makes Wine report the given Windows version to the program exeName (for
// example "quillon.exe"); it takes effect when the program next starts.
bool SetProgramWindowsVersion(const std::string& exeName, const std::string& version);
std::string ProgramWindowsVersion(const std::string& exeName);
bool ClearProgramWindowsVersion(const std::string& exeName);

// Imports a REGEDIT4 file (a Windows path) with Wine's reg.exe; true when it
// reported success.
bool ImportRegFile(const std::string& windowsPath);

}  // namespace qn::e2e
