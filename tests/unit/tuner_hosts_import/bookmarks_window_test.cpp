// The bookmark import: the profile list, a run from Start to the way back
// to the editor, Stop, Cancel, the close box, and what reaches the editor.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/memory/reg_file.h"
#include "tests/unit/tuner_hosts_import/import_session.h"
#include "tuner/ui/bookmarks_window.h"

namespace qn {
namespace {

using ui::headless::Click;
using ui::headless::Close;

const std::string kJoeFolder = "C:\\Program Files\\Netscape\\Users\\joe";
const char kJoeProfile[] =
    "REGEDIT4\r\n\r\n"
    "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Netscape\\Netscape Navigator\\Users\\joe]\r\n"
    "\"UserName\"=\"joe snuffy\"\r\n"
    "\"DirRoot\"=\"C:\\\\Program Files\\\\Netscape\\\\Users\\\\joe\"\r\n";
const char kBookmarksDone[] = "Bookmarks have been imported to hosts file.";
const char kNoBookmarkFile[] = "No bookmarks file could be found for this profile!";

std::string BookmarkLines(const std::vector<std::string>& addresses) {
    std::string text = "<!DOCTYPE NETSCAPE-Bookmark-file-1>\r\n<DL><p>\r\n";
    for (const std::string& address : addresses) {
        text += "    <DT><A HREF=\"" + address + "\" ADD_DATE=\"938494077\">x</A>\r\n";
    }
    return text + "</DL><p>\r\n";
}

class BookmarksImport : public testing::ImportSession {
  protected:
    BookmarksImport() {
        for (const std::string& folder :
             {kJoeFolder, std::string("C:\\My Documents"), std::string("C:\\Mine")}) {
            tuner.files.AddDirectory(folder);
        }
        hostsWindow.Show();
        Describe(window);
    }
    void OpenWithJoe(const std::vector<std::string>& addresses) {
        ASSERT_TRUE(LoadRegFile(tuner.machine.registry, kJoeProfile).ok());
        tuner.files.Write(kJoeFolder + "\\bookmark.htm", BookmarkLines(addresses));
        Open();
    }
    void Open() {
        hostsWindow.Hide();
        window.Show();
    }
    std::vector<std::string> Items() const {
        std::vector<std::string> items;
        for (int i = 0; i < window.List1.ListCount(); ++i) items.push_back(window.List1.List(i));
        return items;
    }

