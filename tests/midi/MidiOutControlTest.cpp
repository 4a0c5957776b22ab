#include "midi/MIDI_OUT_Control.h"
#include "support/FakeMidiPorts.h"
#include "support/HeldUpPorts.h"
#include "support/ManualClock.h"

#include <mutex>
#include <thread>

#include <gtest/gtest.h>

using namespace zr9;
using namespace zr9::test;

namespace
{
using Bytes = std::vector<juce::uint8>;

Bytes sysExOfLength (size_t n)
{
    Bytes m (n, 0x11);
    m.front() = 0xF0;
    m.back() = 0xF7;
    return m;
}

Bytes controller (int channel, int number, int value)
{
    return { (juce::uint8) (0xB0 + channel - 1), (juce::uint8) number, (juce::uint8) value };
}

ShortMessage timedNote (int key, std::uint64_t dueUs)
{
    const juce::uint8 bytes[] { 0x90, (juce::uint8) key, 100 };
    return ShortMessage::of (bytes, 3, dueUs);
}

std::vector<size_t> sizesOf (const std::vector<Bytes>& written)
{
    std::vector<size_t> sizes;
    for (const auto& w : written)
        sizes.push_back (w.size());
    return sizes;
}
} // namespace

TEST (MidiOutControl, LongSysExLeavesInPiecesOf256BytesAndShortOnesWhole)
{
    ManualClock clock;
    FakeMidiPorts ports;
    MIDI_OUT_Control out (ports, clock);
    ASSERT_TRUE (out.open (1));

    const auto m256 = sysExOfLength (256);
    out.sendSysEx (m256.data(), m256.size());
    ASSERT_EQ (ports.log->sent.size(), 1u);
    EXPECT_EQ (ports.log->sent[0].bytes, m256);

    const std::pair<size_t, std::vector<size_t>> cases[] {
        { 257, { 256, 1 } }, { 512, { 256, 256 } }, { 600, { 256, 256, 88 } }, { 2400, { 256, 256, 256, 256, 256, 256, 256, 256, 256, 96 } }
    };
    for (const auto& [length, pieces] : cases)
    {
        ports.log->clear();
        const auto m = sysExOfLength (length);
        out.sendSysEx (m.data(), m.size());
        std::vector<Bytes> sent;
        for (const auto& s : ports.log->sent)
            sent.push_back (s.bytes);
        EXPECT_EQ (sizesOf (sent), pieces) << length;
        ASSERT_EQ (ports.log->wholeSysEx().size(), 1u) << length;
        EXPECT_EQ (ports.log->wholeSysEx()[0], m) << length;
    }
}

TEST (MidiOutControl, ClosedControlDropsEverythingQuietly)
{
    ManualClock clock;
    FakeMidiPorts ports;
    MIDI_OUT_Control out (ports, clock);
    const auto m = sysExOfLength (300);
    out.sendSysEx (m.data(), m.size());
    out.sendController (1, 7, 100);
    out.sendPitchWheel (1, 8192);
    EXPECT_FALSE (out.sendTimed (timedNote (60, 0)));
    EXPECT_TRUE (ports.log->sent.empty());

    out.open (1);
    EXPECT_TRUE (out.isOpen());
    out.open (0);
    EXPECT_FALSE (out.isOpen()) << "opening port 0 closes the current port";
    EXPECT_EQ (out.portNumber(), 0);
    out.open (5);
    EXPECT_FALSE (out.isOpen()) << "a port beyond the list stays closed";
}

TEST (MidiOutControl, ChannelMessagesMaskTheirDataAndRefuseChannelsAboveSixteen)
{
    ManualClock clock;
    FakeMidiPorts ports;
    MIDI_OUT_Control out (ports, clock);
    out.open (1);
    out.sendController (17, 7, 100);
    EXPECT_TRUE (ports.log->sent.empty());

    out.sendController (0, 7, 100);
    out.sendController (16, 0x87, 0x1FF);
    out.sendPitchWheel (3, 0x2345);
    ASSERT_EQ (ports.log->sent.size(), 3u);
    EXPECT_EQ (ports.log->sent[0].bytes, (Bytes { 0xB0, 7, 100 }));
    EXPECT_EQ (ports.log->sent[1].bytes, (Bytes { 0xBF, 0x07, 0x7F }));
    EXPECT_EQ (ports.log->sent[2].bytes, (Bytes { 0xE2, 0x45, 0x46 }));
}

