#include <gtest/gtest.h>

#include "platform/memory/memory_name_resolver.h"
#include "platform/memory/memory_settings_store.h"

namespace qn {
namespace {

TEST(MemorySettingsStore, NamesIgnoreCaseAndMissingKeysGiveTheFallback) {
    MemorySettingsStore store;
    EXPECT_EQ(store.Get("Quillon", "Warnings", "hosts", "0"), "0");
    EXPECT_TRUE(store.Save("Quillon", "Warnings", "hosts", "1"));
    EXPECT_EQ(store.Get("QUILLON", "warnings", "HOSTS", "0"), "1");
    EXPECT_TRUE(store.Delete("quillon", "WARNINGS", "Hosts"));
    EXPECT_FALSE(store.Delete("Quillon", "Warnings", "hosts"));
    EXPECT_EQ(store.Get("Quillon", "Warnings", "hosts", "0"), "0");
}

TEST(MemorySettingsStore, EmptyKeyDeletesOnlyThatSection) {
    MemorySettingsStore store;
    store.Save("Quillon", "Settings", "NoSplash", "1");
    store.Save("Quillon", "Settings", "RWINCalc", "2");
    store.Save("Quillon", "Settings2", "Other", "x");
    store.Save("Quillon", "Warnings", "findmtu", "1");
    EXPECT_TRUE(store.Delete("Quillon", "Settings", ""));
    EXPECT_EQ(store.Count(), 2u);
    EXPECT_EQ(store.Get("Quillon", "Settings2", "Other", ""), "x");
}

TEST(MemoryNameResolver, ResolvesOnlyBetweenStartupAndCleanup) {
    MemoryNameResolver resolver;
    resolver.Add("LocalHost", {"127.0.0.1"});
    EXPECT_EQ(resolver.Resolve("localhost").error, kWsaNotInitialised);
    ASSERT_EQ(resolver.Startup().error, 0);
    const auto found = resolver.Resolve("LOCALHOST");
    EXPECT_EQ(found.error, 0);
    EXPECT_EQ(found.addresses, std::vector<std::string>{"127.0.0.1"});
    EXPECT_EQ(resolver.Resolve("nowhere.invalid").error, kWsaHostNotFound);
    resolver.Fail("dns.down", kWsaTryAgain);
    EXPECT_EQ(resolver.Resolve("dns.down").error, kWsaTryAgain);
    EXPECT_EQ(resolver.Cleanup(), 0);
    EXPECT_EQ(resolver.Cleanup(), kWsaNotInitialised);
}

TEST(MemoryNameResolver, StartupReportsTheSetVersionAndSocketsOrOnlyTheError) {
    MemoryNameResolver resolver;
    const WinsockStart usual = resolver.Startup();
    EXPECT_EQ(usual.error, 0);
    EXPECT_EQ(usual.version, 0x0101);
    EXPECT_EQ(usual.maxSockets, 32767);
    resolver.version = 0x0001;
    resolver.maxSockets = 0;
    const WinsockStart old = resolver.Startup();
    EXPECT_EQ(old.version, 0x0001);
    EXPECT_EQ(old.maxSockets, 0);
    EXPECT_EQ(resolver.activeStartups, 2);
    resolver.startupError = 10091;
    const WinsockStart failed = resolver.Startup();
    EXPECT_EQ(failed.error, 10091);
    EXPECT_EQ(failed.version, 0);
    EXPECT_EQ(resolver.activeStartups, 2) << "a failed start needs no Cleanup";
}

}  // namespace
}  // namespace qn
