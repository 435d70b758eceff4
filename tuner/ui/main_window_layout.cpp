// Captions, tooltips and positions of the main window's controls, in twips
// (15 to a pixel at 96 DPI); positions inside a frame are relative to it.
#include "tuner/ui/main_window.h"

namespace qn {

namespace {

constexpr int kMargin = 120;
constexpr int kColumnWidth = 3840;
constexpr int kRightColumn = kMargin + kColumnWidth + kMargin;
constexpr int kRow = 285;          // one option or check box line
constexpr int kFieldHeight = 315;  // text and combo boxes
constexpr int kButtonHeight = 375;
constexpr int kSpinnerHeight = 360;  // tall enough for two usable arrows

}  // namespace

void MainWindow::SetCaptionsAndTips() {
    frm_mtu.SetCaption("MaxMTU");
    frm_mtu.SetToolTipText("Maximum Transmission Unit");
    cmd_mtu_info.SetCaption("Info");
    cmd_mtu_info.SetToolTipText("Adapter Information and MaxMTU Registry Location");
    opt_mtu_auto.SetCaption("Auto");
    opt_mtu_auto.SetToolTipText("Windows 98 Default Value");
    opt_mtu_576.SetCaption("576 (Recommended)");
    opt_mtu_1500.SetCaption("1500");
    opt_mtu_1500.SetToolTipText("Windows 95/NT Default Value");
    opt_mtu_custom.SetCaption("Custom:");
    txt_mtu_custom.SetText("1500");
    cmd_mtu_find.SetCaption("Find");
    cmd_mtu_find.SetToolTipText("Find MaxMTU");
    Label9.SetCaption("Bad Property Value!!!");
    Label8.SetCaption("MaxMTU must be over 40!!!");

    frm_rwin.SetCaption("RWIN");
    frm_rwin.SetToolTipText("TCP/IP Recieve Window");
    lblRwinCalc.SetCaption("Calculate RWIN from MTU of this Device:");
    opt_rwin_default.SetCaption("Windows Default");
    opt_rwin_x4.SetCaption("x4 (Recommended)");
    opt_rwin_x6.SetCaption("x6");
    opt_rwin_x8.SetCaption("x8");
    opt_rwin_custom.SetCaption("Custom:");
    txt_rwin_custom.SetText("8192");
    Label10.SetCaption("Bad Property Value!!!");
    Label11.SetCaption("RWIN must be >0 !!!");

    frm_ttl.SetCaption("Time To Live");
    opt_ttl_32.SetCaption("32");
    opt_ttl_32.SetToolTipText("Windows Default Value");
    opt_ttl_128.SetCaption("128 (Recommended)");

    frm_session.SetCaption("Session Keep Alive");
    opt_Session_60.SetCaption("60mins (Default)");
    opt_Session_Cst.SetCaption("Custom:");
    txt_Session_Cst.SetText("10");
    lblSessionUnit.SetCaption("mins");
    // The up arrow moves towards Min: one more minute.
    vscr_session_custom.SetRange(1, -1);

    frm_misc.SetCaption("Misc");
    chk_black.SetCaption("Black Hole Detect");
    chk_black.SetToolTipText(
        "Detect routers that do not send back ICMP(not recommended). Default Disabled.");
    chk_auto.SetCaption("Auto Discovery");
    chk_auto.SetToolTipText("Let Windows 95 detect MTU. Default Enabled.");

    frm_selvalues.SetCaption("RWIN Calculated Values");
    frm_selvalues.SetToolTipText("Values that will be saved when you press Ok.");
    lblMtuValue.SetCaption("MaxMTU:");
    lblMssValue.SetCaption("MSS:");
    lblRwinValue.SetCaption("RWIN:");

    frm_presets.SetCaption("Presets");
    cmdPresetPrevious.SetCaption("Previous");
    cmd_preset_optimum.SetCaption("Optimum");
    cmd_preset_defaults.SetCaption("Default");
    cmd_preset_defaults.SetToolTipText("Restore Windows Default Values");

    Text1.SetMultiLine(true);
    Text1.SetLocked(true);
    frm_hosts.SetCaption("Local Domain Name Lookup");
    chk_hosts.SetCaption("Enable");
    chk_hosts.SetToolTipText("This enables or disables your hosts file.");
    cmd_hosts.SetCaption("Configure Hosts File");
    cmd_hosts.SetToolTipText("Configure the Hosts File");
    chk_splash.SetCaption("Permanently Disable Splash Screen");
    chk_splash.SetVisible(false);
    pDapplet.SetVisible(false);
    cmd_ok.SetCaption("Ok");
    cmd_ok.SetToolTipText("Save Current Settings.");
    cmd_ok.SetDefault(true);
    cmd_cancel.SetCaption("Cancel");
    cmd_cancel.SetToolTipText("Exit without saving changes.");
    cmd_cancel.SetCancel(true);
    cmd_about.SetCaption("About");
    cmd_about.SetToolTipText("About Quillon");

    for (ui::Label* warning : {&Label9, &Label8, &Label10, &Label11}) warning->SetVisible(false);
}

void MainWindow::LayOutControls() {
    const int inner = kColumnWidth - 2 * kMargin;

    // Left column: the two adapter-based groups.
    frm_mtu.Move(kMargin, kMargin, kColumnWidth, 2520);
    cmbMTUSel.Move(kMargin, 300, inner, kFieldHeight);
    opt_mtu_auto.Move(kMargin, 720, 1680, kRow);
    opt_mtu_576.Move(kMargin, 720 + kRow, 1920, kRow);
    opt_mtu_1500.Move(kMargin, 720 + 2 * kRow, 1680, kRow);
    opt_mtu_custom.Move(kMargin, 720 + 3 * kRow + 30, 960, kRow);
    txt_mtu_custom.Move(kMargin + 1020, 720 + 3 * kRow, 900, kFieldHeight);
    // The two buttons about the chosen adapter share the row of the custom box.
    cmd_mtu_find.Move(kMargin + inner - 2 * 780 - 60, 720 + 3 * kRow - 30, 780, kButtonHeight);
    cmd_mtu_info.Move(kMargin + inner - 780, 720 + 3 * kRow - 30, 780, kButtonHeight);
    Label9.Move(kMargin, 2100, inner, 255);
    Label8.Move(kMargin, 2100, inner, 255);

    frm_rwin.Move(kMargin, 2760, kColumnWidth, 2400);
    lblRwinCalc.Move(kMargin, 300, inner, 255);
    cmbRWINCalc.Move(kMargin, 570, inner, kFieldHeight);
    opt_rwin_default.Move(kMargin, 1020, 1800, kRow);
    opt_rwin_x4.Move(kMargin, 1020 + kRow, 1800, kRow);
    opt_rwin_x6.Move(kMargin + 2040, 1020, 900, kRow);
    opt_rwin_x8.Move(kMargin + 2040, 1020 + kRow, 900, kRow);
    opt_rwin_custom.Move(kMargin, 1020 + 2 * kRow + 60, 960, kRow);
    txt_rwin_custom.Move(kMargin + 1020, 1020 + 2 * kRow + 30, 1200, kFieldHeight);
    Label10.Move(kMargin, 1980, inner, 255);
    Label11.Move(kMargin, 1980, inner, 255);

    // Right column: the global values, the calculator's result, presets and
    // the hosts file.
    frm_ttl.Move(kRightColumn, kMargin, kColumnWidth, 1020);
    opt_ttl_32.Move(kMargin, 300, 1680, kRow);
    opt_ttl_128.Move(kMargin, 300 + kRow, 2400, kRow);

    frm_session.Move(kRightColumn, 1260, kColumnWidth, 1080);
    opt_Session_60.Move(kMargin, 300, 2400, kRow);
    opt_Session_Cst.Move(kMargin, 660, 960, kRow);
    txt_Session_Cst.Move(kMargin + 1020, 630, 600, kSpinnerHeight);
    vscr_session_custom.Move(kMargin + 1620, 630, 255, kSpinnerHeight);
    lblSessionUnit.Move(kMargin + 1980, 660, 600, 255);

    frm_misc.Move(kRightColumn, 2460, kColumnWidth, 1020);
    chk_black.Move(kMargin, 300, inner, kRow);
    chk_auto.Move(kMargin, 300 + kRow, inner, kRow);

    frm_selvalues.Move(kRightColumn, 3600, kColumnWidth, 1140);
    lblMtuValue.Move(kMargin, 300, 1080, 255);
    Label7.Move(kMargin + 1140, 300, 1200, 255);
    lblMssValue.Move(kMargin, 300 + 240, 1080, 255);
    Label13.Move(kMargin + 1140, 300 + 240, 1200, 255);
    lblRwinValue.Move(kMargin, 300 + 480, 1080, 255);
    Label4.Move(kMargin + 1140, 300 + 480, 1200, 255);

    frm_presets.Move(kRightColumn, 4860, kColumnWidth, 780);
    const int presetWidth = (inner - 2 * kMargin) / 3;
    cmdPresetPrevious.Move(kMargin, 270, presetWidth, kButtonHeight);
    cmd_preset_optimum.Move(2 * kMargin + presetWidth, 270, presetWidth, kButtonHeight);
    cmd_preset_defaults.Move(3 * kMargin + 2 * presetWidth, 270, presetWidth, kButtonHeight);

    frm_hosts.Move(kRightColumn, 5760, kColumnWidth, 720);
    chk_hosts.Move(kMargin, 300, 1200, kRow);
    cmd_hosts.Move(kMargin + inner - 2040, 240, 2040, kButtonHeight);

    // Left column, below the groups: the adapters the lists leave out, and
    // the version.
    Text1.Move(kMargin, 5280, kColumnWidth, 960);
    Label2.Move(kMargin, 6300, 1560, 255);

    // Bottom row: About, the small graph, and the buttons; the splash option
    // appears below them when it is set.
    chk_splash.Move(kMargin, 0, 3600, kRow);
    cmd_about.Move(kMargin, 6600, 1080, kButtonHeight);
    const int okLeft = kRightColumn + kColumnWidth - 2 * 1080 - kMargin;
    const int graphLeft = kMargin + 1680;
    // Up to the buttons: wide enough for the line of current values.
    pDapplet.Move(graphLeft, 6600, okLeft - kMargin - graphLeft, 480);
    cmd_ok.Move(okLeft, 6600, 1080, kButtonHeight);
    cmd_cancel.Move(kRightColumn + kColumnWidth - 1080, 6600, 1080, kButtonHeight);

    Move(-1, -1, kRightColumn + kColumnWidth + kMargin, 7200);
}

}  // namespace qn
