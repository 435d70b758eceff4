#pragma once
// The rules, per Windows family, that tell whether an instance key holds a
// TCP/IP adapter of a given category.
#include <string>

#include "tuner/core/registry_context.h"

namespace qn {

struct FoundAdapter {
    std::string description;  // "" when there is no adapter of the category
    std::string deviceId;     // hardware identifier (9x) or service name (NT)
};

// NT 4 names its cards by "Title", 2000 and XP by "Description".
FoundAdapter DescribeAdapterNt(RegistryContext context, bool win2000OrLater, int instance);
// Windows 95 without Dial-Up Networking 1.3.
FoundAdapter DescribeAdapterWin95(RegistryContext context, const std::string& instance,
                                  int category);
// Windows 98/ME, and 95 with Dial-Up Networking 1.3.
FoundAdapter DescribeAdapterDun13(RegistryContext context, const std::string& instance,
                                  int category);

}  // namespace qn
