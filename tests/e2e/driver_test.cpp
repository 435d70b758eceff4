#include <windows.h>
#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <functional>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "tests/e2e/driver/control_input.h"
#include "tests/e2e/driver/files.h"
#include "tests/e2e/driver/menus.h"
#include "tests/e2e/driver/message_box.h"
#include "tests/e2e/driver/png_writer.h"
#include "tests/e2e/driver/poll.h"
#include "tests/e2e/driver/process.h"
#include "tests/e2e/driver/registry_dump.h"
#include "tests/e2e/driver/screenshot.h"
#include "tests/e2e/driver/window_finder.h"
#include "tests/e2e/driver/wine_prefix.h"

namespace qn::e2e {
namespace {

uint32_t BigEndian32(const std::vector<uint8_t>& data, size_t at) {
    return (uint32_t{data[at]} << 24) | (uint32_t{data[at + 1]} << 16) |
           (uint32_t{data[at + 2]} << 8) | data[at + 3];
}

struct Chunk {
    std::string type;
    std::vector<uint8_t> data;
    bool crcOk;
};

std::vector<Chunk> ReadChunks(const std::vector<uint8_t>& png) {
    std::vector<Chunk> chunks;
    for (size_t at = 8; at + 12 <= png.size();) {
        const uint32_t length = BigEndian32(png, at);
        Chunk chunk;
        chunk.type.assign(png.begin() + at + 4, png.begin() + at + 8);
        chunk.data.assign(png.begin() + at + 8, png.begin() + at + 8 + length);
        chunk.crcOk = Crc32(&png[at + 4], length + 4) == BigEndian32(png, at + 8 + length);
        chunks.push_back(chunk);
        at += 12 + length;
    }
    return chunks;
}

// Undoes the stored-block zlib stream; fails the test on a malformed one.
std::vector<uint8_t> InflateStored(const std::vector<uint8_t>& zlib) {
    std::vector<uint8_t> raw;
    EXPECT_EQ((zlib[0] * 256 + zlib[1]) % 31, 0) << "zlib header check bits";
    size_t at = 2;
    for (bool last = false; !last;) {
        last = zlib.at(at) & 1;
        EXPECT_EQ(zlib[at] >> 1, 0) << "block type must be stored";
        const unsigned length = zlib[at + 1] | (zlib[at + 2] << 8);
        const unsigned complement = zlib[at + 3] | (zlib[at + 4] << 8);
        EXPECT_EQ(length ^ 0xFFFFu, complement);
        raw.insert(raw.end(), zlib.begin() + at + 5, zlib.begin() + at + 5 + length);
        at += 5 + length;
    }
    EXPECT_EQ(BigEndian32(zlib, at), Adler32(raw.data(), raw.size()));
    EXPECT_EQ(at + 4, zlib.size());
    return raw;
}

RgbImage Gradient(uint32_t width, uint32_t height) {
    RgbImage image{width, height, {}};
    for (uint32_t i = 0; i < width * height * 3; ++i) image.pixels.push_back(uint8_t(i * 7));
    return image;
}

TEST(PngWriter, ChecksumsMatchTheirPublishedCheckValues) {
    const char* digits = "123456789";
    EXPECT_EQ(Crc32(reinterpret_cast<const uint8_t*>(digits), 9), 0xCBF43926u);
    const char* word = "Wikipedia";
    EXPECT_EQ(Adler32(reinterpret_cast<const uint8_t*>(word), 9), 0x11E60398u);
    EXPECT_EQ(Adler32(nullptr, 0), 1u);
}

TEST(PngWriter, WritesSignatureHeaderAndValidChunks) {
    const auto png = EncodePng(Gradient(3, 2));
    const uint8_t signature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    ASSERT_GT(png.size(), 8u);
    EXPECT_EQ(std::memcmp(png.data(), signature, 8), 0);
    const auto chunks = ReadChunks(png);
    ASSERT_EQ(chunks.size(), 3u);
    EXPECT_EQ(chunks[0].type, "IHDR");
    EXPECT_EQ(chunks[1].type, "IDAT");
    EXPECT_EQ(chunks[2].type, "IEND");
    for (const auto& chunk : chunks) EXPECT_TRUE(chunk.crcOk) << chunk.type;
    const std::vector<uint8_t> header = {0, 0, 0, 3, 0, 0, 0, 2, 8, 2, 0, 0, 0};
    EXPECT_EQ(chunks[0].data, header);
}

TEST(PngWriter, ImageDataRoundTripsAcrossSeveralStoredBlocks) {
    // 200 x 200 pixels are 120,200 filtered bytes: two stored blocks.
    const RgbImage image = Gradient(200, 200);
    const auto chunks = ReadChunks(EncodePng(image));
    ASSERT_EQ(chunks.size(), 3u);
    const auto raw = InflateStored(chunks[1].data);
    ASSERT_EQ(raw.size(), 200u * (200 * 3 + 1));
    for (uint32_t y = 0; y < 200; ++y) {
        const size_t row = y * (200 * 3 + 1);
        ASSERT_EQ(raw[row], 0) << "filter byte of row " << y;
        ASSERT_EQ(std::memcmp(&raw[row + 1], &image.pixels[y * 600], 600), 0) << "row " << y;
    }
}

class RegistryTools : public ::testing::Test {
  protected:
    const std::string key_ = "Software\\QuillonE2EDriverTest";
    void TearDown() override { DeleteRegistryTree(HKEY_CURRENT_USER, key_); }
};

TEST_F(RegistryTools, ExportListsValuesAndSubKeysInOrder) {
    ASSERT_TRUE(WriteRegistryString(HKEY_CURRENT_USER, key_, "Name", "value"));
    ASSERT_TRUE(WriteRegistryString(HKEY_CURRENT_USER, key_ + "\\Sub", "", "default"));
    const std::string path = "HKEY_CURRENT_USER\\" + key_;
    EXPECT_EQ(ExportRegistryTree(HKEY_CURRENT_USER, key_),
              "REGEDIT4\r\n\r\n[" + path + "]\r\n\"Name\"=\"value\"\r\n\r\n[" + path +
                  "\\Sub]\r\n@=\"default\"\r\n\r\n");
    ASSERT_TRUE(DeleteRegistryTree(HKEY_CURRENT_USER, key_));
    EXPECT_FALSE(RegistryKeyExists(HKEY_CURRENT_USER, key_));
    EXPECT_EQ(ExportRegistryTree(HKEY_CURRENT_USER, key_), "");
}

TEST_F(RegistryTools, ImportsARegedit4FileThroughWineReg) {
    char folder[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, folder);
    const std::string file = std::string(folder) + "qn-e2e-import.reg";
    const std::string text = "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\" + key_ +
                             "]\r\n\"MTU\"=dword:00000240\r\n\"Text\"=\"576\"\r\n";
    ASSERT_TRUE(WriteWholeFile(file, std::vector<uint8_t>(text.begin(), text.end())));
    EXPECT_TRUE(ImportRegFile(file));
    DWORD mtu = 0;
    EXPECT_TRUE(ReadRegistryDword(HKEY_CURRENT_USER, key_, "MTU", mtu));
    EXPECT_EQ(mtu, 576u);
    std::string value;
    EXPECT_TRUE(ReadRegistryString(HKEY_CURRENT_USER, key_, "Text", value));
    EXPECT_EQ(value, "576");
    DeleteFileA(file.c_str());
    EXPECT_FALSE(ImportRegFile(file)) << "a missing file must fail the import";
}

TEST_F(RegistryTools, ProgramWindowsVersionIsSetAndCleared) {
    ASSERT_TRUE(SetProgramWindowsVersion("qn-e2e-probe.exe", "win98"));
    EXPECT_EQ(ProgramWindowsVersion("qn-e2e-probe.exe"), "win98");
    ASSERT_TRUE(ClearProgramWindowsVersion("qn-e2e-probe.exe"));
    EXPECT_EQ(ProgramWindowsVersion("qn-e2e-probe.exe"), "");
}

TEST(ProcessControl, ReportsExitCodesAndEndsLeftovers) {
    EXPECT_EQ(RunAndWait("cmd.exe /c exit 7", 10000), 7);
    EXPECT_EQ(RunAndWait("no-such-program-qn.exe", 10000), -1);

    Process waiting;
    ASSERT_TRUE(waiting.Start(BesideProgram("qdriver.exe"), "wait-window NoSuchWindowQn 30000"));
    EXPECT_TRUE(waiting.Running());
    EXPECT_EQ(waiting.ExitCode(), static_cast<DWORD>(STILL_ACTIVE));
    EXPECT_FALSE(waiting.WaitForExit(100));
    HANDLE handle = nullptr;
    DuplicateHandle(GetCurrentProcess(), waiting.Handle(), GetCurrentProcess(), &handle, 0, FALSE,
                    DUPLICATE_SAME_ACCESS);
    waiting.Terminate();
    EXPECT_EQ(WaitForSingleObject(handle, 0), WAIT_OBJECT_0);
    CloseHandle(handle);

    Process usage;
    ASSERT_TRUE(usage.Start(BesideProgram("qdriver.exe")));
    EXPECT_TRUE(usage.WaitForExit(10000));
    EXPECT_EQ(usage.ExitCode(), 2u) << "qdriver without a command is a usage error";
}

TEST(Dialogs, MessageBoxTextIsReadAndItsButtonPressed) {
    int answer = 0;
    std::thread asker([&] { answer = MessageBoxA(nullptr, "Proceed?", "Probe", MB_YESNO); });
    HWND box = WaitForDialog(GetCurrentProcessId(), 5000);
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(IsMessageBox(box));
    EXPECT_EQ(MessageBoxText(box), "Proceed?");
    EXPECT_EQ(WindowText(box), "Probe");
    EXPECT_FALSE(PressButton(box, "Maybe"));
    EXPECT_TRUE(PressButton(box, "No"));
    asker.join();
    EXPECT_EQ(answer, IDNO);
}

TEST(Dialogs, MnemonicMarkersAreIgnoredInCaptions) {
    EXPECT_EQ(WithoutMnemonics("E&xit"), "Exit");
    EXPECT_EQ(WithoutMnemonics("Save && Quit"), "Save & Quit");
    EXPECT_EQ(WithoutMnemonics("Trailing&"), "Trailing");
}

// Windows on a thread of their own, as another program's would be: create()
// makes them there, and the thread runs their message loop until Stop, which
// destroys the window create() returned.
class WindowThread {
  public:
    WindowThread() = default;
    WindowThread(const WindowThread&) = delete;
    WindowThread& operator=(const WindowThread&) = delete;
    ~WindowThread() { Stop(); }

