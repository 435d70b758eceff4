// The verdict of one ping run, from transcripts of real Windows machines and
// from ones written here in the layout of Windows 95 to XP (a blank line
// after "Pinging ...", one packet).
#include "tuner/core/ping_transcript.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/tuner_machine.h"

namespace qn {
namespace {

std::string OldPing(const std::string& replyLine, int received) {
    const std::string got = std::to_string(received);
    const std::string lost = std::to_string(1 - received);
    return "\r\nPinging 10.0.0.1 with 1472 bytes of data:\r\n\r\n" + replyLine +
           "\r\n\r\nPing statistics for 10.0.0.1:\r\n    Packets: Sent = 1, Received = " + got +
           ", Lost = " + lost + " (" + (received ? "0" : "100") + "% loss),\r\n";
}

struct TranscriptCase {
    const char* name;
    std::string text;
    PingOutcome expected;
};

void PrintTo(const TranscriptCase& c, std::ostream* out) {
    *out << c.name;
}

class PingTranscript : public ::testing::TestWithParam<TranscriptCase> {};

TEST_P(PingTranscript, GivesTheVerdictOfItsReplyLine) {
    EXPECT_EQ(ReadPingTranscript(GetParam().text), GetParam().expected);
}

TranscriptCase Recorded(const char* file, PingOutcome expected) {
    return {file, testing::ReadSourceFile(std::string("fixtures/ping/") + file), expected};
}

INSTANTIATE_TEST_SUITE_P(
    OldWindows, PingTranscript,
    ::testing::Values(
        TranscriptCase{"Reply", OldPing("Reply from 10.0.0.1: bytes=1472 time=130ms TTL=64", 1),
                       PingOutcome::Passed},
        TranscriptCase{"Fragmented", OldPing("Packet needs to be fragmented but DF set.", 0),
                       PingOutcome::TooLarge},
        TranscriptCase{"TimedOut", OldPing("Request timed out.", 0), PingOutcome::TooLarge},
        TranscriptCase{"HostUnreachable",
                       OldPing("Reply from 10.0.0.254: Destination host unreachable.", 1),
                       PingOutcome::Error},
        TranscriptCase{"GeneralFailure", OldPing("General failure.", 0), PingOutcome::Error},
        TranscriptCase{"TransmitFailed", OldPing("PING: transmit failed, error code 65.", 0),
                       PingOutcome::Error},
        TranscriptCase{"UnknownHost9x", "Unknown host nosuch.example.\r\n", PingOutcome::Error},
        TranscriptCase{"UnknownHostNt",
                       "Ping request could not find host nosuch.example. Please check the name "
                       "and try again.\r\n",
                       PingOutcome::Error},
        TranscriptCase{"CutShort", "\r\nPinging 10.0.0.1 with 1472 bytes of data:\r\n\r\n",
                       PingOutcome::Error},
        TranscriptCase{"LineFeedsOnly", "Pinging 10.0.0.1:\n\nReply from 10.0.0.1: bytes=1472\n",
                       PingOutcome::Passed},
        TranscriptCase{"Empty", "", PingOutcome::Error}),
    [](const ::testing::TestParamInfo<TranscriptCase>& info) { return info.param.name; });

// Read by hand: English replies pass, timeouts alone are too large, any reply
// that names a failure is an error, and other languages give no verdict.
INSTANTIATE_TEST_SUITE_P(
    Recorded, PingTranscript,
    ::testing::Values(
        Recorded("mfd-ping_general-failure_127.0.0.0.txt", PingOutcome::Error),
        Recorded("mfd-ping_ipv6_replies-and-timeouts_no-summary.txt", PingOutcome::Passed),
        Recorded("node-ping_de_ipv6_no-ttl.txt", PingOutcome::Error),
        Recorded("node-ping_fr_temps-space-ms.txt", PingOutcome::Error),
        Recorded("node-ping_ja_success.txt", PingOutcome::Error),
        Recorded("node-ping_ru_wrapped-loss-line.txt", PingOutcome::Error),
        Recorded("node-ping_zh_leading-blank-line.txt", PingOutcome::Error),
        Recorded("pingparsing_win10_one-timeout_truncated-los.txt", PingOutcome::Passed),
        Recorded("pingparsing_win7sp1_success_n10.txt", PingOutcome::Passed),
        Recorded("pingparsing_win_all-timeouts_no-rtt-lines.txt", PingOutcome::TooLarge),
        Recorded("telegraf_en_bad-option_usage.txt", PingOutcome::Error),
        Recorded("telegraf_en_destination-net-unreachable.txt", PingOutcome::Error),
        Recorded("telegraf_en_success.txt", PingOutcome::Passed),
        Recorded("telegraf_en_ttl-expired-in-transit.txt", PingOutcome::Error),
        Recorded("telegraf_pl_all-timeouts.txt", PingOutcome::Error),
        Recorded("telegraf_pl_lossy_9800-bytes.txt", PingOutcome::Error),
        Recorded("telegraf_pl_success.txt", PingOutcome::Error)),
    [](const ::testing::TestParamInfo<TranscriptCase>& info) {
        std::string name = info.param.name;
        for (char& c : name) {
            if (!isalnum(static_cast<unsigned char>(c))) c = '_';
        }
        return name;
    });

}  // namespace
}  // namespace qn
