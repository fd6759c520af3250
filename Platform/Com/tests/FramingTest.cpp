// Messages cut into frames and joined again, and the lengths that break a
// stream, on a pair of connected local sockets.
#include <gtest/gtest.h>
#include <sys/socket.h>

#include <chrono>
#include <string>

#include "Com/RemoteProtocol.h"
#include "Com/Transport.h"

namespace {

using namespace std::chrono_literals;
using com::remote::FrameLimits;
using com::remote::FrameReader;
using com::remote::Transport;

// Frames of 8 bytes at most, messages of 64.
constexpr FrameLimits kSmall{8, 64, 1000ms};

struct Pair {
    Pair() {
        int fds[2];
        EXPECT_EQ(::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, fds), 0);
        sender = std::make_unique<Transport>(fds[0]);
        receiver = std::make_unique<Transport>(fds[1]);
    }
    std::unique_ptr<Transport> sender;
    std::unique_ptr<Transport> receiver;
};

// A frame header as a sender writes it: the length, and the top bit when
// more frames of the message follow.
std::string Header(uint32_t length, bool more = false) {
    const uint32_t header = length | (more ? 1u << 31 : 0);
    return std::string(reinterpret_cast<const char*>(&header), sizeof header);
}

TEST(Framing, AMessageLongerThanAFrameTravelsInFramesAndComesWhole) {
    Pair pair;
    const std::string longer = "0123456789abcdefghij";  // three frames
    ASSERT_TRUE(com::remote::WriteMessage(*pair.sender, longer, kSmall));
    ASSERT_TRUE(com::remote::WriteMessage(*pair.sender, "x", kSmall));
    EXPECT_FALSE(com::remote::WriteMessage(*pair.sender, std::string(65, 'y'), kSmall)) << "longer than any message";

    FrameReader reader(kSmall);
    ASSERT_TRUE(reader.receive(*pair.receiver));
    std::string body;
    ASSERT_TRUE(reader.next(body));
    EXPECT_EQ(body, longer);
    ASSERT_TRUE(reader.next(body));
    EXPECT_EQ(body, "x");
    EXPECT_FALSE(reader.next(body));
    EXPECT_FALSE(reader.begun()) << "nothing under way";
}

TEST(Framing, AMessageHalfReceivedWaitsForItsLastFrame) {
    Pair pair;
    const std::string first = Header(8, true) + "01234567";
    ASSERT_EQ(pair.sender->write(first.data(), first.size()), static_cast<ssize_t>(first.size()));
    FrameReader reader(kSmall);
    ASSERT_TRUE(reader.receive(*pair.receiver));
    std::string body;
    EXPECT_FALSE(reader.next(body));
    EXPECT_TRUE(reader.begun()) << "its next frame is due";

    const std::string last = Header(2) + "89";
    ASSERT_EQ(pair.sender->write(last.data(), last.size()), static_cast<ssize_t>(last.size()));
    ASSERT_TRUE(reader.receive(*pair.receiver));
    ASSERT_TRUE(reader.next(body));
    EXPECT_EQ(body, "0123456789");
}

TEST(Framing, LengthsThatNoSenderWritesBreakTheStream) {
    const struct {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"an empty frame", Header(0)},
        {"a frame longer than any", Header(9) + "012345678"},
        {"frames longer together than any message", [] {
             std::string frames;
             for (int i = 0; i < 8; ++i) frames += Header(8, true) + "01234567";
             return frames + Header(1) + "8";
         }()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Pair pair;
        ASSERT_EQ(pair.sender->write(c.bytes.data(), c.bytes.size()), static_cast<ssize_t>(c.bytes.size()));
        FrameReader reader(kSmall);
        EXPECT_FALSE(reader.receive(*pair.receiver));
    }
}

}  // namespace
