#include "meter/app/frm_statistics.h"

#include "meter/app/frm_main.h"
#include "meter/app/meter_identity.h"
#include "support/rounding.h"

namespace qn::meter {

namespace {

// Twips.
constexpr int kStatsRowLabelWidth = 1500;
constexpr int kStatsColumnLeft = 1680;
constexpr int kStatsColumnWidth = 1200;
constexpr int kStatsColumnStep = 1260;
constexpr int kStatsFirstRowTop = 540;
constexpr int kStatsRowStep = 330;
constexpr int kStatsFieldHeight = 285;
constexpr int kStatsLineHeight = 255;

}  // namespace

FrmStatistics::FrmStatistics(ui::Application& app, FrmMain& main)
    : ui::Form(app, "frmStatistics"), main_(main), fields_{&txtTotalIn,      &txtTotalOut,
                                                           &txtTotalTotal,   &txtCurrentIn,
                                                           &txtCurrentOut,   &txtCurrentTotal,
                                                           &txtAverageIn,    &txtAverageOut,
                                                           &txtAverageTotal, &txtMaxIn,
                                                           &txtMaxOut,       &txtMaxTotal} {
    SetBorderStyle(ui::BorderStyle::FixedToolWindow);
    Frame1.SetCaption("Statistics");
    lblTotal.SetCaption("Total Transfered:");
    lblCurrent.SetCaption("Current Rate:");
    lblAverage.SetCaption("Average Rate:");
    lblMax.SetCaption("Maximum Rate:");
    lblIn.SetCaption("In:");
    lblOut.SetCaption("Out:");
    lblBoth.SetCaption("Total:");
    for (ui::TextBox* field : fields_) field->SetLocked(true);
    Frame2.SetCaption("Format");
    optB.SetCaption("Bytes");
    optKb.SetCaption("Kilobytes");
    optMb.SetCaption("Megabytes");
    chkPause.SetCaption("Pause");
    chkOnTop.SetCaption("Always On Top");
    cmdReset.SetCaption("Reset");
    cmdClose.SetCaption("Close");
    SetCancelButton(&cmdClose);
    LayOut();

    for (ui::OptionButton* option : {&optB, &optKb, &optMb}) {
        option->Click.Connect([this] { UpdateStats(); });
    }
    chkPause.Click.Connect([this] { chkPause_Click(); });
    chkOnTop.Click.Connect([this] { chkOnTop_Click(); });
    cmdReset.Click.Connect([this] { cmdReset_Click(); });
    cmdClose.Click.Connect([this] { Unload(); });
}

void FrmStatistics::LayOut() {
    Move(-1, -1, 5760, 3360);
    Frame1.Move(120, 120, 5520, 1920);
    ui::Label* rows[] = {&lblTotal, &lblCurrent, &lblAverage, &lblMax};
    ui::Label* columns[] = {&lblIn, &lblOut, &lblBoth};
    for (int column = 0; column < 3; ++column) {
        columns[column]->Move(kStatsColumnLeft + column * kStatsColumnStep, 260, kStatsColumnWidth,
                              kStatsLineHeight);
    }
    for (int row = 0; row < 4; ++row) {
        const int top = kStatsFirstRowTop + row * kStatsRowStep;
        rows[row]->Move(120, top + 30, kStatsRowLabelWidth, kStatsLineHeight);
        for (int column = 0; column < 3; ++column) {
            fields_[static_cast<std::size_t>(row * 3 + column)]->Move(
                kStatsColumnLeft + column * kStatsColumnStep, top, kStatsColumnWidth,
                kStatsFieldHeight);
        }
    }
    Frame2.Move(120, 2160, 2400, 1080);
    optB.Move(120, 240, 2100, kStatsLineHeight);
    optKb.Move(120, 510, 2100, kStatsLineHeight);
    optMb.Move(120, 780, 2100, kStatsLineHeight);
    chkPause.Move(2760, 2280, 1560, kStatsLineHeight);
    chkOnTop.Move(2760, 2640, 1560, kStatsLineHeight);
    cmdReset.Move(4440, 2220, 1200, 375);
    cmdClose.Move(4440, 2700, 1200, 375);
}

void FrmStatistics::Form_Load() {
    main_.Log().WriteLog("frmStatistics_Load");
    // A form comes up as designed each time it loads.
    optB.SetValue(true);
    chkPause.SetValue(ui::vbUnchecked);
    chkOnTop.SetValue(ui::vbUnchecked);
    SetTopMost(false);
    main_.StatisticsVisible = true;
    SetCaption(std::string(kMeterTitle) + " Throughput Statistics");
    UpdateStats();
}

void FrmStatistics::Form_Unload(bool& /*cancel*/) {
    main_.Log().WriteLog("frmStatistics_Unload");
    main_.StatisticsVisible = false;
}

ByteUnit FrmStatistics::SelectedUnit() const {
    if (optKb.Value()) return ByteUnit::Kilobytes;
    if (optMb.Value()) return ByteUnit::Megabytes;
    return ByteUnit::Bytes;
}

std::string FrmStatistics::Format(std::int64_t value) const {
    return FormatBytes(value, SelectedUnit());
}

void FrmStatistics::UpdateStats() {
    if (chkPause.Value() == ui::vbChecked) return;
    const cNetStatistics& stats = main_.NetStatistics();
    const auto rate = [this](std::int64_t value) { return Format(value) + "/s"; };
    txtTotalIn.SetText(Format(stats.TotalIn()));
    txtTotalOut.SetText(Format(stats.TotalOut()));
    txtTotalTotal.SetText(Format(stats.TotalIn() + stats.TotalOut()));
    txtCurrentIn.SetText(rate(stats.CurrentIn()));
    txtCurrentOut.SetText(rate(stats.CurrentOut()));
    txtCurrentTotal.SetText(rate(std::int64_t{stats.CurrentIn()} + stats.CurrentOut()));
    txtAverageIn.SetText(rate(stats.AverageIn()));
    txtAverageOut.SetText(rate(stats.AverageOut()));
    // The mean of the two averages, not their sum.
    const double meanAverage = (double{1} * stats.AverageIn() + stats.AverageOut()) / 2;
    txtAverageTotal.SetText(rate(static_cast<std::int64_t>(RoundHalfEven(meanAverage))));
    txtMaxIn.SetText(rate(stats.MaxIn()));
    txtMaxOut.SetText(rate(stats.MaxOut()));
    // The two maxima need not have come in the same second.
    txtMaxTotal.SetText(rate(std::int64_t{stats.MaxIn()} + stats.MaxOut()));
}

void FrmStatistics::chkPause_Click() {
    if (chkPause.Value() == ui::vbUnchecked) UpdateStats();
}

void FrmStatistics::chkOnTop_Click() {
    const bool onTop = chkOnTop.Value() == ui::vbChecked;
    SetTopMost(onTop);
    // The meter window is to stay above this one.
    if (!onTop && main_.MeterVisible) main_.KeepMeterOnTop();
}

void FrmStatistics::cmdReset_Click() {
    main_.ResetStatistics();
    for (ui::TextBox* field : fields_) field->SetText("0");
}

}  // namespace qn::meter
