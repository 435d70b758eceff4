// Stands in for the Windows 98 ping, placed as C:\ping.exe beside the
// command interpreter's stand-in: "-f -n 1 -l <size> <host>" prints one
// probe's transcript in that Windows' layout. Sizes up to a limit get a reply,
// larger ones "needs to be fragmented"; a host ending in ".invalid" is
// unknown. ping-stand-in.txt beside it may set the limit (line 1) and the
// delay before answering in milliseconds (line 2).
#include <windows.h>

#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr const char* kStandInAddress = "10.1.2.3";

struct PingStandInConfig {
    unsigned long limit = 1472;
    unsigned long delayMs = 100;
};

// A whole decimal number; false for anything else.
bool ParseCount(const std::string& text, unsigned long& value) {
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos) return false;
    value = std::strtoul(text.c_str(), nullptr, 10);
    return true;
}

PingStandInConfig ReadConfig() {
    PingStandInConfig config;
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return config;
    std::string file(path, length);
    file = file.substr(0, file.find_last_of('\\') + 1) + "ping-stand-in.txt";
    HANDLE handle = CreateFileA(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return config;
    char buffer[256] = {};
    DWORD read = 0;
    ReadFile(handle, buffer, sizeof buffer - 1, &read, nullptr);
    CloseHandle(handle);
    std::istringstream lines(std::string(buffer, read));
    std::string line;
    unsigned long number = 0;
    if (std::getline(lines, line) && ParseCount(line.substr(0, line.find('\r')), number)) {
        config.limit = number;
    }
    if (std::getline(lines, line) && ParseCount(line.substr(0, line.find('\r')), number)) {
        config.delayMs = number;
    }
    return config;
}

std::vector<std::string> SplitWords(const std::string& text) {
    std::istringstream words(text);
    std::vector<std::string> split;
    for (std::string word; words >> word;) split.push_back(word);
    return split;
}

// Reads "[-f] [-n count] [-l size] host" (the program's name first); false
// for anything else.
bool ParsePingArguments(const std::vector<std::string>& words, unsigned long& size,
                        std::string& host) {
    size = 32;
    host.clear();
    unsigned long count = 0;
    for (size_t i = 1; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (word == "-f") continue;
        if (word == "-n" || word == "-l") {
            if (i + 1 == words.size() || !ParseCount(words[++i], word == "-n" ? count : size)) {
                return false;
            }
            continue;
        }
        if (word[0] == '-' || !host.empty()) return false;
        host = word;
    }
    return !host.empty();
}

bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

std::string Transcript(const std::string& host, unsigned long size, bool replied) {
    const std::string address = kStandInAddress;
    std::string text = "\r\nPinging " + host + " [" + address + "] with " + std::to_string(size) +
                       " bytes of data:\r\n\r\n";
    text += replied ? "Reply from " + address + ": bytes=" + std::to_string(size) +
                          " time=120ms TTL=54\r\n"
                    : "Packet needs to be fragmented but DF set.\r\n";
    text += "\r\nPing statistics for " + address + ":\r\n";
    text += replied ? "    Packets: Sent = 1, Received = 1, Lost = 0 (0% loss),\r\n"
                      "Approximate round trip times in milli-seconds:\r\n"
                      "    Minimum = 120ms, Maximum = 120ms, Average = 120ms\r\n"
                    : "    Packets: Sent = 1, Received = 0, Lost = 1 (100% loss),\r\n";
    return text;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    unsigned long size = 0;
    std::string host;
    if (!ParsePingArguments(SplitWords(GetCommandLineA()), size, host)) return 2;
    const PingStandInConfig config = ReadConfig();
    Sleep(config.delayMs);

    const bool known = !EndsWith(host, ".invalid");
    const bool replied = known && size <= config.limit;
    const std::string text =
        known ? Transcript(host, size, replied) : "Unknown host " + host + ".\r\n";
    // Without redirection there may be no standard output: the run still counts.
    HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
    if (output != nullptr && output != INVALID_HANDLE_VALUE) {
        DWORD written = 0;
        WriteFile(output, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    }
    return replied ? 0 : 1;
}
