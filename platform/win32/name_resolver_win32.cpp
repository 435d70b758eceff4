#include <winsock.h>

#include "platform/win32/win32_services.h"

namespace qn::win32 {

namespace {

constexpr WORD kWinsock11 = 0x0101;

class Win32NameResolver : public NameResolver {
  public:
    WinsockStart Startup() override {
        WSADATA data{};
        const int error = WSAStartup(kWinsock11, &data);
        if (error != 0) return WinsockStart{error, 0, 0};
        return WinsockStart{0, data.wVersion, data.iMaxSockets};
    }

    Resolution Resolve(const std::string& hostName) override {
        Resolution resolution;
        const hostent* host = gethostbyname(hostName.c_str());
        if (host == nullptr) {
            resolution.error = WSAGetLastError();
            if (resolution.error == 0) resolution.error = kWsaHostNotFound;
            return resolution;
        }
        if (host->h_addrtype != AF_INET || host->h_length != 4) {
            resolution.error = kWsaNoData;
            return resolution;
        }
        for (char** entry = host->h_addr_list; *entry != nullptr; ++entry) {
            const auto* bytes = reinterpret_cast<const unsigned char*>(*entry);
            resolution.addresses.push_back(
                std::to_string(bytes[0]) + "." + std::to_string(bytes[1]) + "." +
                std::to_string(bytes[2]) + "." + std::to_string(bytes[3]));
        }
        if (resolution.addresses.empty()) resolution.error = kWsaNoData;
        return resolution;
    }

    int Cleanup() override { return WSACleanup() == 0 ? 0 : WSAGetLastError(); }
};

}  // namespace

std::unique_ptr<NameResolver> MakeWin32NameResolver() {
    return std::make_unique<Win32NameResolver>();
}

}  // namespace qn::win32
