// What the main window's controls do to the settings record, and how the
// record is shown again: options, typed values and their checks, the RWIN
// calculator.
#include <cmath>
#include <utility>
#include <vector>

#include "support/integer_conversion.h"
#include "support/number_format.h"
#include "support/number_parse.h"
#include "tuner/ui/main_window.h"

namespace qn {

namespace {

constexpr int kIpAndTcpHeaders = 40;
constexpr int kSmallestMtu = 41;
constexpr std::int16_t kAutomaticMtu = 576;
constexpr std::int32_t kDefaultRwin = 8192;
constexpr std::int16_t kDefaultKeepAlive = 60;

std::string Decimal(long long value) {
    return std::to_string(value);
}

// Showing the record selects options, and selecting an option runs its
// effect; those effects must not change what OK compares (a keep-alive of 0
// shown as "60mins", a stored MTU number 0 shown as 1500), or OK would write
// values the user never touched. Keeps those fields and puts them back.
class RecordShown {
  public:
    explicit RecordShown(TcpipSettings& settings) : settings_(settings), kept_(Keep(settings)) {}
    ~RecordShown() {
        settings_.SessionKeepAlive = kept_.SessionKeepAlive;
        settings_.PmtuDiscovery = kept_.PmtuDiscovery;
        settings_.PmtuBlackHole = kept_.PmtuBlackHole;
        settings_.Ttl = kept_.Ttl;
        settings_.Rwin = kept_.Rwin;
        settings_.RwinCalc = kept_.RwinCalc;
        for (std::size_t index = 0; index < kept_.mtus.size(); ++index) {
            settings_.Adapters[index + 1].Mtu = kept_.mtus[index].first;
            settings_.Adapters[index + 1].IpMtu = kept_.mtus[index].second;
        }
    }
    RecordShown(const RecordShown&) = delete;
    RecordShown& operator=(const RecordShown&) = delete;

