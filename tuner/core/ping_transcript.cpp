#include "tuner/core/ping_transcript.h"

#include <cstddef>

namespace qn {
namespace {

// Lines after which no size can be judged: the host or the route is at
// fault, or the tool itself.
constexpr const char* kFailures[] = {
    "Unknown host",                  // 95 to ME
    "could not find host",           // NT family
    "Destination host unreachable",  // also from a router, as "Reply from ..."
    "Destination net unreachable",
    "TTL expired in transit",
    "General failure",
    "transmit failed",
    "Bad option",
    "Bad value",
};

bool Contains(const std::string& line, const char* phrase) {
    return line.find(phrase) != std::string::npos;
}

bool StartsWith(const std::string& line, const char* prefix) {
    const std::size_t start = line.find_first_not_of(" \t");
    return start != std::string::npos &&
           line.compare(start, std::string(prefix).size(), prefix) == 0;
}

}  // namespace

PingOutcome ReadPingTranscript(const std::string& text) {
    bool replied = false;
    bool timedOut = false;
    std::size_t begin = 0;
    while (begin < text.size()) {
        std::size_t end = text.find_first_of("\r\n", begin);
        if (end == std::string::npos) end = text.size();
        const std::string line = text.substr(begin, end - begin);
        begin = end + 1;
        if (Contains(line, "Packet needs to be fragmented")) return PingOutcome::TooLarge;
        for (const char* failure : kFailures) {
            if (Contains(line, failure)) return PingOutcome::Error;
        }
        replied = replied || StartsWith(line, "Reply from ");
        // A link that drops an oversized packet without a word.
        timedOut = timedOut || StartsWith(line, "Request timed out");
    }
    if (replied) return PingOutcome::Passed;
    return timedOut ? PingOutcome::TooLarge : PingOutcome::Error;
}

}  // namespace qn
