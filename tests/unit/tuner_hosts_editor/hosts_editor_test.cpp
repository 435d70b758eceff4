// The hosts editor's file side, opened from the main window: the file taken
// away while it is open, Ok, Cancel and every other way out, an edit that
// never ended, and the commands that read or write whole files.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/unit/tuner_ui/tuner_session_helpers.h"
#include "tuner/ui/tuner_forms.h"
#include "ui/headless/user_actions.h"
#include "version.h"

namespace qn {
namespace {

using testing::HeadlessTuner;
using ui::headless::Choose;
using ui::headless::Click;
using ui::headless::Close;

const std::string kHostsPath = "C:\\WINDOWS\\hosts";
const std::string kLocalCopy = testing::kTunerFolder + "\\localhosts.dat";
const std::string kBackupCopy = testing::kTunerFolder + "\\hostsbackup.dat";
// Comments, an alias, a marked entry, a name listed twice, no final newline.
const std::string kWildHosts =
    "# Copyright (c) 1998 Microsoft Corp.\r\n"
    "127.0.0.1       localhost\r\n"
    "10.0.0.1 www.a.example a.example\n"
    "10.0.0.2 www.b.example #SKIP\n"
    "10.0.0.9 www.a.example\n"
    "::1 localhost";
const std::string kRule(70, '#');

std::string Header(const std::string& title, int entries) {
    return kRule + "\r\n" + title +
           "\r\n# http://www.quillon-project.org/\r\n# Saved with Quillon v" +
           std::to_string(QN_VERSION_MAJOR) + "." + std::to_string(QN_VERSION_MINOR) + "." +
           std::to_string(QN_VERSION_REVISION) +
           "\r\n# Number of Entries: " + std::to_string(entries) + "\r\n" + kRule + "\r\n\r\n";
}

std::string HostsPath(const std::string& machine) {
    return machine == "winxp" ? "C:\\WINDOWS\\system32\\drivers\\etc\\hosts" : kHostsPath;
}

class HostsEditor : public ::testing::Test {
  protected:
    explicit HostsEditor(const char* machine = "win98") : tuner(machine) {
        forms.SetMainWindow(window);
        tuner.windows.forward = &forms;
        tuner.files.AddDirectory("C:\\WINDOWS");
        tuner.files.AddDirectory("C:\\Backups");
        // The editor can be opened only while there is a hosts file.
        tuner.files.Write(HostsPath(machine), "127.0.0.1 localhost\r\n");
        window.Show();
    }
    HostsWindow& Open(const std::string& hostsText) {
        tuner.files.Write(kHostsPath, hostsText);
        return Open();
    }
    HostsWindow& Open() {
        Click(window.cmd_hosts);
        Click(forms.HostsWarning()->Command1);
        return *forms.Hosts();
    }
    std::vector<std::string> Items(const HostsWindow& hosts) {
        std::vector<std::string> items;
        for (int i = 0; i < hosts.List1.ListCount(); ++i) {
            items.push_back(hosts.List1.List(i) + (hosts.List1.Selected(i) ? "" : " (skip)"));
        }
        return items;
    }
    std::string Read(const std::string& path) {
        return tuner.files.ReadAll(path).value_or("<none>");
    }
    void Answer(int answer) { tuner.host.Script().Answer(answer); }
    void ChooseFile(const std::string& path) {
        FileDialogResult chosen;
        chosen.chosen = true;
        chosen.fileName = path;
        tuner.dialogs.fileAnswers.push_back(chosen);
    }
    const std::vector<ui::headless::ShownBox>& Shown() { return tuner.host.Script().Shown(); }

