#include "tuner/ui/import_window.h"

#include <cmath>

#include "support/number_format.h"
#include "tuner/hosts/address_host.h"
#include "ui/application.h"

namespace qn {

namespace {

// Twips, 15 to a pixel at 96 DPI.
constexpr int kImportMargin = 120;
constexpr int kImportWidth = 4440;
constexpr int kImportRow = 255;
constexpr int kImportButtonWidth = 1215;
constexpr int kImportButtonHeight = 375;
constexpr std::uint32_t kProgressTrackColor = 0x00FFFFFF;
constexpr std::uint32_t kProgressFillColor = 0x00800000;
constexpr std::size_t kPercentDigits = 4;

}  // namespace

ImportWindow::ImportWindow(ui::Application& app, const char* formName, const char* caption,
                           TunerServices& services, mtudetection& detection, ui::Form& hostsWindow,
                           AddToHostsFunction addToHosts)
    : ui::Form(app, formName),
      services_(services),
      caption_(caption),
      detection_(detection),
      hostsWindow_(hostsWindow),
      addToHosts_(std::move(addToHosts)) {
    SetCaption(caption_);
    SetBorderStyle(ui::BorderStyle::FixedDialog);
    Label8.SetBackColor(kProgressTrackColor);
    Label9.SetBackColor(kProgressFillColor);
    CmdStart.SetCaption("Start");
    Command1.SetCaption("Cancel");
    SetDefaultButton(&CmdStart);
    SetCancelButton(&Command1);
    Command1.Click.Connect([this] { Command1_Click(); });
}

void ImportWindow::LayOutRun(int top) {
    Label1.Move(kImportMargin, top, kImportWidth, kImportRow);
    const int bar = top + kImportRow + 105;
    Label8.Move(kImportMargin, bar, kImportWidth, kImportRow);
    Label9.Move(kImportMargin, bar, 0, kImportRow);
    Label2.Move(kImportMargin, bar + kImportRow + 45, kImportWidth, kImportRow);
    const int buttons = bar + 2 * kImportRow + 165;
    const int gap = 120;
    const int left = kImportMargin + (kImportWidth - 2 * kImportButtonWidth - gap) / 2;
    CmdStart.Move(left, buttons, kImportButtonWidth, kImportButtonHeight);
    Command1.Move(left + kImportButtonWidth + gap, buttons, kImportButtonWidth,
                  kImportButtonHeight);
    Move(-1, -1, kImportWidth + 2 * kImportMargin, buttons + kImportButtonHeight + kImportMargin);
}

void ImportWindow::ResetRun() {
    running_ = false;
    hosts_.Clear();
    CmdStart.SetCaption("Start");
    CmdStart.SetEnabled(true);
    Command1.SetEnabled(true);
}

void ImportWindow::progress(double fraction) {
    App().DoEvents();
    if (fraction == 0) {
        Label8.SetVisible(false);
        Label9.SetVisible(false);
        Label2.SetVisible(false);
        SetCaption(caption_);
        return;
    }
    Label8.SetVisible(true);
    Label9.SetVisible(true);
    Label2.SetVisible(true);
    const ui::Bounds& track = Label8.GetBounds();
    Label9.Move(track.left, track.top, static_cast<int>(std::lround(track.width * fraction)),
                track.height);
    const std::string percent = NumberToText(fraction * 100).substr(0, kPercentDigits) + "%";
    Label2.SetCaption(percent);
    SetCaption(caption_ + " " + percent);
}

bool ImportWindow::StopIfRunning() {
    if (!running_) return false;
    running_ = false;
    CmdStart.SetEnabled(false);
    CmdStart.SetCaption("Stopping");
    return true;
}

void ImportWindow::RunImport(const std::function<void()>& collect, const std::string& statusPrefix,
                             const std::string& doneMessage) {
    const int run = ++runs_;
    // A stop left over from an earlier run (this one's, the MTU finder's, the
    // editor's close box) would make every lookup of this run give up.
    detection_.SetStopFlag(false);
    running_ = true;
    detection_.SetBusyCursor(kHourglassPointer);
    CmdStart.SetCaption("Stop");
    App().DoEvents();
    if (running_) collect();
    AddHostsToEditor(statusPrefix);
    detection_.SetBusyCursor(kDefaultPointer);
    // Closed meanwhile (and maybe opened again): the close box has already
    // led back to the editor, and a window opened since is not this run's.
    if (run != runs_) return;
    CmdStart.SetCaption("Start");
    CmdStart.SetEnabled(true);
    running_ = false;
    Command1.SetEnabled(true);
    App().MsgBox(doneMessage, ui::vbOKOnly);
    Command1_Click();
}

void ImportWindow::AddHostsToEditor(const std::string& statusPrefix) {
    const int count = hosts_.Count();
    for (int index = 0; index < count && running_; ++index) {
        // A copy: the events let run below may start the list anew.
        const std::string host = hosts_.Name(index);
        Label1.SetCaption(statusPrefix + std::to_string(index + 1) + " of " +
                          std::to_string(count) + "   " + host);
        progress(static_cast<double>(index + 1) / count);
        if (!running_) break;
        if (IsImportableHost(host)) addToHosts_(host);
    }
}

void ImportWindow::Command1_Click() {
    ReturnToHostsWindow();
    Unload();
}

void ImportWindow::ReturnToHostsWindow() {
    if (!WizardFlag()) hostsWindow_.Show();
}

// The close box does what Cancel does, and stops a run: the run ends at its
// next step without a word.
void ImportWindow::Form_QueryUnload(bool& /*cancel*/, int unloadMode) {
    running_ = false;
    if (unloadMode == ui::vbFormControlMenu) ReturnToHostsWindow();
}

void ImportWindow::Form_Unload(bool& /*cancel*/) {
    WizardFlag() = false;
    ++runs_;
}

}  // namespace qn
