#pragma once
// Replacing a file so that it never holds part of its new contents: a crash,
// a kill or a full disk leaves either the old file or the whole new one.
#include <string>

#include "platform/file_system.h"

namespace qn {

// The bytes go to a file beside the target first, which takes the target's
// place only once it reads back whole. False, with the target as it was,
// when that cannot be done.
bool WriteWhole(FileSystem& files, const std::string& path, const std::string& bytes);
// The same with the contents of another file; false when it cannot be read.
bool CopyWhole(FileSystem& files, const std::string& from, const std::string& to);

}  // namespace qn
