#pragma once
// REGEDIT4 registry files: loading into any Registry and saving a key tree.
//
// Saving writes "REGEDIT4", then each key as "[ROOT\path]" followed by its
// values, the key's sub-keys after it, all in the registry's enumeration
// order, with CR LF line ends; long hex lists wrap with a "\" continuation.
// Loading what was saved gives back exactly the same bytes. A "name"="text"
// line always loads as the text plus a terminating NUL, so a REG_SZ that is not
// exactly one NUL-terminated line of text (no NUL at its end, a NUL inside, an
// empty value, a line break) is saved as hex(1): with its raw bytes. A REG_DWORD
// of other than 4 bytes is saved as hex(4):.
#include <string>
#include <vector>

#include "platform/registry.h"

namespace qn {

struct RegFileError {
    int line = 0;  // 1-based; the first line of a continued line
    std::string message;
};

// Loading goes on after a faulty line; every fault is listed.
struct RegFileLoadResult {
    std::vector<RegFileError> errors;
    bool ok() const { return errors.empty(); }
};

RegFileLoadResult LoadRegFile(Registry& registry, const std::string& text);

// Saves root\path with everything below it into *text. Fails with the
// registry's code, or kRegInvalidParameter for an unknown root or a name with
// a line break, which REGEDIT4 cannot hold.
RegStatus SaveRegFile(Registry& registry, RegKey root, const std::string& path, std::string* text);

// "HKEY_CURRENT_USER" and the other predefined roots, both ways.
const char* RegRootName(RegKey root);
bool ParseRegRootName(const std::string& name, RegKey* root);

}  // namespace qn
