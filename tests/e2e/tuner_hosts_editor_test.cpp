// The hosts editor ("Quillon Local DNS") on a Windows 98 and a Windows XP
// machine: the warning in front of it, the entries it shows, the file Ok
// writes, Cancel and its like putting the file back, backups through the
// system's file dialogs, and an edit that the tuner never finished.
#include <windows.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/e2e/driver/control_input.h"
#include "tests/e2e/driver/file_dialog.h"
#include "tests/e2e/driver/files.h"
#include "tests/e2e/driver/message_box.h"
#include "tests/e2e/driver/multi_select_list.h"
#include "tests/e2e/driver/poll.h"
#include "tests/e2e/driver/process.h"
#include "tests/e2e/driver/registry_dump.h"
#include "tests/e2e/driver/screenshot.h"
#include "tests/e2e/driver/window_finder.h"
#include "tests/e2e/driver/window_timeline.h"
#include "tests/e2e/tuner_hosts_session.h"
#include "tests/e2e/tuner_session.h"

namespace qn::e2e {
namespace {

constexpr const char* kSaveTitle = "Save Backup Quillon Hosts File";
constexpr const char* kOpenTitle = "Open Backup Quillon Hosts File";
constexpr const char* kBackupType = "Quillon Hosts Files(*.qlh)";

// A hosts file as people keep them: comments, blank and indented lines,
// columns lined up with TABs, an alias, an entry marked to be skipped, a
// name given twice, an address longer than the name column and an entry
// named by its own address.
constexpr const char* kPrepared =
    "# Hosts file of the test machine\r\n"
    "\r\n"
    "127.0.0.1       localhost\r\n"
    "   # an indented comment\r\n"
    "10.0.0.5\tprinter\tprinter.lan\r\n"
    "10.0.0.6 fileserver #SKIP\r\n"
    "10.0.0.7 mail\r\n"
    "2001:db8:0:0:0:0:0:1 ipv6host\r\n"
    "192.168.1.20 mail\r\n"
    "10.0.0.9 10.0.0.9\r\n";

// What the editor makes of kPrepared: the last "mail" wins, in its place.
const std::vector<Entry> kPreparedEntries = {
    {"127.0.0.1", "localhost"},       {"10.0.0.5", "printer"},
    {"10.0.0.6", "fileserver", true}, {"2001:db8:0:0:0:0:0:1", "ipv6host"},
    {"192.168.1.20", "mail"},         {"10.0.0.9", "10.0.0.9"},
};

// A backup to append: a new name and one the list already has.
constexpr const char* kAppendName = "qn-e2e-append.qlh";
constexpr const char* kAppended = "# Entries to append\r\n10.1.1.1 newhost\r\n10.1.1.2 mail\r\n";
constexpr const char* kExportName = "qn-e2e-export.qlh";

// "Hosts as read YYYY-MM-DD HH.MM.SS.txt"
bool IsStampedReadCopyName(const std::string& name) {
    const std::string prefix = "Hosts as read ";
    const std::string shape = "####-##-## ##.##.##.txt";
    if (name.size() != prefix.size() + shape.size() ||
        name.compare(0, prefix.size(), prefix) != 0) {
        return false;
    }
    for (size_t i = 0; i < shape.size(); ++i) {
        const char c = name[prefix.size() + i];
        if (shape[i] == '#' ? (c < '0' || c > '9') : c != shape[i]) return false;
    }
    return true;
}

class TunerHostsEditor : public TunerHostsSession {
  protected:
    std::string PreparedHosts() const override { return kPrepared; }

    std::vector<std::string> WorkingFiles() const override {
        std::vector<std::string> files = TunerHostsSession::WorkingFiles();
        for (const char* name : {kExportName, kAppendName, "qn-e2e-missing.qlh"}) {
            files.push_back(BesideProgram(name));
        }
        return files;
    }

