// The hosts editor's entry operations on a Windows XP machine, with real
// look-ups through Windows Sockets ("localhost" resolves without a network,
// ".invalid" names never do): Add, Remove, Update All with and without its
// question, the file Ok writes, and the two imports, from Netscape
// Navigator's bookmarks and from a folder of Internet Explorer favorites.
#include <windows.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/win32/win32_services.h"
#include "tests/e2e/driver/control_input.h"
#include "tests/e2e/driver/files.h"
#include "tests/e2e/driver/folder_browser.h"
#include "tests/e2e/driver/group_box.h"
#include "tests/e2e/driver/host_name.h"
#include "tests/e2e/driver/message_box.h"
#include "tests/e2e/driver/poll.h"
#include "tests/e2e/driver/registry_dump.h"
#include "tests/e2e/driver/saved_registry_value.h"
#include "tests/e2e/driver/screenshot.h"
#include "tests/e2e/driver/window_finder.h"
#include "tests/e2e/favorites_folder.h"
#include "tests/e2e/tuner_hosts_session.h"
#include "tests/e2e/tuner_session.h"

namespace qn::e2e {
namespace {

constexpr const char* kSettingsKey = "Software\\Quillon\\Settings";
constexpr const char* kPromptCaption = "Prompt before removing entries on Update All";
constexpr const char* kMarkedCaption = "Marked Entries to Skip on Update All:";
constexpr const char* kUpdateTitle = "Quillon Hosts Update";
constexpr const char* kBadDomain = "Bad Domain.  No IP can be found.";
constexpr const char* kFavoritesCaption = "Quillon Importing Favorites";
constexpr const char* kBookmarksCaption = "Quillon Importing Bookmarks";
constexpr const char* kUsersKey = "SOFTWARE\\Netscape\\Netscape Navigator\\Users";
constexpr const char* kProfile = "qn-e2e";
constexpr const char* kProfileUser = "Quillon Tester";
constexpr const char* kFavoritesFolder = "Quillon import test";

// An entry whose address has changed, one marked to skip, and two whose
// names no longer resolve.
constexpr const char* kOperationsHosts =
    "10.1.2.3 localhost\r\n"
    "10.0.0.5 printer #SKIP\r\n"
    "10.9.9.9 nowhere.invalid\r\n"
    "10.9.9.8 gone.invalid\r\n";

constexpr const char* kImportsHosts = "10.0.0.5 printer\r\n";

// One bookmark that resolves, one given by its address, one that does not
// resolve, in the shape Navigator 4 writes.
constexpr const char* kBookmarkFile =
    "<!DOCTYPE NETSCAPE-Bookmark-file-1>\r\n"
    "<TITLE>Bookmarks for Quillon Tester</TITLE>\r\n"
    "<H1>Bookmarks for Quillon Tester</H1>\r\n"
    "<DL><p>\r\n"
    "    <DT><A HREF=\"http://localhost/\" ADD_DATE=\"946684800\">Local</A>\r\n"
    "    <DT><A HREF=\"http://127.0.0.1/start\" ADD_DATE=\"946684800\">Loopback</A>\r\n"
    "    <DT><A HREF=\"http://nowhere.invalid/\" ADD_DATE=\"946684800\">Nowhere</A>\r\n"
    "</DL><p>\r\n";

std::string UpdateSummary(int checked, int updated, int removed, int skipped) {
    return "Update Complete.\r\rEntries Checked: " + std::to_string(checked) +
           "\rEntries Updated: " + std::to_string(updated) +
           "\rEntries Removed: " + std::to_string(removed) +
           "\rEntries Skipped: " + std::to_string(skipped);
}

std::string LostQuestion(const std::string& name) {
    return "No IP Address can be found for " + name + "\rWould you like to Delete this Entry?";
}

// The first address a look-up gives, as the editor takes it; "" for none.
std::string LookedUp(const std::string& name) {
    std::unique_ptr<NameResolver> resolver = win32::MakeWin32NameResolver();
    if (resolver->Startup().error != 0) return "";
    const Resolution found = resolver->Resolve(name);
    resolver->Cleanup();
    return found.error == 0 && !found.addresses.empty() ? found.addresses.front() : "";
}

class TunerHostsOperations : public TunerHostsSession {
  protected:
    std::string PreparedHosts() const override { return kOperationsHosts; }

