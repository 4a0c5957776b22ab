// How the monitor puts recorded messages back together: System Exclusive
// pieces into one message, the seven controllers of an address message into
// one line, and everything else passed on in the order it travelled.

#include "model/MonitorStream.h"

#include <gtest/gtest.h>

using namespace zr9::monitor;
using Bytes = std::vector<std::uint8_t>;

namespace
{
struct Stream : ::testing::Test
{
    void add (double t, Direction d, Bytes b, std::size_t size = 0)
    {
        stream.add (t, d, 1, b.data(), b.size(), size == 0 ? b.size() : size);
    }

    /** The seven controllers of one address message on channel c (0-based), from time t on. */
    void addAddress (double t, Direction d, int c, std::size_t count = 7)
    {
        const std::array<int, 7> numbers { 110, 111, 112, 113, 114, 118, 119 };
        for (std::size_t i = 0; i < count; ++i)
            add (t + (double) i * 0.1, d, { (std::uint8_t) (0xB0 | c), (std::uint8_t) numbers[i], (std::uint8_t) i });
    }

    std::vector<MonitorMessage> out;
    MonitorStream stream { [this] (MonitorMessage&& m) { out.push_back (std::move (m)); } };
};

Bytes sysEx (std::size_t size)
{
    Bytes m (size, 0x11);
    m.front() = 0xF0;
    m.back() = 0xF7;
    return m;
}
} // namespace

TEST_F (Stream, SystemExclusivePiecesBecomeOneMessageWithOtherTrafficAroundThem)
{
    // A 600-byte message leaves in pieces of 256, 256 and 88; a reply and a clock arrive meanwhile.
    const auto whole = sysEx (600);
    add (1.0, Direction::out, Bytes (whole.begin(), whole.begin() + 256));
    add (1.5, Direction::in, { 0x90, 0x3C, 0x64 });
    add (2.0, Direction::out, Bytes (whole.begin() + 256, whole.begin() + 512));
    add (2.1, Direction::out, { 0xF8 });
    add (3.0, Direction::out, Bytes (whole.begin() + 512, whole.end()));

    ASSERT_EQ (out.size(), 3u);
    EXPECT_EQ (out[0].bytes, (Bytes { 0x90, 0x3C, 0x64 }));
    EXPECT_EQ (out[1].bytes, (Bytes { 0xF8 }));
    EXPECT_EQ (out[2].bytes, whole);
    EXPECT_EQ (out[2].size, 600u);
    EXPECT_EQ (out[2].timeMs, 1.0);
    EXPECT_EQ (out[2].direction, Direction::out);
}

TEST_F (Stream, UnfinishedSystemExclusiveGoesOnAsItIs)
{
    // Cut short by the next status: the piece goes on first, then the status.
    add (1.0, Direction::in, { 0xF0, 0x07, 0x44, 0x03 });
    add (2.0, Direction::in, { 0xB0, 0x07, 0x64 });
    ASSERT_EQ (out.size(), 2u);
    EXPECT_EQ (out[0].bytes, (Bytes { 0xF0, 0x07, 0x44, 0x03 }));
    EXPECT_EQ (out[1].bytes, (Bytes { 0xB0, 0x07, 0x64 }));

    // Never finished: it waits its time, then goes on; a new start also ends the wait.
    out.clear();
    add (10.0, Direction::in, { 0xF0, 0x01 });
    stream.flushStale (10.0 + MonitorStream::sysExWaitMs);
    EXPECT_TRUE (out.empty());
    stream.flushStale (10.0 + MonitorStream::sysExWaitMs + 1.0);
    ASSERT_EQ (out.size(), 1u);
    add (20.0, Direction::in, { 0xF0, 0x02 });
    add (21.0, Direction::in, { 0xF0, 0x03, 0xF7 });
    ASSERT_EQ (out.size(), 3u);
    EXPECT_EQ (out[1].bytes, (Bytes { 0xF0, 0x02 }));
    EXPECT_EQ (out[2].bytes, (Bytes { 0xF0, 0x03, 0xF7 }));
}

TEST_F (Stream, LongMessagesKeepTheirStartAndWholeLength)
{
    const auto whole = sysEx (6000);
    for (std::size_t at = 0; at < whole.size(); at += 256)
        add (1.0, Direction::out, Bytes (whole.begin() + (long) at, whole.begin() + (long) std::min (whole.size(), at + 256)));
    // One recorded in part by the queue counts as ended.
    add (2.0, Direction::in, Bytes (whole.begin(), whole.begin() + 40), 6000);

    ASSERT_EQ (out.size(), 2u);
    for (const auto& m : out)
    {
        EXPECT_EQ (m.size, 6000u);
        EXPECT_FALSE (m.isWhole());
        EXPECT_EQ (m.bytes.front(), 0xF0);
    }
    EXPECT_EQ (out[0].bytes.size(), longestKept);
    EXPECT_EQ (out[1].bytes.size(), 40u);
}

TEST_F (Stream, SevenAddressControllersBecomeOneLineAtTheTimeOfTheFirst)
{
    add (0.5, Direction::out, { 0xB2, 0x0A, 0x2B }); // the pan controller sent ahead of the address
    addAddress (1.0, Direction::out, 2, 3);
    add (1.2, Direction::in, { 0x90, 0x3C, 0x64 }); // the other direction does not break it
    addAddress (1.3, Direction::out, 2, 7); // restarts it: the first three go on alone
    ASSERT_EQ (out.size(), 5u + 1u);
    EXPECT_EQ (out[0].bytes, (Bytes { 0xB2, 0x0A, 0x2B }));
    EXPECT_EQ (out[1].direction, Direction::in);
    for (std::size_t i = 2; i < 5; ++i)
        EXPECT_FALSE (out[i].addressGroup);
    const auto& group = out[5];
    EXPECT_TRUE (group.addressGroup);
    EXPECT_EQ (group.timeMs, 1.3);
    EXPECT_EQ (group.bytes, (Bytes { 0xB2, 110, 0, 0xB2, 111, 1, 0xB2, 112, 2, 0xB2, 113, 3, 0xB2, 114, 4,
                                     0xB2, 118, 5, 0xB2, 119, 6 }));
}

TEST_F (Stream, BrokenAddressMessagesGoOnAsSingleControllers)
{
    // Another channel in between, a controller out of order, and one that never finishes.
    addAddress (1.0, Direction::out, 0, 2);
    add (1.5, Direction::out, { 0xB1, 112, 5 });
    ASSERT_EQ (out.size(), 3u);
    addAddress (2.0, Direction::out, 0, 4);
    add (2.5, Direction::out, { 0xB0, 118, 64 }); // 114 skipped
    ASSERT_EQ (out.size(), 8u);
    addAddress (3.0, Direction::out, 0, 6);
    stream.flushStale (3.0 + MonitorStream::addressWaitMs);
    EXPECT_EQ (out.size(), 8u);
    stream.flushStale (3.0 + MonitorStream::addressWaitMs + 1.0);
    ASSERT_EQ (out.size(), 14u);
    for (const auto& m : out)
        EXPECT_FALSE (m.addressGroup);
    // In the order they travelled.
    for (std::size_t i = 1; i < out.size(); ++i)
        EXPECT_LE (out[i - 1].timeMs, out[i].timeMs);
}
