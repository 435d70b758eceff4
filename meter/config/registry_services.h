#pragma once
// What the meter's registry access needs from its surroundings.
#include <string>

#include "platform/environment_strings.h"
#include "platform/registry.h"

namespace qn::meter {

struct RegistryServices {
    Registry& registry;
    const EnvironmentStrings& environment;
    std::string programName;  // the executable's name without ".exe", for raised errors
};

}  // namespace qn::meter
