// The main window's presets, OK and Cancel, and what happens as it closes.
#include "tuner/core/adapter_discovery.h"
#include "tuner/core/tcpip_parameters.h"
#include "tuner/system/reboot_windows.h"
#include "tuner/ui/main_window.h"
#include "ui/application.h"

namespace qn {

namespace {

constexpr std::int16_t kOptimumMtu = 576;
constexpr std::int16_t kOptimumKeepAlive = 10;
constexpr std::int16_t kSharingDefaultMtu = 512;
constexpr std::int32_t kRwinWithoutAdapters = 5840;

}  // namespace

void MainWindow::cmd_preset_defaults_Click() {
    const bool dun13Layout = environment_.UsesDun13Layout();
    for (int index = 1; index <= Settings.AdapterCount; ++index) {
        AdapterEntry& adapter = Settings.Adapters[index];
        if (dun13Layout && adapter.Kind == kKindSoftware) {
            adapter.Mtu = 576;
            adapter.IpMtu = 0;
        } else if (adapter.Kind == kKindConnectionSharing) {
            adapter.Mtu = kSharingDefaultMtu;
        } else {
            adapter.Mtu = 1500;
            // Where the number itself is stored, 1500 is what saving removes;
            // 0 would be stored as "0".
            adapter.IpMtu = dun13Layout ? 1500 : 0;
        }
    }
    Settings.RwinMultiplier = 1.0;
    Settings.Rwin = 8192;
    Settings.SessionKeepAlive = 60;
    {
        const RegistryContext context = Context();
        AdapterDiscovery discovery = Discovery();
        Settings.Ttl = TcpipParameters(context, environment_, discovery).DefaultTtl();
    }
    Settings.PmtuDiscovery = true;
    Settings.PmtuBlackHole = false;
    Settings.HostsFileEnabled = 1;
    UpdateMainForm();
}

void MainWindow::cmd_preset_optimum_Click() {
    for (int index = 1; index <= Settings.AdapterCount; ++index) {
        Settings.Adapters[index].Mtu = kOptimumMtu;
        Settings.Adapters[index].IpMtu = kOptimumMtu;
    }
    if (Settings.AdapterCount > 0) {
        Settings.RwinMultiplier = 4.0;
        Settings.RwinCalc = 1;
        UpdateRwinUI();
    } else {
        Settings.RwinMultiplier = 1.0;
        Settings.Rwin = kRwinWithoutAdapters;
    }
    if (!environment_.IsWinNT()) Settings.SessionKeepAlive = kOptimumKeepAlive;
    Settings.Ttl = 128;
    Settings.PmtuDiscovery = true;
    Settings.PmtuBlackHole = false;
    Settings.HostsFileEnabled = 1;
    UpdateMainForm();
}

void MainWindow::cmdPresetPrevious_Click() {
    Settings = Previous;
    UpdateMainForm();
}

// The MTU numbers stored only on the systems that keep them (98/ME and
// DUN 1.3) count there; elsewhere IpMtu is never saved, so it cannot make a
// save necessary.
bool MainWindow::SettingsChanged() const {
    if (Settings.SessionKeepAlive != Previous.SessionKeepAlive ||
        Settings.PmtuDiscovery != Previous.PmtuDiscovery ||
        Settings.PmtuBlackHole != Previous.PmtuBlackHole || Settings.Ttl != Previous.Ttl ||
        Settings.Rwin != Previous.Rwin || Settings.RwinCalc != Previous.RwinCalc) {
        return true;
    }
    const bool ipMtuStored = environment_.UsesDun13Layout();
    for (int index = 1; index <= Settings.AdapterCount; ++index) {
        const AdapterEntry& now = Settings.Adapters[index];
        const AdapterEntry& then = Previous.Adapters[index];
        if (now.Invalid) continue;
        if (now.Mtu != then.Mtu || (ipMtuStored && now.IpMtu != then.IpMtu)) return true;
    }
    return false;
}

void MainWindow::cmd_ok_Click() {
    if (SettingsChanged()) {
        const RegistryContext context = Context();
        AdapterDiscovery discovery = Discovery();
        TcpipParameters(context, environment_, discovery).SaveValues(Settings, services_.settings);
        RestartNeeded = true;
    }
    Unload();
}

void MainWindow::RestoreHostsOption() {
    chk_hosts.SetValue(Previous.HostsFileEnabled == 1 ? ui::vbChecked : ui::vbUnchecked);
}

void MainWindow::cmd_cancel_Click() {
    RestoreHostsOption();
    Unload();
}

void MainWindow::Form_QueryUnload(bool& cancel, int unloadMode) {
    if (unloadMode != ui::vbFormCode) {
        const int answer =
            App().MsgBox("Are you sure you wish to exit Quillon and cancel all settings?",
                         ui::vbYesNo + ui::vbInformation);
        if (answer != ui::vbYes) {
            cancel = true;
            return;
        }
        RestoreHostsOption();
    }
    exiting_ = true;
    Hide();
    windows_.ShowStartupViewDialog();
}

void MainWindow::Form_Unload(bool&) {
    StopThroughputGraph();
    if (RestartNeeded) RestartOrRemind();
    App().End();
}

void MainWindow::RestartOrRemind() {
    if (App().MsgBox(restartQuestion_, ui::vbYesNo + ui::vbQuestion) != ui::vbYes) {
        App().MsgBox(restartReminder_, ui::vbExclamation);
        return;
    }
    RebootWindows reboot(services_.restart, services_.os);
    std::string errorText;
    if (!reboot.ShutdownSystem(RebootWindows::kEwxReboot + RebootWindows::kEwxForce, errorText)) {
        App().MsgBox(
            errorText + "\r\n\r\n" + "Please shutdown your system for changes to take effect.",
            ui::vbCritical);
    }
}

}  // namespace qn
