#include <gtest/gtest.h>

#include "tests/unit/ui/recording_form.h"
#include "ui/headless/headless_host.h"

namespace qn::ui {
namespace {

using headless::HeadlessHost;
using Log = std::vector<std::string>;

class WaitTest : public ::testing::Test {
  protected:
    HeadlessHost host;
    Application app{host, "Quillon"};
};

TEST_F(WaitTest, DoEventsHandlesOnlyWhatWasPendingBeforeIt) {
    Log log;
    host.Post([&] {
        log.push_back("first");
        host.Post([&] { log.push_back("posted by first"); });
    });
    app.DoEvents();
    EXPECT_EQ(log, Log{"first"});
    app.DoEvents();
    EXPECT_EQ(log, (Log{"first", "posted by first"}));
}

TEST_F(WaitTest, WaitUntilPumpsUntilTheFlagClears) {
    bool busy = true;
    int pumped = 0;
    host.Post([&] { ++pumped; });
    host.Post([&] {
        ++pumped;
        busy = false;
    });
    host.Post([&] { ++pumped; });
    app.WaitUntil([&] { return !busy; });
    EXPECT_EQ(pumped, 3);  // one pump handles everything pending
    EXPECT_FALSE(busy);
}

TEST_F(WaitTest, WaitWithFlagAlreadyClearReturnsAtOnce) {
    EXPECT_NO_THROW(app.WaitUntil([] { return true; }));
}

TEST_F(WaitTest, NestedWaitsReenterAndEachEndsOnItsOwnFlag) {
    Log log;
    bool outerBusy = true;
    bool innerBusy = true;
    host.Post([&] {
        log.push_back("inner wait starts");
        host.Post([&] {
            log.push_back("inner flag cleared");
            innerBusy = false;
        });
        app.WaitUntil([&] { return !innerBusy; });
        log.push_back("inner wait ends");
        host.Post([&] {
            log.push_back("outer flag cleared");
            outerBusy = false;
        });
    });
    app.WaitUntil([&] { return !outerBusy; });
    EXPECT_EQ(log, (Log{"inner wait starts", "inner flag cleared", "inner wait ends",
                        "outer flag cleared"}));
}

TEST_F(WaitTest, WaitThatNothingCanEndFails) {
    bool busy = true;
    EXPECT_THROW(app.WaitUntil([&] { return !busy; }), headless::WouldWaitForever);
}

TEST_F(WaitTest, EndStopsAWaitWhoseFlagNeverClears) {
    host.Post([&] { app.End(); });
    app.WaitUntil([] { return false; });
    EXPECT_TRUE(app.Ended());
}

}  // namespace
}  // namespace qn::ui
