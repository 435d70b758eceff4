#include "meter/app/win32/tuner_lookup_win32.h"

#include <windows.h>

#include "meter/app/tuner_presence.h"

namespace qn::meter::win32 {

std::string ProgramFolder() {
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, length);
    return folder.substr(0, folder.find_last_of('\\') + 1);
}

bool TunerInstalledIn(const std::string& folder) {
    WIN32_FIND_DATAA found{};
    HANDLE search = FindFirstFileA((folder + kTunerFileName).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return false;
    FindClose(search);
    return IsTunerFileName(found.cFileName);
}

}  // namespace qn::meter::win32
