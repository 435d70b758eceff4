// The favorites import: choosing the folder on opening, the walk and the
// shortcuts it reads, Stop in either part of a run, and the way back.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/unit/tuner_hosts_import/import_session.h"
#include "tuner/ui/favorites_window.h"

namespace qn {
namespace {

using ui::headless::Click;

const std::string kFavoritesRoot = "C:\\WINDOWS\\Favorites";
const char kFavoritesDone[] = "Favorites have been imported to hosts file.";

class FavoritesImport : public testing::ImportSession {
  protected:
    FavoritesImport() {
        Describe(window);
        // Deepest first, so that the walk's order is not the writing order.
        AddFavorite("\\Links\\Deep\\deep.url", "http://deep.example/");
        AddFavorite("\\Links\\WEB-SLIC.URL", "http://slice.example/x");
        AddFavorite("\\News\\paper.url", "http://paper.example/");
        AddFavorite("\\top.url", "http://top.example/");
        AddFavorite("\\bare.url", "http://bare.example");
        tuner.files.Write(kFavoritesRoot + "\\desktop.ini", std::string("\xFF\xFE[\0", 4));
    }
    void AddFavorite(const std::string& path, const std::string& address) {
        tuner.files.AddDirectory(
            (kFavoritesRoot + path).substr(0, (kFavoritesRoot + path).rfind('\\')));
        tuner.files.Write(kFavoritesRoot + path, "[InternetShortcut]\r\nURL=" + address + "\r\n");
    }
    void Open(const char* chosen = "C:\\WINDOWS\\Favorites") {
        if (chosen != nullptr) tuner.shell.browseAnswer = chosen;
        hostsWindow.Hide();
        window.Show();
    }

    FavoritesWindow window{tuner.app, tuner.services, detection, hostsWindow, addToHosts};
};

TEST_F(FavoritesImport, OpeningAsksForTheFolderBelowTheFavorites) {
    Open();
    ASSERT_EQ(tuner.shell.browsed.size(), 1u);
    EXPECT_EQ(tuner.shell.browsed[0].title, "Select a Folder to Import");
    EXPECT_EQ(tuner.shell.browsed[0].root, SpecialFolder::Favorites);
    EXPECT_EQ(tuner.shell.browsed[0].owner, window.hWnd());
    EXPECT_TRUE(window.Visible());
    EXPECT_FALSE(window.Label8.Visible());
    EXPECT_EQ(window.Caption(), "Quillon Importing Favorites");
    EXPECT_EQ(window.Label1.Caption(), "Click Start to Begin Importing Favorites.");
    EXPECT_EQ(window.ImportFolder(), kFavoritesRoot);
    EXPECT_TRUE(window.CmdStart.Enabled());
}

TEST_F(FavoritesImport, WithoutAFolderStartIsOff) {
    for (const char* answer : {"", static_cast<const char*>(nullptr)}) {
        tuner.shell.browseAnswer = answer ? std::optional<std::string>(answer) : std::nullopt;
        Open(nullptr);
        EXPECT_EQ(window.Label1.Caption(), "Quillon was Unable to find your Favorites!!");
        EXPECT_FALSE(window.CmdStart.Enabled());
        Click(window.Command1);
        ExpectBackInEditor(window);
    }
}

TEST_F(FavoritesImport, StartWalksTheTreeAndHandsEveryHostToTheEditor) {
    Open();
    AnswerOk(kFavoritesDone);
    Click(window.CmdStart);
    // The root's shortcuts, then Links, News, Links\Deep.
    EXPECT_EQ(Names(), (std::vector<std::string>{"top.example", "slice.example", "paper.example",
                                                 "deep.example"}));
    EXPECT_EQ(window.Hosts().Names(), (std::vector<std::string>{"", "top.example", "slice.example",
                                                                "paper.example", "deep.example"}));
    EXPECT_EQ(handed[0].status, "Importing Favorites... 2 of 5   top.example");
    EXPECT_EQ(handed[0].caption, "Quillon Importing Favorites 40%");
    ExpectBackInEditor(window);
}

TEST_F(FavoritesImport, StopDuringTheWalkAddsNothingAndStillReports) {
    Open();
    // Posted at the run's first pump of events, handled at the next: after
    // the walk has listed its first folder.
    tuner.host.Post([&] { PostClick(window.CmdStart); });
    AnswerOk(kFavoritesDone);
    Click(window.CmdStart);
    EXPECT_TRUE(handed.empty());
    EXPECT_EQ(Shown().size(), 1u);
    ExpectBackInEditor(window);
}

TEST_F(FavoritesImport, StopWhileHandingOverEndsAtTheNextName) {
    Open();
    std::vector<std::string> stopping;
    afterHanding = [&](int count) {
        if (count != 1) return;
        tuner.host.Post([&] {
            Click(window.CmdStart);
            stopping = {window.CmdStart.Caption(), window.CmdStart.Enabled() ? "on" : "off",
                        window.Command1.Enabled() ? "cancel" : "no cancel"};
        });
    };
    AnswerOk(kFavoritesDone);
    Click(window.CmdStart);
    EXPECT_EQ(Names(), std::vector<std::string>{"top.example"});
    EXPECT_EQ(stopping, (std::vector<std::string>{"Stopping", "off", "no cancel"}));
    // The names found are kept: Stop does not start the list again.
    EXPECT_EQ(window.Hosts().Count(), 5);
    ExpectBackInEditor(window);
}

TEST_F(FavoritesImport, AStopLeftFromEarlierDoesNotEmptyTheNextRun) {
    Open();
    detection.SetStopFlag(true);
    AnswerOk(kFavoritesDone);
    Click(window.CmdStart);
    ASSERT_FALSE(handed.empty());
    EXPECT_FALSE(handed[0].stopRequested);
}

TEST_F(FavoritesImport, ByTheWizardTheEditorStaysHidden) {
    Open();
    window.FavoritesImportByWizard = true;
    AnswerOk(kFavoritesDone);
    Click(window.CmdStart);
    EXPECT_FALSE(window.Loaded());
    EXPECT_FALSE(hostsWindow.Visible());
    EXPECT_FALSE(window.FavoritesImportByWizard);
}

}  // namespace
}  // namespace qn
