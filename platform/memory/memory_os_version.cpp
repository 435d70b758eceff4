#include "platform/memory/memory_os_version.h"

namespace qn {

OsVersion Windows95() {
    return {kPlatformWin32Windows, 4, 0, 950, ""};
}
OsVersion Windows98() {
    return {kPlatformWin32Windows, 4, 10, 1998, ""};
}
OsVersion WindowsMe() {
    return {kPlatformWin32Windows, 4, 90, 3000, ""};
}
OsVersion WindowsNt4() {
    return {kPlatformWin32Nt, 4, 0, 1381, "Service Pack 6"};
}
OsVersion Windows2000() {
    return {kPlatformWin32Nt, 5, 0, 2195, ""};
}
OsVersion WindowsXp() {
    return {kPlatformWin32Nt, 5, 1, 2600, ""};
}

}  // namespace qn