    // Registers the window class; true once create() has run.
    bool Start(const char* className, WNDPROC proc, std::function<HWND()> create) {
        ready_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
        thread_ = std::thread([this, className, proc, create] {
            WNDCLASSA windowClass{};
            windowClass.lpfnWndProc = proc;
            windowClass.hInstance = GetModuleHandleA(nullptr);
            windowClass.lpszClassName = className;
            RegisterClassA(&windowClass);
            HWND top = create();
            threadId_ = GetCurrentThreadId();
            SetEvent(ready_);
            MSG msg;
            while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
            DestroyWindow(top);
        });
        return WaitForSingleObject(ready_, 5000) == WAIT_OBJECT_0;
    }

    void Stop() {
        if (!thread_.joinable()) return;
        PostThreadMessageA(threadId_, WM_QUIT, 0, 0);
        thread_.join();
        CloseHandle(ready_);
    }

  private:
    HANDLE ready_ = nullptr;
    std::thread thread_;
    std::atomic<DWORD> threadId_{0};
};

// A window with a combo box on a thread of its own, counting the selection
// notifications that reach the parent.
class ComboFixture : public ::testing::Test {
  protected:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_COMMAND && HIWORD(wParam) == CBN_SELCHANGE) ++selChanges_;
        return DefWindowProcA(window, message, wParam, lParam);
    }

