// Stands in for the Windows 9x command interpreter, placed as C:\command.com:
// "/c <command> [> file]" runs the command, its standard output going to the
// file (created or emptied first) when one is named, waits for it and ends
// with its exit code. Enough for the tuner's ping runs, nothing more.
#include <windows.h>

#include <cctype>
#include <string>

namespace {

std::string TrimSpaces(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// What follows the program's own name on its command line.
std::string ArgumentsOf(const char* commandLine) {
    const std::string line = commandLine;
    size_t at = 0;
    if (!line.empty() && line[0] == '"') {
        const auto close = line.find('"', 1);
        at = close == std::string::npos ? line.size() : close + 1;
    } else {
        at = line.find_first_of(" \t");
        if (at == std::string::npos) at = line.size();
    }
    return line.substr(at);
}

// Splits "<command> > target" at the first '>' outside quotes; target loses
// its quotes. False when a '>' names no file.
bool SplitRedirection(const std::string& text, std::string& command, std::string& target) {
    bool quoted = false;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '"') quoted = !quoted;
        if (text[i] != '>' || quoted) continue;
        command = TrimSpaces(text.substr(0, i));
        target = TrimSpaces(text.substr(i + 1));
        if (target.size() >= 2 && target.front() == '"' && target.back() == '"') {
            target = target.substr(1, target.size() - 2);
        }
        return !target.empty() && target.find('"') == std::string::npos;
    }
    command = TrimSpaces(text);
    target.clear();
    return true;
}

// Runs command (its program looked up beside this one first, as CreateProcess
// does) with output as its standard output; its exit code, or nonzero when it
// cannot start.
DWORD RunCommand(const std::string& command, HANDLE output) {
    std::string line = command;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = output;
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION info{};
    if (!CreateProcessA(nullptr, &line[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                        &info)) {
        return 9009;  // what the real interpreter reports for an unknown command
    }
    CloseHandle(info.hThread);
    WaitForSingleObject(info.hProcess, INFINITE);
    DWORD code = 1;
    GetExitCodeProcess(info.hProcess, &code);
    CloseHandle(info.hProcess);
    return code;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    const std::string arguments = TrimSpaces(ArgumentsOf(GetCommandLineA()));
    if (arguments.size() < 3 || arguments[0] != '/' || std::tolower(arguments[1]) != 'c' ||
        (arguments[2] != ' ' && arguments[2] != '\t')) {
        return 2;
    }
    std::string command;
    std::string target;
    if (!SplitRedirection(arguments.substr(3), command, target) || command.empty()) return 2;

    // Unredirected output would go to the real interpreter's hidden console,
    // which nobody reads; under Wine it would reach the test's own output.
    SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
    HANDLE output = CreateFileA(target.empty() ? "NUL" : target.c_str(), GENERIC_WRITE,
                                FILE_SHARE_READ | FILE_SHARE_WRITE, &inheritable, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (output == INVALID_HANDLE_VALUE) return 3;
    const DWORD code = RunCommand(command, output);
    CloseHandle(output);
    return static_cast<int>(code);
}
