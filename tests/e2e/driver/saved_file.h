#pragma once
#include <string>

namespace qn::e2e {

// Keeps a file's bytes (or its absence) and puts them back when it goes out
// of scope, so that a test may change a file that Windows and other tests
// rely on, such as the hosts file.
class SavedFile {
  public:
    explicit SavedFile(std::string path);
    ~SavedFile();
    SavedFile(const SavedFile&) = delete;
    SavedFile& operator=(const SavedFile&) = delete;

  private:
    std::string path_;
    bool existed_ = false;
    std::string contents_;
};

}  // namespace qn::e2e
