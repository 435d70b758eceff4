#pragma once
// Where the program and the system keep their files.
#include <string>

namespace qn {

enum class SpecialFolder { Desktop, Favorites };

class Directories {
  public:
    virtual ~Directories() = default;
    // The folder of the running executable, never with a trailing "\".
    virtual std::string ProgramDirectory() const = 0;
    // The full path of the running executable.
    virtual std::string ProgramFileName() const = 0;
    virtual std::string WindowsDirectory() const = 0;
    // Empty when the system has no such folder.
    virtual std::string SpecialFolderPath(SpecialFolder folder) const = 0;
};

}  // namespace qn
