#pragma once
// The words the tuner accepts on its command line.
#include <string>

namespace qn {

enum class CommandLineWord { None, Splash, Classic, Wizard };

// "splash" counts only exactly so (a log-on run); "classic" and "wizard" in
// any case.
CommandLineWord ParseCommandLine(const std::string& commandLine);

}  // namespace qn