    void SetUp() override {
        selChanges_ = 0;
        ASSERT_TRUE(ui_.Start("QnE2EComboProbe", Proc, [this] {
            parent_ = CreateWindowA("QnE2EComboProbe", "Combo probe", WS_OVERLAPPEDWINDOW, 0, 0,
                                    300, 200, nullptr, nullptr, nullptr, nullptr);
            combo_ =
                CreateWindowA("ComboBox", "", WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, 10, 10, 200,
                              100, parent_, reinterpret_cast<HMENU>(42), nullptr, nullptr);
            for (const char* item : {"576", "1500"}) {
                SendMessageA(combo_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
            }
            return parent_;
        }));
    }

    void TearDown() override { ui_.Stop(); }

    static inline int selChanges_ = 0;
    WindowThread ui_;
    HWND parent_ = nullptr;
    HWND combo_ = nullptr;
};

TEST_F(ComboFixture, SelectingNotifiesTheParentAndItemsAreRead) {
    EXPECT_EQ(ComboItems(combo_), (std::vector<std::string>{"576", "1500"}));
    EXPECT_EQ(FindChildById(parent_, 42), combo_);
    ASSERT_TRUE(SelectComboItem(combo_, 1));
    EXPECT_EQ(SelectedIndex(combo_), 1);
    EXPECT_EQ(selChanges_, 1);
    EXPECT_FALSE(SelectComboItem(combo_, 5));
    EXPECT_EQ(selChanges_, 1);
}

// A window with text boxes and a menu bar on a thread of its own; its window
// procedure records what a program would see: each EN_CHANGE with the text
// at that moment, and the last menu command.
class TextAndMenuFixture : public ::testing::Test {
  protected:
    static constexpr int kSingleLineId = 7;
    static constexpr int kMultiLineId = 8;
    static constexpr UINT kOpenId = 100;
    static constexpr UINT kGrayedId = 101;
    static constexpr UINT kCheckedId = 102;

    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_COMMAND && HIWORD(wParam) == EN_CHANGE) {
            const int id = LOWORD(wParam);
            ++changes_[id];
            char text[256] = {};
            GetWindowTextA(reinterpret_cast<HWND>(lParam), text, sizeof(text));
            textAtChange_[id] = text;
        } else if (message == WM_COMMAND && HIWORD(wParam) == 0 && lParam == 0) {
            menuCommand_ = LOWORD(wParam);
        }
        return DefWindowProcA(window, message, wParam, lParam);
    }

    static HMENU BuildMenuBar() {
        HMENU file = CreatePopupMenu();
        AppendMenuA(file, MF_STRING, kOpenId, "&Open\tCtrl+O");
        AppendMenuA(file, MF_SEPARATOR, 0, nullptr);
        AppendMenuA(file, MF_STRING | MF_GRAYED, kGrayedId, "&Grayed");
        HMENU view = CreatePopupMenu();
        AppendMenuA(view, MF_STRING | MF_CHECKED, kCheckedId, "Save && &Check");
        HMENU bar = CreateMenu();
        AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), "&File");
        AppendMenuA(file, MF_POPUP, reinterpret_cast<UINT_PTR>(view), "&View");
        return bar;
    }

    void SetUp() override {
        changes_.clear();
        textAtChange_.clear();
        menuCommand_ = 0;
        ASSERT_TRUE(ui_.Start("QnE2ETextProbe", Proc, [this] {
            parent_ = CreateWindowA("QnE2ETextProbe", "Text probe", WS_OVERLAPPEDWINDOW, 0, 0, 300,
                                    200, nullptr, BuildMenuBar(), nullptr, nullptr);
            singleLine_ = CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "old", WS_CHILD | WS_VISIBLE,
                                          10, 10, 200, 24, parent_,
                                          reinterpret_cast<HMENU>(kSingleLineId), nullptr, nullptr);
            multiLine_ = CreateWindowExA(
                WS_EX_CLIENTEDGE, "EDIT", "", WS_CHILD | WS_VISIBLE | ES_MULTILINE, 10, 40, 200, 60,
                parent_, reinterpret_cast<HMENU>(kMultiLineId), nullptr, nullptr);
            return parent_;
        }));
        ASSERT_NE(singleLine_, nullptr);
        ASSERT_NE(multiLine_, nullptr);
    }

    void TearDown() override { ui_.Stop(); }

    static inline std::map<int, int> changes_;
    static inline std::map<int, std::string> textAtChange_;
    static inline std::atomic<UINT> menuCommand_{0};
    WindowThread ui_;
    HWND parent_ = nullptr;
    HWND singleLine_ = nullptr;
    HWND multiLine_ = nullptr;
};

