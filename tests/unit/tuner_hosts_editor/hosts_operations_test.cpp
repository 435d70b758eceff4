// The hosts editor's entry operations: the options behind "Go", "Update
// All", the silent addition of the imports, marking, and what a failing
// Windows Sockets does to the hosts file.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/unit/tuner_ui/tuner_session_helpers.h"
#include "tuner/ui/tuner_forms.h"
#include "ui/headless/user_actions.h"

namespace qn {
namespace {

using testing::HeadlessTuner;
using ui::headless::Choose;
using ui::headless::Click;
using ui::headless::Type;

const std::string kEditedHosts = "C:\\WINDOWS\\hosts";
const std::string kStartingHosts =
    "10.0.0.1 one.example\r\n10.0.0.2 two.example #SKIP\r\n10.0.0.3 three.example\r\n";

class HostsOperations : public ::testing::Test {
  protected:
    // The editor open on three entries, one of them marked.
    HostsWindow& OpenedEditor() {
        forms.SetMainWindow(window);
        tuner.windows.forward = &forms;
        tuner.files.AddDirectory("C:\\WINDOWS");
        tuner.files.Write(kEditedHosts, kStartingHosts);
        tuner.resolver.Add("one.example", {"10.0.0.1"});
        tuner.resolver.Add("three.example", {"10.9.9.3", "10.9.9.4"});
        tuner.resolver.Add("new.example", {"10.0.0.7"});
        window.Show();
        Click(window.cmd_hosts);
        Click(forms.HostsWarning()->Command1);
        return *forms.Hosts();
    }
    void Go(ui::OptionButton& option, const std::string& name) {
        Click(option);
        Type(hosts.Text1, name);
        Click(hosts.Command4);
    }
    std::vector<std::string> Items() {
        std::vector<std::string> items;
        for (int i = 0; i < hosts.List1.ListCount(); ++i) {
            const HostsEntry& entry = hosts.Table().Slot(hosts.Table().SlotAtListPosition(i));
            items.push_back(entry.name + " " + entry.address +
                            (hosts.List1.Selected(i) ? "" : " skip"));
        }
        return items;
    }
    std::vector<std::string> Prompts() {
        std::vector<std::string> prompts;
        for (const auto& box : tuner.host.Script().Shown()) prompts.push_back(box.prompt);
        return prompts;
    }
    void Answer(int answer, const std::string& prompt) {
        tuner.host.Script().Answer(answer, prompt);
    }