TEST (MidiOutControl, NoSenderWaitsForAHeldUpDeviceAndNothingOvertakesALongMessage)
{
    ManualClock clock;
    HeldUpPorts ports;
    MIDI_OUT_Control out (ports, clock);
    ASSERT_TRUE (out.open (1));
    ports.hold();

    // The first controller is being written and held; everything after it waits in the queue.
    const auto m2400 = sysExOfLength (2400);
    juce::WaitableEvent returned;
    std::thread sender ([&] {
        for (int value = 1; value <= 3; ++value)
            out.sendController (1, 7, value);
        out.sendSysEx (m2400.data(), m2400.size());
        out.sendController (1, 7, 4);
        returned.signal();
    });
    EXPECT_TRUE (returned.wait (5000)) << "the sends returned while the device was held up";
    EXPECT_TRUE (ports.waitForWritesBegun (1));
    ports.letGo();
    sender.join();

    ASSERT_TRUE (ports.waitForWritten (3 + 10 + 1));
    const auto written = ports.written();
    ASSERT_EQ (written.size(), 14u) << "nothing queued was thrown away";
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ (written[(size_t) i], controller (1, 7, i + 1)) << "queued first, sent first";
    Bytes joined;
    for (size_t i = 3; i < 13; ++i)
        joined.insert (joined.end(), written[i].begin(), written[i].end());
    EXPECT_EQ (joined, m2400) << "the pieces follow one another with nothing between them";
    EXPECT_EQ (written[13], controller (1, 7, 4));
}

