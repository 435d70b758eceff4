#include "tuner/ui/hosts_window.h"

namespace qn {

namespace {

// Twips, 15 to a pixel at 96 DPI.
constexpr int kHostsMargin = 120;
constexpr int kHostsListWidth = 3600;
constexpr int kHostsSideLeft = kHostsMargin + kHostsListWidth + 180;
constexpr int kHostsSideWidth = 3840;
constexpr int kHostsValueLeft = kHostsSideLeft + 3000;
constexpr int kHostsRow = 300;
constexpr int kHostsButtonWidth = 2480;
constexpr int kHostsButtonHeight = 375;
constexpr int kHostsFrameTop = 2760;
constexpr int kHostsProgressTop = 5280;
constexpr std::uint32_t kTrackColor = 0xC0C0C0;  // grey
constexpr std::uint32_t kFillColor = 0x800000;   // navy

}  // namespace

void HostsWindow::LayOut() {
    SetCaption("Quillon Local DNS");
    SetBorderStyle(ui::BorderStyle::FixedSingle);
    Label1.Move(kHostsMargin, kHostsMargin, kHostsSideLeft + kHostsSideWidth - kHostsMargin, 255);
    List1.SetMultiSelect(true);
    List1.Move(kHostsMargin, 480, kHostsListWidth, 4680);
    List1.SetToolTipText("Selected entries take part in Update All; a click marks or unmarks one");

    Label3.SetCaption("Total Number of entries in Hosts:");
    Label3.Move(kHostsSideLeft, 480, 2940, 255);
    Label2.SetCaption("0");
    Label2.Move(kHostsValueLeft, 480, 840, 255);
    Label5.SetCaption("Current Position:");
    Label5.Move(kHostsSideLeft, 480 + kHostsRow, 2940, 255);
    Label6.SetCaption("0");
    Label6.Move(kHostsValueLeft, 480 + kHostsRow, 840, 255);
    Label11.SetCaption("Marked Entries to Skip on Update All:");
    Label11.Move(kHostsSideLeft, 480 + 2 * kHostsRow, 2940, 255);
    Label10.SetCaption("0");
    Label10.Move(kHostsValueLeft, 480 + 2 * kHostsRow, 840, 255);

    Label12.SetCaption("Domain Name:");
    Label12.Move(kHostsSideLeft, 1500, kHostsSideWidth, 255);
    Text1.Move(kHostsSideLeft, 1740, kHostsSideWidth, 315);
    Text1.SetToolTipText("Domain Name to add, remove, update, or search for.");
    Label13.SetCaption("IP Address:");
    Label13.Move(kHostsSideLeft, 2100, kHostsSideWidth, 255);
    Text2.Move(kHostsSideLeft, 2340, kHostsSideWidth, 315);
    Text2.SetLocked(true);

    Frame1.SetCaption("Server");
    Frame1.Move(kHostsSideLeft, kHostsFrameTop, kHostsSideWidth, 1680);
    const int column = kHostsSideWidth / 2;
    ui::OptionButton* options[] = {&Option1, &Option2, &Option3, &Option4, &Option5, &Option6};
    const char* captions[] = {"Search", "Add", "Remove", "Update IP", "Manual Add", "Manual Edit"};
    for (int i = 0; i < 6; ++i) {
        options[i]->SetCaption(captions[i]);
        options[i]->Move(120 + (i % 2) * column, 270 + (i / 2) * 270, column - 180, 255);
    }
    Option1.SetValue(true);
    Command4.SetCaption("Go");
    imgLookup.SetPicture("LOOKUP_STILL");
    imgLookup.Move(120, 1110, 480, 480);
    Command4.Move(kHostsSideWidth - 1320, 1260, 1200, 300);
    Command1.SetCaption("Stop");
    Command1.Move(kHostsSideWidth - 1320, 1260, 1200, 300);
    Command7.SetCaption("&X");
    Command7.Move(0, 0, 0, 0);
    Command8.SetCaption("&Z");
    Command8.Move(0, 0, 0, 0);
    Command1.SetVisible(false);

    Command6.SetCaption("Update All");
    Command6.Move(kHostsSideLeft, 4500, 1560, kHostsButtonHeight);
    cmdHelp.SetCaption("Help");
    cmdHelp.Move(kHostsSideLeft + kHostsSideWidth - 1560, 4500, 1560, kHostsButtonHeight);
    Check1.SetCaption("Prompt before removing entries on Update All");
    Check1.Move(kHostsSideLeft, 4920, kHostsSideWidth, 255);

    const int width = kHostsSideLeft + kHostsSideWidth - kHostsMargin;
    Label8.SetBackColor(kTrackColor);
    Label8.Move(kHostsMargin, kHostsProgressTop, width, 120);
    Label9.SetBackColor(kFillColor);
    Label9.Move(kHostsMargin, kHostsProgressTop, 0, 120);
    Label9.SetVisible(false);

    const int importRow = kHostsProgressTop + 240;
    const int importWidth = (3 * (kHostsButtonWidth + 120) - 120 - 120) / 2;
    cmdBookmarks.SetCaption("Import Netscape Navigator Bookmarks");
    cmdBookmarks.Move(kHostsMargin, importRow, importWidth, kHostsButtonHeight);
    cmdFavorites.SetCaption("Import Internet Explorer Favorites");
    cmdFavorites.Move(kHostsMargin + importWidth + 120, importRow, importWidth, kHostsButtonHeight);
    const int firstRow = importRow + kHostsButtonHeight + 120;
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
    Move(-1, -1, kHostsMargin + 3 * step, secondRow + kHostsButtonHeight + kHostsMargin);
    SetDefaultButton(&Command4);
    SetCancelButton(&Command2);
}

}  // namespace qn
