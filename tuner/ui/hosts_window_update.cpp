// "Update All": every included entry looked up again, the ones that no
// longer resolve removed, with a progress bar and a summary.
#include "tuner/ui/hosts_window.h"
#include "ui/application.h"

namespace qn {

void HostsWindow::Command6_Click() {
    detection_.SetBusyCursor(kHourglassPointer);
    int removed = 0;
    int updated = 0;
    SetLookupMode(true);
    detection_.SetStopFlag(false);
    List1.SetListIndex(ui::ListControl::kNone);
    const int session = session_;
    const auto closed = [this, session] { return !Loaded() || session != session_; };
    const int entriesAtStart = table_.EntryCount();
    for (int step = 0; step < entriesAtStart; ++step) {
        const int position = List1.ListIndex() + 1;
        if (position >= List1.ListCount()) break;
        List1.SetListIndex(position);
        progress(static_cast<double>(position + 1) / table_.EntryCount());
        if (!List1.Selected(position)) continue;
        const int slot = table_.SlotAtListPosition(position);
        const std::string name = table_.Slot(slot).name;
        // Stop, and the close box, are handled here.
        App().DoEvents();
        if (closed()) break;
        const std::string result = GetIpAddress(name);
        if (result == kDnsNotLookedUp || closed()) break;
        if (result == kDnsNoAddress) {
            if (Check1.Value() == ui::vbChecked &&
                App().MsgBox("No IP Address can be found for " + name +
                                 "\rWould you like to Delete this Entry?",
                             ui::vbYesNo, "Quillon Hosts Update") != ui::vbYes) {
                continue;
            }
            ++removed;
            RemoveEntry(slot);
            // The next step lands on the item that moved into the freed place.
            List1.SetListIndex(position - 1);
            Text1.SetText("");
        } else if (result != table_.Slot(slot).address) {
            ++updated;
            table_.SetAddress(slot, result);
            Text2.SetText(result);
        }
    }
    detection_.SetBusyCursor(kDefaultPointer);
    // Closed meanwhile: the entries went back to the file with Cancel.
    if (closed()) return;
    SetLookupMode(false);
    progress(0);
    const int skipped = List1.ListCount() - List1.SelCount();
    App().MsgBox(
        "Update Complete.\r\rEntries Checked: " + std::to_string(removed + List1.SelCount()) +
            "\rEntries Updated: " + std::to_string(updated) + "\rEntries Removed: " +
            std::to_string(removed) + "\rEntries Skipped: " + std::to_string(skipped),
        ui::vbOKOnly);
}

void HostsWindow::progress(double f) {
    Label9.SetVisible(f != 0);
    const ui::Bounds track = Label8.GetBounds();
    Label9.Move(track.left, track.top, static_cast<int>(track.width * f), track.height);
}

}  // namespace qn
