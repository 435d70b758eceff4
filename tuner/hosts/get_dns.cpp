#include "tuner/hosts/get_dns.h"

#include "support/trim.h"

namespace qn {

namespace {

constexpr std::uint16_t kWinsockNeeded = 0x0101;

}  // namespace

GetDns::GetDns(ui::Application& app, NameResolver& resolver, std::function<bool()> stopRequested,
               std::function<void()> beforeProgramEnds)
    : app_(app),
      resolver_(resolver),
      stopRequested_(std::move(stopRequested)),
      beforeProgramEnds_(std::move(beforeProgramEnds)) {}

std::string GetDns::GetIpAddress(const std::string& name) {
    // After the end, loops over the editor's names run out without a call.
    if (app_.Ended() || stopRequested_()) return kDnsNotLookedUp;
    if (!WinsockStartup()) return kDnsNotLookedUp;
    const std::string result = ResolveHostName(name);
    if (!WinsockCleanup()) return kDnsNotLookedUp;
    return result;
}

bool GetDns::WinsockStartup() {
    const WinsockStart start = resolver_.Startup();
    if (start.error != 0) {
        EndProgram("Winsock.dll is not responding.");
        return false;
    }
    const int major = LoByte(start.version);
    const int minor = HiByte(start.version);
    std::string refusal;
    if (major < LoByte(kWinsockNeeded) ||
        (major == LoByte(kWinsockNeeded) && minor < HiByte(kWinsockNeeded))) {
        refusal = "Windows Sockets version " + std::to_string(major) + "." + std::to_string(minor) +
                  " is not supported by winsock.dll ";
    } else if (start.maxSockets < 1) {
        refusal = "This application requires a minimum of 1 supported   sockets.";
    }
    if (refusal.empty()) return true;
    // Started, so balanced before the end, whatever Cleanup says.
    resolver_.Cleanup();
    EndProgram(refusal);
    return false;
}

std::string GetDns::ResolveHostName(const std::string& name) {
    const std::string host = TrimSpaces(name);
    // Whole or not at all: a lookup by C string would stop at a NUL.
    if (host.size() > kDnsLongestName || host.find('\0') != std::string::npos) {
        return kDnsNoAddress;
    }
    const Resolution found = resolver_.Resolve(host);
    if (found.error != 0 || found.addresses.empty()) return kDnsNoAddress;
    return found.addresses.front();
}

bool GetDns::WinsockCleanup() {
    const int error = resolver_.Cleanup();
    if (error == 0) return true;
    EndProgram("Socket error " + std::to_string(error) + " occurred in Cleanup");
    return false;
}

void GetDns::EndProgram(const std::string& message) {
    if (beforeProgramEnds_) beforeProgramEnds_();
    app_.MsgBox(message, ui::vbOKOnly);
    app_.End();
}

}  // namespace qn
