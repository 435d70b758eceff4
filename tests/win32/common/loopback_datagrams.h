#pragma once
// Loopback traffic for tests of the interface counters: count datagrams of
// 1000 bytes to the discard port of 127.0.0.1. Winsock must be started.
#include <gtest/gtest.h>
#include <winsock.h>

#include <string>

namespace qn::win32 {

inline void SendLoopbackDatagrams(int count) {
    SOCKET s = socket(AF_INET, SOCK_DGRAM, 0);
    ASSERT_NE(s, INVALID_SOCKET);
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(9);  // discard
    to.sin_addr.s_addr = inet_addr("127.0.0.1");
    const std::string payload(1000, 'q');
    for (int i = 0; i < count; ++i) {
        sendto(s, payload.data(), static_cast<int>(payload.size()), 0,
               reinterpret_cast<const sockaddr*>(&to), sizeof(to));
    }
    closesocket(s);
}

}  // namespace qn::win32
