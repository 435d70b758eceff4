#pragma once
// Wine's registry pictured as the machine tables picture theirs
// (tests/support/registry_changes.h), through the same REGEDIT4 save and read
// as the native tests, so that equal pictures mean equal bytes.
#include <string>
#include <vector>

#include "platform/memory/reg_file.h"
#include "platform/win32/win32_registry.h"
#include "tests/support/registry_snapshot.h"

namespace qn::e2e {

using machine_test::RegistrySnapshot;

// Every value in the given trees under HKEY_LOCAL_MACHINE.
inline RegistrySnapshot SnapshotOfLocalMachineTrees(const std::vector<std::string>& trees) {
    win32::Win32Registry registry;
    RegistrySnapshot snapshot;
    for (const std::string& tree : trees) {
        machine_test::AddTreeToSnapshot(registry, kHkeyLocalMachine, tree, &snapshot);
    }
    return snapshot;
}

// Wine, as NT, reads a REG_SZ written without its NUL back with one when the
// byte after the data happened to be NUL: whether the tuner's "no NUL" form
// survives is chance. This gives both forms of a text the with-NUL picture.
inline std::string IgnoringTextTerminator(const std::string& data) {
    std::uint32_t type = kRegNone;
    std::vector<std::uint8_t> bytes;
    if (!ParseRegFileValueData(data, &type, &bytes) || type != kRegSz) return data;
    while (!bytes.empty() && bytes.back() == 0) bytes.pop_back();
    bytes.push_back(0);
    return RegFileValueData(kRegSz, bytes);
}

}  // namespace qn::e2e
