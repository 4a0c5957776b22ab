// The MIDI monitor's taps allocate nothing on the threads they run on: a
// count of every allocation made on the input thread while the monitor
// records, against the same traffic with the monitor closed.

#include "support/FakeMidiPorts.h"
#include "support/TestController.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <thread>

namespace
{
// Only allocations made by a thread that asked for counting are counted.
thread_local bool countingHere = false;
std::atomic<long> counted { 0 };

void* allocate (std::size_t n)
{
    if (countingHere)
        ++counted;
    if (void* p = std::malloc (n == 0 ? 1 : n))
        return p;
    throw std::bad_alloc();
}

void* allocateAligned (std::size_t n, std::align_val_t a)
{
    if (countingHere)
        ++counted;
    const auto alignment = std::max ((std::size_t) a, sizeof (void*));
    void* p = nullptr;
    if (posix_memalign (&p, alignment, n == 0 ? 1 : n) != 0)
        throw std::bad_alloc();
    return p;
}
} // namespace

void* operator new (std::size_t n) { return allocate (n); }
void* operator new[] (std::size_t n) { return allocate (n); }
void* operator new (std::size_t n, const std::nothrow_t&) noexcept { try { return allocate (n); } catch (...) { return nullptr; } }
void* operator new[] (std::size_t n, const std::nothrow_t&) noexcept { try { return allocate (n); } catch (...) { return nullptr; } }
void* operator new (std::size_t n, std::align_val_t a) { return allocateAligned (n, a); }
void* operator new[] (std::size_t n, std::align_val_t a) { return allocateAligned (n, a); }
void operator delete (void* p) noexcept { std::free (p); }
void operator delete[] (void* p) noexcept { std::free (p); }
void operator delete (void* p, std::size_t) noexcept { std::free (p); }
void operator delete[] (void* p, std::size_t) noexcept { std::free (p); }
void operator delete (void* p, const std::nothrow_t&) noexcept { std::free (p); }
void operator delete[] (void* p, const std::nothrow_t&) noexcept { std::free (p); }
void operator delete (void* p, std::align_val_t) noexcept { std::free (p); }
void operator delete[] (void* p, std::align_val_t) noexcept { std::free (p); }
void operator delete (void* p, std::size_t, std::align_val_t) noexcept { std::free (p); }
void operator delete[] (void* p, std::size_t, std::align_val_t) noexcept { std::free (p); }

using namespace zr9;

namespace
{
/** Runs `work` on a thread of its own and returns how many allocations it made there. */
template <typename Work>
long allocationsOnAThread (Work&& work)
{
    counted = 0;
    std::thread thread ([&work] {
        countingHere = true;
        work();
        countingHere = false;
    });
    thread.join();
    return counted.load();
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
