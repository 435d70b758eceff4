#pragma once
// Whether the tuner is installed beside the meter.
#include <string>

#include "platform/file_system.h"

namespace qn::meter {

inline constexpr char kTunerFileName[] = "quillon.exe";

// foundName is the name a directory listing returned for kTunerFileName.
// Listings match without regard to case, but only the exact name counts.
bool IsTunerFileName(const std::string& foundName);

// Whether folder (ending in "\") holds kTunerFileName spelt exactly so.
bool TunerInstalledIn(const FileSystem& files, const std::string& folder);

}  // namespace qn::meter
