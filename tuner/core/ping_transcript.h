#pragma once
// What one "ping -f -n 1 -l <size>" run says about its packet, read from the
// tool's redirected output.
#include <string>

namespace qn {

enum class PingOutcome {
    Passed,    // the host replied: a packet of this size crosses the link whole
    TooLarge,  // it needed fragmenting, or vanished on the way
    Error,     // no verdict: unknown host, no route, a failure, no output
};

// The reply line is found by what it says, wherever the tool printed it.
// The messages are those of English Windows; a transcript in which none is
// found (another language, a usage text, an empty file) is an error, so that
// a search never settles on a size it did not see pass.
PingOutcome ReadPingTranscript(const std::string& text);

}  // namespace qn
