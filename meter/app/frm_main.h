#pragma once
// frmMain: the meter's hidden main window. Loading it starts the program and
// unloading it ends it; it owns the tray icon, its menu, the sampler and the
// graph that the meter window shows.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "meter/app/frm_settings.h"
#include "meter/app/frm_statistics.h"
#include "meter/app/frm_theme.h"
#include "meter/app/graph_theme.h"
#include "meter/app/main_menu.h"
#include "meter/app/meter_host.h"
#include "meter/app/net_statistics.h"
#include "meter/app/registry_meter_settings.h"
#include "meter/app/sys_tray.h"
#include "meter/config/registry_services.h"
#include "platform/clock.h"
#include "platform/common_dialogs.h"
#include "platform/directories.h"
#include "platform/drawing_surface.h"
#include "platform/file_system.h"
#include "platform/interface_table.h"
#include "platform/local_time.h"
#include "platform/notify_icon.h"
#include "platform/process.h"
#include "platform/single_instance.h"
#include "platform/window_frame.h"
#include "throughput/graph.h"
#include "throughput/logging.h"
#include "throughput/net_status.h"
#include "throughput/subclass.h"
#include "throughput/timer.h"
#include "ui/application.h"

namespace qn::meter {

// Everything the meter asks of the system.
struct MeterServices {
    RegistryServices registry;
    FileSystem& files;
    const Directories& directories;
    const SingleInstance& instance;
    InterfaceTable& interfaces;
    Clock& clock;
    MTimer& timers;
    DrawingSystem& drawing;
    const LocalTime& localTime;
    Processes& processes;
    NotifyIconShell& shell;
    GSubclass hooks;
    // Runs the statistics window, the settings dialog and the theme window.
    ui::Application& app;
    // The theme window's colour and picture choosers.
    CommonDialogs& dialogs;
    const WindowFrame& frame;
};

// The windows frmMain opens and closes, reached through the Win32 layer.
class MeterWindows {
  public:
    virtual ~MeterWindows() = default;
    // frmMeter; it tells the main window itself that it is open.
    virtual void LoadMeter() = 0;
    virtual void UnloadMeter() = 0;
    // Puts the meter window, if open, above other topmost windows again.
    virtual void KeepMeterOnTop() {}
    // Every window of the program but the main one and the forms it owns.
    virtual void UnloadAll() = 0;
    virtual void SetTaskVisible(bool visible) = 0;
    // A plain OK box with the program's title.
    virtual void MsgBox(const std::string& text) = 0;
    // The pictures the last popup of mnuMain showed.
    virtual void DeleteMenuPictures() {}
    // Pops mnuMain up at the cursor, with its pictures, for the tray.
    virtual void PopupMainMenu(SysTray& tray, const std::vector<MenuEntry>& menu) = 0;
    // After the main window unloaded: the program ends.
    virtual void EndProgram() = 0;
};

// The tray's pictures by activity, and the window's own icon.
struct TrayPictures {
    IconHandle pNone = 0;
    IconHandle pIn = 0;
    IconHandle pOut = 0;
    IconHandle pInOut = 0;
    IconHandle windowIcon = 0;
};

class FrmMain : public MeterHost {
  public:
    // window: the hidden main window the tray icon belongs to.
    FrmMain(MeterServices& services, MeterWindows& windows, WindowHandle window,
            TrayPictures pictures, int revision);
    ~FrmMain() override;
    FrmMain(const FrmMain&) = delete;
    FrmMain& operator=(const FrmMain&) = delete;

    // The program's start; false when an earlier instance runs and this one
    // ends at once.
    bool Form_Load();
    // The program's end: settings written, windows closed, objects released.
    void Form_Unload();

    bool MeterVisible = false;
    bool SettingsVisible = false;
    bool StatisticsVisible = false;
    bool ThemesVisible = false;
    SysTray SysTray1;

    cNetStatus* NetStat() { return netStat_.get(); }
    cNetStatistics& NetStatistics() { return *netStatistics_; }
    // A new, empty cNetStatistics in place of the current one.
    void ResetStatistics();
    InterfaceTable& Interfaces() { return services_.interfaces; }
    // The statistics window, the settings dialog and the theme window, made
    // when first asked.
    FrmStatistics& frmStatistics();
    FrmSettings& frmSettings();
    FrmTheme& frmTheme();
    // The saved themes, made when first asked.
    cGraphTheme& NetGraphThemes();
    MeterServices& Services() { return services_; }
    // The program's folder, ending in "\"; relative picture paths start there.
    std::string Folder() const;
    // The meter window made again with the stored border and transparency.
    void RebuildMeter();
    void KeepMeterOnTop() { windows_.KeepMeterOnTop(); }
    // The value that starts the meter when the user logs on.
    bool RunValuePresent();
    void WriteRunValue();
    // Raises the registry's error when the Run key cannot be opened.
    void DeleteRunValue();
    // Closes every open window of the program.
    void UnloadAll();
    // The menu as it pops up now: "Show" or "Hide", the tuner item, the themes.
    std::vector<MenuEntry> mnuMain() const;
    // A command id of the menu (WM_COMMAND).
    void OnMenuCommand(unsigned command);

    void NetStat_Status(std::int32_t lIn, std::int32_t lOut);
    void mnuShow_Click();
    void mnuStatistics_Click();
    void mnuSettings_Click();
    void mnuTheme_Click(int Index);
    void mnuThemeCustom_Click();
    void mnuQuillon_Click();
    void mnuExit_Click();
    void mnuMain_Click();
    void PopulateThemeList();

    // MeterHost
    cGraph& NetGraph() override { return *netGraph_; }
    MeterSettings& Settings() override { return settings_; }
    mLogging& Log() override { return log_; }
    void SetMeterVisible(bool visible) override { MeterVisible = visible; }
    void SetTaskVisible(bool visible) override { windows_.SetTaskVisible(visible); }
    void ShowMainMenu() override;
    void ShowStatistics() override { mnuStatistics_Click(); }

  private:
    void StartLog();
    void NoteFirstRun();
    void LogInterfaces();
    void ConnectTrayEvents();
    std::string ExeName() const;
    std::string ProgramPath() const;

    MeterServices& services_;
    MeterWindows& windows_;
    WindowHandle window_;
    TrayPictures pictures_;
    int revision_;
    RegistryMeterSettings settings_;
    mLogging log_;
    bool tunerInstalled_ = false;
    bool unloaded_ = false;
    bool leftClickToggled_ = false;  // a press of the left button showed or hid the meter
    std::vector<std::string> themes_;
    std::unique_ptr<cGraph> netGraph_;
    std::unique_ptr<cNetStatus> netStat_;
    std::unique_ptr<cNetStatistics> netStatistics_;
    std::unique_ptr<cGraphTheme> netGraphThemes_;
    // Last: the forms refer to everything above.
    std::unique_ptr<FrmStatistics> frmStatistics_;
    std::unique_ptr<FrmSettings> frmSettings_;
    std::unique_ptr<FrmTheme> frmTheme_;
};

}  // namespace qn::meter
