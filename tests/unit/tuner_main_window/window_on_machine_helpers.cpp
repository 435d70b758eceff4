#include "tests/unit/tuner_main_window/window_on_machine.h"

#include <vector>

#include "platform/memory/reg_file.h"

namespace qn::testing {

const char* const kNtTcpipKey = "SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters";
const char* const kMstcpKey = "System\\CurrentControlSet\\Services\\VxD\\MSTCP";
const char* const kNetTransKey = "System\\CurrentControlSet\\Services\\Class\\NetTrans";

void SetDword(Registry& registry, const std::string& key, const std::string& name,
              std::uint32_t value) {
    RegKey handle = 0;
    ASSERT_EQ(registry.CreateKey(kHkeyLocalMachine, key, kKeyAllAccess, &handle, nullptr),
              kRegSuccess);
    const std::uint8_t bytes[4] = {
        static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
        static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)};
    ASSERT_EQ(registry.SetValue(handle, name, kRegDword, bytes, 4), kRegSuccess);
    registry.CloseKey(handle);
}

void DeleteTree(Registry& registry, const std::string& key) {
    ASSERT_EQ(registry.DeleteTree(kHkeyLocalMachine, key), kRegSuccess) << key;
}

std::optional<std::string> ValueText(Registry& registry, const std::string& key,
                                     const std::string& name) {
    RegKey handle = 0;
    if (registry.OpenKey(kHkeyLocalMachine, key, kKeyRead, &handle) != kRegSuccess) {
        return std::nullopt;
    }
    std::uint32_t type = 0;
    std::vector<std::uint8_t> data(256);
    std::uint32_t size = static_cast<std::uint32_t>(data.size());
    const RegStatus status = registry.QueryValue(handle, name, &type, data.data(), &size);
    registry.CloseKey(handle);
    if (status != kRegSuccess) return std::nullopt;
    if (type == kRegDword && size == 4) {
        return std::to_string(data[0] | data[1] << 8 | data[2] << 16 |
                              static_cast<std::uint32_t>(data[3]) << 24);
    }
    return std::string(data.begin(), data.begin() + size);
}

std::string LocalMachine(Registry& registry) {
    std::string text;
    EXPECT_EQ(SaveRegFile(registry, kHkeyLocalMachine, "", &text), kRegSuccess);
    return text;
}

}  // namespace qn::testing
