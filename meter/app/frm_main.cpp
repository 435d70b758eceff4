#include "meter/app/frm_main.h"

#include <exception>

#include "meter/app/meter_identity.h"
#include "meter/app/tray_callback.h"
#include "meter/app/tray_status.h"
#include "meter/app/tuner_presence.h"
#include "meter/config/registry_settings.h"
#include "support/number_parse.h"
#include "throughput/net_status_table.h"
#include "version.h"

namespace qn::meter {

namespace {

// The Run key as the registry operations name it: under "Software\".
constexpr const char* kRunApplication = "Microsoft\\Windows\\CurrentVersion";
constexpr const char* kRunSection = "Run";

std::string WelcomeText(const std::string& title) {
    return title +
           " can be found here on the system tray.  You can access it any time by left clicking "
           "this icon.  Advanced features and other options can be found by right clicking this "
           "icon.";
}

}  // namespace

FrmMain::FrmMain(MeterServices& services, MeterWindows& windows, WindowHandle window,
                 TrayPictures pictures, int revision)
    : SysTray1(services.shell, services.hooks, window, pictures.pNone),
      services_(services),
      windows_(windows),
      window_(window),
      pictures_(pictures),
      revision_(revision),
      settings_(services.registry, kMeterTitle),
      log_(services.files, services.localTime),
      themes_(BuiltInThemeNames()) {}

FrmMain::~FrmMain() = default;

std::string FrmMain::Folder() const {
    return services_.directories.ProgramDirectory() + "\\";
}

std::string FrmMain::ExeName() const {
    std::string name = services_.directories.ProgramFileName();
    name = name.substr(name.find_last_of('\\') + 1);
    const std::size_t dot = name.find_last_of('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

std::string FrmMain::ProgramPath() const {
    return Folder() + ExeName() + ".exe";
}

bool FrmMain::Form_Load() {
    StartLog();
    // Before the tray control comes up: a second start must not show an icon
    // even for a moment.
    if (services_.instance.AnotherInstanceRunning()) {
        log_.WriteLog("Previous Instance");
        // Ends at once: nothing of the unload runs.
        unloaded_ = true;
        return false;
    }
    SysTrayContainer container;
    container.window = window_;
    container.icon = pictures_.windowIcon;
    container.title = kMeterTitle;
    SysTray1.Start(container, SysTrayProperties{});
    ConnectTrayEvents();

    settings_.Save("General", "Path", Folder());
    tunerInstalled_ = TunerInstalledIn(services_.files, Folder());
    NoteFirstRun();
    SysTray1.SetTooltip(StartupTooltip(kMeterTitle, QN_VERSION_MAJOR, QN_VERSION_MINOR));
    windows_.SetTaskVisible(false);
    LogInterfaces();

    netGraph_ = std::make_unique<cGraph>(services_.drawing, log_, services_.clock, Folder());
    netStatistics_ = std::make_unique<cNetStatistics>(log_);
    ApplyGraphSettings(settings_, *netGraph_);

    netStat_ = std::make_unique<cNetStatus>(services_.interfaces, services_.timers, log_);
    netStat_->SetInterface(settings_.Get("Settings", "Interface", ""));
    netStat_->Status = [this](std::int32_t lIn, std::int32_t lOut) { NetStat_Status(lIn, lOut); };
    netStat_->Start();

    log_.WriteLog("Adding SysTray");
    SysTray1.SetVisible(true);
    if (StoredFlag(settings_, "Graph", "ShowOnStartup", true)) {
        mnuShow_Click();
    }
    return true;
}

void FrmMain::StartLog() {
    log_.Enabled = StoredFlag(settings_, "Settings", "Logging", false);
    log_.OpenLog(Folder() + ExeName() + "Log.txt");
    log_.WriteLog(std::string(50, '='));
    log_.WriteLog(std::string(kMeterTitle) + " build: " + std::to_string(revision_) +
                  " Loading...");
    log_.WriteLog("frmMain_Load");
}

void FrmMain::NoteFirstRun() {
    if (LeadingNumber(settings_.Get("Settings", "FirstRun", "1")) != 1.0) return;
    log_.WriteLog("First Run");
    settings_.Save("Settings", "FirstRun", "0");
    WriteRunValue();
    SysTray1.ShowBaloonNotification(WelcomeText(kMeterTitle),
                                    "Welcome to " + std::string(kMeterTitle) + "!", kNiifInfo);
}

void FrmMain::LogInterfaces() {
    if (!log_.Enabled) return;
    const std::uint32_t count = mNetStatus::GetNumInterfaces(services_.interfaces);
    log_.WriteLog("NumInterfaces: " + std::to_string(count));
    if (count < 1) return;
    const std::vector<std::string> names = mNetStatus::EnumInterfaces(services_.interfaces);
    for (std::size_t i = 0; i < names.size(); ++i) {
        log_.WriteLog("Interface " + std::to_string(i + 1) + ": " + names[i]);
    }
}

void FrmMain::ConnectTrayEvents() {
    SysTray1.LeftClick = [this] {
        leftClickToggled_ = true;
        mnuShow_Click();
    };
    // The press that began a double click has toggled the window already.
    SysTray1.DoubleLeftClick = [this] {
        if (!leftClickToggled_) mnuShow_Click();
        leftClickToggled_ = false;
    };
    SysTray1.RightClick = [this] { ShowMainMenu(); };
    SysTray1.MouseDown = [this](int button) {
        if (button == kMiddle) mnuStatistics_Click();
        if (button == kExtra) mnuSettings_Click();
    };
}

void FrmMain::NetStat_Status(std::int32_t lIn, std::int32_t lOut) {
    switch (TrayPictureFor(lIn, lOut)) {
        case TrayPicture::InOut:
            SysTray1.SetIcon(pictures_.pInOut);
            break;
        case TrayPicture::Out:
            SysTray1.SetIcon(pictures_.pOut);
            break;
        case TrayPicture::In:
            SysTray1.SetIcon(pictures_.pIn);
            break;
        case TrayPicture::None:
            SysTray1.SetIcon(pictures_.pNone);
            break;
    }
    SysTray1.SetTooltip(TrayTooltip(kMeterTitle, lIn, lOut));
    if (!netGraph_) return;
    netGraph_->AddData(lIn, lOut);
    const bool drawData = true;
    const bool refreshBackground = false;
    netGraph_->DrawGraph(drawData, refreshBackground);
    netStatistics_->AddData(lIn, lOut);
    if (StatisticsVisible && frmStatistics_) frmStatistics_->UpdateStats();
}

void FrmMain::ResetStatistics() {
    netStatistics_.reset();
    netStatistics_ = std::make_unique<cNetStatistics>(log_);
}

FrmStatistics& FrmMain::frmStatistics() {
    if (!frmStatistics_) frmStatistics_ = std::make_unique<FrmStatistics>(services_.app, *this);
    return *frmStatistics_;
}

FrmSettings& FrmMain::frmSettings() {
    if (!frmSettings_) frmSettings_ = std::make_unique<FrmSettings>(services_.app, *this);
    return *frmSettings_;
}

FrmTheme& FrmMain::frmTheme() {
    if (!frmTheme_) frmTheme_ = std::make_unique<FrmTheme>(services_.app, *this);
    return *frmTheme_;
}

cGraphTheme& FrmMain::NetGraphThemes() {
    if (!netGraphThemes_) {
        netGraphThemes_ = std::make_unique<cGraphTheme>(services_.registry, kMeterTitle, log_);
    }
    return *netGraphThemes_;
}

void FrmMain::mnuThemeCustom_Click() {
    frmTheme().Show();
}

void FrmMain::mnuStatistics_Click() {
    frmStatistics().Show();
}

void FrmMain::mnuSettings_Click() {
    frmSettings().Show();
}

void FrmMain::RebuildMeter() {
    windows_.UnloadMeter();
    windows_.LoadMeter();
}

bool FrmMain::RunValuePresent() {
    const char* const absent = "NOPE";
    return RegGetSetting(services_.registry, kHkeyCurrentUser, kRunApplication, kRunSection,
                         kMeterTitle, absent) != absent;
}

void FrmMain::WriteRunValue() {
    RegSaveSetting(services_.registry, kHkeyCurrentUser, kRunApplication, kRunSection, kMeterTitle,
                   ProgramPath());
}

void FrmMain::DeleteRunValue() {
    RegDeleteSetting(services_.registry, kHkeyCurrentUser, kRunApplication, kRunSection,
                     kMeterTitle);
}

void FrmMain::UnloadAll() {
    windows_.UnloadAll();
    if (frmStatistics_ && frmStatistics_->Loaded()) frmStatistics_->Unload();
    if (frmSettings_ && frmSettings_->Loaded()) frmSettings_->Unload();
    if (frmTheme_ && frmTheme_->Loaded()) frmTheme_->Unload();
}

std::vector<MenuEntry> FrmMain::mnuMain() const {
    std::vector<MenuEntry> menu = BuildMainMenu(tunerInstalled_, themes_);
    for (MenuEntry& entry : menu) {
        // Follows the window itself, which its own close button may close too.
        if (entry.name == "mnuShow") entry.caption = MeterVisible ? "Hide" : "Show";
    }
    return menu;
}

void FrmMain::OnMenuCommand(unsigned command) {
    switch (command) {
        case kShowCommand:
            mnuShow_Click();
            return;
        case kStatisticsCommand:
            mnuStatistics_Click();
            return;
        case kQuillonCommand:
            mnuQuillon_Click();
            return;
        case kSettingsCommand:
            mnuSettings_Click();
            return;
        case kThemeCustomCommand:
            mnuThemeCustom_Click();
            return;
        case kExitCommand:
            mnuExit_Click();
            return;
        default:
            if (const auto theme = ThemeIndexOf(command, themes_.size())) {
                mnuTheme_Click(static_cast<int>(*theme));
            }
    }
}

void FrmMain::mnuShow_Click() {
    if (!MeterVisible) {
        windows_.LoadMeter();
    } else {
        windows_.UnloadMeter();
    }
}

void FrmMain::mnuTheme_Click(int Index) {
    if (!netGraph_ || Index < 0 || Index >= static_cast<int>(themes_.size())) return;
    NetGraphThemes().ApplyTheme(themes_[static_cast<std::size_t>(Index)], *netGraph_);
    const bool drawData = true;
    const bool refreshBackground = true;
    netGraph_->DrawGraph(drawData, refreshBackground);
}

void FrmMain::mnuQuillon_Click() {
    const auto started = services_.processes.Start(Folder() + kTunerFileName, WindowState::Normal);
    if (!started) {
        windows_.MsgBox("Quillon Not Found!!!");
        return;
    }
    services_.processes.Close(*started);
}

void FrmMain::mnuExit_Click() {
    // The program ends even when the settings could not be saved; the error
    // is reported after.
    std::exception_ptr error;
    try {
        Form_Unload();
    } catch (...) {
        error = std::current_exception();
    }
    windows_.EndProgram();
    if (error) std::rethrow_exception(error);
}

void FrmMain::mnuMain_Click() {
    log_.WriteLog("Generating mnuMain");
    PopulateThemeList();
}

// The saved themes as the registry has them now: the theme window may have
// changed them.
void FrmMain::PopulateThemeList() {
    NetGraphThemes().RegistryRead();
    themes_ = NetGraphThemes().EnumThemes();
}

void FrmMain::ShowMainMenu() {
    mnuMain_Click();
    windows_.PopupMainMenu(SysTray1, mnuMain());
}

void FrmMain::Form_Unload() {
    if (unloaded_) return;
    unloaded_ = true;
    log_.WriteLog("frmMain_Unload");
    // A setting that cannot be written must not keep the rest of the end
    // from running: the first such error is raised once all is released.
    std::exception_ptr error;
    const auto keepError = [&error](const auto& step) {
        try {
            step();
        } catch (...) {
            if (!error) error = std::current_exception();
        }
    };
    keepError([this] {
        if (netGraph_ && netStat_) SaveGraphSettings(settings_, *netGraph_, *netStat_);
    });
    log_.WriteLog("Unloading All");
    keepError([this] { UnloadAll(); });
    log_.WriteLog("Cleaning up...");
    windows_.DeleteMenuPictures();
    netStat_.reset();
    netGraph_.reset();
    netGraphThemes_.reset();
    netStatistics_.reset();
    SysTray1.End();
    log_.WriteLog("End");
    if (error) std::rethrow_exception(error);
}

}  // namespace qn::meter
