#pragma once
// A machine's registry values read through the REGEDIT4 export, for comparing
// with the pictures of tests/support/registry_changes.h. Empty keys are not
// part of the picture.
#include <string>

#include "platform/registry.h"
#include "tests/support/registry_changes.h"

namespace qn::machine_test {

// Every value under HKEY_LOCAL_MACHINE, read through the REGEDIT4 export.
RegistrySnapshot SnapshotOfLocalMachine(Registry& registry);
RegistrySnapshot ParseRegFile(const std::string& text);

}  // namespace qn::machine_test
