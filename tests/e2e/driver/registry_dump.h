#pragma once
#include <windows.h>

#include <string>

namespace qn::e2e {

bool ReadRegistryString(HKEY root, const std::string& keyPath, const std::string& name,
                        std::string& value);
bool ReadRegistryDword(HKEY root, const std::string& keyPath, const std::string& name,
                       DWORD& value);
bool RegistryKeyExists(HKEY root, const std::string& keyPath);
bool WriteRegistryString(HKEY root, const std::string& keyPath, const std::string& name,
                         const std::string& value);
bool DeleteRegistryValue(HKEY root, const std::string& keyPath, const std::string& name);
// Deletes the key with everything below it; true also when it did not exist.
bool DeleteRegistryTree(HKEY root, const std::string& keyPath);

// The key and its sub-keys as REGEDIT4 text, as SaveRegFile writes it (values
// and sub-keys in stored order), for comparing a tree before and after a
// program ran. A missing key, or one that cannot be read, gives "".
std::string ExportRegistryTree(HKEY root, const std::string& keyPath);

}  // namespace qn::e2e
