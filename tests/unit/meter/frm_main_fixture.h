#pragma once
// frmMain over in-memory services, with the other windows recorded: for the
// tests of frmMain and of the windows it opens.
#include <gtest/gtest.h>

#include "meter/app/frm_main.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "meter/config/registry_settings.h"
#include "platform/memory/manual_clock.h"
#include "platform/memory/memory_common_dialogs.h"
#include "platform/memory/memory_directories.h"
#include "platform/memory/memory_drawing.h"
#include "platform/memory/memory_environment_strings.h"
#include "platform/memory/memory_file_system.h"
#include "platform/memory/memory_interface_table.h"
#include "platform/memory/memory_local_time.h"
#include "platform/memory/memory_notify_icon.h"
#include "platform/memory/memory_processes.h"
#include "platform/memory/memory_registry.h"
#include "platform/memory/memory_window_frame.h"
#include "platform/memory/memory_window_hooks.h"
#include "tests/support/interface_rows.h"
#include "ui/headless/headless_host.h"

namespace qn::meter {

// A registry whose keys cannot be opened for writing, as a locked-down
// profile's.
struct RefusingRegistry : MemoryRegistry {
    RegStatus CreateKey(RegKey parent, const std::string& sub_key, std::uint32_t access,
                        RegKey* result, bool* created) override {
        if (refuseWrites) return kRegAccessDenied;
        return MemoryRegistry::CreateKey(parent, sub_key, access, result, created);
    }
    bool refuseWrites = false;
};

inline constexpr WindowHandle kMainWindow = 40;
inline constexpr const char* kFolder = "C:\\Program Files\\Dapplet";
inline const TrayPictures kPictures{0x81, 0x82, 0x83, 0x84, 0x80};

// Notes what the main window asked of the other windows.
struct RecordingWindows : MeterWindows {
    void LoadMeter() override {
        calls.push_back("load meter");
        if (host != nullptr) host->SetMeterVisible(true);
    }
    void UnloadMeter() override {
        calls.push_back("unload meter");
        if (host != nullptr) host->SetMeterVisible(false);
    }
    void UnloadAll() override { calls.push_back("unload all"); }
    void KeepMeterOnTop() override { calls.push_back("meter on top"); }
    void SetTaskVisible(bool visible) override {
        calls.push_back(visible ? "task visible" : "task hidden");
    }
    void MsgBox(const std::string& text) override { calls.push_back("box " + text); }
    void PopupMainMenu(SysTray&, const std::vector<MenuEntry>& menu) override {
        calls.push_back("menu");
        popped = menu;
    }
    void EndProgram() override { calls.push_back("end"); }
    MeterHost* host = nullptr;
    std::vector<std::string> calls;
    std::vector<MenuEntry> popped;
};

class FrmMainTest : public ::testing::Test {
  protected:
    FrmMainTest() {
        directories.programDirectory = kFolder;
        directories.programName = "Dapplet.exe";
        files.AddDirectory(kFolder);
        hooks.AddWindow(kMainWindow, 1);
        interfaces.rows = {InterfaceRowOf("lo", 1000, 1000), InterfaceRowOf("eth0", 5000, 700)};
    }

    std::unique_ptr<FrmMain> Load(bool anotherInstance = false) {
        instance = MakeFixedSingleInstance(anotherInstance);
        services = std::make_unique<MeterServices>(
            MeterServices{RegistryServices{registry, environment, "Dapplet"}, files, directories,
                          *instance, interfaces, clock, timers, drawing, localTime, processes,
                          shell, GSubclass(module), app, dialogs, frame});
        auto form = std::make_unique<FrmMain>(*services, windows, kMainWindow, kPictures, 7);
        windows.host = form.get();
        loaded = form->Form_Load();
        return form;
    }

    std::string Setting(const std::string& section, const std::string& name) {
        return RegGetSetting(RegistryServices{registry, environment, "Dapplet"}, kHkeyCurrentUser,
                             "Dapplet", section, name, "<absent>");
    }
    std::string RunValue() {
        return RegGetSetting(RegistryServices{registry, environment, "Dapplet"}, kHkeyCurrentUser,
                             "Microsoft\\Windows\\CurrentVersion", "Run", "Dapplet", "<absent>");
    }
    void Save(const std::string& section, const std::string& name, const std::string& value) {
        RegSaveSetting(RegistryServices{registry, environment, "Dapplet"}, kHkeyCurrentUser,
                       "Dapplet", section, name, value);
    }
    std::vector<NotifyIconCall> Balloons() const {
        std::vector<NotifyIconCall> balloons;
        for (const NotifyIconCall& call : shell.calls) {
            if (call.record.uFlags == kNifInfo) balloons.push_back(call);
        }
        return balloons;
    }
    std::vector<std::string> LogLines() const {
        std::vector<std::string> lines;
        const auto text = files.ReadAll(std::string(kFolder) + "\\DappletLog.txt");
        if (!text) return lines;
        std::size_t start = 0;
        for (std::size_t end; (end = text->find("\r\n", start)) != std::string::npos;
             start = end + 2) {
            const std::string line = text->substr(start, end - start);
            lines.push_back(line.substr(line.find(": ") + 2));
        }
        return lines;
    }

    ui::headless::HeadlessHost host;
    ui::Application app{host, "Dapplet"};
    RefusingRegistry registry;
    MemoryEnvironmentStrings environment;
    MemoryFileSystem files;
    MemoryDirectories directories;
    std::unique_ptr<SingleInstance> instance;
    MemoryInterfaceTable interfaces;
    ManualClock clock;
    MTimer timers{clock, "Dapplet"};
    MemoryDrawingSystem drawing;
    MemoryLocalTime localTime;
    MemoryProcesses processes;
    MemoryNotifyIconShell shell;
    MemoryCommonDialogs dialogs;
    MemoryWindowFrame frame;
    MemoryWindowHooks hooks;
    MSubclass module{hooks, "Dapplet"};
    std::unique_ptr<MeterServices> services;
    RecordingWindows windows;
    bool loaded = false;
};

}  // namespace qn::meter