    HeadlessTuner tuner{"win98"};
    MainWindow& window = *tuner.window;
    TunerForms forms{tuner.app, tuner.services};
    HostsWindow& hosts = OpenedEditor();
};

TEST_F(HostsOperations, GoWithoutANameDoesNothing) {
    for (ui::OptionButton* option : {&hosts.Option1, &hosts.Option2, &hosts.Option3, &hosts.Option4,
                                     &hosts.Option5, &hosts.Option6}) {
        Go(*option, "");
    }
    EXPECT_TRUE(Prompts().empty());
    EXPECT_TRUE(tuner.resolver.asked.empty());
}

TEST_F(HostsOperations, SearchShowsTheEntryOrSaysItIsMissing) {
    Go(hosts.Option1, "three.example");
    EXPECT_EQ(hosts.List1.ListIndex(), 2);
    EXPECT_EQ(hosts.Label6.Caption(), "3");
    EXPECT_EQ(hosts.Text2.Text(), "10.0.0.3");
    Answer(ui::vbOK, "Server not found in Hosts.");
    Go(hosts.Option1, "none.example");
}

TEST_F(HostsOperations, AddLooksTheNameUpOnceAndOnlyWhenItIsNew) {
    Go(hosts.Option2, "new.example");
    EXPECT_EQ(Items().back(), "new.example 10.0.0.7");
    EXPECT_EQ(hosts.Label2.Caption(), "4");
    EXPECT_EQ(hosts.List1.ListIndex(), 3);
    Answer(ui::vbOK, "Server already in hosts.");
    Go(hosts.Option2, "new.example");
    Answer(ui::vbOK, "Bad Domain.  No IP can be found.");
    Go(hosts.Option2, "nowhere.invalid");
    EXPECT_EQ(tuner.resolver.asked, (std::vector<std::string>{"new.example", "nowhere.invalid"}));
    EXPECT_EQ(hosts.List1.ListCount(), 4);
    EXPECT_TRUE(hosts.Command4.Visible());
    EXPECT_TRUE(hosts.List1.Enabled());
}

TEST_F(HostsOperations, RemoveTakesTheEntryWithoutAsking) {
    Go(hosts.Option3, "one.example");
    EXPECT_EQ(Items(),
              (std::vector<std::string>{"two.example 10.0.0.2 skip", "three.example 10.0.0.3"}));
    EXPECT_EQ(hosts.Label2.Caption(), "2");
    EXPECT_EQ(hosts.Text1.Text(), "");
    EXPECT_TRUE(Prompts().empty());
}

TEST_F(HostsOperations, UpdateIpAsksBeforeReplacingAnAddress) {
    Answer(ui::vbOK, "IP not changed.");
    Go(hosts.Option4, "one.example");
    Answer(ui::vbYes, "Replace 10.0.0.3 with 10.9.9.3");
    Go(hosts.Option4, "three.example");
    EXPECT_EQ(tuner.host.Script().Shown().back().title, "Quillon New IP");
    EXPECT_EQ(Items().back(), "three.example 10.9.9.3");
    EXPECT_EQ(hosts.Text2.Text(), "10.9.9.3");
}

TEST_F(HostsOperations, HandMadeAddressesAreKeptOutOfUpdateAll) {
    tuner.host.Script().AnswerInput("xxx.xxx.xxx.xxx");
    Go(hosts.Option5, "lan.example");
    EXPECT_EQ(Items().back(), "lan.example xxx.xxx.xxx.xxx skip");
    EXPECT_EQ(tuner.host.Script().Shown().back().prompt,
              "Please input the IP Address for lan.example");
    tuner.host.Script().AnswerInput("10.1.1.1");
    Go(hosts.Option6, "one.example");
    EXPECT_EQ(Items().front(), "one.example 10.1.1.1 skip");
    tuner.host.Script().AnswerInput("");
    Go(hosts.Option6, "three.example");
    EXPECT_EQ(Items()[2], "three.example 10.0.0.3");
}

TEST_F(HostsOperations, UpdateAllRefreshesIncludedEntriesAndRemovesTheLost) {
    Go(hosts.Option2, "new.example");
    tuner.resolver.Fail("new.example", kWsaHostNotFound);
    // two.example is marked; one.example unchanged; three.example moved;
    // new.example no longer resolves.
    Click(hosts.Check1);  // cleared: no question
    tuner.host.Post([&] {
        EXPECT_TRUE(hosts.Command1.Visible());
        EXPECT_FALSE(hosts.Command4.Visible());
        EXPECT_FALSE(hosts.List1.Enabled());
        EXPECT_FALSE(hosts.mnuFile.Enabled());
        EXPECT_TRUE(hosts.cmdHelp.Enabled());
    });
    Answer(ui::vbOK,
           "Update Complete.\r\rEntries Checked: 3\rEntries Updated: 1\rEntries "
           "Removed: 1\rEntries Skipped: 1");
    Click(hosts.Command6);
    EXPECT_EQ(Items(),
              (std::vector<std::string>{"one.example 10.0.0.1", "two.example 10.0.0.2 skip",
                                        "three.example 10.9.9.3"}));
    EXPECT_FALSE(hosts.Label9.Visible());
    EXPECT_TRUE(hosts.Command4.Visible());
}

// two.example does not resolve either; the second of two lost neighbours
// moves into the freed place and must not be passed over.
TEST_F(HostsOperations, UpdateAllRemovesTwoLostNeighboursAndAsksOnlyWhenTold) {
    tuner.resolver.Fail("three.example", kWsaHostNotFound);
    Choose(hosts.mnuIncludeAll);
    Click(hosts.Check1);  // cleared: removed without a question
    Answer(ui::vbOK,
           "Update Complete.\r\rEntries Checked: 3\rEntries Updated: 0\rEntries "
           "Removed: 2\rEntries Skipped: 0");
    Click(hosts.Command6);
    EXPECT_EQ(Items(), std::vector<std::string>{"one.example 10.0.0.1"});

    Click(hosts.Check1);
    tuner.resolver.Fail("one.example", kWsaHostNotFound);
    Answer(ui::vbNo,
           "No IP Address can be found for one.example\rWould you like to Delete this Entry?");
    Answer(ui::vbOK,
           "Update Complete.\r\rEntries Checked: 1\rEntries Updated: 0\rEntries "
           "Removed: 0\rEntries Skipped: 0");
    Click(hosts.Command6);
    EXPECT_EQ(tuner.host.Script().Shown().at(1).title, "Quillon Hosts Update");
    EXPECT_EQ(Items(), std::vector<std::string>{"one.example 10.0.0.1"});
}

TEST_F(HostsOperations, UpdateAllOverMarkedEntriesLooksNothingUp) {
    Choose(hosts.mnuSkipAll);
    EXPECT_EQ(hosts.Label10.Caption(), "3");
    Answer(ui::vbOK,
           "Update Complete.\r\rEntries Checked: 0\rEntries Updated: 0\rEntries "
           "Removed: 0\rEntries Skipped: 3");
    Click(hosts.Command6);
    EXPECT_TRUE(tuner.resolver.asked.empty());
}

TEST_F(HostsOperations, AStopEndsUpdateAllWithTheCountsSoFar) {
    tuner.host.Post([&] { Click(hosts.Command1); });
    Answer(ui::vbOK,
           "Update Complete.\r\rEntries Checked: 2\rEntries Updated: 0\rEntries "
           "Removed: 0\rEntries Skipped: 1");
    Click(hosts.Command6);
    EXPECT_TRUE(tuner.resolver.asked.empty());
}

TEST_F(HostsOperations, ClosingDuringUpdateAllPutsTheFileBackAndSaysNothing) {
    tuner.host.Post([&] { ui::headless::Close(hosts); });
    Click(hosts.Command6);
    EXPECT_FALSE(hosts.Loaded());
    EXPECT_TRUE(Prompts().empty());
    EXPECT_EQ(tuner.files.ReadAll(kEditedHosts), kStartingHosts);
    Click(window.cmd_hosts);
    Click(forms.HostsWarning()->Command1);
    EXPECT_TRUE(hosts.Command4.Visible());
    EXPECT_TRUE(hosts.List1.Enabled());
    EXPECT_EQ(hosts.List1.ListCount(), 3);
}

TEST_F(HostsOperations, AddToHostsIsSilentAndAddsOnlyNewResolvingNames) {
    for (const char* name : {"one.example", "nowhere.invalid", "10.0.0.8", "new.example"}) {
        hosts.AddToHosts(name);
    }
    tuner.resolver.Add("10.0.0.8", {"10.0.0.8"});
    hosts.AddToHosts("10.0.0.8");
    EXPECT_EQ(Items().size(), 4u);
    EXPECT_EQ(Items().back(), "new.example 10.0.0.7");
    EXPECT_TRUE(Prompts().empty());
}

TEST_F(HostsOperations, TheLookupAnimationCirclesThroughItsFramesAndStops) {
    EXPECT_EQ(hosts.imgLookup.Picture(), "LOOKUP_STILL");
    Click(hosts.Command7);
    std::vector<std::string> shown;
    for (int tick = 0; tick < 22; ++tick) {
        ui::headless::FireTimers(hosts);
        shown.push_back(hosts.imgLookup.Picture());
    }
    EXPECT_EQ(shown.front(), "LOOKUP01");
    EXPECT_EQ(shown[20], "LOOKUP21");
    EXPECT_EQ(shown.back(), "LOOKUP01");
    Click(hosts.Command8);
    EXPECT_EQ(hosts.imgLookup.Picture(), "LOOKUP_STILL");
    EXPECT_FALSE(hosts.AnimationTimer.Running());
}

// The editor hides behind an import and takes the names it hands over.
TEST_F(HostsOperations, AnImportAddsItsHostsThroughTheEditor) {
    tuner.files.AddDirectory("C:\\Favorites");
    tuner.files.Write("C:\\Favorites\\New.url",
                      "[InternetShortcut]\r\nURL=http://new.example/\r\n");
    tuner.files.Write("C:\\Favorites\\One.url",
                      "[InternetShortcut]\r\nURL=http://one.example/\r\n");
    tuner.shell.browseAnswer = "C:\\Favorites";
    Click(hosts.cmdFavorites);
    EXPECT_FALSE(hosts.Visible());
    ASSERT_TRUE(hosts.Favorites().Visible());
    Answer(ui::vbOK, "Favorites have been imported to hosts file.");
    Click(hosts.Favorites().CmdStart);
    EXPECT_TRUE(hosts.Visible());
    EXPECT_EQ(Items().back(), "new.example 10.0.0.7");
    EXPECT_EQ(hosts.List1.ListCount(), 4);

    Choose(hosts.mnuBookmarks);
    EXPECT_TRUE(hosts.Bookmarks().Visible());
    Click(hosts.Bookmarks().Command1);
    EXPECT_TRUE(hosts.Visible());
}

TEST_F(HostsOperations, MarksFollowTheCurrentItem) {
    Click(hosts.List1, 1);  // a click includes two.example
    EXPECT_TRUE(hosts.Table().Slot(1).include);
    Choose(hosts.mnuSkip);
    EXPECT_FALSE(hosts.Table().Slot(1).include);
    EXPECT_EQ(hosts.Label10.Caption(), "1");
    Choose(hosts.mnuInclude);
    EXPECT_EQ(hosts.Label10.Caption(), "0");
}

// A Windows Sockets that fails ends the program; the hosts file is put back
// first instead of being left taken away.
TEST_F(HostsOperations, AFailingWinsockEndsTheProgramWithTheHostsFileBack) {
    tuner.resolver.startupError = 10091;
    Answer(ui::vbOK, "Winsock.dll is not responding.");
    Go(hosts.Option2, "new.example");
    EXPECT_TRUE(tuner.app.Ended());
    EXPECT_EQ(tuner.files.ReadAll(kEditedHosts), kStartingHosts);
}

}  // namespace
}  // namespace qn
