#pragma once
// The hosts file while the editor is open: taken into working copies in the
// program's folder (so that look-ups go to DNS, not to the old entries) and
// written back, or put back, when the editor closes. A copy left behind marks
// an edit that never ended.
#include <optional>
#include <string>

#include "platform/file_system.h"
#include "platform/local_time.h"

namespace qn {

inline constexpr char kLocalHostsName[] = "localhosts.dat";
inline constexpr char kHostsBackupName[] = "hostsbackup.dat";
// The MTU search's scratch file, which closing the editor also removes.
inline constexpr char kMtuOutputName[] = "output.dat";
// How many copies of the hosts file as the editor read it are kept when it
// saves over it: what saving drops (comments, aliases) can be had back.
inline constexpr int kKeptReadCopies = 5;

enum class HostsTaken {
    Read,         // working copies made, the hosts file removed
    NoHostsFile,  // nothing there: the editor starts from scratch
    NotCopied,    // no working copy could be made: the hosts file is untouched
};

class HostsFiles {
  public:
    HostsFiles(FileSystem& files, const LocalTime& clock, std::string appPath);

    std::string LocalCopyPath() const { return appPath_ + "\\" + kLocalHostsName; }
    std::string BackupCopyPath() const { return appPath_ + "\\" + kHostsBackupName; }

    // An earlier edit ended without Ok or Cancel.
    bool EditInterrupted() const;
    // Puts the copy of that edit back at the hosts path.
    bool RestoreInterrupted(const std::string& hostsPath);

    // Copies the hosts file into both working copies and then removes it;
    // its text when it was read. Without a hosts file the local copy is left
    // empty.
    HostsTaken Take(const std::string& hostsPath, std::string& text);
    // Ok: keeps the file as it was read, writes the new one in one step and
    // removes the working copies. False, with the working copies kept, when
    // the new file could not be written.
    bool Save(const std::string& hostsPath, const std::string& text);
    // Cancel: the file as it was read goes back. False, with the working
    // copies kept for the next opening, when it could not.
    bool PutBack(const std::string& hostsPath);
    // Refresh: the file as it was read goes back, to be read again.
    bool Revert(const std::string& hostsPath);

  private:
    void KeepReadCopy();
    void RemoveWorkingCopies();

    FileSystem& files_;
    const LocalTime& clock_;
    std::string appPath_;
};

}  // namespace qn