TEST (MidiOutControl, TimedMessagesLeaveAtTheirTimeAndARunStaysWhole)
{
    ManualClock clock;
    HeldUpPorts ports;
    MIDI_OUT_Control out (ports, clock);
    ASSERT_TRUE (out.open (1));
    out.setTimedSending (true);
    const auto start = clock.nowUs();

    // Handed over out of order, due at +10 ms and +5 ms; a program message queued now goes first.
    ASSERT_TRUE (out.sendTimed (timedNote (61, start + 10'000)));
    ASSERT_TRUE (out.sendTimed (timedNote (60, start + 5'000)));
    out.sendController (2, 7, 1);
    ASSERT_TRUE (out.waitUntilSent (5000));
    EXPECT_EQ (ports.written(), (std::vector<Bytes> { controller (2, 7, 1) })) << "nothing timed before its time";

    clock.step (4);
    ASSERT_TRUE (out.waitUntilSent (5000));
    EXPECT_EQ (ports.written().size(), 1u);
    clock.step (1);
    ASSERT_TRUE (out.waitUntilSent (5000));
    ASSERT_EQ (ports.written().size(), 2u);
    EXPECT_EQ (ports.written()[1], (Bytes { 0x90, 60, 100 }));

    // A run is being written when a late note (due before the run was queued) and the
    // second note fall due: neither comes between the run's messages.
    ports.hold();
    juce::MidiBuffer run;
    for (int n = 110; n <= 114; ++n)
        run.addEvent (juce::MidiMessage::controllerEvent (3, n, n - 100), 0);
    out.sendBuffer (run);
    EXPECT_TRUE (ports.waitForWritesBegun (3));
    ASSERT_TRUE (out.sendTimed (timedNote (62, start + 1'000)));
    clock.step (5);
    ports.letGo();
    ASSERT_TRUE (ports.waitForWritten (2 + 5 + 2));
    ASSERT_TRUE (out.waitUntilSent (5000));
    const auto written = ports.written();
    ASSERT_EQ (written.size(), 9u);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ (written[(size_t) (2 + i)], controller (3, 110 + i, 10 + i)) << i;
    EXPECT_EQ (written[7], (Bytes { 0x90, 62, 100 })) << "the late note first, as soon as the run is out";
    EXPECT_EQ (written[8], (Bytes { 0x90, 61, 100 }));
}

TEST (MidiOutControl, ClosingDropsWhatWaitsAndAnotherPortStartsClean)
{
    ManualClock clock;
    HeldUpPorts ports;
    MIDI_OUT_Control out (ports, clock);
    ASSERT_TRUE (out.open (1));
    out.setTimedSending (true);
    ASSERT_TRUE (out.sendTimed (timedNote (70, clock.nowUs() + 50'000)));
    ASSERT_TRUE (out.waitUntilSent (5000));
    out.close();
    EXPECT_FALSE (out.sendTimed (timedNote (71, 0))) << "nothing is taken while closed";

    ASSERT_TRUE (out.open (1));
    clock.step (100);
    out.sendController (1, 7, 9);
    ASSERT_TRUE (out.waitUntilSent (5000));
    EXPECT_EQ (ports.written(), (std::vector<Bytes> { controller (1, 7, 9) })) << "the note meant for the closed port stayed behind";
}

namespace
{
/** Records what the ports show it, with the thread each message was shown on. */
class RecordingTap final : public MidiTap
{
public:
    struct Seen
    {
        monitor::Direction direction;
        int port;
        Bytes bytes;
        std::thread::id thread;
    };

    void tap (monitor::Direction direction, int port, const std::uint8_t* bytes, std::size_t size) noexcept override
    {
        const std::lock_guard<std::mutex> sl (lock);
        seen.push_back ({ direction, port, Bytes (bytes, bytes + size), std::this_thread::get_id() });
    }

    std::vector<Seen> all() const
    {
        const std::lock_guard<std::mutex> sl (lock);
        return seen;
    }

    std::vector<Bytes> bytes() const
    {
        std::vector<Bytes> out;
        for (const auto& s : all())
            out.push_back (s.bytes);
        return out;
    }

private:
    mutable std::mutex lock;
    std::vector<Seen> seen;
};

std::vector<Bytes> sentBytes (const FakeMidiLog& log)
{
    std::vector<Bytes> out;
    for (const auto& s : log.sent)
        out.push_back (s.bytes);
    return out;
}
} // namespace

TEST (MidiOutControl, TheTapSeesEachWriteOnceInOrderOnTheSendingThread)
{
    ManualClock clock;
    HeldUpPorts ports;
    RecordingTap tap;
    MIDI_OUT_Control out (ports, clock);
    out.setTap (&tap);
    ASSERT_TRUE (out.open (1));
    out.setTimedSending (true);

    const auto m600 = sysExOfLength (600);
    out.sendController (1, 7, 1);
    out.sendSysEx (m600.data(), m600.size());
    juce::MidiBuffer run;
    for (int n = 20; n <= 22; ++n)
        run.addEvent (juce::MidiMessage::controllerEvent (2, n, n), 0);
    out.sendBuffer (run);
    ASSERT_TRUE (out.sendTimed (timedNote (64, clock.nowUs() + 2'000)));
    ASSERT_TRUE (out.waitUntilSent (5000));
    clock.step (2);
    ASSERT_TRUE (ports.waitForWritten (1 + 3 + 3 + 1));
    ASSERT_TRUE (out.waitUntilSent (5000));

    const auto written = ports.written();
    ASSERT_EQ (written.size(), 8u);
    EXPECT_EQ (tap.bytes(), written) << "each message and piece shown once, in the order it was written";
    EXPECT_EQ (written.back(), (Bytes { 0x90, 64, 100 }));
    const auto seen = tap.all();
    for (const auto& s : seen)
    {
        EXPECT_EQ (s.direction, monitor::Direction::out);
        EXPECT_EQ (s.port, 1);
        EXPECT_NE (s.thread, std::this_thread::get_id()) << "a device port is written from the sending thread";
        EXPECT_EQ (s.thread, seen.front().thread);
    }
}

TEST (MidiOutControl, AnInProcessPortShowsItsWritesOnTheCallersThreadAndTimedOnesFromTheSendingThread)
{
    ManualClock clock;
    FakeMidiPorts ports (1, 2);
    RecordingTap tap;
    MIDI_OUT_Control out (ports, clock);
    out.setTap (&tap);
    ASSERT_TRUE (out.open (2));
    out.setTimedSending (true);

    const auto m300 = sysExOfLength (300);
    out.sendController (3, 10, 64);
    out.sendSysEx (m300.data(), m300.size());
    out.sendPitchWheel (1, 8192);
    const auto atOnce = tap.all();
    ASSERT_EQ (atOnce.size(), 4u) << "shown before the sends returned";
    for (const auto& s : atOnce)
    {
        EXPECT_EQ (s.direction, monitor::Direction::out);
        EXPECT_EQ (s.port, 2);
        EXPECT_EQ (s.thread, std::this_thread::get_id());
    }
    EXPECT_EQ (tap.bytes(), sentBytes (*ports.log));

    ASSERT_TRUE (out.sendTimed (timedNote (65, clock.nowUs())));
    clock.step (1);
    ASSERT_TRUE (out.waitUntilSent (5000));
    const auto seen = tap.all();
    ASSERT_EQ (seen.size(), 5u);
    EXPECT_EQ (seen.back().bytes, (Bytes { 0x90, 65, 100 }));
    EXPECT_NE (seen.back().thread, std::this_thread::get_id());
    EXPECT_EQ (tap.bytes(), sentBytes (*ports.log)) << "shown once each, as written";

    // Another port opened later shows its writes as its own number; a closed control shows nothing.
    out.close();
    out.sendController (1, 1, 1);
    EXPECT_EQ (tap.all().size(), 5u);
    ASSERT_TRUE (out.open (1));
    out.sendController (1, 1, 2);
    ASSERT_EQ (tap.all().size(), 6u);
    EXPECT_EQ (tap.all().back().port, 1);
}
