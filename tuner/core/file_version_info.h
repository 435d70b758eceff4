#pragma once
// CFileVersionInfo: reads the version resource of a file into text members.
#include <string>

#include "platform/file_version.h"

namespace qn {

class CFileVersionInfo {
  public:
    explicit CFileVersionInfo(const FileVersionSource& source) : source_(source) {}

    // Setting a name stores its full path and reads the file (Refresh); a name
    // the system cannot make a full path of changes nothing.
    void SetFullPathName(const std::string& name);
    const std::string& FullPathName() const { return fullPathName_; }
    void Refresh();

    bool Available() const { return available_; }
    const std::string& FileFlags() const { return fileFlags_; }
    const std::string& FileOS() const { return fileOS_; }
    const std::string& FileType() const { return fileType_; }
    const std::string& FileSubType() const { return fileSubType_; }
    const std::string& VerFile() const { return verFile_; }
    const std::string& VerProduct() const { return verProduct_; }
    const std::string& VerStructure() const { return verStructure_; }
    const std::string& CompanyName() const { return companyName_; }
    const std::string& FileDescription() const { return fileDescription_; }
    const std::string& FileVersion() const { return fileVersion_; }
    const std::string& InternalName() const { return internalName_; }
    const std::string& Language() const { return language_; }
    const std::string& LegalCopyright() const { return legalCopyright_; }
    const std::string& LegalTrademarks() const { return legalTrademarks_; }
    const std::string& OriginalFilename() const { return originalFilename_; }
    const std::string& ProductName() const { return productName_; }
    const std::string& ProductVersion() const { return productVersion_; }

  private:
    // The text up to the first NUL of an ANSI value, or all of it.
    static std::string AnsiPtrToString(const std::vector<std::uint8_t>& bytes);
    void ReadFixedPart(const std::vector<std::uint8_t>& block);
    void ReadStringTable(const std::vector<std::uint8_t>& block);

    const FileVersionSource& source_;
    std::string fullPathName_;
    bool available_ = false;
    std::string fileFlags_, fileOS_, fileType_, fileSubType_;
    std::string verFile_, verProduct_, verStructure_;
    std::string companyName_, fileDescription_, fileVersion_, internalName_, language_;
    std::string legalCopyright_, legalTrademarks_, originalFilename_, productName_, productVersion_;
};

}  // namespace qn
