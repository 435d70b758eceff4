// The tuner's start: what the main window does while it loads.
#include "tuner/core/adapter_discovery.h"
#include "tuner/core/command_line.h"
#include "tuner/core/settings_loading.h"
#include "tuner/core/tcpip_parameters.h"
#include "tuner/hosts/hosts_files.h"
#include "tuner/ui/main_window.h"
#include "tuner/ui/scanning_window.h"
#include "ui/application.h"
#include "version.h"

namespace qn {

namespace {

// Twips the window grows by, and the check box's distance above the window's
// former outer height, when the splash option is revealed. The form's height
// here is its client area; the caption, menu bar and borders add about 700.
constexpr int kSplashOptionGrowth = 400;
constexpr int kSplashOptionRise = 600;
constexpr int kCaptionMenuAndBorders = 700;

}  // namespace

void MainWindow::Form_Load() {
    if (RunSplashOnly()) return;
    if (RefuseSecondInstance()) return;
    Label2.SetCaption(VersionCaption());
    ShowFamilyInCaption();
    RestoreSplashOption();
    options_.NoteBuild(QN_VERSION_REVISION);
    helpFile_ = environment_.HelpFile();
    HideMissingProgramCommands();
    restartQuestion_ = "Restart Windows?";
    restartReminder_ = "Please restart Windows for changes to take effect.";
    NoteHostsFile();
    ScanAdapters();
    {
        const RegistryContext context = Context();
        AdapterDiscovery discovery = Discovery();
        TcpipParameters parameters(context, environment_, discovery);
        parameters.ReadGlobals(Settings);
    }
    FillAdapterLists();
    Text1.SetText(InvalidAdaptersText(Settings));
    ChooseRwinCalculator();
    Previous = Settings;
    UpdateMainForm();
    StartThroughputGraph();
    CurrentView = 1;
    OpenStartupView();
}

bool MainWindow::RunSplashOnly() {
    if (ParseCommandLine(services_.commandLine) != CommandLineWord::Splash) return false;
    if (!options_.NoSplash()) windows_.ShowSplashReminder();
    App().End();
    return true;
}

bool MainWindow::RefuseSecondInstance() {
    if (!services_.instance.AnotherInstanceRunning()) return false;
    App().MsgBox("A previous instance of Quillon is running.");
    App().End();
    return true;
}

void MainWindow::ShowFamilyInCaption() {
    std::string suffix;
    if (environment_.IsWinNT()) {
        for (ui::Control* control : std::initializer_list<ui::Control*>{
                 &opt_Session_60, &opt_Session_Cst, &txt_Session_Cst, &vscr_session_custom,
                 &cmd_mtu_find}) {
            control->SetEnabled(false);
        }
        mtufind.SetEnabled(false);
        if (!environment_.IsWin2000OrLater()) {
            suffix = " WinNT";
        } else if (environment_.IsWinXP()) {
            suffix = " Windows XP";
        } else {
            suffix = " Windows 2000";
        }
    } else if (environment_.IsWin98()) {
        suffix = " Win98";
    } else {
        suffix = " Win95";
        if (environment_.HasDun13()) suffix += "(DUN1.3)";
    }
    SetCaption(VersionCaption() + suffix);
}

void MainWindow::RestoreSplashOption() {
    chk_splash.SetValue(options_.NoSplash() ? ui::vbChecked : ui::vbUnchecked);
    if (chk_splash.Value() == ui::vbChecked) RevealSplashOption();
    chk_splash_Click();
}

void MainWindow::RevealSplashOption() {
    if (splashOptionRevealed_) return;
    splashOptionRevealed_ = true;
    const int formerHeight = ClientHeight();
    Move(Left(), Top(), ClientWidth(), formerHeight + kSplashOptionGrowth);
    const ui::Bounds bounds = chk_splash.GetBounds();
    chk_splash.Move(bounds.left, formerHeight + kCaptionMenuAndBorders - kSplashOptionRise,
                    bounds.width, bounds.height);
    chk_splash.SetVisible(true);
}

void MainWindow::HideMissingProgramCommands() {
    const std::string folder = environment_.AppPath() + "\\";
    if (!services_.files.FileExists(folder + "Rellsync.exe")) InetUpdate.SetVisible(false);
    if (!services_.files.FileExists(folder + "Dapplet.exe")) mnuDapplet.SetVisible(false);
}

// An edit of the hosts file that never ended has it taken away: it counts as
// there, so that the editor can be opened to offer it back.
void MainWindow::NoteHostsFile() {
    formLoaded_ = false;
    const bool interruptedEdit =
        services_.files.FileExists(environment_.AppPath() + "\\" + kHostsBackupName);
    Settings.HostsFileEnabled =
        services_.files.FileExists(environment_.GetHostsPath()) || interruptedEdit ? 1 : 0;
    formLoaded_ = true;
}

void MainWindow::ScanAdapters() {
    ScanningWindow scanning(App());
    scanning.Show();
    App().DoEvents();
    FindAdapters();
    {
        const RegistryContext context = Context();
        AdapterDiscovery discovery = Discovery();
        TcpipParameters parameters(context, environment_, discovery);
        parameters.ReadAdapterMtus(Settings);
    }
    scanning.Unload();
}

void MainWindow::FindAdapters() {
    Discovery().FindAdapters(Settings);
}

void MainWindow::FillAdapterLists() {
    listToAdapter_ = ListedAdapters(Settings);
    adapterToList_.assign(static_cast<size_t>(Settings.AdapterCount) + 1, -1);
    for (size_t position = 0; position < listToAdapter_.size(); ++position) {
        const AdapterEntry& adapter = Settings.Adapters[listToAdapter_[position]];
        cmbMTUSel.AddItem(adapter.Label);
        cmbRWINCalc.AddItem(adapter.Label);
        adapterToList_[listToAdapter_[position]] = static_cast<int>(position);
    }
    Settings.MtuAdapter = 0;
    if (listToAdapter_.empty()) return;
    cmbMTUSel.SetListIndex(0);
    cmbRWINCalc.SetListIndex(0);
}

void MainWindow::ChooseRwinCalculator() {
    Settings.RwinCalc = ChooseRwinCalc(options_.RwinCalc(), Settings.AdapterCount);
    // An adapter the lists leave out (invalid) could not be shown as the
    // calculator's: the first listed one is used instead.
    if (!listToAdapter_.empty() && adapterToList_[Settings.RwinCalc] < 0) {
        Settings.RwinCalc = static_cast<std::int16_t>(listToAdapter_.front());
    }
    Settings.RwinMultiplier = RwinMultiplierFor(Settings);
}

void MainWindow::OpenStartupView() {
    StartupView view = options_.GetStartupView();
    switch (ParseCommandLine(services_.commandLine)) {
        case CommandLineWord::Classic:
            view = StartupView::Classic;
            viewChosenByCommandLine_ = true;
            break;
        case CommandLineWord::Wizard:
            view = StartupView::Wizard;
            viewChosenByCommandLine_ = true;
            break;
        default:
            break;
    }
    if (view == StartupView::Classic) {
        mnuStartupAdvanced_Click();
        return;
    }
    if (windows_.OpenWizard()) openedInWizard_ = true;
    mnuStartupWizard_Click();
}

}  // namespace qn
