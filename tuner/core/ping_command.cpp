#include "tuner/core/ping_command.h"

#include "support/trim.h"

namespace qn {

namespace {

bool IsHostCharacter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' ||
           c == '-' || c == '_';
}

}  // namespace

std::optional<std::string> PingableHost(const std::string& typed) {
    std::string host = TrimSpaces(typed);
    // A leading "-" would make ping read it as an option ("-t": ping forever).
    if (host.empty() || host.front() == '-') return std::nullopt;
    for (char c : host) {
        if (!IsHostCharacter(c)) return std::nullopt;
    }
    return host;
}

std::string PingCommandLine(bool isWinNT, const std::string& host, int size,
                            const std::string& outputFile) {
    std::string command = isWinNT ? "cmd" : "C:\\command.com";
    command += " /c ping -f -n 1 -l " + std::to_string(size) + " " + host;
    if (!outputFile.empty()) command += " > \"" + outputFile + "\"";
    return command;
}

}  // namespace qn