    // Types name into the file dialog titled title.
    void ChooseInDialog(const std::string& title, const std::string& name) {
        HWND dialog = WaitForFileDialog(tuner_.Id(), title, kStartTimeoutMs);
        ASSERT_NE(dialog, nullptr) << "no dialog \"" << title << "\"";
        const std::vector<std::string> types = FileTypes(dialog);
        EXPECT_NE(std::find(types.begin(), types.end(), kBackupType), types.end())
            << "file types of \"" << title << "\":" << Joined(types);
        ASSERT_TRUE(ChooseFileName(dialog, name)) << "no file-name box in \"" << title << "\"";
        EXPECT_TRUE(PollUntil([dialog] { return !IsWindow(dialog); }, kFileTimeoutMs))
            << "\"" << title << "\" stayed after " << name;
    }

    // The one "Hosts as read" copy this test has made so far holds read.
    void ExpectReadCopy(const std::string& read) {
        const std::vector<std::string> added = NewReadCopies();
        ASSERT_EQ(added.size(), 1u) << "read copies:" << Joined(added);
        EXPECT_TRUE(IsStampedReadCopyName(added.front())) << added.front();
        EXPECT_EQ(Contents(BesideProgram(added.front())), read);
    }
};

TEST_P(TunerHostsEditor, OkWritesTheFileAndCancelAndTheCloseBoxPutItBack) {
    ASSERT_NO_FATAL_FAILURE(Start());
    ASSERT_NO_FATAL_FAILURE(OpenEditor());
    EXPECT_NE(FindChild(editor_, Caption::Exact(hosts_), "Static"), nullptr)
        << "no label showing " << hosts_;
    for (const char* button : {"New Hosts File", "Import Saved Hosts", "Export Hosts",
                               "Refresh from Hosts", "Cancel", "Ok"}) {
        EXPECT_NE(FindButton(editor_, button), nullptr) << "no button \"" << button << "\"";
    }
    ExpectList(kPreparedEntries, "as read");
    ExpectTaken(kPrepared, "while editing");
    if (std::string(GetParam()) == "win98") {
        WaitForInputIdle(tuner_.Handle(), kStartTimeoutMs);
        EXPECT_NE(SaveNamedScreenshot("tuner_hosts_editor"), "");
        EXPECT_NE(SaveWindowScreenshot(editor_, "window-tuner-hosts-editor"), "");
    }

    // A click on "printer" marks it.
    std::vector<Entry> saved = kPreparedEntries;
    saved[1].marked = true;
    ASSERT_TRUE(ClickListItem(list_, 1));
    ExpectList(saved, "after marking printer");

    Press("Ok");
    const std::string written = WrittenHosts(saved);
    ExpectClosedWith(written, "after Ok");
    ExpectReadCopy(kPrepared);

    // Again from the Tools menu; the warning is turned off on the way.
    ASSERT_TRUE(ChooseMenuItem(main_, {"&Tools", "&Configure Hosts File"}));
    HWND warning = WaitForWarning();
    HWND always = ExpectWarning(warning);
    ASSERT_NE(always, nullptr);
    Click(always);
    EXPECT_TRUE(PollUntil(
        [&] {
            std::string value;
            return ReadRegistryString(HKEY_CURRENT_USER, kWarningsKey, "hosts", value) &&
                   value == "1";
        },
        kFileTimeoutMs))
        << "clearing \"Always show warning\" did not store \"1\"";
    EXPECT_FALSE(IsChecked(always));
    ASSERT_NO_FATAL_FAILURE(PassWarning(warning));
    std::vector<Entry> reread = saved;
    reread.pop_back();  // the self-named entry was not written
    ExpectList(reread, "as written");
    ExpectTaken(written, "on the second opening");
    Press("Cancel");
    ExpectClosedWith(written, "after Cancel");

    // The warning no longer comes; the close box puts the file back too.
    WindowTimeline timeline;
    timeline.Start(tuner_.Id());
    Click(hostsButton_);
    ASSERT_NO_FATAL_FAILURE(WaitForEditor());
    timeline.Stop();
    for (const ScreenState& state : timeline.States()) {
        EXPECT_EQ(state.Find(kWarningCaption), nullptr) << timeline.Describe();
    }
    ExpectTaken(written, "on the third opening");
    PostMessageA(editor_, WM_CLOSE, 0, 0);
    ExpectClosedWith(written, "after the close box");
    EXPECT_EQ(NewReadCopies().size(), 1u) << "Cancel kept a read copy";
}

INSTANTIATE_TEST_SUITE_P(Machines, TunerHostsEditor, ::testing::Values("win98", "winxp"),
                         VersionTestName);

// The flows that do not depend on the Windows version run on Windows 98.
class TunerHostsEditorOn98 : public TunerHostsEditor {};

TEST_P(TunerHostsEditorOn98, BackupsGoOutAndComeBackThroughTheFileDialogs) {
    ASSERT_TRUE(WriteText(BesideProgram(kAppendName), kAppended));
    // Never answered is the same as "always show".
    ASSERT_TRUE(DeleteRegistryValue(HKEY_CURRENT_USER, kWarningsKey, "hosts"));
    ASSERT_NO_FATAL_FAILURE(Start());
    ASSERT_NO_FATAL_FAILURE(OpenEditor());
    ExpectList(kPreparedEntries, "as read");

    const std::string exported = BesideProgram(kExportName);
    Press("Export Hosts");
    ASSERT_NO_FATAL_FAILURE(ChooseInDialog(kSaveTitle, exported));
    const std::string backup =
        Written(std::string("# Quillon Hosts File: ") + kExportName, kPreparedEntries, true);
    PollUntil([&] { return Contents(exported) == backup; }, kFileTimeoutMs);
    EXPECT_EQ(Contents(exported), backup);

    Press("New Hosts File");
    AnswerMessageBox(tuner_, "New list and discard changes?", {"Yes", "No"}, "Yes");
    ExpectList({}, "after New");
    Press("Refresh from Hosts");
    AnswerMessageBox(tuner_, "Revert from saved and discard changes?", {"Yes", "No"}, "Yes");
    ExpectList(kPreparedEntries, "after Refresh");
    Choose({"&File", "&New..."});
    AnswerMessageBox(tuner_, "New list and discard changes?", {"Yes", "No"}, "Yes");
    ExpectList({}, "after File, New");

    // The open dialog starts in the tuner's folder: bare names are found there.
    Press("Import Saved Hosts");
    ASSERT_NO_FATAL_FAILURE(ChooseInDialog(kOpenTitle, "qn-e2e-missing.qlh"));
    AnswerMessageBox(tuner_, "File Not Found!", {"OK"}, "OK");
    Choose({"&File", "&Import", "&Over Current..."});
    ASSERT_NO_FATAL_FAILURE(ChooseInDialog(kOpenTitle, kExportName));
    AnswerMessageBox(tuner_, "Lose current hosts file?", {"Yes", "No"}, "Yes");
    ExpectList(kPreparedEntries, "after importing");
    Choose({"&File", "Exit &without Saving"});
    ExpectClosedWith(backup, "after importing and leaving without saving");

    // The warning's close box opens the editor too.
    Click(hostsButton_);
    HWND warning = WaitForWarning();
    ExpectWarning(warning);
    PostMessageA(warning, WM_CLOSE, 0, 0);
    ASSERT_NO_FATAL_FAILURE(WaitForEditor());
    ExpectList(kPreparedEntries, "from the imported file");
    // A save dialog that is cancelled writes nothing.
    DeleteFileA(exported.c_str());
    Choose({"&File", "&Export..."});
    HWND save = WaitForFileDialog(tuner_.Id(), kSaveTitle, kStartTimeoutMs);
    ASSERT_NE(save, nullptr) << "File, Export... showed no \"" << kSaveTitle << "\"";
    PostMessageA(save, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    EXPECT_TRUE(PollUntil([save] { return !IsWindow(save); }, kFileTimeoutMs));
    Choose({"&File", "&Import", "&Append..."});
    ASSERT_NO_FATAL_FAILURE(ChooseInDialog(kOpenTitle, kAppendName));
    AnswerMessageBox(tuner_, "Append to current hosts file?", {"Yes", "No"}, "Yes");
    const std::vector<Entry> appended = {
        {"127.0.0.1", "localhost"}, {"10.0.0.5", "printer"},
        {"10.0.0.6", "fileserver"}, {"2001:db8:0:0:0:0:0:1", "ipv6host"},
        {"10.0.0.9", "10.0.0.9"},   {"10.1.1.1", "newhost"},
        {"10.1.1.2", "mail"},
    };
    ExpectList(appended, "after appending");
    Choose({"&File", "E&xit and Save Changes"});
    ExpectClosedWith(WrittenHosts(appended), "after appending and saving");
    EXPECT_FALSE(FileExists(exported)) << "a cancelled export wrote " << exported;
}

// Killed while editing, the tuner leaves the working copies, and the next
// opening offers the file back; killed just after Ok, it leaves either the
// new file whole or the old one to be offered back.
TEST_P(TunerHostsEditorOn98, AnEditThatNeverEndedIsOfferedBackOnTheNextOpening) {
    ASSERT_NO_FATAL_FAILURE(Start());
    ASSERT_NO_FATAL_FAILURE(OpenEditor());
    ExpectTaken(kPrepared, "before the kill");
    tuner_.Terminate();
    EXPECT_FALSE(FileExists(hosts_));
    EXPECT_EQ(Contents(localCopy_), kPrepared);
    EXPECT_EQ(Contents(backupCopy_), kPrepared);

    // The file taken away by the edit still counts as there: the way in is open.
    ASSERT_NO_FATAL_FAILURE(Restart());
    EXPECT_TRUE(IsEnabled(hostsButton_));
    HWND enable = FindButtonInFrame(main_, "Local Domain Name Lookup", "Enable");
    ASSERT_NE(enable, nullptr);
    EXPECT_TRUE(IsChecked(enable));
    ASSERT_NO_FATAL_FAILURE(OpenEditor(true));
    ExpectList(kPreparedEntries, "after restoring");
    ExpectTaken(kPrepared, "after restoring");

    // The kill lands as soon as the save has begun (its read copy appears).
    std::vector<Entry> saved = kPreparedEntries;
    saved[0].marked = true;
    ASSERT_TRUE(ClickListItem(list_, 0));
    ExpectList(saved, "after marking localhost");
    const std::string written = WrittenHosts(saved);
    Press("Ok");
    PollUntil([&] { return !NewReadCopies().empty() || FileExists(hosts_); }, kFileTimeoutMs, 1);
    tuner_.Terminate();
    const bool whole = FileExists(hosts_);
    const bool offered = FileExists(backupCopy_);
    if (whole) {
        EXPECT_EQ(Contents(hosts_), written) << "a hosts file that is not the new one";
    }
    if (offered) {
        EXPECT_EQ(Contents(backupCopy_), kPrepared);
    }
    ASSERT_TRUE(whole || offered) << "neither the new file nor the old one is left";

    ASSERT_NO_FATAL_FAILURE(Restart());
    ASSERT_NO_FATAL_FAILURE(OpenEditor(offered));
    if (offered) {
        ExpectList(kPreparedEntries, "after restoring the old file");
        ExpectTaken(kPrepared, "after restoring the old file");
    } else {
        saved.pop_back();  // the self-named entry was not written
        ExpectList(saved, "from the new file");
        ExpectTaken(written, "from the new file");
    }
    Press("Cancel");
    ExpectClosedWith(offered ? kPrepared : written, "after Cancel");
}

INSTANTIATE_TEST_SUITE_P(Machines, TunerHostsEditorOn98, ::testing::Values("win98"),
                         VersionTestName);

}  // namespace
}  // namespace qn::e2e
