#include "tuner/core/hosts_switch.h"

#include "tuner/core/registry_class.h"
#include "tuner/core/tuner_settings.h"

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
        if (backup.empty() || !CopyCompletely(to, backup)) {
            return {false, "Quillon could not keep the file already at " + Quoted(to) + " as " +
                               Quoted(backup) + "." + unchanged};
        }
        result.message =
            "A file was already at " + Quoted(to) + ". It has been kept as " + Quoted(backup) + ".";
    }
    if (!CopyCompletely(from, to)) {
        if (existing) files_.Write(to, *existing);
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

// A full disk can leave a short copy behind; only a copy that reads back as
// the source counts, and a short one is removed again.
bool HostsSwitch::CopyCompletely(const std::string& from, const std::string& to) {
    const auto source = files_.ReadAll(from);
    if (!source) return false;
    if (files_.Copy(from, to) && files_.ReadAll(to) == source) return true;
    files_.Delete(to);
    return false;
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
