#pragma once
// Everything the tuner's windows ask of the system, in one place, so that the
// program passes the real services and tests pass the in-memory ones.
#include <string>

#include "platform/clock.h"
#include "platform/common_dialogs.h"
#include "platform/directories.h"
#include "platform/drawing_surface.h"
#include "platform/file_system.h"
#include "platform/file_version.h"
#include "platform/interface_table.h"
#include "platform/local_time.h"
#include "platform/name_resolver.h"
#include "platform/os_version.h"
#include "platform/process.h"
#include "platform/registry.h"
#include "platform/settings_store.h"
#include "platform/shell.h"
#include "platform/single_instance.h"
#include "platform/system_restart.h"
#include "throughput/logging.h"
#include "throughput/timer.h"

namespace qn {

struct TunerServices {
    Registry& registry;
    const OsVersionSource& os;
    const Directories& directories;
    FileSystem& files;
    const FileVersionSource& versions;
    SettingsStore& settings;
    const SingleInstance& instance;
    SystemRestartApi& restart;
    // The small throughput graph: interface counters, timers, drawing and
    // the (switched-off) log of the shared classes.
    InterfaceTable& interfaces;
    const Clock& clock;
    MTimer& timers;
    DrawingSystem& drawing;
    mLogging& log;
    // Control-panel applets, the meter and the updater, the MTU search's
    // pings; help, mail and web links.
    Processes& processes;
    Shell& shell;
    // The hosts editor's DNS lookups, file dialogs, and the time that names
    // its copies of the hosts file.
    NameResolver& resolver;
    CommonDialogs& dialogs;
    const LocalTime& localTime;
    // The program's arguments, as Command$ gives them.
    std::string commandLine;
};

// The windows that the main window opens and that live in other parts of the
// program. The defaults stand in until those windows exist: no reminder, no
// wizard (the classic view opens), no start-up-view question, and no MTU
// finder or hosts editor (the main window stays up and usable).
class TunerWindows {
  public:
    virtual ~TunerWindows() = default;
    // The log-on reminder of a splash run; returns once it has closed.
    virtual void ShowSplashReminder() {}
    // True when the wizard opened.
    virtual bool OpenWizard() { return false; }
    virtual void ShowStartupViewDialog() {}
    // The warnings in front of the MTU finder and of the hosts editor, shown
    // without owner and not modal; true when one opened, and the main window
    // then hides until the window behind it closes.
    virtual bool OpenFindMtuWarning() { return false; }
    virtual bool OpenHostsWarning() { return false; }
};

}  // namespace qn
