#pragma once
// The data bytes SaveKey writes for a value, converted the way a Variant is
// converted to the registry type asked for.
#include <cstdint>
#include <optional>
#include <string>

#include "tuner/core/registry_class.h"

namespace qn {

// REG_SZ / REG_EXPAND_SZ: the text without a terminating NUL. REG_BINARY: one
// byte per element. REG_DWORD: four bytes, low byte first. REG_MULTI_SZ: each
// element and its NUL, then the NUL that ends the list. Nothing when the value
// does not convert (an array as text, text that is not a number, a number out
// of range) or the type is none of these.
std::optional<std::string> RegistryValueData(const RegVariant& value, std::uint32_t type);

}  // namespace qn
