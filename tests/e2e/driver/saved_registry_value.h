#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace qn::e2e {

// Keeps a registry value (type and bytes, or its absence) and puts it back
// when it goes out of scope, so that a test may change what other tests and
// programs rely on. An empty name is the key's default value.
class SavedRegistryValue {
  public:
    SavedRegistryValue(HKEY root, std::string keyPath, std::string name);
    ~SavedRegistryValue();
    SavedRegistryValue(const SavedRegistryValue&) = delete;
    SavedRegistryValue& operator=(const SavedRegistryValue&) = delete;

  private:
    HKEY root_;
    std::string keyPath_;
    std::string name_;
    bool existed_ = false;
    DWORD type_ = REG_NONE;
    std::vector<BYTE> data_;
};

}  // namespace qn::e2e
