#pragma once
// Pictures of a registry's values (see registry_changes.h), taken by saving
// the tree as REGEDIT4 and reading the text back, so that a picture shows
// each value exactly as a saved file writes it. Empty keys are no part of a
// picture. Works on any Registry: the in-memory one natively, Wine's through
// the Win32 registry class.
#include <stdexcept>
#include <string>

#include "platform/memory/reg_file.h"
#include "platform/registry.h"
#include "tests/support/registry_changes.h"

namespace qn::machine_test {

namespace registry_snapshot_detail {

// Collects the values of saved text; saved text never deletes anything.
class SnapshotCollector : public RegFileHandler {
  public:
    explicit SnapshotCollector(RegistrySnapshot& snapshot) : snapshot_(snapshot) {}

    bool OpenKey(RegKey root, const std::string& path, std::string*) override {
        key_ = RegRootName(root) + (path.empty() ? std::string() : "\\" + path);
        return true;
    }
    bool DeleteKey(RegKey, const std::string&, std::string* error) override {
        *error = "a picture holds no deletions";
        return false;
    }
    bool SetValue(const std::string& name, std::uint32_t type,
                  const std::vector<std::uint8_t>& data, std::string*) override {
        snapshot_[ValueId(key_, name.empty() ? "@" : name)] = RegFileValueData(type, data);
        return true;
    }
    bool DeleteValue(const std::string& name, std::string* error) override {
        return DeleteKey(0, name, error);
    }

  private:
    RegistrySnapshot& snapshot_;
    std::string key_;
};

}  // namespace registry_snapshot_detail

// Adds every value under root\path to *snapshot; nothing when the key does
// not exist. Throws when the registry fails otherwise.
inline void AddTreeToSnapshot(Registry& registry, RegKey root, const std::string& path,
                              RegistrySnapshot* snapshot) {
    std::string text;
    const RegStatus status = SaveRegFile(registry, root, path, &text);
    if (status == kRegFileNotFound) return;
    if (status != kRegSuccess)
        throw std::runtime_error("saving " + path + " failed with " + std::to_string(status));
    registry_snapshot_detail::SnapshotCollector collector(*snapshot);
    const RegFileLoadResult read = ReadRegFile(text, collector);
    if (!read.ok())
        throw std::runtime_error("saved text of " + path + " does not read back: line " +
                                 std::to_string(read.errors[0].line) + ": " +
                                 read.errors[0].message);
}

// Every value under HKEY_LOCAL_MACHINE.
inline RegistrySnapshot SnapshotOfLocalMachine(Registry& registry) {
    RegistrySnapshot snapshot;
    AddTreeToSnapshot(registry, kHkeyLocalMachine, "", &snapshot);
    return snapshot;
}

}  // namespace qn::machine_test
