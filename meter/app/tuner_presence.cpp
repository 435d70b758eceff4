#include "meter/app/tuner_presence.h"

namespace qn::meter {

bool IsTunerFileName(const std::string& foundName) {
    return foundName == kTunerFileName;
}

bool TunerInstalledIn(const FileSystem& files, const std::string& folder) {
    for (const DirectoryEntry& entry : files.List(folder)) {
        if (!entry.isDirectory && IsTunerFileName(entry.name)) return true;
    }
    return false;
}

}  // namespace qn::meter
