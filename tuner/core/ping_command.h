#pragma once
// The command lines that run the system's ping for the MTU search: through
// the command interpreter, which carries out the redirection into the
// transcript file.
#include <optional>
#include <string>

namespace qn {

// The payload of the warm-up ping: too large for any link, it only makes a
// dial-up connection come up before sizes are measured.
constexpr int kWarmUpPingSize = 9999;

// The host as it goes on the command line, spaces around it removed; empty
// when it is not a name or an address: anything the interpreter would read
// as a redirection, a pipe or a second command never reaches it.
std::optional<std::string> PingableHost(const std::string& typed);

// "<interpreter> /c ping -f -n 1 -l <size> <host>", with
// ` > "<outputFile>"` appended when outputFile is not empty. The interpreter
// is "cmd" on the NT family and "C:\command.com" otherwise.
std::string PingCommandLine(bool isWinNT, const std::string& host, int size,
                            const std::string& outputFile);

}  // namespace qn
