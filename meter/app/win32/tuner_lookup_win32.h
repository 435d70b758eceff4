#pragma once
#include <string>

namespace qn::meter::win32 {

// Folder of the running program, ending in "\".
std::string ProgramFolder();

// Whether "quillon.exe", spelt exactly so, lies in folder (ending in "\").
bool TunerInstalledIn(const std::string& folder);

}  // namespace qn::meter::win32