    BookmarksWindow window{tuner.app, tuner.services, detection, hostsWindow, addToHosts};
};

TEST_F(BookmarksImport, WithoutNetscapeOnlyBrowsingIsOffered) {
    Open();
    EXPECT_EQ(window.Caption(), "Quillon Importing Bookmarks");
    EXPECT_EQ(Items(), std::vector<std::string>{"Browse for Bookmark.htm..."});
    EXPECT_EQ(window.List1.ListIndex(), 0);
    EXPECT_EQ(window.Label1.Caption(), "Please select a profile.");
    EXPECT_FALSE(window.Label8.Visible());
    EXPECT_FALSE(window.Label9.Visible());
    EXPECT_FALSE(window.Label2.Visible());
    EXPECT_EQ(window.CmdStart.Caption(), "Start");
}

TEST_F(BookmarksImport, StartHandsEveryUsableHostToTheEditorAndReturnsToIt) {
    OpenWithJoe({"http://www.example.com/page", "http://nopath.example", "file:///C|/x.htm",
                 "http://10.0.0.1 www.bank.example/", "http://b.example:8080/",
                 "http://www.example.com/again"});
    EXPECT_EQ(Items(), (std::vector<std::string>{"joe(joe snuffy)", "Browse for Bookmark.htm..."}));
    AnswerOk(kBookmarksDone);
    std::vector<std::string> during;
    afterHanding = [&](int) {
        during = {window.CmdStart.Caption(), window.Command1.Enabled() ? "cancel" : "no cancel",
                  window.List1.Enabled() ? "list" : "no list",
                  std::to_string(tuner.app.MousePointer())};
    };

    Click(window.CmdStart);

    // Names an address gives are passed over when they are empty or not a
    // plain host; the editor itself passes over the ones it has.
    EXPECT_EQ(Names(),
              (std::vector<std::string>{"www.example.com", "nopath.example", "www.example.com"}));
    EXPECT_EQ(handed[0].status, "Importing Bookmarks... 1 of 6   www.example.com");
    EXPECT_EQ(handed[0].caption, "Quillon Importing Bookmarks 16.6%");
    EXPECT_EQ(handed[2].status, "Importing Bookmarks... 6 of 6   www.example.com");
    EXPECT_EQ(handed[2].caption, "Quillon Importing Bookmarks 100%");
    EXPECT_EQ(during, (std::vector<std::string>{"Stop", "no cancel", "no list", "11"}));
    EXPECT_EQ(window.Hosts().Count(), 6);
    EXPECT_EQ(window.Hosts().Name(3), "10.0.0.1 www.bank.example");
    ExpectBackInEditor(window);
    EXPECT_EQ(window.CmdStart.Caption(), "Start");
}

TEST_F(BookmarksImport, TheProgressBarFollowsTheFraction) {
    Open();
    window.progress(0.5);
    EXPECT_TRUE(window.Label9.Visible());
    EXPECT_EQ(window.Label9.GetBounds().width * 2, window.Label8.GetBounds().width);
    EXPECT_EQ(window.Label2.Caption(), "50%");
    EXPECT_EQ(window.Caption(), "Quillon Importing Bookmarks 50%");
    window.progress(2.0 / 3);
    EXPECT_EQ(window.Caption(), "Quillon Importing Bookmarks 66.6%");
    window.progress(1.0 / 30001);
    EXPECT_EQ(window.Caption(), "Quillon Importing Bookmarks 0.00%");
    window.progress(0);
    EXPECT_FALSE(window.Label9.Visible());
    EXPECT_EQ(window.Caption(), "Quillon Importing Bookmarks");
}

TEST_F(BookmarksImport, AProfileWithoutAFileSaysSoAndStaysOpen) {
    ASSERT_TRUE(LoadRegFile(tuner.machine.registry, kJoeProfile).ok());
    Open();
    AnswerOk(kNoBookmarkFile);
    Click(window.CmdStart);
    EXPECT_TRUE(window.Visible());
    EXPECT_TRUE(window.List1.Enabled());
    EXPECT_TRUE(window.Command1.Enabled());
    EXPECT_TRUE(handed.empty());
}

TEST_F(BookmarksImport, TheBrowseRowAsksForAFolderOnTheDesktop) {
    tuner.files.Write("C:\\My Documents\\BOOKMARK.HTM", BookmarkLines({"http://picked.example/"}));
    Open();
    AnswerOk(kNoBookmarkFile);
    Click(window.CmdStart);  // cancelled
    tuner.shell.browseAnswer = "C:\\My Documents";
    AnswerOk(kBookmarksDone);
    Click(window.CmdStart);
    ASSERT_EQ(tuner.shell.browsed.size(), 2u);
    EXPECT_EQ(tuner.shell.browsed[1].title, "Select a Folder containing Bookmark.htm");
    EXPECT_EQ(tuner.shell.browsed[1].root, SpecialFolder::Desktop);
    EXPECT_EQ(Names(), std::vector<std::string>{"picked.example"});
    EXPECT_EQ(window.Profiles().back().folder, "C:\\My Documents");
}

TEST_F(BookmarksImport, StopEndsTheRunAtItsNextStepAndStillReports) {
    tuner.files.Write("C:\\Mine\\bookmark.htm",
                      BookmarkLines({"http://a.example/", "http://b.example/", "http://c.example/",
                                     "http://d.example/"}));
    tuner.shell.browseAnswer = "C:\\Mine";
    Open();
    std::vector<std::string> stopping;
    afterHanding = [&](int count) {
        if (count != 2) return;
        tuner.host.Post([&] {
            Click(window.CmdStart);
            stopping = {window.CmdStart.Caption(), window.CmdStart.Enabled() ? "on" : "off"};
        });
    };
    AnswerOk(kBookmarksDone);
    Click(window.CmdStart);
    EXPECT_EQ(Names(), (std::vector<std::string>{"a.example", "b.example"}));
    EXPECT_EQ(stopping, (std::vector<std::string>{"Stopping", "off"}));
    // Stop is only a stop: no second folder choice, no second reading.
    EXPECT_EQ(tuner.shell.browsed.size(), 1u);
    EXPECT_EQ(Shown().size(), 1u);
    ExpectBackInEditor(window);
}

TEST_F(BookmarksImport, AStopLeftFromEarlierDoesNotEmptyTheNextRun) {
    OpenWithJoe({"http://a.example/"});
    detection.SetStopFlag(true);
    AnswerOk(kBookmarksDone);
    Click(window.CmdStart);
    ASSERT_EQ(handed.size(), 1u);
    EXPECT_FALSE(handed[0].stopRequested);
}

TEST_F(BookmarksImport, CancelReturnsToTheEditorUnlessTheWizardRunsTheImport) {
    Open();
    Click(window.Command1);
    ExpectBackInEditor(window);

    Open();
    window.BookmarksImportByWizard = true;
    Click(window.Command1);
    EXPECT_FALSE(window.Loaded());
    EXPECT_FALSE(hostsWindow.Visible());
    EXPECT_FALSE(window.BookmarksImportByWizard);
}

TEST_F(BookmarksImport, ByTheWizardTheRunLeavesTheEditorHidden) {
    OpenWithJoe({"http://a.example/"});
    window.BookmarksImportByWizard = true;
    AnswerOk(kBookmarksDone);
    Click(window.CmdStart);
    EXPECT_EQ(Names(), std::vector<std::string>{"a.example"});
    EXPECT_FALSE(window.Loaded());
    EXPECT_FALSE(hostsWindow.Visible());
    EXPECT_FALSE(window.BookmarksImportByWizard);
}

TEST_F(BookmarksImport, TheCloseBoxStopsARunAndLeadsBackToTheEditorQuietly) {
    OpenWithJoe({"http://a.example/", "http://b.example/", "http://c.example/"});
    afterHanding = [&](int count) {
        if (count == 1) tuner.host.Post([&] { Close(window); });
    };
    Click(window.CmdStart);
    EXPECT_EQ(Names(), std::vector<std::string>{"a.example"});
    EXPECT_TRUE(Shown().empty());
    ExpectBackInEditor(window);

    // Opened again, it starts afresh.
    Open();
    EXPECT_EQ(window.CmdStart.Caption(), "Start");
    EXPECT_TRUE(window.CmdStart.Enabled());
    EXPECT_TRUE(window.List1.Enabled());
    EXPECT_EQ(window.Hosts().Count(), 0);
}

TEST_F(BookmarksImport, AWindowOpenedAgainDuringAClosedRunIsLeftAlone) {
    OpenWithJoe({"http://a.example/", "http://b.example/", "http://c.example/"});
    afterHanding = [&](int count) {
        if (count != 1) return;
        tuner.host.Post([&] {
            Close(window);
            Open();
        });
    };
    Click(window.CmdStart);
    EXPECT_EQ(Names(), std::vector<std::string>{"a.example"});
    EXPECT_TRUE(Shown().empty());
    EXPECT_TRUE(window.Visible());
    EXPECT_EQ(window.CmdStart.Caption(), "Start");
    EXPECT_EQ(window.Label1.Caption(), "Please select a profile.");
    EXPECT_EQ(detection.BusyCount(), 0);
}

TEST_F(BookmarksImport, TheCloseBoxWhileIdleLeadsBackToTheEditor) {
    Open();
    Close(window);
    ExpectBackInEditor(window);
}

}  // namespace
}  // namespace qn
