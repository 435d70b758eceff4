#include "tuner/ui/hosts_window.h"

namespace qn {

namespace {

// Twips, 15 to a pixel at 96 DPI.
constexpr int kHostsMargin = 120;
constexpr int kHostsListWidth = 3600;
constexpr int kHostsSideLeft = kHostsMargin + kHostsListWidth + 180;
constexpr int kHostsSideWidth = 3240;
constexpr int kHostsValueLeft = kHostsSideLeft + 2520;
constexpr int kHostsRow = 300;
constexpr int kHostsButtonWidth = 2280;
constexpr int kHostsButtonHeight = 375;

}  // namespace

void HostsWindow::LayOut() {
    SetCaption("Quillon Local DNS");
    SetBorderStyle(ui::BorderStyle::FixedSingle);
    Move(-1, -1, kHostsSideLeft + kHostsSideWidth + kHostsMargin, 5160);
    Label1.Move(kHostsMargin, kHostsMargin, kHostsSideLeft + kHostsSideWidth - kHostsMargin, 255);
    List1.SetMultiSelect(true);
    List1.Move(kHostsMargin, 480, kHostsListWidth, 3540);
    List1.SetToolTipText("Selected entries take part in Update All; a click marks or unmarks one");

    Label3.SetCaption("Total Number of entries in Hosts:");
    Label3.Move(kHostsSideLeft, 480, 2460, 255);
    Label2.SetCaption("0");
    Label2.Move(kHostsValueLeft, 480, 720, 255);
    Label5.SetCaption("Current Position:");
    Label5.Move(kHostsSideLeft, 480 + kHostsRow, 2460, 255);
    Label6.SetCaption("0");
    Label6.Move(kHostsValueLeft, 480 + kHostsRow, 720, 255);
    Label11.SetCaption("Marked Entries to Skip on Update All:");
    Label11.Move(kHostsSideLeft, 480 + 2 * kHostsRow, 2460, 255);
    Label10.SetCaption("0");
    Label10.Move(kHostsValueLeft, 480 + 2 * kHostsRow, 720, 255);

    Label12.SetCaption("Domain Name:");
    Label12.Move(kHostsSideLeft, 1500, kHostsSideWidth, 255);
    Text1.Move(kHostsSideLeft, 1740, kHostsSideWidth, 315);
    Text1.SetToolTipText("Domain Name to add, remove, update, or search for.");
    Label13.SetCaption("IP Address:");
    Label13.Move(kHostsSideLeft, 2160, kHostsSideWidth, 255);
    Text2.Move(kHostsSideLeft, 2400, kHostsSideWidth, 315);
    Text2.SetLocked(true);
    Check1.SetCaption("Prompt before removing entries on Update All");
    Check1.Move(kHostsSideLeft, 2880, kHostsSideWidth, 435);

    const int firstRow = 4200;
    const int secondRow = firstRow + kHostsButtonHeight + 120;
    const int step = kHostsButtonWidth + 120;
    cmdNew.SetCaption("New Hosts File");
    cmdNew.Move(kHostsMargin, firstRow, kHostsButtonWidth, kHostsButtonHeight);
    cmdImport.SetCaption("Import Saved Hosts");
    cmdImport.Move(kHostsMargin + step, firstRow, kHostsButtonWidth, kHostsButtonHeight);
    cmdExport.SetCaption("Export Hosts");
    cmdExport.Move(kHostsMargin + 2 * step, firstRow, kHostsButtonWidth, kHostsButtonHeight);
    Command3.SetCaption("Refresh from Hosts");
    Command3.Move(kHostsMargin, secondRow, kHostsButtonWidth, kHostsButtonHeight);
    Command2.SetCaption("Cancel");
    Command2.Move(kHostsMargin + step, secondRow, kHostsButtonWidth, kHostsButtonHeight);
    Command5.SetCaption("Ok");
    Command5.Move(kHostsMargin + 2 * step, secondRow, kHostsButtonWidth, kHostsButtonHeight);
    Move(Left(), Top(), kHostsMargin + 3 * step, secondRow + kHostsButtonHeight + kHostsMargin);
    SetCancelButton(&Command2);
}

}  // namespace qn
