#pragma once
// The registry of the running Windows, through the advapi32 A functions.
#include "platform/registry.h"

namespace qn::win32 {

class Win32Registry : public Registry {
  public:
    RegStatus OpenKey(RegKey parent, const std::string& sub_key, std::uint32_t access,
                      RegKey* result) override;
    RegStatus CreateKey(RegKey parent, const std::string& sub_key, std::uint32_t access,
                        RegKey* result, bool* created) override;
    RegStatus CloseKey(RegKey key) override;
    RegStatus FlushKey(RegKey key) override;
    RegStatus QueryValue(RegKey key, const std::string& name, std::uint32_t* type,
                         std::uint8_t* data, std::uint32_t* size) override;
    RegStatus SetValue(RegKey key, const std::string& name, std::uint32_t type,
                       const std::uint8_t* data, std::uint32_t size) override;
    RegStatus DeleteValue(RegKey key, const std::string& name) override;
    RegStatus DeleteKey(RegKey parent, const std::string& sub_key) override;
    // SHDeleteKeyA where shlwapi has it (IE 4 and later), else DeleteTreeByHand.
    RegStatus DeleteTree(RegKey parent, const std::string& sub_key) override;
    RegStatus EnumKey(RegKey key, std::uint32_t index, char* name,
                      std::uint32_t* name_size) override;
    RegStatus EnumValue(RegKey key, std::uint32_t index, char* name, std::uint32_t* name_size,
                        std::uint32_t* type, std::uint8_t* data, std::uint32_t* data_size) override;
    RegStatus QueryInfoKey(RegKey key, RegKeyInfo* info) override;
};

}  // namespace qn::win32
