#include <windows.h>
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "platform/win32/escaped_error.h"
#include "platform/win32/win32_services.h"
#include "tests/win32/common/message_pump.h"

namespace qn::win32 {
namespace {

TEST(ClockWin32, WindowlessTimerFiresFromTheMessageLoop) {
    const auto clock = MakeWin32Clock();
    int fired = 0;
    TimerId seen = 0;
    const TimerId id = clock->StartTimer(20, [&](TimerId timer) {
        ++fired;
        seen = timer;
    });
    ASSERT_NE(id, 0u);
    EXPECT_TRUE(PumpMessagesUntil([&fired] { return fired >= 2; }, 5000));
    EXPECT_EQ(seen, id);
    EXPECT_TRUE(clock->StopTimer(id));
    EXPECT_FALSE(clock->StopTimer(id));
}

TEST(ClockWin32, StoppedTimerStaysSilent) {
    const auto clock = MakeWin32Clock();
    int fired = 0;
    const TimerId id = clock->StartTimer(10, [&](TimerId) { ++fired; });
    ASSERT_NE(id, 0u);
    clock->StopTimer(id);
    PumpMessagesFor(200);
    EXPECT_EQ(fired, 0);
}

TEST(ClockWin32, AnErrorInATimerCallbackWaitsForTheMessageLoop) {
    const auto clock = MakeWin32Clock();
    const TimerId id = clock->StartTimer(10, [](TimerId) { throw std::runtime_error("tick"); });
    ASSERT_NE(id, 0u);
    bool raised = false;
    PumpMessagesUntil(
        [&raised] {
            try {
                RethrowEscapedError();
            } catch (const std::runtime_error& error) {
                raised = std::string(error.what()) == "tick";
            }
            return raised;
        },
        2000);
    clock->StopTimer(id);
    EXPECT_TRUE(raised) << "the callback's error was not handed back";
    EXPECT_NO_THROW(RethrowEscapedError()) << "handed back only once";
}

class SettingsStoreWin32 : public ::testing::Test {
  protected:
    void TearDown() override {
        store->Delete(kApp, "Settings", "");
        store->Delete(kApp, "Warnings", "");
        RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\QuillonTest");
    }
    static constexpr const char* kApp = "QuillonTest";
    std::unique_ptr<SettingsStore> store = MakeWin32SettingsStore();
};

TEST_F(SettingsStoreWin32, SaveGetDeleteRoundTrip) {
    EXPECT_EQ(store->Get(kApp, "Warnings", "hosts", "0"), "0");
    ASSERT_TRUE(store->Save(kApp, "Warnings", "hosts", "1"));
    EXPECT_EQ(store->Get(kApp, "warnings", "HOSTS", "0"), "1");
    ASSERT_TRUE(store->Save(kApp, "Warnings", "hosts", ""));
    EXPECT_EQ(store->Get(kApp, "Warnings", "hosts", "0"), "");
    EXPECT_TRUE(store->Delete(kApp, "Warnings", "hosts"));
    EXPECT_FALSE(store->Delete(kApp, "Warnings", "hosts"));
    EXPECT_EQ(store->Get(kApp, "Warnings", "hosts", "0"), "0");
}

TEST_F(SettingsStoreWin32, ValuesAreTextWithTerminatingNul) {
    ASSERT_TRUE(store->Save(kApp, "Settings", "RWINCalc", "128"));
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\QuillonTest\\Settings", 0,
                            KEY_QUERY_VALUE, &key),
              ERROR_SUCCESS);
    DWORD type = 0;
    char data[16] = {};
    DWORD size = sizeof(data);
    EXPECT_EQ(
        RegQueryValueExA(key, "RWINCalc", nullptr, &type, reinterpret_cast<BYTE*>(data), &size),
        ERROR_SUCCESS);
    RegCloseKey(key);
    EXPECT_EQ(type, DWORD(REG_SZ));
    EXPECT_EQ(size, 4u);
    EXPECT_STREQ(data, "128");
}

TEST_F(SettingsStoreWin32, EmptyKeyDeletesTheSection) {
    store->Save(kApp, "Settings", "NoSplash", "1");
    store->Save(kApp, "Settings", "StartupMode", "0");
    EXPECT_TRUE(store->Delete(kApp, "Settings", ""));
    EXPECT_EQ(store->Get(kApp, "Settings", "NoSplash", "0"), "0");
}

}  // namespace
}  // namespace qn::win32