    // The option of the "Server" frame, the name typed, and "Go".
    void Go(const std::string& option, const std::string& name) {
        HWND chosen = FindButtonInFrame(editor_, "Server", option);
        ASSERT_NE(chosen, nullptr) << "no option \"" << option << "\"";
        SendMessageA(chosen, BM_CLICK, 0, 0);
        ASSERT_TRUE(IsChecked(chosen)) << option;
        HWND nameBox = NameBox();
        ASSERT_NE(nameBox, nullptr) << "no \"Domain Name:\" box";
        SetEditText(nameBox, name);
        Press("Go");
    }

    // The text box below the label caption.
    HWND BoxBelow(const std::string& caption) {
        HWND label = FindChild(editor_, Caption::Exact(caption), "Static");
        if (label == nullptr) return nullptr;
        RECT of{};
        GetWindowRect(label, &of);
        for (HWND child : ChildWindows(editor_)) {
            RECT box{};
            GetWindowRect(child, &box);
            // The box may overlap its label by a pixel.
            if (lstrcmpiA(ClassNameOf(child).c_str(), "Edit") == 0 && box.top > of.top &&
                box.top - of.bottom < 20 && box.left == of.left) {
                return child;
            }
        }
        return nullptr;
    }

    // The progress bar's two labels: text-less, as thin as the bar; the
    // track is the wider.
    void FindProgressBar(HWND& track, HWND& fill) {
        std::vector<HWND> thin;
        for (HWND child : ChildWindows(editor_)) {
            RECT box{};
            GetWindowRect(child, &box);
            if (lstrcmpiA(ClassNameOf(child).c_str(), "Static") == 0 && WindowText(child).empty() &&
                box.bottom - box.top < 12) {
                thin.push_back(child);
            }
        }
        ASSERT_EQ(thin.size(), 2u) << "no progress bar of two labels";
        RECT first{};
        RECT second{};
        GetWindowRect(thin[0], &first);
        GetWindowRect(thin[1], &second);
        const bool firstWider = first.right - first.left > second.right - second.left;
        track = thin[firstWider ? 0 : 1];
        fill = thin[firstWider ? 1 : 0];
    }

    // The bar shows fraction of its track filled in navy.
    void ExpectProgress(double fraction, const std::string& when) {
        HWND track = nullptr;
        HWND fill = nullptr;
        ASSERT_NO_FATAL_FAILURE(FindProgressBar(track, fill));
        RECT whole{};
        RECT part{};
        GetWindowRect(track, &whole);
        GetWindowRect(fill, &part);
        ASSERT_TRUE(IsShown(fill)) << "no progress shown " << when;
        EXPECT_NEAR(part.right - part.left, (whole.right - whole.left) * fraction, 2) << when;
        // Polled: a repaint may still be on its way.
        const auto seen = [&] {
            const RgbImage pixel =
                CaptureScreenRect((part.left + part.right) / 2, (part.top + part.bottom) / 2, 1, 1);
            return std::vector<int>(pixel.pixels.begin(), pixel.pixels.end());
        };
        const std::vector<int> navy = {0, 0, 128};
        PollUntil([&] { return seen() == navy; }, kFileTimeoutMs);
        EXPECT_EQ(seen(), navy) << "the fill is not seen (red, green, blue) " << when;
    }

    HWND NameBox() { return BoxBelow("Domain Name:"); }
    HWND AddressBox() { return BoxBelow("IP Address:"); }

