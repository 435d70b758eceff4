#pragma once
// What the hosts editor's end-to-end tests share: a tuner on a machine with a
// prepared hosts file, the way through the warning into the editor
// ("Quillon Local DNS"), what its list shows, the file it writes, and
// putting back every file and setting an edit touches.
#include <windows.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "tests/e2e/driver/control_input.h"
#include "tests/e2e/driver/files.h"
#include "tests/e2e/driver/multi_select_list.h"
#include "tests/e2e/driver/poll.h"
#include "tests/e2e/driver/registry_dump.h"
#include "tests/e2e/driver/saved_file.h"
#include "tests/e2e/driver/saved_registry_value.h"
#include "tests/e2e/driver/window_finder.h"
#include "tests/e2e/run_key.h"
#include "tests/e2e/tuner_machines.h"
#include "tests/e2e/tuner_session.h"
#include "version.h"

namespace qn::e2e {

constexpr const char* kWarningsKey = "Software\\Quillon\\Warnings";
constexpr const char* kWarningCaption = "Quillon - Warning";
constexpr const char* kEditorCaption = "Quillon Local DNS";
constexpr const char* kHostsButton = "Configure Hosts File";
constexpr const char* kCountCaption = "Total Number of entries in Hosts:";
constexpr const char* kRestoreQuestion =
    "Quillon exited without saving hosts.  Would you like to restore your previous hosts file?";
constexpr DWORD kFileTimeoutMs = 5000;

// An entry as the list shows it and the file holds it.
struct Entry {
    std::string address;
    std::string name;
    bool marked = false;
};

inline std::string Contents(const std::string& path) {
    std::string contents;
    return ReadWholeFile(path, contents) ? contents : "<none>";
}

inline bool WriteText(const std::string& path, const std::string& text) {
    return WriteWholeFile(path, std::vector<uint8_t>(text.begin(), text.end()));
}

inline std::vector<std::string> Names(const std::vector<Entry>& entries) {
    std::vector<std::string> names;
    for (const Entry& entry : entries) names.push_back(entry.name);
    return names;
}

inline std::vector<bool> Included(const std::vector<Entry>& entries) {
    std::vector<bool> included;
    for (const Entry& entry : entries) included.push_back(!entry.marked);
    return included;
}

inline std::string VersionText() {
    return std::to_string(QN_VERSION_MAJOR) + "." + std::to_string(QN_VERSION_MINOR) + "." +
           std::to_string(QN_VERSION_REVISION);
}

// A file the editor writes: the header with titleLine and the count the
// editor shows, then each entry with its name in column 19 (or one space and
// as many again as its address is longer than 17); self-named entries only
// when keepSelfNamed.
inline std::string Written(const std::string& titleLine, const std::vector<Entry>& entries,
                           bool keepSelfNamed) {
    const std::string rule(70, '#');
    std::string text = rule + "\r\n" + titleLine + "\r\n# http://www.quillon-project.org/\r\n" +
                       "# Saved with Quillon v" + VersionText() +
                       "\r\n# Number of Entries: " + std::to_string(entries.size()) + "\r\n" +
                       rule + "\r\n\r\n";
    for (const Entry& entry : entries) {
        if (entry.name == entry.address && !keepSelfNamed) continue;
        const int gap = std::abs(17 - static_cast<int>(entry.address.size()));
        text += entry.address + " " + std::string(static_cast<size_t>(gap), ' ') + entry.name +
                (entry.marked ? " #SKIP" : "") + "\r\n";
    }
    return text;
}

inline std::string WrittenHosts(const std::vector<Entry>& entries) {
    return Written("# Quillon Hosts File", entries, false);
}

// The files "Hosts as read <stamp>.txt" in the tuner's folder.
inline std::vector<std::string> ReadCopies() {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found{};
    HANDLE search = FindFirstFileA(BesideProgram("Hosts as read *.txt").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        names.push_back(found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    std::sort(names.begin(), names.end());
    return names;
}

// The read copies made since before was taken.
inline std::vector<std::string> ReadCopiesSince(const std::vector<std::string>& before) {
    std::vector<std::string> added;
    for (const std::string& name : ReadCopies()) {
        if (std::find(before.begin(), before.end(), name) == before.end()) added.push_back(name);
    }
    return added;
}

// The label a user reads beside caption: the nearest static control to its
// right on the same row.
inline HWND LabelRightOf(HWND window, const std::string& caption) {
    HWND label = FindChild(window, Caption::Exact(caption), "Static");
    if (label == nullptr) return nullptr;
    RECT of{};
    GetWindowRect(label, &of);
    const LONG middle = (of.top + of.bottom) / 2;
    HWND nearest = nullptr;
    LONG nearestLeft = LONG_MAX;
    for (HWND child : ChildWindows(window)) {
        if (child == label || lstrcmpiA(ClassNameOf(child).c_str(), "Static") != 0) continue;
        RECT box{};
        GetWindowRect(child, &box);
        if (box.top <= middle && middle < box.bottom && box.left >= of.right &&
            box.left < nearestLeft) {
            nearest = child;
            nearestLeft = box.left;
        }
    }
    return nearest;
}

// A tuner on the machine the parameter names, with the prepared hosts file
// and the editor's warning shown; files and settings put back afterwards.
class TunerHostsSession : public TunerRunOnMachine {
  protected:
    void SetUp() override {
        TunerRunOnMachine::SetUp();
        if (IsSkipped() || HasFatalFailure()) return;
        for (const std::string& path : WorkingFiles()) DeleteFileA(path.c_str());
        readCopiesBefore_ = ReadCopies();
        ASSERT_TRUE(WriteText(hosts_, PreparedHosts())) << hosts_;
        ASSERT_TRUE(WriteRegistryString(HKEY_CURRENT_USER, kWarningsKey, "hosts", "0"));
    }

    void TearDown() override {
        if (editor_ != nullptr && IsWindow(editor_)) PostMessageA(editor_, WM_CLOSE, 0, 0);
        TunerRunOnMachine::TearDown();
        tuner_.Terminate();
        for (const std::string& path : WorkingFiles()) DeleteFileA(path.c_str());
        for (const std::string& name : NewReadCopies()) DeleteFileA(BesideProgram(name).c_str());
    }

    // The hosts file the test starts from.
    virtual std::string PreparedHosts() const = 0;

    // What an edit leaves in the tuner's folder and beside the hosts file,
    // and where the hosts switch puts the file when a tuner that started
    // without one is closed; a test adds the files it makes.
    virtual std::vector<std::string> WorkingFiles() const {
        return {localCopy_, backupCopy_, hosts_ + ".new", BesideProgram("Disabled Hosts.qlh")};
    }

    std::vector<std::string> NewReadCopies() const { return ReadCopiesSince(readCopiesBefore_); }

    void Start() {
        ASSERT_NO_FATAL_FAILURE(StartClassic());
        hostsButton_ = FindButton(main_, kHostsButton);
        ASSERT_NE(hostsButton_, nullptr) << "no single \"" << kHostsButton << "\" button";
    }

    // A start after the tuner was killed.
    void Restart() {
        tuner_ = Process();
        main_ = nullptr;
        editor_ = nullptr;
        ASSERT_NO_FATAL_FAILURE(Start());
    }

    HWND WaitForWarning() {
        HWND warning =
            WaitForTopLevelWindow(Caption::Exact(kWarningCaption), kStartTimeoutMs, tuner_.Id());
        EXPECT_NE(warning, nullptr) << "no \"" << kWarningCaption << "\" window";
        return warning;
    }

    // The warning as it shows while it is not turned off; its check box.
    HWND ExpectWarning(HWND warning) {
        if (warning == nullptr) return nullptr;
        EXPECT_NE(FindChild(warning, Caption::Exact("Hosts File Warning"), "Static"), nullptr);
        EXPECT_NE(FindButton(warning, "Ok"), nullptr);
        HWND always = FindButton(warning, "Always show warning");
        EXPECT_TRUE(always != nullptr && IsChecked(always))
            << "\"Always show warning\" is missing or clear";
        EXPECT_TRUE(PollUntil([&] { return !IsShown(main_); }, kFileTimeoutMs))
            << "the main window stayed up behind the warning";
        return always;
    }

    // Passes the warning with its Ok button and waits for the editor; when
    // an unfinished edit is offered back, takes it.
    void PassWarning(HWND warning, bool offered = false) {
        ASSERT_NE(warning, nullptr);
        ASSERT_TRUE(PressButton(warning, "Ok"));
        if (offered) AnswerMessageBox(tuner_, kRestoreQuestion, {"Yes", "No"}, "Yes");
        ASSERT_NO_FATAL_FAILURE(WaitForEditor());
    }

    void WaitForEditor() {
        editor_ =
            WaitForTopLevelWindow(Caption::Exact(kEditorCaption), kStartTimeoutMs, tuner_.Id());
        ASSERT_NE(editor_, nullptr) << "no \"" << kEditorCaption << "\" window";
        std::vector<HWND> lists;
        for (HWND child : ChildWindows(editor_)) {
            if (lstrcmpiA(ClassNameOf(child).c_str(), "ListBox") == 0) lists.push_back(child);
        }
        list_ = OnlyOne(lists);
        count_ = LabelRightOf(editor_, kCountCaption);
        ASSERT_TRUE(list_ != nullptr && count_ != nullptr) << "no single list or entry count";
    }

    // Opens the editor with the hosts button, through the warning.
    void OpenEditor(bool offered = false) {
        ASSERT_TRUE(PollUntil([&] { return IsEnabled(hostsButton_); }, kFileTimeoutMs))
            << "\"" << kHostsButton << "\" is disabled";
        Click(hostsButton_);
        HWND warning = WaitForWarning();
        ExpectWarning(warning);
        ASSERT_NO_FATAL_FAILURE(PassWarning(warning, offered));
    }

    // The list shows entries, selected where included, and the count
    // label their number; the list may still be filling.
    void ExpectList(const std::vector<Entry>& entries, const std::string& when) {
        const std::vector<std::string> names = Names(entries);
        const std::vector<bool> included = Included(entries);
        const std::string count = std::to_string(entries.size());
        PollUntil(
            [&] {
                return ListItems(list_) == names && ItemSelections(list_) == included &&
                       WindowText(count_) == count;
            },
            kFileTimeoutMs);
        EXPECT_EQ(ListItems(list_), names) << when;
        EXPECT_EQ(ItemSelections(list_), included) << when;
        EXPECT_EQ(WindowText(count_), count) << when;
    }

    // While the editor is open the hosts file is away and the tuner's folder
    // holds it twice as it was read.
    void ExpectTaken(const std::string& read, const std::string& when) {
        EXPECT_FALSE(FileExists(hosts_)) << when;
        EXPECT_EQ(Contents(localCopy_), read) << when;
        EXPECT_EQ(Contents(backupCopy_), read) << when;
        EXPECT_FALSE(IsShown(main_)) << "the main window shows beside the editor " << when;
    }

    // The editor has gone, leaving hosts as the hosts file, no working copy,
    // and the main window up again.
    void ExpectClosedWith(const std::string& hosts, const std::string& when) {
        EXPECT_TRUE(
            PollUntil([&] { return !IsWindow(editor_) || !IsShown(editor_); }, kFileTimeoutMs))
            << "the editor stayed " << when;
        EXPECT_TRUE(PollUntil([&] { return IsShown(main_); }, kFileTimeoutMs))
            << "no main window " << when;
        PollUntil([&] { return Contents(hosts_) == hosts && !FileExists(backupCopy_); },
                  kFileTimeoutMs);
        EXPECT_EQ(Contents(hosts_), hosts) << when;
        EXPECT_FALSE(FileExists(localCopy_)) << when;
        EXPECT_FALSE(FileExists(backupCopy_)) << when;
        EXPECT_FALSE(FileExists(hosts_ + ".new")) << when;
    }

    void Press(const std::string& caption) {
        HWND button = FindButton(editor_, caption);
        ASSERT_NE(button, nullptr) << "no \"" << caption << "\" button";
        Click(button);
    }

    void Choose(const std::vector<std::string>& path) {
        ASSERT_TRUE(ChooseMenuItem(editor_, path)) << path.back() << " cannot be chosen";
    }

    const std::string hosts_ = HostsPathOn(GetParam());
    const std::string localCopy_ = BesideProgram("localhosts.dat");
    const std::string backupCopy_ = BesideProgram("hostsbackup.dat");
    const SavedFile savedHosts_{hosts_};
    const SavedRegistryValue savedWarning_{HKEY_CURRENT_USER, kWarningsKey, "hosts"};
    const SavedRegistryValue savedRun_{HKEY_LOCAL_MACHINE, kRunKey, kReminderRunValue};
    std::vector<std::string> readCopiesBefore_;
    HWND hostsButton_ = nullptr;
    HWND editor_ = nullptr;
    HWND list_ = nullptr;
    HWND count_ = nullptr;
};

}  // namespace qn::e2e
