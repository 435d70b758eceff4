#include "tuner/ui/about_window.h"

#include <string>

#include "version.h"

namespace qn {

namespace {

std::string Disclaimer(const std::string& distributor) {
    return "The author and " + distributor +
           " disclaim all warranties as to this program's merchantability or fitness for a "
           "particular purpose. In no event will the author or " +
           distributor + " be liable for any damages in connection with use of this software.";
}

}  // namespace

AboutWindow::AboutWindow(ui::Application& app, Shell& shell, const Distribution& distribution)
    : ui::Form(app, "About"), shell_(shell), distribution_(distribution) {
    SetCaption("About Quillon");
    SetBorderStyle(ui::BorderStyle::FixedDialog);
    // Twips, 15 to a pixel at 96 DPI.
    Move(-1, -1, 5400, 3720);
    lblTitle.SetCaption("Quillon");
    lblTitle.Move(240, 180, 4920, 285);
    lblVersion.Move(240, 465, 4920, 255);
    lblWarning.Move(240, 840, 4920, 1200);
    lblSupport.SetCaption("Support:");
    lblSupport.Move(240, 2160, 960, 255);
    Label4.Move(1260, 2160, 3900, 255);
    Label4.SetToolTipText("Write to the support address");
    lblWeb.SetCaption("Web:");
    lblWeb.Move(240, 2460, 960, 255);
    Label5.Move(1260, 2460, 3900, 255);
    Label5.SetToolTipText("Open the product web page");
    Command1.SetCaption("OK");
    Command1.Move(2100, 2940, 1200, 375);
    Command1.Click.Connect([this] { Unload(); });
    SetDefaultButton(&Command1);
    SetCancelButton(&Command1);
    Label4.Click.Connect([this] { Label4_Click(); });
    Label5.Click.Connect([this] { Label5_Click(); });
}

void AboutWindow::Form_Load() {
    lblVersion.SetCaption("Version " + std::to_string(QN_VERSION_MAJOR) + "." +
                          std::to_string(QN_VERSION_MINOR) + "." +
                          std::to_string(QN_VERSION_REVISION));
    lblWarning.SetCaption(Disclaimer(distribution_.name));
    const std::string address = distribution_.supportAddress;
    Label4.SetCaption(address);
    Label4.SetVisible(!address.empty());
    lblSupport.SetVisible(!address.empty());
    Label5.SetCaption(distribution_.webPage);
}

void AboutWindow::Label4_Click() {
    shell_.Open("mailto:" + std::string(distribution_.supportAddress) + "?subject=Quillon");
}

void AboutWindow::Label5_Click() {
    shell_.Open(distribution_.webPage);
}

}  // namespace qn
