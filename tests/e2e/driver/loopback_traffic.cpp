// winsock2.h before anything that pulls in windows.h.
#include <winsock2.h>

#include "tests/e2e/driver/loopback_traffic.h"

#include <string>

namespace qn::e2e {

bool SendLoopbackTraffic(std::size_t bytes) {
    WSADATA data{};
    if (WSAStartup(MAKEWORD(2, 0), &data) != 0) return false;
    const SOCKET s = socket(AF_INET, SOCK_DGRAM, 0);
    if (s == INVALID_SOCKET) {
        WSACleanup();
        return false;
    }
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(9);
    to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    const std::string payload(1000, 'q');
    for (std::size_t sent = 0; sent < bytes; sent += payload.size()) {
        sendto(s, payload.data(), static_cast<int>(payload.size()), 0,
               reinterpret_cast<const sockaddr*>(&to), sizeof to);
    }
    closesocket(s);
    WSACleanup();
    return true;
}

bool KeepLoopbackTrafficFlowing(unsigned milliseconds) {
    const DWORD start = GetTickCount();
    for (std::size_t burst = 0; GetTickCount() - start < milliseconds; ++burst) {
        if (!SendLoopbackTraffic(20000 * (1 + burst % 7))) return false;
        Sleep(100);
    }
    return true;
}

}  // namespace qn::e2e
