#include <cstdlib>

#include "tests/unit/tuner_mtu/scripted_link.h"

namespace qn::testing {

namespace {

std::string Windows98Transcript(const std::string& host, int size, bool fits) {
    const std::string address = "10.1.2.3";
    std::string text = "\r\nPinging " + host + " [" + address + "] with " + std::to_string(size) +
                       " bytes of data:\r\n\r\n";
    text += fits ? "Reply from " + address + ": bytes=" + std::to_string(size) +
                       " time=120ms TTL=54\r\n"
                 : std::string("Packet needs to be fragmented but DF set.\r\n");
    text += "\r\nPing statistics for " + address + ":\r\n";
    text += fits ? "    Packets: Sent = 1, Received = 1, Lost = 0 (0% loss),\r\n"
                   "Approximate round trip times in milli-seconds:\r\n"
                   "    Minimum = 120ms, Maximum = 120ms, Average = 120ms\r\n"
                 : "    Packets: Sent = 1, Received = 0, Lost = 1 (100% loss),\r\n";
    return text;
}

}  // namespace

void ScriptLink(MemoryProcesses& processes, MemoryFileSystem& files, ScriptedLink& link,
                int pollsPerPing) {
    ScriptedProcess ping;
    ping.exitCode = 1;
    ping.pollsWhileRunning = pollsPerPing;
    ping.onExit = [&files, &link](const std::string& command) {
        const size_t redirect = command.find(" > \"");
        if (redirect == std::string::npos) {
            link.unredirected.push_back(command);
            return;
        }
        const size_t sizeAt = command.find("-l ") + 3;
        const int size = std::atoi(command.c_str() + sizeAt);
        const size_t hostAt = command.find(' ', sizeAt) + 1;
        const std::string host = command.substr(hostAt, redirect - hostAt);
        const std::string target =
            command.substr(redirect + 4, command.size() - 1 - (redirect + 4));
        link.pinged.push_back(size);
        files.Write(target, link.hostKnown
                                ? Windows98Transcript(host, size, size <= link.largestPayload)
                                : "Unknown host " + host + ".\r\n");
        if (link.afterPing) link.afterPing(size);
    };
    processes.Script("C:\\command.com /c ping ", ping);
}

}  // namespace qn::testing
