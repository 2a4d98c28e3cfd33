// The ping engine against the loopback interface only: resolution, one echo, Winsock start-up.
#include "keeper/GetIpMod.h"
#include "keeper/Winsock.h"
#include "keeper/ping2.h"
#include "ui/App.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include <string>
#include <vector>

namespace {
std::vector<std::string> Shown;

struct RecordMessages {
    RecordMessages()
    {
        Shown.clear();
        ui::SetMsgBoxHook([](HWND, const std::string& text, const std::string& title, UINT style) {
            Shown.push_back(title + "|" + text + "|" + std::to_string(style));
            return IDOK;
        });
    }
    ~RecordMessages() { ui::SetMsgBoxHook(nullptr); }
};

class PingEngine : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(SocketsInitialize());
    }
    void TearDown() override
    {
        SocketsCleanup();
        EXPECT_TRUE(Shown.empty());
    }
    RecordMessages messages_;
};

const std::string Request(56, '1');

// A reply buffer that a sent echo would overwrite.
PingReply Filled()
{
    PingReply reply;
    std::memset(&reply, 0xAB, sizeof reply);
    return reply;
}

bool Untouched(const PingReply& reply)
{
    const auto* bytes = reinterpret_cast<const unsigned char*>(&reply);
    return static_cast<size_t>(std::count(bytes, bytes + sizeof reply, 0xAB)) == sizeof reply;
}
}

TEST_F(PingEngine, ResolvesNamesAndAddresses)
{
    struct Case {
        std::string site, address;
    } cases[] = {
        {"localhost", "127.0.0.1"},
        {"127.0.0.1", "127.0.0.1"},
        {"10.1.2.3", "10.1.2.3"},
        {"no-such-host.invalid", UnresolvedText},
        {std::string(300, 'a'), UnresolvedText},
        {std::string(100000, 'x') + ".com", UnresolvedText},
        {std::string("local\0host", 10), UnresolvedText},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.address, GetIPFromHostName(c.site)) << c.site.substr(0, 40);
}

TEST_F(PingEngine, EchoToLoopbackAnswers)
{
    PingReply reply{};
    PingAddress("127.0.0.1", Request, reply);
    EXPECT_EQ(0u, reply.Reply.Status);
    EXPECT_EQ(0x0100007Fu, reply.Reply.Address);
    EXPECT_LE(reply.Reply.RoundTripTime, 500u);
}

TEST_F(PingEngine, TextThatIsNoAddressSendsNothing)
{
    for (const char* text : {UnresolvedText, NonIpText, "255.255.255.255", "", "1.2.3.4.5"}) {
        PingReply reply = Filled();
        PingAddress(text, Request, reply);
        EXPECT_TRUE(Untouched(reply)) << text;
    }
}

TEST_F(PingEngine, TwoCyclesEachStartAndCleanUp)
{
    for (int cycle = 0; cycle < 2; ++cycle) {
        ASSERT_TRUE(SocketsInitialize());
        PingReply reply{};
        PingAddress(GetIPFromHostName("localhost"), Request, reply);
        EXPECT_EQ(0u, reply.Reply.Status);
        SocketsCleanup();
    }
}

// Runs only while the namespace ignores echo requests (echo-ignored.sh).
TEST(PingTimeout, NoReplyLeavesTheTimeZero)
{
    if (!std::getenv("KEEPER_ECHO_IGNORED"))
        GTEST_SKIP() << "needs echo requests ignored";
    ASSERT_TRUE(SocketsInitialize());
    PingReply reply{};
    const DWORD start = GetTickCount();
    PingAddress("127.0.0.1", Request, reply);
    const DWORD waited = GetTickCount() - start;
    SocketsCleanup();
    EXPECT_EQ(0u, reply.Reply.RoundTripTime);
    EXPECT_NE(0u, reply.Reply.Status);
    EXPECT_GE(waited, 400u);   // the echo waited for its time-out, not failed at once
}

TEST(PingEngineCleanup, FailedCleanupIsReported)
{
    RecordMessages messages;
    SocketsCleanup();   // Windows Sockets was never started here
    ASSERT_EQ(1u, Shown.size());
    EXPECT_EQ("Olandri|Windows Sockets error occurred in Cleanup.|" +
                  std::to_string(MB_OK | MB_ICONEXCLAMATION),
              Shown[0]);
}

// Windows 95 without TCP/IP has no wsock32.dll: every call fails as it would with one that fails.
TEST(PingEngineWithoutSockets, EveryCallFails)
{
    RecordMessages messages;
    BindWinsock("no-such-wsock32.dll");
    EXPECT_FALSE(SocketsInitialize());
    EXPECT_EQ(UnresolvedText, GetIPFromHostName("localhost"));
    PingReply reply = Filled();
    PingAddress("127.0.0.1", Request, reply);
    SocketsCleanup();
    BindWinsock(nullptr);
    EXPECT_TRUE(Untouched(reply));
    // as the cleanup of sockets never started
    EXPECT_EQ(std::vector<std::string>{"Olandri|" + std::string(CleanupErrorText) + "|" +
                                       std::to_string(MB_OK | MB_ICONEXCLAMATION)},
              Shown);
}
