#pragma once
// A whole simulated machine for the tuner's native tests: one of the registry
// fixtures loaded into the in-memory registry, with the Windows version, the
// Windows directory and the system files that go with it.
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/memory/memory_directories.h"
#include "platform/memory/memory_file_version.h"
#include "platform/memory/memory_os_version.h"
#include "platform/memory/memory_registry.h"
#include "platform/memory/memory_settings_store.h"
#include "platform/memory/reg_file.h"
#include "platform/version_block.h"
#include "tuner/core/environment.h"
#include "tuner/core/registry_context.h"
#include "ui/headless/scripted_message_boxes.h"

namespace qn::testing {

// The machines of fixtures/registry/, by file name without ".reg".
inline const std::vector<std::string>& MachineNames() {
    static const std::vector<std::string> names = {"win95", "win95-dun13", "win98", "winme",
                                                   "nt40",  "win2k",       "winxp"};
    return names;
}

inline std::string ReadSourceFile(const std::string& relativePath) {
    std::ifstream in(std::string(QN_SOURCE_DIR) + "/" + relativePath, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + relativePath);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

inline OsVersion VersionOfMachine(const std::string& machine) {
    if (machine == "win95" || machine == "win95-dun13") return Windows95();
    if (machine == "win98") return Windows98();
    if (machine == "winme") return WindowsMe();
    if (machine == "nt40") return WindowsNt4();
    if (machine == "win2k") return Windows2000();
    if (machine == "winxp") return WindowsXp();
    throw std::runtime_error("unknown machine " + machine);
}

// pppmac.vxd as Dial-Up Networking installs it: 1902 is the build of 1.3.
inline std::vector<std::uint8_t> PppmacVersionBlock(const std::string& productVersion,
                                                    std::uint32_t build) {
    VersionBlockFields fields;
    fields.fileVersionMS = 0x00040000;
    fields.fileVersionLS = build;
    fields.productVersionMS = 0x00040000;
    fields.productVersionLS = build;
    fields.fileOS = 0x10004;
    fields.fileType = 5;  // VxD
    fields.strings = {{"CompanyName", "Quillon test fixture"},
                      {"FileDescription", "PPP driver"},
                      {"ProductVersion", productVersion}};
    return BuildVersionBlock(fields);
}

struct TunerMachine {
    explicit TunerMachine(const std::string& machine) : name(machine) {
        os.version = VersionOfMachine(machine);
        const RegFileLoadResult loaded =
            LoadRegFile(registry, ReadSourceFile("fixtures/registry/" + machine + ".reg"));
        if (!loaded.ok()) {
            throw std::runtime_error(machine + ".reg line " +
                                     std::to_string(loaded.errors.front().line) + ": " +
                                     loaded.errors.front().message);
        }
        const std::string pppmac = "C:\\WINDOWS\\SYSTEM\\PPPMAC.VXD";
        if (machine == "win95-dun13")
            versions.AddFile(pppmac, PppmacVersionBlock("4.00.1902", 1902));
        if (machine == "win95") versions.AddFile(pppmac, PppmacVersionBlock("4.00.950", 950));
    }

    RegistryContext Context() { return RegistryContext{registry, boxes}; }

    std::string name;
    MemoryRegistry registry;
    MemoryOsVersion os{std::nullopt};
    MemoryDirectories directories;
    MemoryFileVersion versions;
    MemorySettingsStore settings;
    ui::headless::ScriptedMessageBoxes boxes;
    Environment environment{os, directories, versions};
};

}  // namespace qn::testing
