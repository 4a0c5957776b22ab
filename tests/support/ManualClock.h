#pragma once

#include "midi/Clock.h"

#include <atomic>
#include <mutex>
#include <set>
#include <vector>

namespace zr9::test
{

/**
    A clock that moves only when a test steps it. Timers fire inside step(),
    on the test's thread, in the order they fall due; worker threads waiting
    for a time are woken at every step.
*/
class ManualClock final : public Clock
{
public:
    std::uint64_t nowMs() const noexcept override { return now.load(); }
    std::unique_ptr<ClockTimer> makeTimer (std::function<void()> tick) override;
    void waitUntil (std::uint64_t dueMs, juce::WaitableEvent& wake) override;

    /** Moves the time on by ms, firing every timer that falls due on the way. */
    void step (int ms);

    /** How many timers are running now. */
    int runningTimers() const;

private:
    class Timer;
    friend class Timer;

    std::atomic<std::uint64_t> now { 1000 };
    std::vector<Timer*> timers; // test thread only
    mutable std::mutex waitLock;
    std::set<juce::WaitableEvent*> waiting;
};

} // namespace zr9::test
