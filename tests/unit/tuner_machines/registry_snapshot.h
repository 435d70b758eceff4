#pragma once
// A machine's registry values as REGEDIT4 text, and the differences between
// two such pictures, so that a test can state exactly which values a save
// changed and how. Key paths and value names are compared ignoring case, as
// the registry compares them; empty keys are not part of the picture.
#include <map>
#include <string>
#include <vector>

#include "platform/registry.h"

namespace qn::machine_test {

// "KEY PATH" + " " + quoted value name (or @) -> the value's REGEDIT4 data,
// e.g. "576" with its NUL as "\"576\"", without it as "hex(1):35,37,36".
using RegistrySnapshot = std::map<std::string, std::string>;

// Every value under HKEY_LOCAL_MACHINE, read through the REGEDIT4 export.
RegistrySnapshot SnapshotOfLocalMachine(Registry& registry);
RegistrySnapshot ParseRegFile(const std::string& text);

// The data as the export shows it.
std::string Text(const std::string& text);       // REG_SZ with its NUL, as Windows writes it
std::string TextNoNul(const std::string& text);  // REG_SZ without NUL, as the tuner writes it
std::string Dword(unsigned number);              // REG_DWORD
extern const char* const kAbsent;                // no such value

// One value that differs; key relative to HKEY_LOCAL_MACHINE, name "@" for
// the unnamed value.
struct RegistryChange {
    std::string key;
    std::string name;
    std::string before;
    std::string after;
};

// Readable, comparable lines: "KEY \"NAME\": before -> after", sorted.
std::vector<std::string> Describe(const std::vector<RegistryChange>& changes);
std::vector<std::string> Differences(const RegistrySnapshot& before, const RegistrySnapshot& after);

}  // namespace qn::machine_test
