// The hosts editor's name lookups: what each name gives, Winsock started and
// cleaned up around every lookup, and the failures that end the program with
// the hosts file put back first.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/memory/memory_name_resolver.h"
#include "tuner/hosts/get_dns.h"
#include "ui/application.h"
#include "ui/headless/headless_host.h"

namespace qn {
namespace {

class GetDnsTest : public ::testing::Test {
  protected:
    GetDnsTest() {
        resolver.Add("www.example.com", {"93.184.216.34"});
        resolver.Add("mirror.example.net", {"10.0.0.7", "10.0.0.8", "192.168.200.1"});
        resolver.Fail("flaky.example.org", kWsaTryAgain);
    }

    ui::headless::HeadlessHost host;
    ui::Application app{host, "Quillon"};
    MemoryNameResolver resolver;
    bool stop = false;
    std::vector<std::string> events;
    GetDns dns{app, resolver, [this] { return stop; }, [this] { events.push_back("hosts back"); }};
};

TEST_F(GetDnsTest, EachNameGivesItsFirstAddressOrNoAddress) {
    const std::string hundred = std::string(96, 'h') + ".org";
    const std::string longest = std::string(251, 'n') + ".org";
    resolver.Add(hundred, {"172.16.0.100"});
    resolver.Add(longest, {"172.16.0.255"});
    struct Case {
        std::string name;
        std::string expected;
        std::string asked;  // "" when no lookup may happen
    };
    const Case cases[] = {
        {"www.example.com", "93.184.216.34", "www.example.com"},
        {"   www.example.com  ", "93.184.216.34", "www.example.com"},
        {"mirror.example.net", "10.0.0.7", "mirror.example.net"},
        {"nowhere.invalid", "3", "nowhere.invalid"},
        {"flaky.example.org", "3", "flaky.example.org"},
        // Only spaces are trimmed, as Trim does.
        {"\twww.example.com", "3", "\twww.example.com"},
        {hundred, "172.16.0.100", hundred},
        {"  " + longest + " ", "172.16.0.255", longest},
        {longest + "x", "3", ""},
        {std::string("www.example.com\0evil", 20), "3", ""},
    };
    for (const Case& c : cases) {
        resolver.asked.clear();
        EXPECT_EQ(dns.GetIpAddress(c.name), c.expected) << c.name;
        EXPECT_EQ(resolver.asked,
                  c.asked.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.asked})
            << c.name;
        EXPECT_EQ(resolver.activeStartups, 0) << "cleaned up after " << c.name;
    }
    EXPECT_TRUE(host.Script().Shown().empty());
    EXPECT_FALSE(app.Ended());
}

TEST_F(GetDnsTest, AcceptsEveryWinsockFromOnePointOneOn) {
    for (const std::uint16_t version : {0x0101, 0x0201, 0x0002, 0x0202}) {
        resolver.version = version;
        EXPECT_EQ(dns.GetIpAddress("www.example.com"), "93.184.216.34") << version;
    }
    resolver.maxSockets = 1;
    EXPECT_EQ(dns.GetIpAddress("www.example.com"), "93.184.216.34");
    EXPECT_TRUE(host.Script().Shown().empty());
}

TEST_F(GetDnsTest, TheStopFlagAnswersFourWithoutTouchingWinsock) {
    stop = true;
    // A Startup would fail with a message, which the script does not allow.
    resolver.startupError = 10091;
    EXPECT_EQ(dns.GetIpAddress("www.example.com"), "4");
    EXPECT_TRUE(resolver.asked.empty());
    EXPECT_TRUE(host.Script().Shown().empty());
    stop = false;
    resolver.startupError = 0;
    EXPECT_EQ(dns.GetIpAddress("www.example.com"), "93.184.216.34");
}

TEST_F(GetDnsTest, AWinsockFailurePutsTheHostsBackSaysWhyAndEndsTheProgram) {
    struct Case {
        const char* what;
        int startupError;
        std::uint16_t version;
        int maxSockets;
        int cleanupError;
        std::string message;
        bool looksUp;
    };
    const Case cases[] = {
        {"no start", 10091, 0x0101, 32767, 0, "Winsock.dll is not responding.", false},
        {"version 1.0", 0, 0x0001, 32767, 0,
         "Windows Sockets version 1.0 is not supported by winsock.dll ", false},
        {"version 0.2", 0, 0x0200, 32767, 0,
         "Windows Sockets version 0.2 is not supported by winsock.dll ", false},
        {"no sockets", 0, 0x0101, 0, 0,
         "This application requires a minimum of 1 supported   sockets.", false},
        {"cleanup", 0, 0x0101, 32767, 10036, "Socket error 10036 occurred in Cleanup", true},
    };
    for (const Case& c : cases) {
        ui::headless::HeadlessHost endingHost;
        ui::Application endingApp{endingHost, "Quillon"};
        MemoryNameResolver failing;
        failing.Add("www.example.com", {"93.184.216.34"});
        failing.startupError = c.startupError;
        failing.version = c.version;
        failing.maxSockets = c.maxSockets;
        failing.cleanupError = c.cleanupError;
        std::vector<std::string> order;
        GetDns ending{endingApp, failing, [] { return false; },
                      [&] {
                          order.push_back(endingHost.Script().Shown().empty() && !endingApp.Ended()
                                              ? "hosts back"
                                              : "hosts back too late");
                      }};
        endingHost.Script().Answer(ui::vbOK, c.message);

        EXPECT_EQ(ending.GetIpAddress("www.example.com"), "4") << c.what;

        EXPECT_EQ(order, std::vector<std::string>{"hosts back"}) << c.what;
        ASSERT_EQ(endingHost.Script().Shown().size(), 1u) << c.what;
        EXPECT_EQ(endingHost.Script().Shown()[0].title, "Quillon") << c.what;
        EXPECT_EQ(endingHost.Script().Shown()[0].buttons, ui::vbOKOnly) << c.what;
        EXPECT_TRUE(endingApp.Ended()) << c.what;
        EXPECT_EQ(failing.asked.size(), c.looksUp ? 1u : 0u) << c.what;
        if (c.startupError == 0 && c.cleanupError == 0) {
            EXPECT_EQ(failing.activeStartups, 0) << c.what << ": a refused Winsock is let go";
        }

        // The editor's loop over its other names runs out at once.
        failing.startupError = 0;
        failing.version = 0x0101;
        failing.maxSockets = 32767;
        failing.cleanupError = 0;
        failing.asked.clear();
        EXPECT_EQ(ending.GetIpAddress("www.example.com"), "4") << c.what;
        EXPECT_TRUE(failing.asked.empty()) << c.what;
        EXPECT_EQ(endingHost.Script().Shown().size(), 1u) << c.what;
        EXPECT_EQ(order.size(), 1u) << c.what;
    }
}

TEST_F(GetDnsTest, NothingIsLookedUpOnceTheProgramHasEnded) {
    app.End();
    EXPECT_EQ(dns.GetIpAddress("www.example.com"), "4");
    EXPECT_TRUE(resolver.asked.empty());
    EXPECT_TRUE(events.empty());
}

}  // namespace
}  // namespace qn
