#pragma once
// Registry fixtures (REGEDIT4 text) beyond what "reg import" does with them.
#include <windows.h>

#include <string>
#include <vector>

namespace qn::e2e {

// The names of the sub-keys that the file creates directly below root\keyPath,
// sorted by name; empty when the text does not load.
std::vector<std::string> SubKeysInRegFile(const std::string& regText, HKEY root,
                                          const std::string& keyPath);

// Wine keeps some keys volatile (NetworkCards lists the host's interfaces
// there), and a volatile key takes only volatile sub-keys, so "reg import"
// cannot create what a file puts below one. Creates each sub-key that the file
// puts directly below root\keyPath afresh, as a volatile key with the file's
// values and sub-keys; they last until the wineserver ends. True when there
// was nothing to create or everything was written.
bool ImportVolatileSubKeys(const std::string& regText, HKEY root, const std::string& keyPath);

}  // namespace qn::e2e

namespace qn::e2e {

// Imports a whole machine: the file through "reg import", then the network
// cards it describes, which Wine keeps under a volatile key.
bool ImportMachineRegFile(const std::string& windowsPath);

}  // namespace qn::e2e
