#pragma once
#include <map>

#include "platform/directories.h"

namespace qn {

class MemoryDirectories : public Directories {
  public:
    std::string ProgramDirectory() const override { return programDirectory; }
    std::string ProgramFileName() const override { return programDirectory + "\\" + programName; }
    std::string WindowsDirectory() const override { return windowsDirectory; }
    std::string SpecialFolderPath(SpecialFolder folder) const override {
        const auto found = specialFolders.find(folder);
        return found == specialFolders.end() ? std::string() : found->second;
    }

    std::string programDirectory = "C:\\Program Files\\Quillon";
    std::string programName = "quillon.exe";
    std::string windowsDirectory = "C:\\WINDOWS";
    std::map<SpecialFolder, std::string> specialFolders = {
        {SpecialFolder::Desktop, "C:\\WINDOWS\\Desktop"},
        {SpecialFolder::Favorites, "C:\\WINDOWS\\Favorites"}};
};

}  // namespace qn
