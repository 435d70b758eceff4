#include "tuner/core/whole_file.h"

#include <optional>

namespace qn {

namespace {

// Beside the target, so that the last step is a rename within one folder.
std::string StagingPath(const std::string& path) {
    return path + ".new";
}

}  // namespace

bool WriteWhole(FileSystem& files, const std::string& path, const std::string& bytes) {
    const std::string staging = StagingPath(path);
    if (files.Write(staging, bytes) && files.ReadAll(staging) == bytes &&
        files.Move(staging, path)) {
        return true;
    }
    files.Delete(staging);
    return false;
}

bool CopyWhole(FileSystem& files, const std::string& from, const std::string& to) {
    const std::optional<std::string> bytes = files.ReadAll(from);
    return bytes && WriteWhole(files, to, *bytes);
}

}  // namespace qn
