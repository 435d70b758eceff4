#pragma once
// One key under HKEY_LOCAL_MACHINE, opened through CRegistry for one task: the
// reads and writes that adapter discovery and the TCP/IP parameters need, all
// silent on failure. Strings come back as the text before their first NUL, as
// the registry may or may not store one.
#include <cstdint>
#include <optional>
#include <string>

#include "tuner/core/registry_class.h"

namespace qn {

class MachineKey {
  public:
    // A key that cannot be opened reads as empty and takes no writes.
    MachineKey(RegistryContext context, const std::string& path);
    ~MachineKey();
    MachineKey(const MachineKey&) = delete;
    MachineKey& operator=(const MachineKey&) = delete;

    bool IsOpen() const { return open_; }

    // A string value's text; "" when absent.
    std::string Text(const std::string& name);
    // True when a value of that name exists (a missing one reads as "Error"
    // through QueryKey3).
    bool HasValue(const std::string& name);
    // True when the value, read as bytes, holds at least one.
    bool HasBinaryData(const std::string& name);

    // The number a REG_SZ value starts with (reading stops at a NUL); nothing
    // when it is absent, empty or stored under another type.
    std::optional<double> TextNumber(const std::string& name);
    // A REG_DWORD as the unsigned number the system means by it; nothing when it
    // is absent or stored under another type.
    std::optional<double> DwordNumber(const std::string& name);

    // The name of the sub-key at that index; nothing past the last one.
    std::optional<std::string> SubKeyName(std::int32_t index);

    // Decimal text without a NUL (REG_SZ), or a REG_DWORD.
    void StoreNumber(const std::string& name, std::int32_t value, bool asText);
    void Delete(const std::string& name);

  private:
    CRegistry registry_;
    bool open_ = false;
};

}  // namespace qn
