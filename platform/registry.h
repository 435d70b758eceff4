#pragma once
// The registry as the ANSI advapi32 functions present it. Every operation
// mirrors one Win32 call: same arguments, same buffer-size rules, same error
// codes, so code written against it behaves as it would calling the A
// functions directly with fixed-size buffers.
#include <cstdint>
#include <string>

namespace qn {

// An open key. Wide enough for a pointer-sized HKEY; the predefined roots are
// the sign-extended values Windows itself uses, so a handle converts to HKEY
// and back without translation, and a root prints as a negative number
// (HKEY_CURRENT_USER is -2147483647) as 32-bit programs show it.
using RegKey = std::intptr_t;

constexpr RegKey PredefinedRegKey(std::uint32_t code) {
    return static_cast<RegKey>(static_cast<std::int32_t>(code));
}

constexpr RegKey kHkeyClassesRoot = PredefinedRegKey(0x80000000u);
constexpr RegKey kHkeyCurrentUser = PredefinedRegKey(0x80000001u);
constexpr RegKey kHkeyLocalMachine = PredefinedRegKey(0x80000002u);
constexpr RegKey kHkeyUsers = PredefinedRegKey(0x80000003u);
constexpr RegKey kHkeyCurrentConfig = PredefinedRegKey(0x80000005u);
constexpr RegKey kHkeyDynData = PredefinedRegKey(0x80000006u);

// Win32 error codes the registry returns.
using RegStatus = long;
constexpr RegStatus kRegSuccess = 0;
constexpr RegStatus kRegFileNotFound = 2;
constexpr RegStatus kRegAccessDenied = 5;
constexpr RegStatus kRegInvalidHandle = 6;
constexpr RegStatus kRegInvalidParameter = 87;
constexpr RegStatus kRegBadPathname = 161;  // a sub-key path that starts with "\"
constexpr RegStatus kRegMoreData = 234;
constexpr RegStatus kRegNoMoreItems = 259;
constexpr RegStatus kRegNoAccess = 998;     // invalid data pointer
constexpr RegStatus kRegKeyDeleted = 1018;  // a handle to a key deleted since it was opened

// Value types.
constexpr std::uint32_t kRegNone = 0;
constexpr std::uint32_t kRegSz = 1;
constexpr std::uint32_t kRegExpandSz = 2;
constexpr std::uint32_t kRegBinary = 3;
constexpr std::uint32_t kRegDword = 4;
constexpr std::uint32_t kRegDwordBigEndian = 5;
constexpr std::uint32_t kRegLink = 6;
constexpr std::uint32_t kRegMultiSz = 7;

// Access rights.
constexpr std::uint32_t kKeyQueryValue = 0x0001;
constexpr std::uint32_t kKeySetValue = 0x0002;
constexpr std::uint32_t kKeyCreateSubKey = 0x0004;
constexpr std::uint32_t kKeyEnumerateSubKeys = 0x0008;
constexpr std::uint32_t kKeyNotify = 0x0010;
constexpr std::uint32_t kKeyCreateLink = 0x0020;
constexpr std::uint32_t kKeyRead = 0x00020019;
constexpr std::uint32_t kKeyWrite = 0x00020006;
constexpr std::uint32_t kKeyAllAccess = 0x000F003F;
constexpr std::uint32_t kMaximumAllowed = 0x02000000;  // what RegOpenKeyA/RegCreateKeyA ask for

// RegQueryInfoKeyA's counts; lengths are in characters without the NUL.
struct RegKeyInfo {
    std::uint32_t sub_keys = 0;
    std::uint32_t max_sub_key_length = 0;
    std::uint32_t values = 0;
    std::uint32_t max_value_name_length = 0;
    std::uint32_t max_value_data_length = 0;  // in bytes
};

class Registry {
  public:
    virtual ~Registry() = default;

    // RegOpenKeyExA. An empty sub_key opens a new handle to parent itself.
    virtual RegStatus OpenKey(RegKey parent, const std::string& sub_key, std::uint32_t access,
                              RegKey* result) = 0;

    // RegCreateKeyExA (non-volatile, no class, default security): opens the key,
    // creating it and any missing keys on the way. created may be null.
    virtual RegStatus CreateKey(RegKey parent, const std::string& sub_key, std::uint32_t access,
                                RegKey* result, bool* created) = 0;

    // RegCloseKey. Closing a predefined root succeeds and does nothing.
    virtual RegStatus CloseKey(RegKey key) = 0;

    // RegFlushKey.
    virtual RegStatus FlushKey(RegKey key) = 0;

    // RegQueryValueExA. An empty name is the key's unnamed value. type, data and
    // size may each be null, except that data needs size. With data null the
    // size needed is returned in *size; with *size too small the result is
    // kRegMoreData and *size is set to the size needed.
    virtual RegStatus QueryValue(RegKey key, const std::string& name, std::uint32_t* type,
                                 std::uint8_t* data, std::uint32_t* size) = 0;

    // RegSetValueExA: stores exactly size bytes of data under the type given.
    virtual RegStatus SetValue(RegKey key, const std::string& name, std::uint32_t type,
                               const std::uint8_t* data, std::uint32_t size) = 0;

    // RegDeleteValueA.
    virtual RegStatus DeleteValue(RegKey key, const std::string& name) = 0;

    // RegDeleteKeyA: fails with kRegAccessDenied while the key has sub-keys.
    virtual RegStatus DeleteKey(RegKey parent, const std::string& sub_key) = 0;

    // SHDeleteKeyA: deletes the key with everything below it.
    virtual RegStatus DeleteTree(RegKey parent, const std::string& sub_key) = 0;

    // RegEnumKeyExA. *name_size is the buffer size in characters including the
    // NUL; on success it becomes the name's length without the NUL. A name that
    // does not fit gives kRegMoreData. Past the last sub-key: kRegNoMoreItems.
    virtual RegStatus EnumKey(RegKey key, std::uint32_t index, char* name,
                              std::uint32_t* name_size) = 0;

    // RegEnumValueA: the name as for EnumKey, the data as for QueryValue (type,
    // data and data_size may be null).
    virtual RegStatus EnumValue(RegKey key, std::uint32_t index, char* name,
                                std::uint32_t* name_size, std::uint32_t* type, std::uint8_t* data,
                                std::uint32_t* data_size) = 0;

    // RegQueryInfoKeyA.
    virtual RegStatus QueryInfoKey(RegKey key, RegKeyInfo* info) = 0;
};

}  // namespace qn
