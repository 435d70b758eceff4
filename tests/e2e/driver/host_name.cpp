// winsock2.h before anything that pulls in windows.h.
#include <winsock2.h>

#include "tests/e2e/driver/host_name.h"

namespace qn::e2e {

std::string LocalHostName() {
    WSADATA data{};
    if (WSAStartup(MAKEWORD(1, 1), &data) != 0) return "";
    char name[256] = {};
    const bool ok = gethostname(name, sizeof name) == 0;
    WSACleanup();
    return ok ? name : "";
}

}  // namespace qn::e2e
