#include "ManualClock.h"

#include <algorithm>

namespace zr9::test
{

class ManualClock::Timer final : public ClockTimer
{
public:
    Timer (ManualClock& c, std::function<void()> t) : clock (c), tick (std::move (t)) { clock.timers.push_back (this); }
    ~Timer() override { clock.timers.erase (std::remove (clock.timers.begin(), clock.timers.end(), this), clock.timers.end()); }

    void start (int intervalMs) override
    {
        interval = std::max (1, intervalMs);
        due = clock.nowMs() + (std::uint64_t) interval;
        running = true;
    }
    void stop() override { running = false; }
    bool isRunning() const override { return running; }

    ManualClock& clock;
    std::function<void()> tick;
    int interval = 0;
    std::uint64_t due = 0;
    bool running = false;
};

std::unique_ptr<ClockTimer> ManualClock::makeTimer (std::function<void()> tick)
{
    return std::make_unique<Timer> (*this, std::move (tick));
}

void ManualClock::waitUntil (std::uint64_t dueMs, juce::WaitableEvent& wake)
{
    if (dueMs <= nowMs())
        return;
    {
        const std::lock_guard<std::mutex> sl (waitLock);
        waiting.insert (&wake);
    }
    // Woken by a step (or by the waiter's own signal); the caller looks at the time again.
    wake.wait (1000.0);
    const std::lock_guard<std::mutex> sl (waitLock);
    waiting.erase (&wake);
}

void ManualClock::step (int ms)
{
    const auto target = nowMs() + (std::uint64_t) std::max (0, ms);
    for (;;)
    {
        // The earliest running timer due by the target fires next; a tick may stop, start or destroy timers.
        Timer* next = nullptr;
        for (auto* t : timers)
            if (t->running && t->due <= target && (next == nullptr || t->due < next->due))
                next = t;
        if (next == nullptr)
            break;
        now = std::max (nowMs(), next->due);
        next->due += (std::uint64_t) next->interval;
        next->tick();
    }
    now = target;
    const std::lock_guard<std::mutex> sl (waitLock);
    for (auto* w : waiting)
        w->signal();
}

int ManualClock::runningTimers() const
{
    return (int) std::count_if (timers.begin(), timers.end(), [] (const Timer* t) { return t->running; });
}

} // namespace zr9::test
