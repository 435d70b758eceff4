// Console driver for shell scripts: the end-to-end operations as commands.
// Exit code 0 on success, 1 on failure, 2 on a usage error.
#include <windows.h>
#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "tests/e2e/driver/files.h"
#include "tests/e2e/driver/message_box.h"
#include "tests/e2e/driver/process.h"
#include "tests/e2e/driver/reg_fixture.h"
#include "tests/e2e/driver/registry_dump.h"
#include "tests/e2e/driver/screenshot.h"
#include "tests/e2e/driver/tray.h"
#include "tests/e2e/driver/window_finder.h"
#include "tests/e2e/driver/wine_prefix.h"

namespace qn::e2e {
namespace {

constexpr DWORD kDefaultTimeoutMs = 10000;

using Arguments = std::vector<std::string>;

struct Command {
    size_t minArgs;
    size_t maxArgs;
    const char* usage;
    std::function<bool(const Arguments&)> run;
};

DWORD TimeoutArg(const Arguments& args, size_t index) {
    return args.size() > index ? static_cast<DWORD>(std::strtoul(args[index].c_str(), nullptr, 10))
                               : kDefaultTimeoutMs;
}

// Scripts pass Unix paths; Windows paths are used as given.
std::string AsWindowsPath(const std::string& path) {
    return !path.empty() && path[0] == '/' ? UnixToWinePath(path) : path;
}

bool WaitWindow(const Arguments& args) {
    HWND window = WaitForTopLevelWindow(Caption::Prefix(args[0]), TimeoutArg(args, 1));
    if (window == nullptr) return false;
    std::printf("%s\n", WindowText(window).c_str());
    return true;
}

bool CloseWindow(const Arguments& args) {
    const auto windows = TopLevelWindows(Caption::Prefix(args[0]));
    if (windows.empty()) return false;
    for (HWND window : windows) PostMessageA(window, WM_CLOSE, 0, 0);
    return WaitForNoTopLevelWindow(WindowQuery{Caption::Prefix(args[0]), 0, "", true},
                                   TimeoutArg(args, 1));
}

bool KillWindows(const Arguments& args) {
    std::printf("%d\n", TerminateOwnersOfWindows(args[0]));
    return true;
}

bool Screenshot(const Arguments& args) {
    return SaveDesktopPng(AsWindowsPath(args[0]));
}

bool SetVersion(const Arguments& args) {
    return SetProgramWindowsVersion(args[0], args[1]);
}

bool ImportReg(const Arguments& args) {
    return ImportMachineRegFile(AsWindowsPath(args[0]));
}

bool ExportReg(const Arguments& args) {
    HKEY root = args[0] == "HKCU" ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE;
    const std::string text = ExportRegistryTree(root, args[1]);
    // The text ends its lines in CR LF already.
    std::fflush(stdout);
    _setmode(_fileno(stdout), _O_BINARY);
    std::fwrite(text.data(), 1, text.size(), stdout);
    return !text.empty();
}

bool AnswerBox(const Arguments& args) {
    HWND box = WaitForTopLevelWindow(WindowQuery{Caption::Prefix(""), 0, kDialogClass, true},
                                     TimeoutArg(args, 1));
    if (box == nullptr) return false;
    std::printf("%s\n", MessageBoxText(box).c_str());
    return PressButton(box, args[0]);
}

// Every child of the taskbar (start button, window buttons, tray icons).
bool ListTray(const Arguments&) {
    HWND tray = TrayWindow();
    if (tray == nullptr) return false;
    for (const TrayIcon& icon : TrayIcons()) {
        std::printf("icon %p at %ld,%ld\n", static_cast<void*>(icon.window), icon.at.x, icon.at.y);
    }
    for (HWND child : ChildWindows(tray)) {
        RECT rect{};
        GetWindowRect(child, &rect);
        std::printf("%p %s %s \"%s\" %ld,%ld-%ld,%ld\n", static_cast<void*>(child),
                    IsShown(child) ? "visible" : "hidden", ClassNameOf(child).c_str(),
                    WindowText(child).c_str(), rect.left, rect.top, rect.right, rect.bottom);
    }
    return true;
}

bool ListWindows(const Arguments&) {
    for (HWND window : TopLevelWindows(WindowQuery{Caption::Prefix(""), 0, "", false})) {
        RECT rect{};
        GetWindowRect(window, &rect);
        std::printf("%p pid=%lu %s %s \"%s\" %ld,%ld-%ld,%ld\n", static_cast<void*>(window),
                    static_cast<unsigned long>(WindowProcessId(window)),
                    IsShown(window) ? "visible" : "hidden", ClassNameOf(window).c_str(),
                    WindowText(window).c_str(), rect.left, rect.top, rect.right, rect.bottom);
    }
    return true;
}

const std::map<std::string, Command>& Commands() {
    static const std::map<std::string, Command> commands = {
        {"wait-window", {1, 2, "<caption-prefix> [timeout-ms]", WaitWindow}},
        {"close-window", {1, 2, "<caption-prefix> [timeout-ms]", CloseWindow}},
        {"kill-windows", {1, 1, "<caption-prefix>", KillWindows}},
        {"screenshot", {1, 1, "<file.png>", Screenshot}},
        {"set-version", {2, 2, "<exe-name> <win95|win98|winme|nt40|win2k|winxp>", SetVersion}},
        {"import-reg", {1, 1, "<file.reg>", ImportReg}},
        {"export-reg", {2, 2, "<HKLM|HKCU> <key>", ExportReg}},
        {"answer-box", {1, 2, "<button-caption> [timeout-ms]", AnswerBox}},
        {"tray-icons", {0, 0, "", ListTray}},
        {"list-windows", {0, 0, "", ListWindows}},
    };
    return commands;
}

int Usage() {
    std::fprintf(stderr, "usage:\n");
    for (const auto& [name, command] : Commands()) {
        std::fprintf(stderr, "  qdriver %s %s\n", name.c_str(), command.usage);
    }
    return 2;
}

}  // namespace
}  // namespace qn::e2e

int main(int argc, char** argv) {
    using namespace qn::e2e;
    if (argc < 2) return Usage();
    const auto found = Commands().find(argv[1]);
    if (found == Commands().end()) return Usage();
    const Arguments args(argv + 2, argv + argc);
    const Command& command = found->second;
    if (args.size() < command.minArgs || args.size() > command.maxArgs) return Usage();
    const bool ok = command.run(args);
    std::fflush(stdout);
    return ok ? 0 : 1;
}
