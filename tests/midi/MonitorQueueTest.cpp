// The monitor's queue between the MIDI threads and the message thread:
// nothing while recording is off, bursts beyond its room counted and the
// rest kept in order, long messages kept whole or by their start, and
// several writing threads at once (run under the thread sanitizer too).

#include "midi/MonitorQueue.h"
#include "support/ManualClock.h"

#include <gtest/gtest.h>

#include <thread>

using namespace zr9;
using monitor::Direction;
using Bytes = std::vector<std::uint8_t>;

namespace
{
struct Taken
{
    double timeMs;
    Direction direction;
    int port;
    Bytes bytes;
    std::size_t size;
};

std::vector<Taken> drainAll (MonitorQueue& queue, std::size_t limit = std::numeric_limits<std::size_t>::max())
{
    std::vector<Taken> out;
    queue.drain ([&out] (const MonitorQueue::Record& r) {
        out.push_back ({ r.timeMs, r.direction, r.port, Bytes (r.bytes, r.bytes + r.kept), r.size });
    }, limit);
    return out;
}

/** Controller message number n (0 to 16383) as a note-on whose two data bytes count. */
Bytes numbered (int n) { return { 0x90, (std::uint8_t) (n >> 7), (std::uint8_t) (n & 0x7F) }; }
int numberOf (const Bytes& b) { return b[1] * 128 + b[2]; }
} // namespace

TEST (MonitorQueue, RecordsNothingWhileOff)
{
    test::ManualClock clock;
    MonitorQueue queue (clock, 64);
    const auto m = numbered (1);
    queue.tap (Direction::in, 1, m.data(), m.size());
    EXPECT_TRUE (drainAll (queue).empty());
    EXPECT_EQ (queue.takeMissed(), 0u);

    queue.setRecording (true);
    queue.tap (Direction::in, 1, m.data(), m.size());
    queue.setRecording (false);
    queue.tap (Direction::in, 1, m.data(), m.size());
    EXPECT_EQ (drainAll (queue).size(), 1u);
}

TEST (MonitorQueue, ABurstLargerThanTheQueueCountsWhatItMissedAndKeepsTheRestInOrder)
{
    test::ManualClock clock;
    MonitorQueue queue (clock, 64);
    queue.setRecording (true);
    for (int n = 0; n < 100; ++n)
    {
        const auto m = numbered (n);
        queue.tap (n % 2 == 0 ? Direction::in : Direction::out, 1 + n % 3, m.data(), m.size());
        clock.step (1);
    }

    const auto taken = drainAll (queue);
    ASSERT_EQ (taken.size(), 64u);
    EXPECT_EQ (queue.takeMissed(), 36u);
    EXPECT_EQ (queue.takeMissed(), 0u);
    for (int n = 0; n < 64; ++n)
    {
        EXPECT_EQ (numberOf (taken[(size_t) n].bytes), n);
        EXPECT_EQ (taken[(size_t) n].direction, n % 2 == 0 ? Direction::in : Direction::out);
        EXPECT_EQ (taken[(size_t) n].port, 1 + n % 3);
        EXPECT_EQ (taken[(size_t) n].timeMs, 1000.0 + n);
    }

    // Room again once read; a reader may take a part and leave the rest for later.
    for (int n = 100; n < 110; ++n)
    {
        const auto m = numbered (n);
        queue.tap (Direction::in, 1, m.data(), m.size());
    }
    EXPECT_EQ (drainAll (queue, 4).size(), 4u);
    const auto rest = drainAll (queue);
    ASSERT_EQ (rest.size(), 6u);
    EXPECT_EQ (numberOf (rest.front().bytes), 104);
}

TEST (MonitorQueue, LongMessagesTakeSeveralSlotsAndKeepTheirStartBeyondTheLimit)
{
    test::ManualClock clock;
    MonitorQueue queue (clock, 256);
    queue.setRecording (true);

    Bytes reply (2362);
    for (std::size_t i = 0; i < reply.size(); ++i)
        reply[i] = (std::uint8_t) (i % 128);
    reply.front() = 0xF0;
    reply.back() = 0xF7;
    Bytes huge (5000, 0x33);
    huge.front() = 0xF0;
    queue.tap (Direction::in, 2, reply.data(), reply.size());
    queue.tap (Direction::in, 2, huge.data(), huge.size());

    const auto taken = drainAll (queue);
    ASSERT_EQ (taken.size(), 2u);
    EXPECT_EQ (taken[0].bytes, reply);
    EXPECT_EQ (taken[0].size, reply.size());
    EXPECT_EQ (taken[1].bytes, Bytes (huge.begin(), huge.begin() + (long) monitor::longestKept));
    EXPECT_EQ (taken[1].size, 5000u);

    // A message that needs more slots than there is room for is missed whole, never cut.
    MonitorQueue small (clock, 8);
    small.setRecording (true);
    small.tap (Direction::in, 1, reply.data(), reply.size());
    EXPECT_TRUE (drainAll (small).empty());
    EXPECT_EQ (small.takeMissed(), 1u);
}

TEST (MonitorQueue, DiscardDropsWhatWaitsAndTheMissedCount)
{
    test::ManualClock clock;
    MonitorQueue queue (clock, 4);
    queue.setRecording (true);
    const auto m = numbered (1);
    for (int i = 0; i < 6; ++i)
        queue.tap (Direction::in, 1, m.data(), m.size());
    queue.discard();
    EXPECT_EQ (queue.takeMissed(), 0u);
    EXPECT_TRUE (drainAll (queue).empty());
    queue.tap (Direction::out, 1, m.data(), m.size());
    EXPECT_EQ (drainAll (queue).size(), 1u);
}

TEST (MonitorQueue, WritersOnSeveralThreadsKeepTheirOwnOrderWhileTheReaderDrains)
{
    test::ManualClock clock;
    MonitorQueue queue (clock);
    queue.setRecording (true);
    constexpr int perThread = 5000;

    // Two threads like the input and the sending thread; one also sends long messages of several slots.
    std::atomic<int> finished { 0 };
    auto writer = [&queue, &finished] (Direction d, bool withLong)
    {
        Bytes longOne (300, 0x10);
        longOne.front() = 0xF0;
        longOne.back() = 0xF7;
        for (int n = 0; n < perThread; ++n)
        {
            const auto m = numbered (n);
            queue.tap (d, 1, m.data(), m.size());
            if (withLong && n % 50 == 0)
                queue.tap (d, 1, longOne.data(), longOne.size());
        }
        ++finished;
    };

    std::array<int, 2> last { -1, -1 };
    std::size_t taken = 0, longOnes = 0;
    bool ordered = true, whole = true;
    const auto take = [&] (const MonitorQueue::Record& r)
    {
        ++taken;
        if (r.bytes[0] == 0xF0)
        {
            ++longOnes;
            whole = whole && r.kept == 300 && r.bytes[299] == 0xF7 && r.bytes[150] == 0x10;
            return;
        }
        auto& previous = last[(size_t) r.direction];
        const int n = r.bytes[1] * 128 + r.bytes[2];
        ordered = ordered && n > previous;
        previous = n;
    };

    std::thread input (writer, Direction::in, false);
    std::thread sending (writer, Direction::out, true);
    while (finished.load() < 2)
        queue.drain (take);
    input.join();
    sending.join();
    queue.drain (take);

    EXPECT_TRUE (ordered);
    EXPECT_TRUE (whole);
    EXPECT_EQ (taken + queue.takeMissed(), (std::size_t) (2 * perThread + perThread / 50));
    EXPECT_GT (longOnes, 0u);
}
