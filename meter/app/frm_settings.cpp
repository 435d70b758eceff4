#include "meter/app/frm_settings.h"

#include <string>

#include "meter/app/frm_main.h"
#include "meter/app/meter_identity.h"
#include "support/integer_conversion.h"
#include "support/number_parse.h"
#include "throughput/net_status_table.h"
#include "throughput/raised_error.h"

namespace qn::meter {

namespace {

constexpr int kAlphaItems = 19;  // 5% to 95%
constexpr int kAlphaStepPercent = 5;
constexpr int kDefaultAlphaItem = 13;  // 70%
constexpr const char* kOpaqueAlpha = "100";
// Twips.
constexpr int kSettingsLineHeight = 255;
constexpr int kSettingsListHeight = 315;

bool Ticked(const ui::CheckBox& box) {
    return box.Value() == ui::vbChecked;
}

int TickFor(bool ticked) {
    return ticked ? ui::vbChecked : ui::vbUnchecked;
}

}  // namespace

FrmSettings::FrmSettings(ui::Application& app, FrmMain& main)
    : ui::Form(app, "frmSettings"), main_(main), scales_{ScaleChoice{&opScaleAuto, true, 1},
                                                         ScaleChoice{&opScale1000, false, 1024000},
                                                         ScaleChoice{&opScale500, false, 512000},
                                                         ScaleChoice{&opScale56, false, 8806},
                                                         ScaleChoice{&opScale336, false, 4608},
                                                         ScaleChoice{&opScale288, false, 3994}} {
    SetBorderStyle(ui::BorderStyle::FixedDialog);
    Frame4.SetCaption("General");
    Label1.SetCaption("Interface:");
    chkShowGraph.SetCaption("Show Graph on Launch");
    chkStartup.SetCaption("Load on Windows Startup");
    Frame3.SetCaption("Window");
    chkAlpha.SetCaption("Transparent (Win2000+)");
    chkBorder.SetCaption("Border");
    Frame2.SetCaption("Display");
    chkGridlines.SetCaption("Gridlines");
    chkNumerical.SetCaption("Numerical Values");
    Frame1.SetCaption("Graph Scale");
    opScaleAuto.SetCaption("Auto Adjust");
    opScale1000.SetCaption("1000kb/s");
    opScale500.SetCaption("500kb/s");
    opScale56.SetCaption("56k Modem");
    opScale336.SetCaption("33.6 Modem");
    opScale288.SetCaption("28.8 Modem");
    cmdOk.SetCaption("Ok");
    cmdCancel.SetCaption("Cancel");
    cmdApply.SetCaption("Apply");
    SetDefaultButton(&cmdOk);
    SetCancelButton(&cmdCancel);
    LayOut();

    chkAlpha.Click.Connect([this] { chkAlpha_Click(); });
    cmdOk.Click.Connect([this] { cmdOk_Click(); });
    cmdCancel.Click.Connect([this] { cmdCancel_Click(); });
    cmdApply.Click.Connect([this] { cmdApply_Click(); });
}

void FrmSettings::LayOut() {
    Move(-1, -1, 6000, 4200);
    Frame4.Move(120, 120, 5760, 1440);
    Label1.Move(120, 300, 900, kSettingsLineHeight);
    cmbInt.Move(1080, 270, 4560, kSettingsListHeight);
    chkShowGraph.Move(120, 720, 4500, kSettingsLineHeight);
    chkStartup.Move(120, 1020, 4500, kSettingsLineHeight);
    Frame3.Move(120, 1680, 2820, 1500);
    chkAlpha.Move(120, 300, 2580, kSettingsLineHeight);
    cmbAlpha.Move(360, 600, 1200, kSettingsListHeight);
    chkBorder.Move(120, 1020, 2580, kSettingsLineHeight);
    Frame2.Move(120, 3240, 2820, 840);
    chkGridlines.Move(120, 240, 2580, kSettingsLineHeight);
    chkNumerical.Move(120, 510, 2580, kSettingsLineHeight);
    Frame1.Move(3060, 1680, 2820, 2040);
    int top = 270;
    for (const ScaleChoice& scale : scales_) {
        scale.option->Move(120, top, 2580, kSettingsLineHeight);
        top += 285;
    }
    cmdOk.Move(3060, 3780, 900, 375);
    cmdCancel.Move(4020, 3780, 900, 375);
    cmdApply.Move(4980, 3780, 900, 375);
}

// What an earlier opening left in the controls goes first.
void FrmSettings::ResetControls() {
    cmbInt.Clear();
    cmbAlpha.Clear();
    for (ui::CheckBox* box :
         {&chkShowGraph, &chkStartup, &chkAlpha, &chkBorder, &chkGridlines, &chkNumerical}) {
        box->SetValue(ui::vbUnchecked);
    }
    for (const ScaleChoice& scale : scales_) scale.option->SetValue(false);
}

void FrmSettings::Form_Load() {
    main_.Log().WriteLog("frmSettings_Load");
    ResetControls();
    LoadInterfaces();
    for (int i = 1; i <= kAlphaItems; ++i) {
        cmbAlpha.AddItem(std::to_string(i * kAlphaStepPercent) + "%");
    }
    cmbAlpha.SetListIndex(kDefaultAlphaItem);
    chkAlpha_Click();

    MeterSettings& settings = main_.Settings();
    chkShowGraph.SetValue(TickFor(StoredFlag(settings, "Graph", "ShowOnStartup", true)));
    chkStartup.SetValue(TickFor(main_.RunValuePresent()));
    LoadScale();
    chkNumerical.SetValue(TickFor(StoredFlag(settings, "Graph", "Show Numerical Values", true)));
    chkGridlines.SetValue(TickFor(StoredFlag(settings, "Graph", "Show Gridlines", true)));
    chkBorder.SetValue(TickFor(!StoredFlag(settings, "Position", "NoBorder", false)));
    LoadAlpha();

    SetCaption(std::string(kMeterTitle) + " Settings");
    main_.SettingsVisible = true;
}

void FrmSettings::LoadInterfaces() {
    cmbInt.AddItem("All Interfaces");
    InterfaceTable& table = main_.Interfaces();
    if (mNetStatus::GetNumInterfaces(table) >= 1) {
        for (const std::string& name : mNetStatus::EnumInterfaces(table)) cmbInt.AddItem(name);
    }
    cmbInt.SetListIndex(0);
    const std::string watched = main_.NetStat()->Interface();
    for (int i = 0; i < cmbInt.ListCount(); ++i) {
        if (cmbInt.List(i) == watched) {
            cmbInt.SetListIndex(i);
            break;
        }
    }
}

void FrmSettings::LoadScale() {
    const cGraph& graph = main_.NetGraph();
    if (graph.AutoScale()) {
        opScaleAuto.SetValue(true);
        return;
    }
    // Only an exact match: any other scale (one of the registry's own) selects none.
    for (const ScaleChoice& scale : scales_) {
        if (!scale.autoScale && graph.ScaleValueExact() == scale.scaleValue) {
            scale.option->SetValue(true);
            return;
        }
    }
}

void FrmSettings::LoadAlpha() {
    const std::string text = main_.Settings().Get("Graph", "Alpha", kOpaqueAlpha);
    // A stored value that is no number is left alone.
    if (!IsNumberText(text)) return;
    const double alpha = LeadingNumber(text);
    if (!(alpha < 100)) return;
    chkAlpha.SetValue(ui::vbChecked);
    chkAlpha_Click();
    const auto item = RoundToInt32(alpha / kAlphaStepPercent - 1);
    if (!item) return;
    if (*item == ui::ListControl::kNone) {
        cmbAlpha.SetListIndex(ui::ListControl::kNone);
    } else if (*item >= 0 && *item < cmbAlpha.ListCount()) {
        cmbAlpha.SetListIndex(*item);
    }
}

void FrmSettings::chkAlpha_Click() {
    cmbAlpha.SetEnabled(Ticked(chkAlpha));
}

void FrmSettings::cmdApply_Click() {
    cNetStatus& sampler = *main_.NetStat();
    sampler.SetInterface(cmbInt.ListIndex() == 0 ? "" : cmbInt.Text());

    MeterSettings& settings = main_.Settings();
    settings.Save("Graph", "ShowOnStartup", FlagText(Ticked(chkShowGraph)));
    ApplyStartup();

    cGraph& graph = main_.NetGraph();
    for (const ScaleChoice& scale : scales_) {
        if (!scale.option->Value()) continue;
        graph.SetAutoScale(scale.autoScale);
        graph.SetScaleValue(scale.scaleValue);
    }

    settings.Save("Graph", "Show Numerical Values", FlagText(Ticked(chkNumerical)));
    graph.SetShowNum(Ticked(chkNumerical));
    settings.Save("Graph", "Show Gridlines", FlagText(Ticked(chkGridlines)));
    graph.SetShowGrid(Ticked(chkGridlines));

    settings.Save("Position", "NoBorder", FlagText(!Ticked(chkBorder)));
    settings.Save("Graph", "Alpha",
                  Ticked(chkAlpha) ? std::to_string((cmbAlpha.ListIndex() + 1) * kAlphaStepPercent)
                                   : kOpaqueAlpha);

    // Border and transparency are set as the meter window is made.
    if (main_.MeterVisible) main_.RebuildMeter();
}

void FrmSettings::ApplyStartup() {
    if (Ticked(chkStartup)) {
        main_.WriteRunValue();
        return;
    }
    try {
        main_.DeleteRunValue();
    } catch (const RaisedError&) {
        // A Run key that cannot be opened has no value of ours to delete.
    }
}

void FrmSettings::cmdOk_Click() {
    cmdApply_Click();
    Unload();
}

void FrmSettings::cmdCancel_Click() {
    Unload();
}

void FrmSettings::Form_Unload(bool& /*cancel*/) {
    main_.Log().WriteLog("frmSettings_Unload");
    main_.SettingsVisible = false;
}

}  // namespace qn::meter