    HeadlessTuner tuner;
    MainWindow& window = *tuner.window;
    TunerForms forms{tuner.app, tuner.services};
};

TEST_F(HostsEditor, OpeningTakesTheFileAwayAndOkWritesTheTableInItsFormat) {
    HostsWindow& hosts = Open(kWildHosts);
    EXPECT_FALSE(window.Visible());
    EXPECT_EQ(hosts.Label1.Caption(), kHostsPath);
    EXPECT_EQ(Items(hosts),
              (std::vector<std::string>{"localhost", "www.b.example (skip)", "www.a.example"}));
    EXPECT_EQ(hosts.Label2.Caption(), "3");
    EXPECT_EQ(hosts.Label10.Caption(), "1");
    EXPECT_FALSE(tuner.files.FileExists(kHostsPath));
    EXPECT_EQ(Read(kLocalCopy), kWildHosts);
    EXPECT_EQ(Read(kBackupCopy), kWildHosts);

    Click(hosts.Command5);
    EXPECT_EQ(Read(kHostsPath), Header("# Quillon Hosts File", 3) +
                                    "127.0.0.1         localhost\r\n"
                                    "10.0.0.2          www.b.example #SKIP\r\n"
                                    "10.0.0.9          www.a.example\r\n");
    EXPECT_FALSE(tuner.files.FileExists(kLocalCopy));
    EXPECT_FALSE(tuner.files.FileExists(kBackupCopy));
    EXPECT_FALSE(hosts.Loaded());
    EXPECT_TRUE(window.Visible());
    // The lines Ok dropped are kept.
    EXPECT_EQ(Read(testing::kTunerFolder + "\\Hosts as read 2026-12-07 23.26.17.txt"), kWildHosts);
}

TEST_F(HostsEditor, EveryOtherWayOutPutsTheFileBackByteForByte) {
    for (int way = 0; way < 4; ++way) {
        HostsWindow& hosts = Open(kWildHosts);
        Answer(ui::vbYes);
        Click(hosts.cmdNew);  // changes that must not reach the file
        switch (way) {
            case 0:
                Click(hosts.Command2);
                break;
            case 1:
                Choose(hosts.mnuExitDiscard);
                break;
            case 2:
                Close(hosts);
                EXPECT_TRUE(forms.Detection().StopRequested());
                break;
            default:
                Close(hosts, ui::vbAppWindows);
                break;
        }
        EXPECT_EQ(Read(kHostsPath), kWildHosts) << way;
        EXPECT_FALSE(tuner.files.FileExists(kLocalCopy)) << way;
        EXPECT_FALSE(hosts.Loaded()) << way;
        EXPECT_TRUE(window.Visible()) << way;
    }
}

TEST_F(HostsEditor, AnEditThatNeverEndedIsOfferedBack) {
    tuner.files.Delete(kHostsPath);
    tuner.files.Write(kBackupCopy, "10.0.0.5 kept.example\r\n");
    tuner.files.Write(kLocalCopy, "10.0.0.5 kept.example\r\n");
    tuner.host.Script().Answer(ui::vbYes,
                               "Quillon exited without saving hosts.  Would you like to restore "
                               "your previous hosts file?");
    HostsWindow& hosts = Open();
    EXPECT_EQ(Items(hosts), std::vector<std::string>{"kept.example"});
    Click(hosts.Command2);
    EXPECT_EQ(Read(kHostsPath), "10.0.0.5 kept.example\r\n");
    EXPECT_FALSE(tuner.files.FileExists(kBackupCopy));
}

TEST_F(HostsEditor, WithoutAHostsFileItStartsFromScratch) {
    tuner.files.Delete(kHostsPath);
    tuner.host.Script().Answer(ui::vbOK, "No hosts file.  Starting from scratch.");
    HostsWindow& hosts = Open();
    EXPECT_EQ(hosts.List1.ListCount(), 0);
    EXPECT_FALSE(tuner.files.FileExists(kBackupCopy));
    Click(hosts.Command2);
    EXPECT_EQ(Read(kHostsPath), "");
}

TEST_F(HostsEditor, RefreshAndNewAskFirstAndDoNothingWhenDeclined) {
    HostsWindow& hosts = Open(kWildHosts);
    Answer(ui::vbNo);
    Click(hosts.cmdNew);
    EXPECT_EQ(hosts.List1.ListCount(), 3);
    Answer(ui::vbYes);
    Choose(hosts.mnuNew);
    EXPECT_EQ(hosts.List1.ListCount(), 0);
    EXPECT_EQ(hosts.Label2.Caption(), "0");
    Answer(ui::vbYes);
    Click(hosts.Command3);
    EXPECT_EQ(hosts.List1.ListCount(), 3);
    EXPECT_EQ(Read(kLocalCopy), kWildHosts);
    EXPECT_EQ(Shown().back().prompt, "Revert from saved and discard changes?");
}

TEST_F(HostsEditor, ExportWritesABackupNamedAfterItsFile) {
    HostsWindow& hosts = Open(kWildHosts);
    FileDialogResult unnamed;
    unnamed.chosen = true;
    unnamed.fileName = "*.qlh";
    tuner.dialogs.fileAnswers.push_back(unnamed);
    Click(hosts.cmdExport);
    ChooseFile("C:\\Backups\\mine.qlh");
    Choose(hosts.mnuExport);
    ASSERT_EQ(tuner.dialogs.saveRequests.size(), 2u);
    EXPECT_EQ(tuner.dialogs.saveRequests[0].title, "Save Backup Quillon Hosts File");
    EXPECT_EQ(tuner.dialogs.saveRequests[0].fileName, "*.qlh");
    EXPECT_EQ(Read("C:\\Backups\\mine.qlh").substr(0, 140),
              (Header("# Quillon Hosts File: mine.qlh", 3)).substr(0, 140));
    EXPECT_EQ(tuner.files.List("C:\\Backups").size(), 1u);
}

TEST_F(HostsEditor, ImportOverCurrentReplacesTheFileThatCancelPutsBack) {
    tuner.files.Write("C:\\Backups\\b.qlh", "10.1.1.1 imported.example\r\n");
    HostsWindow& hosts = Open(kWildHosts);
    Click(hosts.cmdImport);  // cancelled dialog
    tuner.host.Script().Answer(ui::vbOK, "File Not Found!");
    ChooseFile("C:\\Backups\\missing.qlh");
    Click(hosts.cmdImport);
    EXPECT_EQ(hosts.List1.ListCount(), 3);
    ChooseFile("C:\\Backups\\b.qlh");
    tuner.host.Script().Answer(ui::vbYes, "Lose current hosts file?");
    Choose(hosts.mnuImportOver);
    EXPECT_EQ(Items(hosts), std::vector<std::string>{"imported.example"});
    EXPECT_EQ(tuner.dialogs.openRequests.at(0).initialDirectory, testing::kTunerFolder);
    Click(hosts.Command2);
    EXPECT_EQ(Read(kHostsPath), "10.1.1.1 imported.example\r\n");
}

TEST_F(HostsEditor, AppendAddsAFilesLinesAndItsEntriesWin) {
    tuner.files.Write("C:\\Backups\\b.qlh", "10.2.2.2 www.a.example\r\n10.3.3.3 new.example\r\n");
    HostsWindow& hosts = Open(kWildHosts);
    ChooseFile("C:\\Backups\\b.qlh");
    tuner.host.Script().Answer(ui::vbYes, "Append to current hosts file?");
    Choose(hosts.mnuAppend);
    // Marks are lost by Append: every current entry comes back included.
    EXPECT_EQ(Items(hosts), (std::vector<std::string>{"localhost", "www.b.example", "www.a.example",
                                                      "new.example"}));
    const HostsTable& table = hosts.Table();
    EXPECT_EQ(table.Slot(table.Find("www.a.example")).address, "10.2.2.2");
}

TEST_F(HostsEditor, AFileTooLongForTheTableIsSaidAndKeptWhole) {
    std::string big;
    for (int i = 0; i < HostsTable::kSlots + 2; ++i) big += "10.0.0.1 h" + std::to_string(i) + "\n";
    tuner.host.Script().Answer(ui::vbOK);
    HostsWindow& hosts = Open(big);
    EXPECT_EQ(hosts.List1.ListCount(), HostsTable::kSlots);
    EXPECT_NE(Shown().back().prompt.find("holds 30003 entries"), std::string::npos);
    Click(hosts.Command2);
    EXPECT_EQ(Read(kHostsPath), big);
}

TEST_F(HostsEditor, AnOkThatCannotWriteKeepsTheEditorAndTheCopies) {
    HostsWindow& hosts = Open(kWildHosts);
    tuner.files.SetReadOnly("C:\\WINDOWS");
    tuner.host.Script().Answer(ui::vbOK);
    Click(hosts.Command5);
    EXPECT_TRUE(hosts.Visible());
    EXPECT_EQ(Read(kLocalCopy), kWildHosts);
    tuner.files.SetReadOnly("C:\\WINDOWS", false);
    Click(hosts.Command5);
    EXPECT_FALSE(hosts.Loaded());
}

TEST_F(HostsEditor, TheWarningIsKeptAwayByItsOwnSetting) {
    tuner.files.Write(kHostsPath, kWildHosts);
    Click(window.cmd_hosts);
    WarningWindow& warning = *forms.HostsWarning();
    const std::string finderWarning = tuner.Setting("Warnings", "findmtu");
    EXPECT_EQ(warning.Label1.Caption(), "Hosts File Warning");
    Click(warning.Check1);
    EXPECT_EQ(tuner.Setting("Warnings", "hosts"), "1");
    EXPECT_EQ(tuner.Setting("Warnings", "findmtu"), finderWarning);
    Close(warning);
    Click(forms.Hosts()->Command2);
    Click(window.cmd_hosts);
    EXPECT_FALSE(warning.Loaded());
    EXPECT_TRUE(forms.Hosts()->Visible());
}

// Killed while editing, the tuner left the hosts file taken away.
TEST(HostsEditorAfterACrash, TheTakenFileCountsAsThereSoThatItCanBeOfferedBack) {
    HeadlessTuner tuner("win98");
    tuner.files.Write(kBackupCopy, "10.0.0.5 kept.example\r\n");
    tuner.window->Show();
    EXPECT_EQ(tuner.window->chk_hosts.Value(), ui::vbChecked);
    EXPECT_TRUE(tuner.window->cmd_hosts.Enabled());
}

class HostsEditorOnXp : public HostsEditor {
  protected:
    HostsEditorOnXp() : HostsEditor("winxp") {}
};

TEST_F(HostsEditorOnXp, UsesTheNtHostsPath) {
    const std::string ntHosts = HostsPath("winxp");
    HostsWindow& hosts = Open();
    EXPECT_EQ(hosts.Label1.Caption(), ntHosts);
    Click(hosts.Command5);
    EXPECT_EQ(Read(ntHosts), Header("# Quillon Hosts File", 1) + "127.0.0.1         localhost\r\n");
}

}  // namespace
}  // namespace qn
