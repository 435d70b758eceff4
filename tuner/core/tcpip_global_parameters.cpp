// The system-wide TCP/IP parameters: receive window, TTL, path-MTU discovery,
// black-hole detection and session keep-alive.
#include "support/integer_conversion.h"
#include "tuner/core/tcpip_global_value.h"
#include "tuner/core/tcpip_parameters.h"
#include "tuner/core/tcpip_stored_number.h"

namespace qn {
namespace {

constexpr std::int32_t kDefaultRwin = 8192;
constexpr std::int16_t kDefaultKeepAliveMinutes = 60;
constexpr std::int32_t kMillisecondsPerMinute = 60000;
constexpr std::int16_t kTtlOfOldStacks = 32;  // Windows 95 and NT 4
constexpr std::int16_t kTtlOfNewStacks = 128;

}  // namespace

std::int16_t TcpipParameters::DefaultTtl() const {
    const bool nt4 = environment_.IsWinNT() && !environment_.IsWin2000OrLater();
    return environment_.IsPlainWin95() || nt4 ? kTtlOfOldStacks : kTtlOfNewStacks;
}

std::int32_t TcpipParameters::ReadRwin() {
    const auto stored =
        ReadGlobalNumber(context_, LocateGlobal(environment_, GlobalParameter::Rwin));
    return PositiveInt32(stored).value_or(kDefaultRwin);
}

std::int16_t TcpipParameters::ReadTtl() {
    const auto stored =
        ReadGlobalNumber(context_, LocateGlobal(environment_, GlobalParameter::Ttl));
    return PositiveInt16(stored).value_or(DefaultTtl());
}

bool TcpipParameters::ReadPmtuDiscovery() {
    const auto stored =
        ReadGlobalNumber(context_, LocateGlobal(environment_, GlobalParameter::PmtuDiscovery));
    return !stored || *stored != 0;
}

bool TcpipParameters::ReadPmtuBlackHole() {
    const auto stored =
        ReadGlobalNumber(context_, LocateGlobal(environment_, GlobalParameter::PmtuBlackHole));
    return stored && *stored == 1;
}

std::int16_t TcpipParameters::ReadSessionKeepAlive() {
    if (environment_.IsWinNT()) return kDefaultKeepAliveMinutes;
    const auto stored =
        ReadGlobalNumber(context_, LocateGlobal(environment_, GlobalParameter::SessionKeepAlive));
    if (!stored || *stored <= 0) return kDefaultKeepAliveMinutes;
    return RoundToInt16(*stored / kMillisecondsPerMinute).value_or(kDefaultKeepAliveMinutes);
}

void TcpipParameters::WriteRwin(std::int32_t rwin) {
    WriteGlobalNumber(context_, LocateGlobal(environment_, GlobalParameter::Rwin), rwin,
                      kDefaultRwin);
}

void TcpipParameters::WriteTtl(std::int16_t ttl) {
    WriteGlobalNumber(context_, LocateGlobal(environment_, GlobalParameter::Ttl), ttl,
                      DefaultTtl());
}

void TcpipParameters::WritePmtuDiscovery(bool on) {
    WriteGlobalNumber(context_, LocateGlobal(environment_, GlobalParameter::PmtuDiscovery),
                      on ? 1 : 0, 1);
}

void TcpipParameters::WritePmtuBlackHole(bool on) {
    WriteGlobalNumber(context_, LocateGlobal(environment_, GlobalParameter::PmtuBlackHole),
                      on ? 1 : 0, 0);
}

void TcpipParameters::WriteSessionKeepAlive(std::int16_t minutes) {
    if (environment_.IsWinNT()) return;
    WriteGlobalNumber(context_, LocateGlobal(environment_, GlobalParameter::SessionKeepAlive),
                      minutes * kMillisecondsPerMinute,
                      kDefaultKeepAliveMinutes * kMillisecondsPerMinute);
}

}  // namespace qn
