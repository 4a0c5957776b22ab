#include "OutputQueue.h"

#include <algorithm>
#include <limits>

namespace zr9
{

namespace
{
    constexpr int stopWaitMs = 5000;
    constexpr std::uint64_t idleWaitUs = 500'000; // with nothing to do, the thread looks at its exit flag this often
    constexpr std::uint64_t never = std::numeric_limits<std::uint64_t>::max();
} // namespace

OutputQueue::OutputQueue (Clock& c, Write w) : juce::Thread ("ZR9 MIDI output"), clock (c), write (std::move (w)) {}

OutputQueue::~OutputQueue() { stop(); }

void OutputQueue::push (const juce::MidiMessage& message)
{
    {
        const std::lock_guard<std::mutex> sl (lock);
        queued.push_back ({ clock.nowUs(), message, false });
    }
    wake.signal();
}

void OutputQueue::push (const juce::MidiBuffer& run)
{
    {
        const std::lock_guard<std::mutex> sl (lock);
        const auto now = clock.nowUs();
        bool first = true;
        for (const auto meta : run)
        {
            queued.push_back ({ now, meta.getMessage(), ! first });
            first = false;
        }
    }
    wake.signal();
}

void OutputQueue::setTimedPolling (bool on)
{
    polling = on;
    wake.signal();
}

bool OutputQueue::waitUntilSent (int timeoutMs)
{
    std::unique_lock<std::mutex> sl (lock);
    // A pass that starts after this call has seen the host's ring as it is now. A sleeping
    // thread starts one when woken; a busy one may have looked at the ring before this call.
    const auto target = idlePasses + (asleep ? 1 : 2);
    const auto now = clock.nowUs();
    wake.signal();
    return changed.wait_for (sl, std::chrono::milliseconds (timeoutMs), [&] {
        const bool queuedDue = ! queued.empty() && queued.front().dueUs <= now;
        const bool timedDue = timedDueUs != 0 && timedDueUs <= now;
        return idlePasses >= target && ! writing && ! queuedDue && ! timedDue;
    });
}

void OutputQueue::discardWaiting()
{
    timed.discardAll();
    timedWaiting.clear();
    inRun = false;
    const std::lock_guard<std::mutex> sl (lock);
    queued.clear();
    timedDueUs = 0;
}

void OutputQueue::start()
{
    startThread (juce::Thread::Priority::high);
}

void OutputQueue::stop()
{
    signalThreadShouldExit();
    wake.signal();
    stopThread (stopWaitMs);
}

void OutputQueue::takeTimed()
{
    ShortMessage m;
    while (timed.pop (m))
    {
        // Equal times keep the order they were handed over in.
        const auto at = std::upper_bound (timedWaiting.begin(), timedWaiting.end(), m.timeUs,
                                          [] (std::uint64_t t, const ShortMessage& w) { return t < w.timeUs; });
        timedWaiting.insert (at, m);
    }
}

bool OutputQueue::takeDue (std::uint64_t nowUs, juce::MidiMessage& message, std::uint64_t& wakeUs)
{
    const std::lock_guard<std::mutex> sl (lock);
    timedDueUs = timedWaiting.empty() ? 0 : std::max<std::uint64_t> (1, timedWaiting.front().timeUs);
    const auto queuedDue = queued.empty() ? never : queued.front().dueUs;
    const auto timedDue = timedWaiting.empty() ? never : timedWaiting.front().timeUs;
    const auto first = std::min (queuedDue, timedDue);
    // The rest of a run follows it at once, whatever else fell due meanwhile.
    const bool runGoesOn = inRun && ! queued.empty() && queued.front().continuesRun;
    if (runGoesOn || first <= nowUs)
    {
        if (runGoesOn || queuedDue <= timedDue)
        {
            message = std::move (queued.front().message);
            queued.pop_front();
            inRun = ! queued.empty() && queued.front().continuesRun;
        }
        else
        {
            const auto& m = timedWaiting.front();
            message = juce::MidiMessage (m.bytes, (int) m.size);
            timedWaiting.pop_front();
            inRun = false;
            timedDueUs = timedWaiting.empty() ? 0 : std::max<std::uint64_t> (1, timedWaiting.front().timeUs);
        }
        writing = true;
        return true;
    }

    wakeUs = first;
    if (polling)
        wakeUs = std::min (wakeUs, nowUs + timedPollUs);
    if (wakeUs == never)
        wakeUs = nowUs + idleWaitUs;
    ++idlePasses;
    asleep = true;
    changed.notify_all();
    return false;
}

void OutputQueue::run()
{
    while (! threadShouldExit())
    {
        takeTimed();
        juce::MidiMessage message;
        std::uint64_t wakeUs = 0;
        if (takeDue (clock.nowUs(), message, wakeUs))
        {
            write (message);
            const std::lock_guard<std::mutex> sl (lock);
            writing = false;
            changed.notify_all();
            continue;
        }
        clock.waitUntilUs (wakeUs, wake);
        const std::lock_guard<std::mutex> sl (lock);
        asleep = false;
    }
    const std::lock_guard<std::mutex> sl (lock);
    asleep = false;
    changed.notify_all();
}

} // namespace zr9