// A program reacts to each EN_CHANGE: exactly one per typed text, sent once
// the control holds the new text, in both kinds of text box.
TEST_F(TextAndMenuFixture, TypedTextReachesTheBoxAndTheParentOnce) {
    SetEditText(singleLine_, "1500");
    EXPECT_EQ(WindowText(singleLine_), "1500");
    EXPECT_EQ(changes_[kSingleLineId], 1);
    EXPECT_EQ(textAtChange_[kSingleLineId], "1500");

    SetEditText(singleLine_, "");
    EXPECT_EQ(WindowText(singleLine_), "");
    EXPECT_EQ(changes_[kSingleLineId], 2);
    EXPECT_EQ(textAtChange_[kSingleLineId], "");

    SetEditText(multiLine_, "first\r\nsecond");
    EXPECT_EQ(WindowText(multiLine_), "first\r\nsecond");
    EXPECT_EQ(changes_[kMultiLineId], 1);
    EXPECT_EQ(textAtChange_[kMultiLineId], "first\r\nsecond");
    EXPECT_EQ(changes_[kSingleLineId], 2) << "the other box must not be notified";
}

TEST_F(TextAndMenuFixture, MenuTreeKeepsCaptionsStatesAndNesting) {
    bool read = false;
    const std::vector<MenuEntry> tree = MenuTree(parent_, &read);
    ASSERT_TRUE(read);
    ASSERT_EQ(tree.size(), 1u);
    EXPECT_EQ(tree[0].caption, "&File");
    EXPECT_TRUE(tree[0].popup);
    const std::vector<MenuEntry>& file = tree[0].items;
    ASSERT_EQ(file.size(), 4u);
    EXPECT_EQ(file[0].caption, "&Open\tCtrl+O");
    EXPECT_EQ(file[0].id, kOpenId);
    EXPECT_TRUE(file[1].IsSeparator());
    EXPECT_TRUE(file[2].Grayed());
    EXPECT_FALSE(file[0].Grayed());
    ASSERT_EQ(file[3].items.size(), 1u);
    EXPECT_EQ(file[3].items[0].caption, "Save && &Check");
    EXPECT_TRUE(file[3].items[0].Checked());

    EXPECT_EQ(FindMenuEntry(tree, {"File", "View", "Save & Check"}), &file[3].items[0]);
    EXPECT_EQ(FindMenuEntry(tree, {"&File", "Open"}), &file[0]) << "the hint is not matched";
    EXPECT_EQ(FindMenuEntry(tree, {"File", "Missing"}), nullptr);
    EXPECT_TRUE(MenuTree(singleLine_, &read).empty()) << "a control has no menu bar";
    EXPECT_TRUE(read);
}

