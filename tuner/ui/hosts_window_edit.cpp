// The hosts editor's entry operations: the six options behind "Go", the
// silent addition the imports use, and marking entries to skip.
#include "tuner/ui/hosts_window.h"
#include "ui/application.h"

namespace qn {

namespace {

constexpr char kBadDomain[] = "Bad Domain.  No IP can be found.";
constexpr char kAddressPlaceholder[] = "xxx.xxx.xxx.xxx";

bool IsAddress(const std::string& result) {
    return result != kDnsNoAddress && result != kDnsNotLookedUp;
}

}  // namespace

std::string HostsWindow::GetIpAddress(const std::string& name) {
    return dns_.GetIpAddress(name);
}

void HostsWindow::Command4_Click() {
    if (Text1.Text().empty()) return;
    if (Option1.Value()) SearchOption();
    if (Option2.Value()) AddOption();
    if (Option3.Value()) RemoveOption();
    if (Option4.Value()) UpdateIpOption();
    if (Option5.Value()) ManualAddOption();
    if (Option6.Value()) ManualEditOption();
}

void HostsWindow::Command1_Click() {
    detection_.SetStopFlag(true);
}

void HostsWindow::MakeCurrent(int position) {
    if (List1.ListIndex() == position) {
        List1_Click();  // the list raises nothing for the same item
    } else {
        List1.SetListIndex(position);
    }
}

int HostsWindow::SearchInList(bool reportFound, bool quiet) {
    const int slot = table_.Find(Text1.Text());
    if (slot >= 0) {
        if (reportFound) App().MsgBox("Server already in hosts.", ui::vbOKOnly);
        MakeCurrent(table_.Slot(slot).listPosition);
    } else if (!reportFound && !quiet) {
        App().MsgBox("Server not found in Hosts.", ui::vbOKOnly);
    }
    return slot;
}

int HostsWindow::SearchInList2() {
    const int slot = table_.Find(Text1.Text());
    if (slot >= 0) MakeCurrent(table_.Slot(slot).listPosition);
    return slot;
}

bool HostsWindow::AppendEntry(const std::string& name, const std::string& address, bool include,
                              bool quiet) {
    const int slot = table_.Append(name, address, include);
    if (slot < 0) {
        if (!quiet) {
            App().MsgBox("The list is full: Quillon holds at most " +
                             std::to_string(HostsTable::kSlots) +
                             " entries between two readings of the hosts file.",
                         ui::vbOKOnly | ui::vbExclamation);
        }
        return false;
    }
    const int position = table_.Slot(slot).listPosition;
    List1.AddItem(name);
    List1.SetSelected(position, include);
    Label2.SetCaption(std::to_string(table_.EntryCount()));
    MakeCurrent(position);
    return true;
}

void HostsWindow::RemoveEntry(int slot) {
    const int position = table_.Slot(slot).listPosition;
    table_.Remove(slot);
    List1.RemoveItem(position);
    Label2.SetCaption(std::to_string(table_.EntryCount()));
    ShowMarkedCount();
}

void HostsWindow::SearchOption() {
    SearchInList(false, false);
}

void HostsWindow::AddOption() {
    List1.SetListIndex(ui::ListControl::kNone);
    if (SearchInList(true, false) >= 0) return;
    SetLookupMode(true);
    detection_.SetStopFlag(false);
    const std::string name = Text1.Text();
    const std::string result = GetIpAddress(name);
    if (!Loaded()) return;
    if (result == kDnsNoAddress) {
        App().MsgBox(kBadDomain, ui::vbOKOnly);
    } else if (IsAddress(result)) {
        AppendEntry(name, result, true);
    }
    SetLookupMode(false);
    detection_.SetBusyCursor(kDefaultPointer);
}

void HostsWindow::RemoveOption() {
    List1.SetListIndex(ui::ListControl::kNone);
    const int slot = SearchInList(false, false);
    if (slot < 0) return;
    RemoveEntry(slot);
    Text1.SetText("");
}

void HostsWindow::UpdateIpOption() {
    List1.SetListIndex(ui::ListControl::kNone);
    const int slot = SearchInList(false, false);
    if (slot < 0) return;
    SetLookupMode(true);
    detection_.SetStopFlag(false);
    const std::string stored = table_.Slot(slot).address;
    const std::string result = GetIpAddress(table_.Slot(slot).name);
    if (!Loaded()) return;
    if (result == kDnsNoAddress) {
        App().MsgBox(kBadDomain, ui::vbOKOnly);
    } else if (result == stored) {
        App().MsgBox("IP not changed.", ui::vbOKOnly);
    } else if (IsAddress(result) && App().MsgBox("Replace " + stored + " with " + result,
                                                 ui::vbYesNo, "Quillon New IP") == ui::vbYes) {
        table_.SetAddress(slot, result);
        Text2.SetText(result);
    }
    SetLookupMode(false);
    detection_.SetBusyCursor(kDefaultPointer);
}

// A hand-made address is kept out of "Update All", which would replace it.
void HostsWindow::ManualAddOption() {
    List1.SetListIndex(ui::ListControl::kNone);
    if (SearchInList(true, false) >= 0) return;
    const std::string name = Text1.Text();
    const std::string typed = App().InputBox("Please input the IP Address for " + name,
                                             "Quillon Local DNS", kAddressPlaceholder);
    if (typed.empty()) return;
    AppendEntry(name, typed, false);
}

void HostsWindow::ManualEditOption() {
    List1.SetListIndex(ui::ListControl::kNone);
    const int slot = SearchInList(false, false);
    if (slot < 0) return;
    const std::string typed = App().InputBox("Please input the IP Address for " + Text1.Text(),
                                             "Quillon Local DNS", table_.Slot(slot).address);
    if (typed.empty()) return;
    table_.SetAddress(slot, typed);
    const int position = table_.Slot(slot).listPosition;
    List1.SetSelected(position, false);
    List1_Click();
}

void HostsWindow::AddToHosts(const std::string& name) {
    Text1.SetText(name);
    List1.SetListIndex(ui::ListControl::kNone);
    if (SearchInList2() >= 0) return;
    const std::string result = GetIpAddress(Text1.Text());
    // A dotted address given as a name resolves to itself: nothing to cache.
    if (!Loaded() || !IsAddress(result) || result == name) return;
    AppendEntry(name, result, true, true);
}

void HostsWindow::MarkCurrent(bool include) {
    const int current = List1.ListIndex();
    if (current != ui::ListControl::kNone) List1.SetSelected(current, include);
}

void HostsWindow::MarkAll(bool include) {
    detection_.SetBusyCursor(kHourglassPointer);
    const int remembered = List1.ListIndex();
    List1.SetVisible(false);
    for (int position = 0; position < List1.ListCount(); ++position) {
        List1.SetSelected(position, include);
        List1.SetListIndex(position);
    }
    List1.SetListIndex(remembered);
    List1.SetVisible(true);
    detection_.SetBusyCursor(kDefaultPointer);
}

// While a look-up runs, events are handled: only Stop and Help stay
// available, so the table cannot change under it.
void HostsWindow::SetLookupMode(bool on) {
    if (on) {
        StartAni();
    } else {
        EndAni();
    }
    Command1.SetVisible(on);
    Command4.SetVisible(!on);
    for (ui::Control* control : std::initializer_list<ui::Control*>{
             &List1, &Text1, &Option1, &Option2, &Option3, &Option4, &Option5, &Option6, &Command2,
             &Command3, &Command5, &Command6, &Check1, &cmdNew, &cmdImport, &cmdExport,
             &cmdBookmarks, &cmdFavorites}) {
        control->SetEnabled(!on);
    }
    mnuFile.SetEnabled(!on);
    mnuMark.SetEnabled(!on);
}

}  // namespace qn
