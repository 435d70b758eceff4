#pragma once
// The hosts editor's name lookups: one name at a time, Windows Sockets started
// and cleaned up around each, the answer as the editor's table keeps it.
#include <cstdint>
#include <functional>
#include <string>

#include "platform/name_resolver.h"
#include "ui/application.h"

namespace qn {

// What GetIpAddress gives instead of an address.
inline constexpr const char* kDnsNoAddress = "3";    // unknown name, failed lookup
inline constexpr const char* kDnsNotLookedUp = "4";  // stopped, or the program ended

// The longest name DNS can carry; a longer one is never looked up.
inline constexpr std::size_t kDnsLongestName = 255;

constexpr std::uint8_t LoByte(std::uint16_t word) {
    return static_cast<std::uint8_t>(word & 0xFF);
}
constexpr std::uint8_t HiByte(std::uint16_t word) {
    return static_cast<std::uint8_t>(word >> 8);
}

class GetDns {
  public:
    // stopRequested: the editor's stop flag, asked before each lookup.
    // beforeProgramEnds: runs when a Winsock failure is about to end the
    // program, before its message (the editor puts the hosts file back).
    GetDns(ui::Application& app, NameResolver& resolver, std::function<bool()> stopRequested,
           std::function<void()> beforeProgramEnds);

    // The first IPv4 address of name (dotted), kDnsNoAddress or
    // kDnsNotLookedUp. A Winsock failure ends the program; that lookup and
    // every later one give kDnsNotLookedUp.
    std::string GetIpAddress(const std::string& name);

  private:
    // False when the program ended.
    bool WinsockStartup();
    std::string ResolveHostName(const std::string& name);
    bool WinsockCleanup();
    void EndProgram(const std::string& message);

    ui::Application& app_;
    NameResolver& resolver_;
    std::function<bool()> stopRequested_;
    std::function<void()> beforeProgramEnds_;
};

}  // namespace qn