    // The editor is back after an import and its list done with.
    void ExpectEditorBack(HWND import, const std::string& when) {
        EXPECT_TRUE(
            PollUntil([&] { return !IsWindow(import) || !IsShown(import); }, kFileTimeoutMs))
            << "the import window stayed " << when;
        EXPECT_TRUE(PollUntil([&] { return IsShown(editor_); }, kFileTimeoutMs))
            << "no editor " << when;
    }

    HWND OpenImport(const std::string& button, const std::string& caption) {
        Press(button);
        HWND import = WaitForTopLevelWindow(Caption::Exact(caption), kStartTimeoutMs, tuner_.Id());
        EXPECT_NE(import, nullptr) << "\"" << button << "\" opened no \"" << caption << "\"";
        return import;
    }

    const SavedRegistryValue savedPrompt_{HKEY_CURRENT_USER, kSettingsKey, "AutoDelete"};
};

// Update All first, with its question answered both ways, then without the
// question; Remove and Add then bring "localhost" back at the end of the list.
TEST_P(TunerHostsOperations, AddRemoveAndUpdateAllLookNamesUp) {
    // Never set: the default.
    DeleteRegistryValue(HKEY_CURRENT_USER, kSettingsKey, "AutoDelete");
    ASSERT_NO_FATAL_FAILURE(Start());
    ASSERT_NO_FATAL_FAILURE(OpenEditor());
    ExpectList({{"10.1.2.3", "localhost"},
                {"10.0.0.5", "printer", true},
                {"10.9.9.9", "nowhere.invalid"},
                {"10.9.9.8", "gone.invalid"}},
               "as read");
    EXPECT_EQ(WindowText(LabelRightOf(editor_, kMarkedCaption)), "1");
    HWND prompt = FindButton(editor_, kPromptCaption);
    ASSERT_NE(prompt, nullptr) << "no \"" << kPromptCaption << "\"";
    EXPECT_TRUE(IsChecked(prompt)) << "the question is not asked by default";
    HWND go = FindButton(editor_, "Go");
    HWND stop = FindButton(editor_, "Stop");
    ASSERT_TRUE(go != nullptr && stop != nullptr) << "no \"Go\" and \"Stop\" buttons";
    EXPECT_TRUE(IsShown(go) && !IsShown(stop));

    // The question comes while the run is still looking names up.
    Press("Update All");
    std::vector<std::string> others;
    HWND question = WaitForMessageBoxSaying(tuner_, LostQuestion("nowhere.invalid"), others,
                                            kQuestionTimeoutMs);
    ASSERT_NE(question, nullptr) << "no question for nowhere.invalid; others:" << Joined(others);
    EXPECT_TRUE(IsShown(stop) && !IsShown(go)) << "not in look-up mode during Update All";
    EXPECT_FALSE(IsEnabled(FindButton(editor_, "Update All")));
    EXPECT_FALSE(IsEnabled(list_));
    ExpectProgress(0.75, "at the third of four entries");
    EXPECT_NE(SaveNamedScreenshot("tuner_hosts_lookup_mode"), "");
    AnswerMessageBox(tuner_, LostQuestion("nowhere.invalid"), {"Yes", "No"}, "Yes", kUpdateTitle);
    AnswerMessageBox(tuner_, LostQuestion("gone.invalid"), {"Yes", "No"}, "No", kUpdateTitle);
    AnswerMessageBox(tuner_, UpdateSummary(3, 1, 1, 1), {"OK"}, "OK");
    EXPECT_TRUE(PollUntil([&] { return IsShown(go) && !IsShown(stop); }, kFileTimeoutMs))
        << "still in look-up mode after Update All";
    ExpectList(
        {{"127.0.0.1", "localhost"}, {"10.0.0.5", "printer", true}, {"10.9.9.8", "gone.invalid"}},
        "after the first Update All");

    // Cleared, the box is remembered and the lost entry goes without a word.
    Click(prompt);
    EXPECT_TRUE(PollUntil(
        [&] {
            std::string value;
            return ReadRegistryString(HKEY_CURRENT_USER, kSettingsKey, "AutoDelete", value) &&
                   value == "0";
        },
        kFileTimeoutMs))
        << "clearing \"" << kPromptCaption << "\" did not store \"0\"";
    Press("Update All");
    AnswerMessageBox(tuner_, UpdateSummary(2, 0, 1, 1), {"OK"}, "OK");
    ExpectList({{"127.0.0.1", "localhost"}, {"10.0.0.5", "printer", true}},
               "after the second Update All");

    ASSERT_NO_FATAL_FAILURE(Go("Remove", "localhost"));
    ExpectList({{"10.0.0.5", "printer", true}}, "after removing localhost");
    ASSERT_NO_FATAL_FAILURE(Go("Add", "localhost"));
    const std::vector<Entry> added = {{"10.0.0.5", "printer", true}, {"127.0.0.1", "localhost"}};
    ExpectList(added, "after adding localhost");
    EXPECT_EQ(SendMessageA(list_, LB_GETCARETINDEX, 0, 0), 1) << "the added entry is not current";
    EXPECT_EQ(WindowText(AddressBox()), "127.0.0.1");
    Press("Go");
    AnswerMessageBox(tuner_, "Server already in hosts.", {"OK"}, "OK");
    ASSERT_NO_FATAL_FAILURE(Go("Add", "nowhere.invalid"));
    AnswerMessageBox(tuner_, kBadDomain, {"OK"}, "OK");
    ExpectList(added, "after the failed additions");

    Press("Ok");
    ExpectClosedWith(WrittenHosts(added), "after Ok");
}

// The bookmarks bring "localhost"; the favorites then find it listed and
// bring this machine's own name from a sub-folder's 8.3-named shortcut.
TEST_P(TunerHostsOperations, BookmarksAndFavoritesAddTheHostsThatResolve) {
    const std::string machine = LocalHostName();
    const std::string machineAddress = LookedUp(machine);
    ASSERT_FALSE(machine.empty() || machineAddress.empty())
        << "this machine's name \"" << machine << "\" does not resolve under Wine";
    const std::string favorites = FavoritesPath();
    ASSERT_FALSE(favorites.empty()) << "no Favorites folder in the prefix";

    MadeFiles made;
    const std::string profileFolder = BesideProgram("qn-e2e-netscape");
    ASSERT_TRUE(made.Folder(profileFolder));
    ASSERT_TRUE(made.File(profileFolder + "\\bookmark.htm", kBookmarkFile));
    const std::string folder = favorites + "\\" + kFavoritesFolder;
    ASSERT_TRUE(made.Folder(folder));
    ASSERT_TRUE(made.File(folder + "\\Local page.url",
                          "[InternetShortcut]\r\nURL=http://localhost/page\r\n"));
    ASSERT_TRUE(
        made.File(folder + "\\Old form.url", "[DEFAULT]\r\nBASEURL=http://127.0.0.1/x\r\n"));
    ASSERT_TRUE(made.File(folder + "\\Nowhere.url",
                          "[InternetShortcut]\r\nURL=http://nowhere.invalid/\r\n"));
    const std::string ini = "[.ShellClassInfo]\r\nURL=http://localhost/\r\n";
    std::string utf16 = "\xFF\xFE";
    for (char c : ini) utf16 += std::string{c, '\0'};
    ASSERT_TRUE(made.File(folder + "\\desktop.ini", utf16));
    ASSERT_TRUE(made.Folder(folder + "\\Channels"));
    ASSERT_TRUE(made.File(folder + "\\Channels\\WEB-SLIC.URL",
                          "[InternetShortcut]\r\nURL=http://" + machine + "/\r\n"));

    const bool hadNetscape = RegistryKeyExists(HKEY_LOCAL_MACHINE, "SOFTWARE\\Netscape");
    const std::string profileKey = std::string(kUsersKey) + "\\" + kProfile;
    std::shared_ptr<void> removeKeys(nullptr, [&](void*) {
        DeleteRegistryTree(HKEY_LOCAL_MACHINE, hadNetscape ? profileKey : "SOFTWARE\\Netscape");
    });
    ASSERT_TRUE(WriteRegistryString(HKEY_LOCAL_MACHINE, profileKey, "UserName", kProfileUser));
    ASSERT_TRUE(WriteRegistryString(HKEY_LOCAL_MACHINE, profileKey, "DirRoot", profileFolder));

    ASSERT_TRUE(WriteText(hosts_, kImportsHosts));
    ASSERT_NO_FATAL_FAILURE(Start());
    ASSERT_NO_FATAL_FAILURE(OpenEditor());
    ExpectList({{"10.0.0.5", "printer"}}, "as read");

    HWND bookmarks = OpenImport("Import Netscape Navigator Bookmarks", kBookmarksCaption);
    ASSERT_NE(bookmarks, nullptr);
    EXPECT_FALSE(IsShown(editor_)) << "the editor shows beside the import";
    HWND profiles = FindChild(bookmarks, Caption::Prefix(""), "ListBox");
    ASSERT_NE(profiles, nullptr) << "no profile list";
    const std::vector<std::string> rows = {std::string(kProfile) + "(" + kProfileUser + ")",
                                           "Browse for Bookmark.htm..."};
    PollUntil([&] { return ListItems(profiles) == rows; }, kFileTimeoutMs);
    EXPECT_EQ(ListItems(profiles), rows);
    ASSERT_TRUE(SelectListItem(profiles, 0));
    EXPECT_NE(SaveNamedScreenshot("tuner_hosts_bookmarks_import"), "");
    ASSERT_TRUE(PressButton(bookmarks, "Start"));
    AnswerMessageBox(tuner_, "Bookmarks have been imported to hosts file.", {"OK"}, "OK");
    ExpectEditorBack(bookmarks, "after the bookmarks");
    ExpectList({{"10.0.0.5", "printer"}, {"127.0.0.1", "localhost"}}, "after the bookmarks");

    HWND import = OpenImport("Import Internet Explorer Favorites", kFavoritesCaption);
    ASSERT_NE(import, nullptr);
    HWND browser = WaitForFolderBrowser(tuner_.Id(), "Select a Folder to Import", kStartTimeoutMs);
    ASSERT_NE(browser, nullptr) << "no folder browser";
    ASSERT_TRUE(ChooseFolderByTyping(browser, kFavoritesFolder))
        << "\"" << kFavoritesFolder << "\" could not be chosen in the folder browser";
    EXPECT_TRUE(PollUntil([browser] { return !IsWindow(browser); }, kFileTimeoutMs));
    EXPECT_TRUE(PollUntil(
        [&] {
            return FindChild(import, Caption::Exact("Click Start to Begin Importing Favorites."),
                             "Static") != nullptr;
        },
        kFileTimeoutMs))
        << "no invitation to start";
    HWND start = FindButton(import, "Start");
    ASSERT_NE(start, nullptr);
    EXPECT_TRUE(IsEnabled(start));
    EXPECT_NE(SaveNamedScreenshot("tuner_hosts_favorites_import"), "");
    Click(start);
    AnswerMessageBox(tuner_, "Favorites have been imported to hosts file.", {"OK"}, "OK");
    ExpectEditorBack(import, "after the favorites");
    const std::vector<Entry> imported = {
        {"10.0.0.5", "printer"}, {"127.0.0.1", "localhost"}, {machineAddress, machine}};
    ExpectList(imported, "after the favorites");

    Press("Ok");
    ExpectClosedWith(WrittenHosts(imported), "after Ok");
}

INSTANTIATE_TEST_SUITE_P(Machines, TunerHostsOperations, ::testing::Values("winxp"),
                         VersionTestName);

}  // namespace
}  // namespace qn::e2e
