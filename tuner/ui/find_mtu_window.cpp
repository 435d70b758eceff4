#include "tuner/ui/find_mtu_window.h"

#include <string>

#include "tuner/core/tuner_settings.h"

namespace qn {

namespace {

constexpr std::int16_t kSearchSteps[] = {1000, 100, 10, 1};

}  // namespace

FindMtuWindow::FindMtuWindow(ui::Application& app, mtudetection& detection, ui::Form& mainWindow,
                             ui::TextBox& customMtu)
    : ui::Form(app, "findmtu"),
      detection_(detection),
      mainWindow_(mainWindow),
      customMtu_(customMtu) {
    SetBorderStyle(ui::BorderStyle::FixedDialog);
    Move(-1, -1, 4680, 2760);
    Label1.SetCaption("Server:");
    Label1.Move(240, 255, 720, 255);
    Text1.Move(1020, 210, 3420, 315);
    Frame1.SetCaption("MaxMTU Search Status");
    Frame1.Move(240, 660, 4200, 1020);
    Label3.SetCaption("Status:");
    Label3.Move(180, 300, 1320, 255);
    Label5.Move(1560, 300, 2520, 255);
    Label2.SetCaption("Current Position:");
    Label2.Move(180, 630, 1320, 255);
    Label4.Move(1560, 630, 2520, 255);
    Command1.SetCaption("Start Search");
    Command1.Move(240, 1860, 1320, 375);
    Command4.SetCaption("Stop");
    Command4.Move(240, 1860, 1320, 375);
    Command3.SetCaption("Apply MaxMTU");
    Command3.Move(1680, 1860, 1320, 375);
    Command2.SetCaption("Cancel");
    Command2.Move(3120, 1860, 1320, 375);
    SetDefaultButton(&Command1);
    SetCancelButton(&Command2);
    Command1.Click.Connect([this] { Command1_Click(); });
    Command2.Click.Connect([this] { Command2_Click(); });
    Command3.Click.Connect([this] { Command3_Click(); });
    Command4.Click.Connect([this] { Command4_Click(); });
}

// Start Search. The waits inside pump events, so Stop and the close box run
// in the middle of this handler and reach the search only through the stop
// flag.
void FindMtuWindow::Command1_Click() {
    detection_.SetStopFlag(false);
    const int search = ++searches_;
    ShowSearching(true);
    detection_.SetBusyCursor(kHourglassPointer);
    ShowStatus("Establishing Internet Connection...");
    detection_.WarmUp(Text1.Text());
    std::int16_t result = kStageStopped;
    if (!Abandoned(search)) {
        ShowStatus("Searching...");
        result = RunStages(search);
    }
    detection_.SetBusyCursor(kDefaultPointer);
    // Closed meanwhile (or closed and opened for a new search): nothing more
    // is shown, and the last ping, let finish, may have written its file.
    if (Abandoned(search)) {
        detection_.DeleteOutputFile();
        return;
    }
    if (result == kStageError) {
        ShowStatus("Search Error");
    } else if (result == kStageStopped) {
        ShowStatus("Search Halted");
    } else {
        ShowStatus("Search Complete");
    }
    RefreshCaption();
    ShowSearching(false);
    if (result >= 0) Command3.SetEnabled(true);
    if (result == kStageError) App().MsgBox("Bad Domain or IP", ui::vbOKOnly);
}

std::int16_t FindMtuWindow::RunStages(int search) {
    std::int16_t result = 0;
    for (std::int16_t step : kSearchSteps) {
        result = detection_.SearchStage(result, step, Text1.Text(), [this, search](int position) {
            if (Abandoned(search)) return;
            Label4.SetCaption(std::to_string(position));
            RefreshCaption();
        });
        stageResult_ = result;
        if (result < 0) break;
    }
    return result;
}

bool FindMtuWindow::Abandoned(int search) const {
    return !Visible() || search != searches_;
}

// Each opening starts as the window was designed, whatever the last one
// left: a search it ran may have ended after it closed.
void FindMtuWindow::Form_Load() {
    SetCaption("Quillon Find MaxMTU");
    Text1.SetText(kDefaultPingHost);
    Label5.SetCaption("");
    Label4.SetCaption("");
    ShowSearching(false);
    Command3.SetEnabled(false);
}

void FindMtuWindow::ShowSearching(bool searching) {
    Command1.SetEnabled(!searching);
    Command2.SetEnabled(!searching);
    if (searching) Command3.SetEnabled(false);
    Text1.SetEnabled(!searching);
    Command4.SetVisible(searching);
}

void FindMtuWindow::ShowStatus(const char* status) {
    Label5.SetCaption(status);
}

void FindMtuWindow::RefreshCaption() {
    SetCaption(std::string(kTunerAppName) + " " + Label5.Caption() + " " + Label4.Caption());
}

void FindMtuWindow::Command4_Click() {
    detection_.SetStopFlag(true);
    ShowStatus("Searching...(Stopping)");
}

// The unloading deletes the search's file.
void FindMtuWindow::Command2_Click() {
    mainWindow_.Show();
    Unload();
}

void FindMtuWindow::Command3_Click() {
    detection_.DeleteOutputFile();
    if (customMtu_.Enabled()) customMtu_.SetText(Label4.Caption());
    mainWindow_.Show();
    Unload();
}

void FindMtuWindow::Form_QueryUnload(bool& /*cancel*/, int unloadMode) {
    detection_.DeleteOutputFile();
    if (unloadMode != ui::vbFormControlMenu) return;
    detection_.SetStopFlag(true);
    mainWindow_.Show();
}

}  // namespace qn
