#include "tests/e2e/driver/saved_file.h"

#include <windows.h>

#include <cstdint>
#include <utility>
#include <vector>

#include "tests/e2e/driver/files.h"

namespace qn::e2e {

SavedFile::SavedFile(std::string path) : path_(std::move(path)) {
    existed_ = ReadWholeFile(path_, contents_);
}

SavedFile::~SavedFile() {
    if (existed_) {
        WriteWholeFile(path_, std::vector<uint8_t>(contents_.begin(), contents_.end()));
    } else {
        DeleteFileA(path_.c_str());
    }
}

}  // namespace qn::e2e
