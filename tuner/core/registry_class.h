#pragma once
// CRegistry: the tuner's only way into the registry. One object opens one key
// at a time, reads and writes its values and closes it; failures come back as
// False, Empty or a marker value and, only when the caller passes a non-zero
// showErr, as a message box ("Registry Class Error").
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/registry_variant.h"
#include "tuner/core/registry_context.h"

namespace qn {

// Queries return a RegVariant: a string keeps its terminating NUL when the data
// has one; the 16-bit integer is QueryKey2's 1 for "missing".
class CRegistry {
  public:
    explicit CRegistry(RegistryContext context);
    CRegistry(const CRegistry&) = delete;
    CRegistry& operator=(const CRegistry&) = delete;
    // Closes a key still held, silently.
    ~CRegistry();

    RegKey Key() const { return key_; }
    void SetKey(RegKey key) { key_ = key; }

    // Without an access mask the key opens as RegOpenKeyA opens it.
    bool OpenKey(RegKey root, const std::string& subKey,
                 std::optional<std::uint32_t> access = std::nullopt, int showErr = 0);
    bool CloseKey(int showErr = 0);

    // type is in and out: the stored type replaces it.
    RegVariant QueryKey(const std::string& name, std::uint32_t& type, int showErr = 0);
    // A missing value gives the 16-bit integer 1 when missingAsOne is non-zero.
    RegVariant QueryKey2(const std::string& name, std::uint32_t& type, int missingAsOne = 0);
    // A missing string value gives "Error".
    RegVariant QueryKey3(const std::string& name, std::uint32_t& type, int showErr = 0);

    // Strings are written without a terminating NUL.
    bool SaveKey(const std::string& name, const RegVariant& value, std::uint32_t& type,
                 int showErr = 0);
    bool DeleteValue(const std::string& name, std::optional<RegKey> key = std::nullopt,
                     int showErr = 0);
    // The created key becomes the held one.
    bool CreateKey(const std::string& subKey, std::optional<RegKey> parent = std::nullopt,
                   std::optional<std::uint32_t> access = std::nullopt, int showErr = 0);
    bool DeleteKey(const std::string& subKey, std::optional<RegKey> parent = std::nullopt,
                   int showErr = 0);
    void FlushKey();
    // The sub-key name followed by its NUL, or "ERROR".
    std::string EnumKey(std::int32_t index);

  private:
    RegistryContext context_;
    RegKey key_ = 0;
};

// Convenience for callers that only want text or a number out of a query.
// A string is cut at its first NUL; a number gives its decimal text.
std::string VariantText(const RegVariant& value);
// A string converts as Val does (leading number, stops at a NUL or other
// text); a 32- or 16-bit integer as itself; anything else is 0.
double VariantNumber(const RegVariant& value);

}  // namespace qn
