#include "tests/unit/tuner_main_window/window_on_machine.h"

#include <vector>

#include "platform/memory/reg_file.h"

namespace qn::testing {

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
    std::string text(data.begin(), data.begin() + size);
    if (!text.empty() && text.back() == '\0') text.pop_back();
    return text;
}

std::string LocalMachine(Registry& registry) {
    std::string text;
    EXPECT_EQ(SaveRegFile(registry, kHkeyLocalMachine, "", &text), kRegSuccess);
    return text;
}

}  // namespace qn::testing
