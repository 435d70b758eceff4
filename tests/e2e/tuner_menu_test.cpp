#include <windows.h>
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "tests/e2e/driver/control_input.h"
#include "tests/e2e/driver/dialog_answerer.h"
#include "tests/e2e/driver/files.h"
#include "tests/e2e/driver/menus.h"
#include "tests/e2e/driver/message_box.h"
#include "tests/e2e/driver/poll.h"
#include "tests/e2e/driver/process.h"
#include "tests/e2e/driver/window_finder.h"
#include "tests/e2e/driver/wine_prefix.h"
#include "tests/e2e/tuner_session.h"

namespace qn::e2e {
namespace {

// The tree as indented lines, two spaces a level, so that a mismatch shows
// exactly which entry moved or changed.
void Outline(const std::vector<MenuEntry>& entries, const std::string& indent,
             std::vector<std::string>& lines) {
    for (const MenuEntry& entry : entries) {
        lines.push_back(indent + (entry.IsSeparator() ? "-" : entry.caption));
        Outline(entry.items, indent + "  ", lines);
    }
}

void CollectCommandIds(const std::vector<MenuEntry>& entries, std::vector<UINT>& ids) {
    for (const MenuEntry& entry : entries) {
        if (!entry.popup && !entry.IsSeparator()) ids.push_back(entry.id);
        CollectCommandIds(entry.items, ids);
    }
}

class TunerMenus : public TunerEndToEnd {
  protected:
    void SetUp() override {
        TunerEndToEnd::SetUp();
        if (IsSkipped() || HasFatalFailure()) return;
        ASSERT_TRUE(SetProgramWindowsVersion(kTunerExe, "winxp"));
        main_ = StartTuner(tuner_);
        ASSERT_NE(main_, nullptr) << "no main window";
    }

    void TearDown() override {
        if (main_ != nullptr && tuner_.Running()) {
            EXPECT_TRUE(CloseTuner(tuner_, main_));
        }
        TunerEndToEnd::TearDown();
    }

    Process tuner_;
    HWND main_ = nullptr;
};

TEST_F(TunerMenus, MenuBarListsEveryMenuAndItemInOrder) {
    bool read = false;
    const std::vector<MenuEntry> tree = MenuTree(main_, &read);
    ASSERT_TRUE(read) << "the tuner's menu bar could not be read";

    std::vector<std::string> lines;
    Outline(tree, "", lines);
    // No updater lies beside the tuner, so "Product &Updates" is left out.
    const std::vector<std::string> expected = {
        "&Tools",
        "  &Control Panel",
        "    &Network...",
        "    &Modems...",
        "    &Internet...",
        "    &System...",
        "  &Dapplet",
        "  &MaxMTU Finder",
        "  &Configure Hosts File",
        "&Wizards",
        "  &Optimization Wizard...",
        "  Start Quillon with &Advanced View",
        "  Start Quillon with &Wizard View",
        "&Help",
        "  &Contents",
        "  &Reset Warning Messages",
        "  &About",
    };
    EXPECT_EQ(lines, expected);

    // Every menu of the bar opens a submenu, and each command has an id of
    // its own: a shared id would run the wrong handler.
    for (const MenuEntry& menu : tree) {
        EXPECT_TRUE(menu.popup) << menu.caption;
    }
    std::vector<UINT> ids;
    CollectCommandIds(tree, ids);
    EXPECT_EQ(ids.size(), 13u);
    EXPECT_EQ(std::set<UINT>(ids.begin(), ids.end()).size(), ids.size()) << "duplicate ids";
    for (UINT id : ids) EXPECT_NE(id, 0u);
}

TEST_F(TunerMenus, ChoosingAnItemByCaptionPathKeepsTheTunerRunning) {
    EXPECT_FALSE(ChooseMenuItem(main_, {"&Help", "No Such Item"}));
    EXPECT_FALSE(ChooseMenuItem(main_, {"&Tools", "&Control Panel"}))
        << "a submenu is not a command";
    ASSERT_TRUE(ChooseMenuItem(main_, {"&Help", "&About"}));
    // The command is posted; give the tuner time to handle it before looking.
    EXPECT_FALSE(PollUntil([&] { return !tuner_.Running(); }, 1000));
    EXPECT_TRUE(IsWindow(main_) && IsShown(main_));
    // The item opens the modal About box, which must close before the tuner can.
    HWND about =
        WaitForTopLevelWindow(Caption::Exact("About Quillon"), kStartTimeoutMs, tuner_.Id());
    ASSERT_NE(about, nullptr) << "\"About\" opened no \"About Quillon\" window";
    ASSERT_TRUE(PressButton(about, "OK"));
    EXPECT_TRUE(PollUntil([&] { return IsEnabled(main_); }, kExitTimeoutMs));
}

}  // namespace
}  // namespace qn::e2e
