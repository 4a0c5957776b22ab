// The MIDI monitor's taps allocate nothing on the threads they run on: a
// count of every allocation made on the input thread while the monitor
// records, against the same traffic with the monitor closed.

#include "support/AudioThreadWatch.h"
#include "support/FakeMidiPorts.h"
#include "support/TestController.h"

#include <gtest/gtest.h>

#include <thread>

using namespace zr9;

namespace
{
/** Runs `work` on a thread of its own and returns how many allocations it made there. */
template <typename Work>
long allocationsOnAThread (Work&& work)
{
    long made = 0;
    std::thread thread ([&work, &made] {
        const test::AudioThreadWatch watch;
        work();
        made = watch.allocations();
    });
    thread.join();
    return made;
}

std::vector<juce::MidiMessage> traffic()
{
    std::vector<juce::MidiMessage> messages;
    for (int i = 0; i < 50; ++i)
    {
        messages.push_back (juce::MidiMessage::noteOn (1 + i % 16, 40 + i % 40, (juce::uint8) (1 + i)));
        messages.push_back (juce::MidiMessage::controllerEvent (1 + i % 16, 7, i));
        messages.push_back (juce::MidiMessage::pitchWheel (1 + i % 16, 100 * i));
        messages.push_back (juce::MidiMessage::noteOff (1 + i % 16, 40 + i % 40));
    }
    // Long System Exclusive messages take several of the queue's slots.
    std::vector<juce::uint8> reply (600, 0x11);
    reply.front() = 0xF0;
    reply.back() = 0xF7;
    for (int i = 0; i < 5; ++i)
        messages.push_back (juce::MidiMessage (reply.data(), (int) reply.size()));
    return messages;
}
} // namespace

TEST (MonitorTaps, TheTapItselfAllocatesNothing)
{
    ASSERT_TRUE (test::AudioThreadWatch::counting().allocations) << "the test program counts allocations";
    test::ManualClock clock;
    MonitorQueue queue (clock, 1024);
    queue.setRecording (true);
    const auto messages = traffic();
    const long made = allocationsOnAThread ([&] {
        for (const auto& m : messages)
            queue.tap (monitor::Direction::in, 1, m.getRawData(), (size_t) m.getRawDataSize());
    });
    EXPECT_EQ (made, 0);
    std::size_t taken = 0;
    queue.drain ([&taken] (const MonitorQueue::Record&) { ++taken; });
    EXPECT_EQ (taken, messages.size());
}

TEST (MonitorTaps, TheInputThreadAllocatesNoMoreWhileTheMonitorRecords)
{
    ASSERT_TRUE (test::AudioThreadWatch::counting().allocations) << "the test program counts allocations";
    test::FakeMidiPorts ports;
    test::TestController test (ports);
    auto& controller = test.controller;
    controller.connection().openInputPort (1);
    const auto messages = traffic();
    const auto deliver = [&]
    {
        return allocationsOnAThread ([&] {
            for (const auto& m : messages)
                ports.feed (m);
        });
    };
    // Each run starts from the same state: what the last one posted is taken away first.
    const auto run = [&]
    {
        controller.notifications().take();
        controller.hostMidi().discardForHost();
        return deliver();
    };

    run(); // settles whatever grows once
    const long closed = run();
    controller.monitor().setRecording (true);
    const long recording = run();
    controller.monitor().setRecording (false);

    EXPECT_EQ (recording, closed);
    std::size_t taken = 0;
    controller.monitor().drain ([&taken] (const MonitorQueue::Record&) { ++taken; });
    EXPECT_EQ (taken, messages.size());
}
