#include "ReplyLine.h"

#include <algorithm>

namespace zr9::emulator
{

namespace
{
    constexpr int idleWaitMs = 100; // with nothing queued, the thread looks at its exit flag this often
} // namespace

ReplyLine::ReplyLine (std::shared_ptr<Clock> c) : juce::Thread ("ZR9 Emulator replies"), clock (std::move (c))
{
    startThread();
}

ReplyLine::~ReplyLine()
{
    signalThreadShouldExit();
    wake.signal();
    stopThread (2000);
}

void ReplyLine::setCallback (juce::MidiInputCallback* c)
{
    // Waits for a delivery in progress, so a closed input is never called afterwards.
    const juce::ScopedLock sl (callbackLock);
    callback = c;
}

void ReplyLine::setLatencyMs (int ms)
{
    const juce::ScopedLock sl (lock);
    latencyMs = std::max (0, ms);
}

void ReplyLine::setCablePacingUs (int microsecondsPerByte)
{
    const juce::ScopedLock sl (lock);
    pacingUs = std::max (0, microsecondsPerByte);
    requestArrivesUs = lineFreeUs = 0;
}

void ReplyLine::carried (std::size_t bytes)
{
    bytesIn += bytes;
    const juce::ScopedLock sl (lock);
    if (pacingUs == 0)
        return;
    const auto nowUs = clock->nowMs() * 1000;
    requestArrivesUs = std::max (nowUs, requestArrivesUs) + (std::uint64_t) bytes * (std::uint64_t) pacingUs;
}

void ReplyLine::setFaults (const Faults& f)
{
    const juce::ScopedLock sl (lock);
    active = f;
}

Faults ReplyLine::faults() const
{
    const juce::ScopedLock sl (const_cast<juce::CriticalSection&> (lock));
    return active;
}

bool ReplyLine::isIdle() const
{
    const juce::ScopedLock sl (const_cast<juce::CriticalSection&> (lock));
    return queue.empty() && ! busy.load();
}

void ReplyLine::post (const std::vector<std::uint8_t>& reply)
{
    {
        const juce::ScopedLock sl (lock);
        if (active.dropNext > 0)
        {
            --active.dropNext;
            return;
        }
        auto bytes = reply;
        if (active.corruptByte >= 0 && (size_t) active.corruptByte < bytes.size())
        {
            bytes[(size_t) active.corruptByte] ^= 0x7F;
            if (active.corruptNext > 0 && --active.corruptNext == 0)
                active.corruptByte = -1;
        }
        const auto extraMs = (std::uint64_t) (latencyMs + active.delayMs);
        const int copies = active.duplicate ? 2 : 1;
        for (int i = 0; i < copies; ++i)
        {
            auto due = clock->nowMs() + extraMs;
            if (pacingUs > 0)
            {
                // The reply starts once the request is in and the line is free, and takes its bytes' time.
                const auto startUs = std::max ({ clock->nowMs() * 1000, requestArrivesUs, lineFreeUs });
                lineFreeUs = startUs + (std::uint64_t) bytes.size() * (std::uint64_t) pacingUs;
                due = (lineFreeUs + 999) / 1000 + extraMs;
            }
            queue.push_back ({ due, bytes });
            bytesOut += bytes.size();
        }
    }
    wake.signal();
}

void ReplyLine::run()
{
    while (! threadShouldExit())
    {
        std::vector<std::uint8_t> next;
        std::uint64_t due = 0;
        bool waiting = false;
        {
            const juce::ScopedLock sl (lock);
            if (! queue.empty())
            {
                if (queue.front().dueMs <= clock->nowMs())
                {
                    next = std::move (queue.front().bytes);
                    queue.pop_front();
                    busy = true;
                }
                else
                {
                    due = queue.front().dueMs;
                    waiting = true;
                }
            }
        }
        if (next.empty())
        {
            if (waiting)
                clock->waitUntil (due, wake);
            else
                wake.wait (idleWaitMs);
            continue;
        }
        deliver (next);
        busy = false;
    }
}

void ReplyLine::deliver (const std::vector<std::uint8_t>& bytes)
{
    int split = 1;
    {
        const juce::ScopedLock sl (lock);
        split = active.splitInto;
    }
    // The editor may answer from inside the callback, which reaches the
    // instrument and this line's queue again: only the callback lock is held.
    const juce::ScopedLock sl (callbackLock);
    ++deliveredCount;
    if (callback == nullptr)
        return;

    // Long System Exclusive replies may reach the input in pieces, as USB MIDI delivers them.
    const int pieces = bytes.front() == 0xF0 ? std::clamp (split, 1, (int) bytes.size()) : 1;
    const size_t step = (bytes.size() + (size_t) pieces - 1) / (size_t) pieces;
    for (size_t at = 0; at < bytes.size(); at += step)
    {
        const auto n = std::min (step, bytes.size() - at);
        callback->handleIncomingMidiMessage (nullptr, juce::MidiMessage (bytes.data() + at, (int) n));
    }
}

} // namespace zr9::emulator
