#pragma once
// The tuner's main window as the user first sees it on one simulated machine,
// and the registry tools that prepare a machine and show what saving did.
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>

#include "tests/unit/tuner_ui/tuner_session_helpers.h"

namespace qn::testing {

extern const char* const kNtTcpipKey;
extern const char* const kMstcpKey;
extern const char* const kNetTransKey;  // + "\" + the transport instance

void SetDword(Registry& registry, const std::string& key, const std::string& name,
              std::uint32_t value);
void DeleteTree(Registry& registry, const std::string& key);
// The value's bytes as text (a DWORD as its decimal number); nullopt when absent.
std::optional<std::string> ValueText(Registry& registry, const std::string& key,
                                     const std::string& name);
// Everything under HKEY_LOCAL_MACHINE, as a REGEDIT4 export.
std::string LocalMachine(Registry& registry);

// The window loads in its constructor, so that each test starts where the
// user starts; tests that must prepare the machine first use HeadlessTuner.
class WindowOn : public ::testing::Test {
  protected:
    explicit WindowOn(const std::string& machine) : tuner(machine), window(*tuner.window) {
        window.Show();
    }
    HeadlessTuner tuner;
    MainWindow& window;
};

// Windows 98 shows every group: keep-alive, an automatic MTU for the dial-up
// adapter, invalid adapters, and a custom RWIN and TTL from its registry.
class Win98Window : public WindowOn {
  protected:
    Win98Window() : WindowOn("win98") {}
};

}  // namespace qn::testing
