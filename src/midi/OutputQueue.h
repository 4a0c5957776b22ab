#pragma once

#include <juce_audio_devices/juce_audio_devices.h>

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>

namespace zr9
{

/**
    The sending thread of an output port: time-stamped messages wait here and
    the thread hands each to the device when it is due, in the order they were
    queued. Queuing never blocks on the device; waiting until everything queued
    has left is possible, so a message sent at once by another path can be put
    behind what is already waiting instead of throwing it away.
*/
class OutputQueue : private juce::Thread
{
public:
    using Send = std::function<void (const juce::MidiMessage&)>;

    /** `send` hands one message to the device; it runs on the sending thread only. */
    explicit OutputQueue (Send send);
    ~OutputQueue() override;

    /** Queues the buffer's messages; position p is due p / samplesPerSecond seconds after startMs. */
    void push (const juce::MidiBuffer& buffer, double startMs, double samplesPerSecond);

    /** True once every message queued so far has been handed to the device, false after timeoutMs. */
    bool waitUntilSent (int timeoutMs);

    void start();
    /** Stops the thread; messages still waiting stay queued until it starts again. */
    void stop();

private:
    struct Due
    {
        double dueMs;
        juce::MidiMessage message;
    };

    void run() override;

    Send send;
    std::mutex lock;
    std::condition_variable changed;
    std::deque<Due> waiting;
    bool sending = false; // a message has been taken from the queue and is being handed over
};

} // namespace zr9
