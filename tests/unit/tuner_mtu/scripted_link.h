#pragma once
// A dial-up link for the MaxMTU finder's tests: every interpreter-run ping
// the tuner starts ends after a few polls and leaves a Windows 98 transcript
// in the file it is redirected to.
#include <functional>
#include <string>
#include <vector>

#include "platform/memory/memory_file_system.h"
#include "platform/memory/memory_processes.h"

namespace qn::testing {

struct ScriptedLink {
    int largestPayload = 1472;
    bool hostKnown = true;
    // Every size pinged with its transcript redirected, in order.
    std::vector<int> pinged;
    // The command lines without redirection (the warm-up).
    std::vector<std::string> unredirected;
    // Runs once a ping's transcript is written, with its size.
    std::function<void(int size)> afterPing;
};

// Scripts "C:\command.com /c ping" on processes: each run reads as still
// active for pollsPerPing exit-code reads and exits with code 1, which real
// ping gives without a reply, and which must count as finished all the same.
void ScriptLink(MemoryProcesses& processes, MemoryFileSystem& files, ScriptedLink& link,
                int pollsPerPing = 2);

}  // namespace qn::testing