  private:
    struct Kept {
        std::int16_t SessionKeepAlive;
        bool PmtuDiscovery;
        bool PmtuBlackHole;
        std::int16_t Ttl;
        std::int32_t Rwin;
        std::int16_t RwinCalc;
        std::vector<std::pair<std::int16_t, std::int16_t>> mtus;  // adapters 1 ...
    };
    static Kept Keep(const TcpipSettings& settings) {
        Kept kept{settings.SessionKeepAlive,
                  settings.PmtuDiscovery,
                  settings.PmtuBlackHole,
                  settings.Ttl,
                  settings.Rwin,
                  settings.RwinCalc,
                  {}};
        for (int index = 1; index <= settings.AdapterCount && index < kAdapterSlots; ++index) {
            kept.mtus.emplace_back(settings.Adapters[index].Mtu, settings.Adapters[index].IpMtu);
        }
        return kept;
    }
    TcpipSettings& settings_;
    Kept kept_;
};

}  // namespace

void MainWindow::ConnectModelHandlers() {
    opt_mtu_auto.Click.Connect([this] { opt_mtu_auto_Click(); });
    opt_mtu_576.Click.Connect([this] { opt_mtu_576_Click(); });
    opt_mtu_1500.Click.Connect([this] { opt_mtu_1500_Click(); });
    opt_mtu_custom.Click.Connect([this] { opt_mtu_custom_Click(); });
    txt_mtu_custom.Change.Connect([this] { txt_mtu_custom_Change(); });
    opt_rwin_default.Click.Connect([this] { opt_rwin_default_Click(); });
    opt_rwin_x4.Click.Connect([this] { SetRwinMultiplier(4.0); });
    opt_rwin_x6.Click.Connect([this] { SetRwinMultiplier(6.0); });
    opt_rwin_x8.Click.Connect([this] { SetRwinMultiplier(8.0); });
    opt_rwin_custom.Click.Connect([this] { opt_rwin_custom_Click(); });
    txt_rwin_custom.Change.Connect([this] { txt_rwin_custom_Change(); });
    opt_ttl_32.Click.Connect([this] { Settings.Ttl = 32; });
    opt_ttl_128.Click.Connect([this] { Settings.Ttl = 128; });
    opt_Session_60.Click.Connect([this] { opt_Session_60_Click(); });
    opt_Session_Cst.Click.Connect([this] { opt_Session_Cst_Click(); });
    txt_Session_Cst.Change.Connect([this] { txt_Session_Cst_Change(); });
    vscr_session_custom.Change.Connect([this] { vscr_session_custom_Change(); });
    chk_auto.Click.Connect([this] { chk_auto_Click(); });
    chk_black.Click.Connect([this] { chk_black_Click(); });
    cmd_ok.Click.Connect([this] { cmd_ok_Click(); });
    cmd_cancel.Click.Connect([this] { cmd_cancel_Click(); });
    cmd_preset_defaults.Click.Connect([this] { cmd_preset_defaults_Click(); });
    cmd_preset_optimum.Click.Connect([this] { cmd_preset_optimum_Click(); });
    cmdPresetPrevious.Click.Connect([this] { cmdPresetPrevious_Click(); });
    // Entering a custom box selects its text, ready to be typed over.
    for (ui::TextBox* box : {&txt_mtu_custom, &txt_rwin_custom, &txt_Session_Cst}) {
        box->GotFocus.Connect([box] { box->SelectAll(); });
    }
}

AdapterEntry* MainWindow::ShownAdapter() {
    // Slot 0 is never an adapter; writing there keeps an empty table harmless.
    return &Settings.Adapters[Settings.MtuAdapter];
}

void MainWindow::SetAdapterMtu(std::int16_t mtu, std::int16_t ipMtu) {
    AdapterEntry* adapter = ShownAdapter();
    adapter->Mtu = mtu;
    adapter->IpMtu = ipMtu;
    MtuGroupBecomesValid();
}

void MainWindow::opt_mtu_auto_Click() {
    SetAdapterMtu(kAutomaticMtu, 0);
}

void MainWindow::opt_mtu_576_Click() {
    SetAdapterMtu(576, 576);
}

void MainWindow::opt_mtu_1500_Click() {
    SetAdapterMtu(1500, 1500);
}

void MainWindow::opt_mtu_custom_Click() {
    txt_mtu_custom.SetEnabled(true);
    CheckCustomMtu();
}

void MainWindow::txt_mtu_custom_Change() {
    CheckCustomMtu();
}

// Only an MTU that passes reaches the adapter: one that fails leaves the
// adapter at its last valid value, so that choosing another adapter (which
// makes the group valid again) cannot let OK save it. A number outside the
// 16-bit range counts as no number at all, rather than overflowing into
// another MTU.
void MainWindow::CheckCustomMtu() {
    const std::string& text = txt_mtu_custom.Text();
    const auto mtu = IsNumberText(text) ? RoundToInt16(LeadingNumber(text)) : std::nullopt;
    if (!mtu) {
        Label9.SetVisible(true);
        frm_rwin.SetEnabled(false);
        cmd_ok.SetEnabled(false);
        return;
    }
    Label9.SetVisible(false);
    cmd_ok.SetEnabled(true);
    frm_rwin.SetEnabled(true);
    if (*mtu >= kSmallestMtu) {
        Label8.SetVisible(false);
        AdapterEntry* adapter = ShownAdapter();
        adapter->Mtu = *mtu;
        adapter->IpMtu = *mtu;
        UpdateRwinUI();
    } else {
        Label8.SetVisible(true);
        frm_rwin.SetEnabled(false);
        cmd_ok.SetEnabled(false);
    }
}

void MainWindow::MtuGroupBecomesValid() {
    Label9.SetVisible(false);
    Label8.SetVisible(false);
    cmd_ok.SetEnabled(true);
    frm_rwin.SetEnabled(true);
    txt_mtu_custom.SetEnabled(false);
    UpdateRwinUI();
}

void MainWindow::SetRwinMultiplier(double multiplier) {
    Settings.RwinMultiplier = multiplier;
    RwinGroupBecomesValid();
}

void MainWindow::opt_rwin_default_Click() {
    Settings.RwinMultiplier = 1.0;
    Settings.Rwin = kDefaultRwin;
    RwinGroupBecomesValid();
}

void MainWindow::opt_rwin_custom_Click() {
    txt_rwin_custom.SetEnabled(true);
    txt_rwin_custom_Change();
}

void MainWindow::txt_rwin_custom_Change() {
    Settings.RwinMultiplier = 1.0;
    if (const auto rwin = RoundToInt32(LeadingNumber(txt_rwin_custom.Text()));
        rwin && IsNumberText(txt_rwin_custom.Text())) {
        Settings.Rwin = *rwin;
    }
    CheckCustomRwin();
}

void MainWindow::CheckCustomRwin() {
    const std::string& text = txt_rwin_custom.Text();
    if (!IsNumberText(text) || !RoundToInt32(LeadingNumber(text))) {
        Label10.SetVisible(true);
        frm_mtu.SetEnabled(false);
        cmd_ok.SetEnabled(false);
        return;
    }
    Label10.SetVisible(false);
    cmd_ok.SetEnabled(true);
    frm_mtu.SetEnabled(true);
    UpdateRwinUI();
    if (Settings.Rwin > 0) {
        Label11.SetVisible(false);
    } else {
        Label11.SetVisible(true);
        frm_mtu.SetEnabled(false);
        cmd_ok.SetEnabled(false);
    }
}

void MainWindow::RwinGroupBecomesValid() {
    Label10.SetVisible(false);
    Label11.SetVisible(false);
    cmd_ok.SetEnabled(true);
    frm_mtu.SetEnabled(true);
    txt_rwin_custom.SetEnabled(false);
    UpdateRwinUI();
}

void MainWindow::UpdateRwinUI() {
    if (Settings.AdapterCount < 1 || Settings.RwinCalc < 1 ||
        Settings.RwinCalc > Settings.AdapterCount) {
        // No adapter to calculate from: only RWIN itself can be shown.
        Label7.SetCaption("");
        Label13.SetCaption("");
        Label4.SetCaption(Decimal(Settings.Rwin));
        return;
    }
    const int mtu = Settings.Adapters[Settings.RwinCalc].Mtu;
    const int mss = mtu - kIpAndTcpHeaders;
    if (Settings.RwinMultiplier > 1.0) {
        Settings.Rwin = RoundToInt32(mss * Settings.RwinMultiplier).value_or(Settings.Rwin);
    }
    Label7.SetCaption(Decimal(mtu));
    Label13.SetCaption(Decimal(mss));
    Label4.SetCaption(Decimal(Settings.Rwin));
}

void MainWindow::opt_Session_60_Click() {
    Settings.SessionKeepAlive = kDefaultKeepAlive;
    txt_Session_Cst.SetEnabled(false);
    vscr_session_custom.SetEnabled(false);
}

void MainWindow::opt_Session_Cst_Click() {
    txt_Session_Cst.SetEnabled(true);
    vscr_session_custom.SetEnabled(true);
    if (Visible()) txt_Session_Cst.SetFocus();
    if (const auto minutes = RoundToInt16(LeadingNumber(txt_Session_Cst.Text()));
        minutes && IsNumberText(txt_Session_Cst.Text())) {
        Settings.SessionKeepAlive = *minutes;
    }
}

// Whole minutes, at least one. Setting the text runs this handler again, which
// then finds nothing left to correct.
void MainWindow::txt_Session_Cst_Change() {
    const std::string& text = txt_Session_Cst.Text();
    if (!IsNumberText(text)) return;
    const double whole = std::trunc(LeadingNumber(text));
    if (whole < 1) {
        txt_Session_Cst.SetText("1");
        return;
    }
    if (whole != LeadingNumber(text)) {
        txt_Session_Cst.SetText(NumberToText(whole));
        return;
    }
    if (const auto minutes = RoundToInt16(whole)) Settings.SessionKeepAlive = *minutes;
}

// A spinner: each arrow press moves the bar one step off zero; that step is
// added to the minutes and the bar goes back to zero.
void MainWindow::vscr_session_custom_Change() {
    const int step = vscr_session_custom.Value();
    if (step == 0) return;
    vscr_session_custom.SetValue(0);
    if (IsNumberText(txt_Session_Cst.Text())) {
        txt_Session_Cst.SetText(NumberToText(LeadingNumber(txt_Session_Cst.Text()) + step));
    }
    if (Visible()) txt_Session_Cst.SetFocus();
    txt_Session_Cst.SelectAll();
}

void MainWindow::chk_auto_Click() {
    Settings.PmtuDiscovery = chk_auto.Value() == ui::vbChecked;
}

void MainWindow::chk_black_Click() {
    Settings.PmtuBlackHole = chk_black.Value() == ui::vbChecked;
}

// Selecting an option that is already selected does nothing, as a click on it
// would not either: the record keeps what the presets put there.
void MainWindow::SelectOption(ui::OptionButton& option) {
    option.SetValue(true);
}

int MainWindow::ListPosition(int adapter) const {
    if (adapter >= 0 && adapter < static_cast<int>(adapterToList_.size()) &&
        adapterToList_[adapter] >= 0) {
        return adapterToList_[adapter];
    }
    return 0;
}

void MainWindow::UpdateMTUUI() {
    if (Settings.AdapterCount < 1 || Settings.MtuAdapter < 1) return;
    {
        const RecordShown shown(Settings);
        SelectMtuOption();
    }
    UpdateRwinUI();
}

void MainWindow::SelectMtuOption() {
    const AdapterEntry& adapter = Settings.Adapters[Settings.MtuAdapter];
    const bool automaticPossible = environment_.UsesDun13Layout() && adapter.KindText == "0";
    opt_mtu_auto.SetVisible(automaticPossible);
    if (automaticPossible && adapter.IpMtu == 0) {
        SelectOption(opt_mtu_auto);
    } else if (adapter.Mtu == 1500) {
        SelectOption(opt_mtu_1500);
    } else if (adapter.Mtu == 576) {
        SelectOption(opt_mtu_576);
    } else {
        txt_mtu_custom.SetText(Decimal(adapter.Mtu));
        SelectOption(opt_mtu_custom);
    }
}

// The hosts check box's action runs once: through the box's click when the
// value changes, or directly when it does not.
void MainWindow::UpdateMainForm() {
    {
        const RecordShown shown(Settings);
        ShowRecord();
    }
    UpdateRwinUI();
}

void MainWindow::ShowRecord() {
    const int hostsValue = Settings.HostsFileEnabled == 1 ? ui::vbChecked : ui::vbUnchecked;
    if (chk_hosts.Value() == hostsValue) {
        chk_hosts_Click();
    } else {
        chk_hosts.SetValue(hostsValue);
    }

    if (Settings.Ttl == 128) {
        SelectOption(opt_ttl_128);
    } else if (Settings.Ttl == 32) {
        SelectOption(opt_ttl_32);
    } else {
        // Neither option: the value is saved back as it was read.
        opt_ttl_32.SetValue(false);
        opt_ttl_128.SetValue(false);
    }

    chk_auto.SetValue(Settings.PmtuDiscovery ? ui::vbChecked : ui::vbUnchecked);
    chk_black.SetValue(Settings.PmtuBlackHole ? ui::vbChecked : ui::vbUnchecked);

    if (Settings.SessionKeepAlive == 60 || Settings.SessionKeepAlive == 0) {
        SelectOption(opt_Session_60);
    } else {
        txt_Session_Cst.SetText(Decimal(Settings.SessionKeepAlive));
        SelectOption(opt_Session_Cst);
    }

    // Both lists show the adapters the record names (after "Previous" these
    // may differ from what the lists showed), else their first item.
    if (cmbMTUSel.ListCount() > 0) cmbMTUSel.SetListIndex(ListPosition(Settings.MtuAdapter));
    if (cmbRWINCalc.ListCount() > 0) cmbRWINCalc.SetListIndex(ListPosition(Settings.RwinCalc));

    if (Settings.RwinMultiplier != 1.0) {
        if (Settings.RwinMultiplier == 4.0) {
            SelectOption(opt_rwin_x4);
        } else if (Settings.RwinMultiplier == 6.0) {
            SelectOption(opt_rwin_x6);
        } else if (Settings.RwinMultiplier == 8.0) {
            SelectOption(opt_rwin_x8);
        } else {
            Settings.RwinMultiplier = 1.0;
            txt_rwin_custom.SetEnabled(true);
            txt_rwin_custom.SetText(Decimal(Settings.Rwin));
            SelectOption(opt_rwin_custom);
        }
    } else {
        if (Settings.Rwin != kDefaultRwin) {
            txt_rwin_custom.SetEnabled(true);
            txt_rwin_custom.SetText(Decimal(Settings.Rwin));
            SelectOption(opt_rwin_custom);
        } else {
            SelectOption(opt_rwin_default);
        }
    }

    UpdateMTUUI();
}

}  // namespace qn
