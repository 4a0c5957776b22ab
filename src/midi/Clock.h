#pragma once

#include <juce_events/juce_events.h>

#include <cstdint>
#include <functional>
#include <memory>

namespace zr9
{

/** A timer made by a Clock: calls its tick every interval until stopped or destroyed. */
class ClockTimer
{
public:
    virtual ~ClockTimer() = default;
    /** (Re)starts the timer: the first tick comes intervalMs from now. */
    virtual void start (int intervalMs) = 0;
    virtual void stop() = 0;
    virtual bool isRunning() const = 0;
};

/**
    The time the controller and the emulator run on. The program uses the
    system's clock, whose timers tick on the message thread; tests use a clock
    that moves only when they step it, so timed behaviour is tested without
    waiting.
*/
class Clock
{
public:
    virtual ~Clock() = default;

    /** Milliseconds from an arbitrary start; any thread. */
    virtual std::uint64_t nowMs() const noexcept = 0;

    /** The same time with the fraction of a millisecond where the clock has one; any thread, never blocks. */
    virtual double preciseMs() const noexcept { return (double) nowMs(); }

    /**
        Microseconds from the same start; any thread, the host's audio thread
        included (it neither locks nor waits). What MIDI is timed by.
    */
    virtual std::uint64_t nowUs() const noexcept { return nowMs() * 1000; }

    /** A timer whose ticks run on the message thread (or inside the stepping call of a test clock). */
    virtual std::unique_ptr<ClockTimer> makeTimer (std::function<void()> tick) = 0;

    /**
        Blocks a worker thread until the clock reaches dueMs or `wake` is
        signalled, whichever comes first; returns at once when dueMs has passed.
    */
    virtual void waitUntil (std::uint64_t dueMs, juce::WaitableEvent& wake) = 0;

    /** As waitUntil, to the microsecond where the clock can tell. */
    virtual void waitUntilUs (std::uint64_t dueUs, juce::WaitableEvent& wake) { waitUntil ((dueUs + 999) / 1000, wake); }

    /** The system's clock, shared by everything that is given no other. */
    static std::shared_ptr<Clock> system();
};

} // namespace zr9
