#pragma once
// The headless tuner on one of the simulated machines.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/memory/manual_clock.h"
#include "platform/memory/memory_common_dialogs.h"
#include "platform/memory/memory_drawing.h"
#include "platform/memory/memory_file_system.h"
#include "platform/memory/memory_interface_table.h"
#include "platform/memory/memory_local_time.h"
#include "platform/memory/memory_name_resolver.h"
#include "platform/memory/memory_processes.h"
#include "platform/memory/memory_shell.h"
#include "platform/memory/memory_system_restart.h"
#include "platform/single_instance.h"
#include "tests/support/tuner_machine.h"
#include "throughput/logging.h"
#include "throughput/timer.h"
#include "tuner/ui/main_window.h"
#include "ui/application.h"
#include "ui/headless/headless_host.h"

namespace qn::testing {

// Where the simulated machines have the tuner installed.
inline const std::string kTunerFolder = "C:\\Program Files\\Quillon";

// Stores a value under HKEY_LOCAL_MACHINE, creating the key.
inline void SetMachineValue(Registry& registry, const std::string& key, const std::string& name,
                            std::uint32_t type, const std::string& bytes) {
    RegKey handle = 0;
    ASSERT_EQ(registry.CreateKey(kHkeyLocalMachine, key, kKeyAllAccess, &handle, nullptr),
              kRegSuccess);
    ASSERT_EQ(
        registry.SetValue(handle, name, type, reinterpret_cast<const std::uint8_t*>(bytes.data()),
                          static_cast<std::uint32_t>(bytes.size())),
        kRegSuccess);
    registry.CloseKey(handle);
}

inline void SetDword(Registry& registry, const std::string& key, const std::string& name,
                     std::uint32_t value) {
    const char bytes[4] = {static_cast<char>(value), static_cast<char>(value >> 8),
                           static_cast<char>(value >> 16), static_cast<char>(value >> 24)};
    SetMachineValue(registry, key, name, kRegDword, std::string(bytes, 4));
}

// A REG_SZ without a terminating NUL.
inline void SetText(Registry& registry, const std::string& key, const std::string& name,
                    const std::string& text) {
    SetMachineValue(registry, key, name, kRegSz, text);
}

// Notes which of the later windows the main window asked for.
struct RecordingWindows : TunerWindows {
    void ShowSplashReminder() override { calls.push_back("splash"); }
    bool OpenWizard() override {
        calls.push_back("wizard");
        return forward != nullptr && forward->OpenWizard();
    }
    void ShowStartupViewDialog() override {
        calls.push_back("startup view");
        if (forward != nullptr) forward->ShowStartupViewDialog();
    }
    bool OpenFindMtuWarning() override {
        calls.push_back("find mtu warning");
        return forward != nullptr ? forward->OpenFindMtuWarning() : warningsOpen;
    }
    bool OpenHostsWarning() override {
        calls.push_back("hosts warning");
        return forward != nullptr ? forward->OpenHostsWarning() : warningsOpen;
    }
    std::vector<std::string> calls;
    // Whether the warnings stand in as open windows or as not there yet.
    bool warningsOpen = false;
    // The windows that really open, where a test has them.
    TunerWindows* forward = nullptr;
};

class HeadlessTuner {
  public:
    explicit HeadlessTuner(const std::string& machineName, std::string commandLine = "classic",
                           bool anotherInstance = false)
        : machine(machineName),
          instance(MakeFixedSingleInstance(anotherInstance)),
          services{machine.registry,
                   machine.os,
                   machine.directories,
                   files,
                   machine.versions,
                   machine.settings,
                   *instance,
                   restart,
                   interfaces,
                   clock,
                   timers,
                   drawing,
                   log,
                   processes,
                   shell,
                   resolver,
                   dialogs,
                   localTime,
                   std::move(commandLine)},
          window(std::make_unique<MainWindow>(app, services, windows)) {
        for (const std::string& folder :
             {kTunerFolder, std::string("C:\\WINDOWS\\system32\\drivers\\etc")}) {
            files.AddDirectory(folder);
        }
    }

    std::string Setting(const char* section, const char* key) const {
        return machine.settings.Get("Quillon", section, key, "<absent>");
    }

    TunerMachine machine;
    MemoryFileSystem files;
    std::unique_ptr<SingleInstance> instance;
    MemorySystemRestart restart;
    // The small graph's sampler and drawing.
    MemoryInterfaceTable interfaces;
    ManualClock clock;
    MTimer timers{clock, "quillon"};
    MemoryDrawingSystem drawing;
    MemoryLocalTime localTime;
    mLogging log{files, localTime};
    MemoryProcesses processes;
    MemoryShell shell;
    MemoryNameResolver resolver;
    MemoryCommonDialogs dialogs;
    RecordingWindows windows;
    ui::headless::HeadlessHost host;
    ui::Application app{host, "Quillon"};
    TunerServices services;
    std::unique_ptr<MainWindow> window;
};

}  // namespace qn::testing
