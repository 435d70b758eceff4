// The pictures that the machine tests compare: a picture that missed values
// would let "nothing changed" pass on its own.
#include "tests/support/registry_snapshot.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/memory/memory_registry.h"

namespace qn::machine_test {
namespace {

TEST(RegistrySnapshot, PicturesEveryValueBelowTheKeyAsASavedFileWritesIt) {
    MemoryRegistry registry;
    std::string longList = "hex:";
    for (int i = 0; i < 40; ++i) longList += i == 0 ? "7f" : ",7f";
    ASSERT_TRUE(LoadRegFile(registry,
                            "REGEDIT4\r\n"
                            "[HKEY_LOCAL_MACHINE\\System\\Net]\r\n"
                            "@=\"default\"\r\n"
                            "\"MTU\"=hex(1):35,37,36\r\n"
                            "\"Path\"=\"C:\\\\x\"\r\n"
                            "[HKEY_LOCAL_MACHINE\\System\\Net\\Card\\Empty]\r\n"
                            "[HKEY_LOCAL_MACHINE\\System\\Net\\Card]\r\n"
                            "\"Ttl\"=dword:00000080\r\n"
                            "\"Blob\"=" +
                                longList +
                                "\r\n"
                                "[HKEY_LOCAL_MACHINE\\Software]\r\n"
                                "\"Other\"=\"tree\"\r\n"
                                "[HKEY_CURRENT_USER\\Software]\r\n"
                                "\"User\"=\"not HKLM\"\r\n")
                    .ok());

    EXPECT_EQ((RegistrySnapshot{{"SYSTEM\\NET @", "\"default\""},
                                {"SYSTEM\\NET \"MTU\"", TextNoNul("576")},
                                {"SYSTEM\\NET \"PATH\"", "\"C:\\\\x\""},
                                {"SYSTEM\\NET\\CARD \"TTL\"", Dword(128)},
                                {"SYSTEM\\NET\\CARD \"BLOB\"", longList},
                                {"SOFTWARE \"OTHER\"", Text("tree")}}),
              SnapshotOfLocalMachine(registry));

    RegistrySnapshot trees;
    AddTreeToSnapshot(registry, kHkeyLocalMachine, "system\\net\\CARD", &trees);
    AddTreeToSnapshot(registry, kHkeyLocalMachine, "System\\Missing", &trees);
    EXPECT_EQ((RegistrySnapshot{{"SYSTEM\\NET\\CARD \"TTL\"", Dword(128)},
                                {"SYSTEM\\NET\\CARD \"BLOB\"", longList}}),
              trees);
}

}  // namespace
}  // namespace qn::machine_test
