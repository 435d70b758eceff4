#pragma once
// A machine for the adapter and TCP/IP parameter tests: a Windows version, a
// registry that each test writes by hand, and helpers to read back exactly
// what was stored.
#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/memory/memory_directories.h"
#include "platform/memory/memory_file_version.h"
#include "platform/memory/memory_os_version.h"
#include "platform/memory/memory_registry.h"
#include "platform/memory/reg_file.h"
#include "tests/support/tuner_machine.h"
#include "tuner/core/environment.h"
#include "tuner/core/registry_context.h"
#include "ui/headless/scripted_message_boxes.h"

namespace qn::testing {

enum class System { Win95, Win95Dun13, Win98, WinMe, Nt4, Win2000, WinXp };

inline const char* SystemName(System system) {
    switch (system) {
        case System::Win95:
            return "Win95";
        case System::Win95Dun13:
            return "Win95Dun13";
        case System::Win98:
            return "Win98";
        case System::WinMe:
            return "WinMe";
        case System::Nt4:
            return "Nt4";
        case System::Win2000:
            return "Win2000";
        case System::WinXp:
            return "WinXp";
    }
    return "?";
}

inline OsVersion VersionOf(System system) {
    switch (system) {
        case System::Win95:
        case System::Win95Dun13:
            return Windows95();
        case System::Win98:
            return Windows98();
        case System::WinMe:
            return WindowsMe();
        case System::Nt4:
            return WindowsNt4();
        case System::Win2000:
            return Windows2000();
        case System::WinXp:
            return WindowsXp();
    }
    return Windows95();
}

constexpr const char* kPppmacPath = "C:\\WINDOWS\\SYSTEM\\PPPMAC.VXD";

// Keys under HKEY_LOCAL_MACHINE that the tests write and read back by hand.
constexpr const char* kMstcp = "System\\CurrentControlSet\\Services\\VxD\\MSTCP";
constexpr const char* kTcpip = "System\\CurrentControlSet\\Services\\Tcpip\\Parameters";
// An adapter's key is this followed by its instance ("0002").
constexpr const char* kClassNet = "System\\CurrentControlSet\\Services\\Class\\Net\\";
constexpr const char* kNetTrans = "System\\CurrentControlSet\\Services\\Class\\NetTrans";
constexpr const char* kSharing =
    "System\\CurrentControlSet\\Services\\ICSharing\\Settings\\General";

struct TestMachine {
    explicit TestMachine(System system) {
        os.version = VersionOf(system);
        // Every 9x machine has the PPP driver; only 1.3's build counts.
        if (system == System::Win95Dun13)
            versions.AddFile(kPppmacPath, PppmacVersionBlock("4.00.1902", 1902));
        else if (system == System::Win95)
            versions.AddFile(kPppmacPath, PppmacVersionBlock("4.00.950", 950));
    }

    // REGEDIT4 key and value lines; "name"="text" stores the text with a NUL,
    // as Windows does.
    void Load(const std::string& lines) {
        const RegFileLoadResult loaded = LoadRegFile(registry, "REGEDIT4\r\n\r\n" + lines);
        for (const RegFileError& error : loaded.errors)
            ADD_FAILURE() << "line " << error.line << ": " << error.message;
    }

    // Stores exactly these bytes, creating the key.
    void SetRaw(const std::string& path, const std::string& name, std::uint32_t type,
                const std::string& bytes) {
        RegKey key = 0;
        ASSERT_EQ(kRegSuccess,
                  registry.CreateKey(kHkeyLocalMachine, path, kKeyAllAccess, &key, nullptr));
        registry.SetValue(key, name, type, reinterpret_cast<const std::uint8_t*>(bytes.data()),
                          static_cast<std::uint32_t>(bytes.size()));
        registry.CloseKey(key);
    }
    void SetText(const std::string& path, const std::string& name, const std::string& text) {
        SetRaw(path, name, kRegSz, text);
    }
    void SetDword(const std::string& path, const std::string& name, std::uint32_t value) {
        const char bytes[4] = {static_cast<char>(value), static_cast<char>(value >> 8),
                               static_cast<char>(value >> 16), static_cast<char>(value >> 24)};
        SetRaw(path, name, kRegDword, std::string(bytes, 4));
    }

    // The stored bytes of a value, or nothing when the key or value is absent.
    std::optional<std::string> Raw(const std::string& path, const std::string& name,
                                   std::uint32_t* type = nullptr) {
        RegKey key = 0;
        if (registry.OpenKey(kHkeyLocalMachine, path, kKeyRead, &key) != kRegSuccess)
            return std::nullopt;
        std::uint32_t size = 0;
        std::uint32_t storedType = 0;
        std::optional<std::string> result;
        if (registry.QueryValue(key, name, &storedType, nullptr, &size) == kRegSuccess) {
            std::string bytes(size, '\0');
            registry.QueryValue(key, name, &storedType, reinterpret_cast<std::uint8_t*>(&bytes[0]),
                                &size);
            bytes.resize(size);
            result = bytes;
            if (type) *type = storedType;
        }
        registry.CloseKey(key);
        return result;
    }
    std::optional<std::uint32_t> Dword(const std::string& path, const std::string& name) {
        std::uint32_t type = 0;
        const std::optional<std::string> bytes = Raw(path, name, &type);
        if (!bytes || type != kRegDword || bytes->size() != 4) return std::nullopt;
        std::uint32_t value = 0;
        for (int i = 3; i >= 0; --i) value = value << 8 | static_cast<std::uint8_t>((*bytes)[i]);
        return value;
    }
    bool HasKey(const std::string& path) {
        RegKey key = 0;
        if (registry.OpenKey(kHkeyLocalMachine, path, kKeyRead, &key) != kRegSuccess) return false;
        registry.CloseKey(key);
        return true;
    }

    RegistryContext Context() { return RegistryContext{registry, boxes}; }

    MemoryRegistry registry;
    MemoryOsVersion os{std::nullopt};
    MemoryDirectories directories;
    MemoryFileVersion versions;
    ui::headless::ScriptedMessageBoxes boxes;
    Environment environment{os, directories, versions};
};

}  // namespace qn::testing
