#include "tuner/hosts/hosts_files.h"

#include <algorithm>
#include <vector>

#include "tuner/core/whole_file.h"

namespace qn {

namespace {

constexpr char kReadCopyPrefix[] = "Hosts as read ";
constexpr char kReadCopySuffix[] = ".txt";

bool IsReadCopyName(const std::string& name) {
    const std::string prefix = kReadCopyPrefix;
    const std::string suffix = kReadCopySuffix;
    return name.size() > prefix.size() + suffix.size() &&
           name.compare(0, prefix.size(), prefix) == 0 &&
           name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0;
}

}  // namespace

HostsFiles::HostsFiles(FileSystem& files, const LocalTime& clock, std::string appPath)
    : files_(files), clock_(clock), appPath_(std::move(appPath)) {}

bool HostsFiles::EditInterrupted() const {
    return files_.FileExists(BackupCopyPath());
}

bool HostsFiles::RestoreInterrupted(const std::string& hostsPath) {
    return CopyWhole(files_, BackupCopyPath(), hostsPath);
}

// Both copies exist before the hosts file goes, so that no moment leaves the
// entries nowhere but in memory.
HostsTaken HostsFiles::Take(const std::string& hostsPath, std::string& text) {
    const std::optional<std::string> read = files_.ReadAll(hostsPath);
    if (!read) {
        WriteWhole(files_, LocalCopyPath(), "");
        return HostsTaken::NoHostsFile;
    }
    if (!WriteWhole(files_, LocalCopyPath(), *read) ||
        !WriteWhole(files_, BackupCopyPath(), *read)) {
        return HostsTaken::NotCopied;
    }
    files_.Delete(hostsPath);
    text = *read;
    return HostsTaken::Read;
}

bool HostsFiles::Save(const std::string& hostsPath, const std::string& text) {
    KeepReadCopy();
    if (!WriteWhole(files_, hostsPath, text)) return false;
    RemoveWorkingCopies();
    return true;
}

bool HostsFiles::PutBack(const std::string& hostsPath) {
    if (files_.FileExists(LocalCopyPath()) && !CopyWhole(files_, LocalCopyPath(), hostsPath)) {
        return false;
    }
    RemoveWorkingCopies();
    return true;
}

bool HostsFiles::Revert(const std::string& hostsPath) {
    return CopyWhole(files_, LocalCopyPath(), hostsPath);
}

void HostsFiles::KeepReadCopy() {
    const std::optional<std::string> read = files_.ReadAll(LocalCopyPath());
    if (!read || read->empty()) return;
    files_.Write(appPath_ + "\\" + kReadCopyPrefix + clock_.FileNameStampNow() + kReadCopySuffix,
                 *read);
    std::vector<std::string> kept;
    for (const DirectoryEntry& entry : files_.List(appPath_)) {
        if (!entry.isDirectory && IsReadCopyName(entry.name)) kept.push_back(entry.name);
    }
    std::sort(kept.begin(), kept.end());
    for (size_t old = 0; old + kKeptReadCopies < kept.size(); ++old) {
        files_.Delete(appPath_ + "\\" + kept[old]);
    }
}

void HostsFiles::RemoveWorkingCopies() {
    files_.Delete(LocalCopyPath());
    files_.Delete(BackupCopyPath());
    files_.Delete(appPath_ + "\\" + kMtuOutputName);
}

}  // namespace qn
