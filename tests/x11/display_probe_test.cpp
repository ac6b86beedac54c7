#include "host/x11/display_probe.h"

#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <optional>
#include <thread>
#include <vector>

namespace bumblorbs {
namespace {

using std::chrono::milliseconds;

TEST(DisplayProbeTest, ReadsWhereTheDisplayNameSaysTheServerListens) {
    const XServerAddress local{"/tmp/.X11-unix/X0", {}, 0};
    EXPECT_EQ(AddressOfDisplay(":0"), local);
    EXPECT_EQ(AddressOfDisplay("unix:0.1"), local);
    EXPECT_EQ(AddressOfDisplay("local/:0"), local);
    EXPECT_EQ(AddressOfDisplay(":12.0"), (XServerAddress{"/tmp/.X11-unix/X12", {}, 0}));
    EXPECT_EQ(AddressOfDisplay("localhost:10.0"), (XServerAddress{{}, "localhost", 6010}));
    EXPECT_EQ(AddressOfDisplay("tcp/example.org:2"), (XServerAddress{{}, "example.org", 6002}));
    EXPECT_EQ(AddressOfDisplay("tcp/:1"), (XServerAddress{{}, "localhost", 6001}));
    EXPECT_EQ(AddressOfDisplay("[::1]:3"), (XServerAddress{{}, "::1", 6003}));
    EXPECT_EQ(AddressOfDisplay("/tmp/launch-x/org.xquartz:0"),
              (XServerAddress{"/tmp/launch-x/org.xquartz", {}, 0}));
    // What Xlib alone can judge: no number, a DECnet node, an unknown protocol.
    for (const char* name : {"", "host", ":", ":x", ":-1", "host::0", "smtp/host:0", ":123456"}) {
        EXPECT_EQ(AddressOfDisplay(name), std::nullopt) << name;
    }
}

// A TCP server on the loopback that plays an X server: it takes one
// connection and sends `reply`, then keeps the connection until the prober
// lets it go, or hangs up. Where there is no reply it takes no connection.
class FakeServer {
public:
    enum class Then { Wait, HangUp };

    explicit FakeServer(std::optional<std::vector<unsigned char>> reply, Then then = Then::Wait)
        : listener_(socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0)) {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        // Any port above 6000 is a display number.
        for (std::uint16_t port = 6100; port < 7000 && port_ == 0; ++port) {
            address.sin_port = htons(port);
            if (bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0) {
                port_ = port;
            }
        }
        listen(listener_, 4);
        if (reply) {
            server_ = std::thread([this, bytes = *reply, then] { Serve(bytes, then); });
        }
    }
    ~FakeServer() {
        if (server_.joinable()) {
            server_.join();
        }
        close(listener_);
    }
    FakeServer(const FakeServer&) = delete;
    FakeServer& operator=(const FakeServer&) = delete;

    std::string Display() const { return "127.0.0.1:" + std::to_string(port_ - 6000); }

private:
    void Serve(const std::vector<unsigned char>& reply, Then then) const {
        const int client = accept(listener_, nullptr, nullptr);
        send(client, reply.data(), reply.size(), MSG_NOSIGNAL);
        char byte = 0;
        while (then == Then::Wait && read(client, &byte, 1) > 0) {
        }
        close(client);
    }

    int listener_;
    std::uint16_t port_ = 0;
    std::thread server_;
};

// An X server's setup reply: status, then `units` 4-byte units of data, of
// which only `sent` are sent.
std::vector<unsigned char> SetupReply(unsigned status, std::uint16_t units, std::size_t sent) {
    std::vector<unsigned char> reply(8, 0);
    reply[0] = static_cast<unsigned char>(status);
    reply[2] = 11;
    reply[6] = static_cast<unsigned char>(units & 0xFFU);
    reply[7] = static_cast<unsigned char>(units >> 8U);
    reply.resize(8 + 4 * sent, 0x2A);
    return reply;
}

std::string Probe(const FakeServer& server) {
    return SilentDisplayProblem(server.Display(), milliseconds(400)).value_or("");
}

TEST(DisplayProbeTest, TakesAnyWholeAnswerOfAnXServer) {
    for (const unsigned status : {0U, 1U, 2U}) {
        const FakeServer server(SetupReply(status, 300, 300));
        EXPECT_EQ(Probe(server), "") << status;
    }
}

TEST(DisplayProbeTest, GivesUpOnAServerThatDoesNotAnswerInTime) {
    const FakeServer silent(std::nullopt);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(Probe(silent),
              "the X display " + silent.Display() + " does not answer (waited 400 ms)");
    EXPECT_LT(std::chrono::steady_clock::now() - start, milliseconds(2000));
    // An answer cut short, its rest never coming.
    const FakeServer truncated(SetupReply(1, 100, 10));
    EXPECT_EQ(Probe(truncated),
              "the X display " + truncated.Display() + " does not answer (waited 400 ms)");
}

TEST(DisplayProbeTest, SaysWhenTheAnswerIsGarbage) {
    const FakeServer garbage(std::vector<unsigned char>(64, 0xFF));
    EXPECT_EQ(Probe(garbage),
              "the X display " + garbage.Display() + " does not answer as an X server");
}

TEST(DisplayProbeTest, LeavesADisplayThatRefusesOrHangsUpToXlib) {
    // A TCP port that nothing here listens on: refused at once.
    EXPECT_EQ(SilentDisplayProblem("127.0.0.1:59000", milliseconds(400)), std::nullopt);
    // Hung up on, at once or halfway through the answer, as ssh does to a
    // forwarded connection without its cookie: Xlib ends at once there too.
    const FakeServer atOnce(std::vector<unsigned char>{}, FakeServer::Then::HangUp);
    EXPECT_EQ(Probe(atOnce), "");
    const FakeServer halfway(SetupReply(1, 100, 1), FakeServer::Then::HangUp);
    EXPECT_EQ(Probe(halfway), "");
}

}  // namespace
}  // namespace bumblorbs
