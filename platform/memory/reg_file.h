#pragma once
// REGEDIT4 registry files: loading into any Registry (or reading the contents
// without one) and saving a key tree.
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

// What a file asks for, key line by key line and value by value, for callers
// that want the contents rather than a registry (LoadRegFile is one of them).
// A handler that returns false sets *error, which becomes the line's fault;
// the values of a key that failed to open are skipped without more faults.
class RegFileHandler {
  public:
    virtual ~RegFileHandler() = default;
    // "[ROOT\path]": the values that follow belong to this key.
    virtual bool OpenKey(RegKey root, const std::string& path, std::string* error) = 0;
    // "[-ROOT\path]"; the path is empty for a root.
    virtual bool DeleteKey(RegKey root, const std::string& path, std::string* error) = 0;
    // A value of the open key; the name is empty for "@".
    virtual bool SetValue(const std::string& name, std::uint32_t type,
                          const std::vector<std::uint8_t>& data, std::string* error) = 0;
    // "name"=-
    virtual bool DeleteValue(const std::string& name, std::string* error) = 0;
};

RegFileLoadResult ReadRegFile(const std::string& text, RegFileHandler& handler);

// The data of one value as a saved value line has it after "=", on one line
// however long: "text" (for a REG_SZ that saves as text), dword:0000000a,
// hex:01,02 or hex(7):... ParseRegFileValueData reads such data (as a value
// line does) and fails on anything else, a deletion's "-" included.
std::string RegFileValueData(std::uint32_t type, const std::vector<std::uint8_t>& data);
bool ParseRegFileValueData(const std::string& text, std::uint32_t* type,
                           std::vector<std::uint8_t>* data);

// Saves root\path with everything below it into *text. Fails with the
// registry's code, or kRegInvalidParameter for an unknown root or a name with
// a line break, which REGEDIT4 cannot hold.
RegStatus SaveRegFile(Registry& registry, RegKey root, const std::string& path, std::string* text);

// "HKEY_CURRENT_USER" and the other predefined roots, both ways.
const char* RegRootName(RegKey root);
bool ParseRegRootName(const std::string& name, RegKey* root);

}  // namespace qn
