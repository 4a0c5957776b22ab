#include "OutputQueue.h"

namespace zr9
{

namespace
{
    constexpr int stopWaitMs = 5000;
    constexpr int idleWaitMs = 500; // the thread looks at its exit flag at least this often
} // namespace

OutputQueue::OutputQueue (Send s) : juce::Thread ("ZR9 MIDI output"), send (std::move (s)) {}

OutputQueue::~OutputQueue() { stop(); }

void OutputQueue::push (const juce::MidiBuffer& buffer, double startMs, double samplesPerSecond)
{
    {
        const std::lock_guard<std::mutex> sl (lock);
        for (const auto meta : buffer)
            waiting.push_back ({ startMs + 1000.0 * meta.samplePosition / samplesPerSecond, meta.getMessage() });
    }
    changed.notify_all();
}

bool OutputQueue::waitUntilSent (int timeoutMs)
{
    std::unique_lock<std::mutex> sl (lock);
    return changed.wait_for (sl, std::chrono::milliseconds (timeoutMs), [this] { return waiting.empty() && ! sending; });
}

void OutputQueue::start()
{
    startThread (juce::Thread::Priority::high);
}

void OutputQueue::stop()
{
    signalThreadShouldExit();
    changed.notify_all();
    stopThread (stopWaitMs);
}

void OutputQueue::run()
{
    std::unique_lock<std::mutex> sl (lock);
    while (! threadShouldExit())
    {
        if (waiting.empty())
        {
            changed.wait_for (sl, std::chrono::milliseconds (idleWaitMs));
            continue;
        }
        const double wait = waiting.front().dueMs - juce::Time::getMillisecondCounterHiRes();
        if (wait > 0.0)
        {
            changed.wait_for (sl, std::chrono::microseconds ((long long) (wait * 1000.0)));
            continue;
        }
        const auto message = std::move (waiting.front().message);
        waiting.pop_front();
        sending = true;
        sl.unlock();
        send (message);
        sl.lock();
        sending = false;
        changed.notify_all();
    }
}

} // namespace zr9