TEST_F(TextAndMenuFixture, ChoosingAMenuItemSendsItsCommand) {
    EXPECT_FALSE(ChooseMenuItem(parent_, {"File", "Grayed"}));
    EXPECT_FALSE(ChooseMenuItem(parent_, {"File", "View"}));
    ASSERT_TRUE(ChooseMenuItem(parent_, {"&File", "&View", "Save && &Check"}));
    EXPECT_TRUE(PollUntil([] { return menuCommand_ == kCheckedId; }, 5000))
        << "last command " << menuCommand_;
    ASSERT_TRUE(ChooseMenuItem(parent_, {"File", "Open"}));
    EXPECT_TRUE(PollUntil([] { return menuCommand_ == kOpenId; }, 5000));
}

TEST(Screenshots, DesktopCaptureCoversTheWholeDesktop) {
    const RgbImage image = CaptureDesktop();
    RECT desktop{};
    GetWindowRect(GetDesktopWindow(), &desktop);
    EXPECT_EQ(image.width, static_cast<uint32_t>(desktop.right - desktop.left));
    EXPECT_EQ(image.height, static_cast<uint32_t>(desktop.bottom - desktop.top));
    ASSERT_EQ(image.pixels.size(), size_t{image.width} * image.height * 3);
    const std::string path = SaveNamedScreenshot("driver-desktop");
    ASSERT_FALSE(path.empty());
    std::string contents;
    ASSERT_TRUE(ReadWholeFile(path, contents));
    EXPECT_EQ(contents.compare(1, 3, "PNG"), 0);
}

}  // namespace
}  // namespace qn::e2e
