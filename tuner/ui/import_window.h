#pragma once
// What the bookmark and the favorites imports share: Start, which becomes
// Stop while a run goes, Cancel, the status line and the progress bar, the
// run that hands every collected host name to the hosts editor, and the way
// back to the editor, which is hidden while an import window is open.
#include <functional>
#include <string>

#include "tuner/hosts/imported_hosts.h"
#include "tuner/ui/mtu_detection.h"
#include "tuner/ui/tuner_services.h"
#include "ui/command_button.h"
#include "ui/form.h"
#include "ui/simple_controls.h"

namespace qn {

// The hosts editor's silent "look the name up and add it when it resolves
// and is not listed yet".
using AddToHostsFunction = std::function<void(const std::string&)>;

class ImportWindow : public ui::Form {
  public:
    ui::Label Label1{*this, "Label1"};  // status
    // The progress bar: the fill before the track, so that it lies above it.
    ui::Label Label9{*this, "Label9"};
    ui::Label Label8{*this, "Label8"};
    ui::Label Label2{*this, "Label2"};  // the percentage
    ui::CommandButton CmdStart{*this, "CmdStart"};
    ui::CommandButton Command1{*this, "Command1"};  // Cancel

    // The names the last run collected.
    const ImportedHosts& Hosts() const { return hosts_; }
    bool Running() const { return running_; }

    // Shows the bar filled to fraction (0 to 1) and the percentage in the
    // caption; 0 hides the bar. Lets events run first.
    void progress(double fraction);

  protected:
    // caption: the window's caption while no bar is shown.
    ImportWindow(ui::Application& app, const char* formName, const char* caption,
                 TunerServices& services, mtudetection& detection, ui::Form& hostsWindow,
                 AddToHostsFunction addToHosts);

    // The window's wizard flag: set while the wizard runs the import, which
    // then leaves the hosts editor hidden.
    virtual bool& WizardFlag() = 0;

    // Places the status, the bar and the buttons from top down and sizes
    // the form around them.
    void LayOutRun(int top);
    // The idle state every opening starts from.
    void ResetRun();
    // Start pressed during a run: the run is asked to stop and true comes
    // back; nothing else happens then.
    bool StopIfRunning();
    // The run: collect (with the run already going, events let run) fills
    // hosts_, each host is handed to the editor with statusPrefix + "n of
    // count   host" shown, then doneMessage and Cancel. A run whose window was
    // closed meanwhile ends quietly.
    void RunImport(const std::function<void()>& collect, const std::string& statusPrefix,
                   const std::string& doneMessage);

    void Command1_Click();
    void Form_QueryUnload(bool& cancel, int unloadMode) override;
    void Form_Unload(bool& cancel) override;

    TunerServices& services_;
    ImportedHosts hosts_;

  private:
    void AddHostsToEditor(const std::string& statusPrefix);
    void ReturnToHostsWindow();

    std::string caption_;
    mtudetection& detection_;
    ui::Form& hostsWindow_;
    AddToHostsFunction addToHosts_;
    bool running_ = false;
    // Counts runs and closings: a run that finds it changed when its last
    // step is done (the window was closed, and maybe opened again) leaves
    // the window as it is.
    int runs_ = 0;
};

}  // namespace qn
