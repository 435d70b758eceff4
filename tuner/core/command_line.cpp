#include "tuner/core/command_line.h"

#include "support/ansi_case.h"
#include "support/trim.h"

namespace qn {

CommandLineWord ParseCommandLine(const std::string& commandLine) {
    const std::string word = TrimSpaces(commandLine);
    if (word == "splash") return CommandLineWord::Splash;
    const std::string lower = ToLowerAnsi(word);
    if (lower == "classic") return CommandLineWord::Classic;
    if (lower == "wizard") return CommandLineWord::Wizard;
    return CommandLineWord::None;
}

}  // namespace qn
