#include "tuner/core/hosts_switch.h"

#include "tuner/core/registry_class.h"
#include "tuner/core/tuner_settings.h"
#include "tuner/core/whole_file.h"

namespace qn {
namespace {

constexpr const char* kRunKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr int kBackupNames = 100;

std::string Quoted(const std::string& path) {
    return "\"" + path + "\"";
}

}  // namespace

std::string HostsSwitch::DisabledPath() const {
    return environment_.AppPath() + "\\" + kDisabledHostsName;
}

HostsMove HostsSwitch::MoveFileOn() {
    if (!files_.FileExists(DisabledPath())) return {};
    return Move(DisabledPath(), environment_.GetHostsPath());
}

HostsMove HostsSwitch::MoveFileOff() {
    if (!files_.FileExists(environment_.GetHostsPath())) return {};
    return Move(environment_.GetHostsPath(), DisabledPath());
}

// The source is deleted only once its copy reads back whole, and a different
// file already at the target is first kept under a free backup name.
HostsMove HostsSwitch::Move(const std::string& from, const std::string& to) {
    const std::string unchanged = " The hosts file has been left as it was.";
    HostsMove result;
    const auto existing = files_.ReadAll(to);
    if (existing && existing != files_.ReadAll(from)) {
        const std::string backup = FreeBackupName(to);
        if (backup.empty() || !CopyWhole(files_, to, backup)) {
            return {false, "Quillon could not keep the file already at " + Quoted(to) + " as " +
                               Quoted(backup) + "." + unchanged};
        }
        result.message =
            "A file was already at " + Quoted(to) + ". It has been kept as " + Quoted(backup) + ".";
    }
    if (!CopyWhole(files_, from, to)) {
        return {false, "Quillon could not copy " + Quoted(from) + " to " + Quoted(to) + "." +
                           unchanged + (result.message.empty() ? "" : "\r\r" + result.message)};
    }
    if (!files_.Delete(from)) {
        if (!result.message.empty()) result.message += "\r\r";
        result.message +=
            Quoted(from) + " could not be deleted after it was copied to " + Quoted(to) + ".";
    }
    return result;
}

std::string HostsSwitch::FreeBackupName(const std::string& path) const {
    for (int number = 1; number < kBackupNames; ++number) {
        const std::string name =
            number == 1 ? path + ".bak" : path + "." + std::to_string(number) + ".bak";
        if (!files_.FileExists(name)) return name;
    }
    return "";
}

void HostsSwitch::WriteRunValue() {
    CRegistry registry(context_);
    if (!registry.CreateKey(kRunKey, kHkeyLocalMachine)) return;
    std::uint32_t type = kRegSz;
    registry.SaveKey(kTunerAppName, environment_.AppPath() + "\\quillon.exe splash", type);
    registry.CloseKey();
}

void HostsSwitch::DeleteRunValue() {
    CRegistry registry(context_);
    if (!registry.OpenKey(kHkeyLocalMachine, kRunKey)) return;
    registry.DeleteValue(kTunerAppName);
    registry.CloseKey();
}

}  // namespace qn
