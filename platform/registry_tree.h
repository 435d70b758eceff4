#pragma once
// Deleting a key with everything below it using only the basic operations,
// for registries that lack a tree delete of their own.
#include <string>

#include "platform/registry.h"

namespace qn {

// Deletes the sub-keys depth first, then the key itself. Returns the first
// failure, or kRegFileNotFound when the key does not exist.
RegStatus DeleteKeyTree(Registry& registry, RegKey parent, const std::string& sub_key);

}  // namespace qn
