#pragma once

#include "Clock.h"
#include "ShortMessage.h"
#include "SpscRing.h"

#include <juce_audio_devices/juce_audio_devices.h>

#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>

namespace zr9
{

/**
    The output's sending thread and what waits for it.

    Two kinds of message wait here. Messages sent by the program (pages,
    transfers, the answers of the MIDI input thread), System Exclusive
    messages of any length among them, are due when they are queued and leave
    in the order they were queued. Messages of a plug-in host each carry the
    time they are due; the host's audio thread hands them over through a
    lock-free ring, without a lock, an allocation or a system call, so it
    cannot wake the thread: while the host runs audio the thread looks at the
    ring every `timedPollUs`. Whatever is due first leaves first.

    Every message leaves through `write`, called on this thread only, one
    whole message at a time, so a long System Exclusive message is never
    interleaved with anything. Queuing never waits for the device.
*/
class OutputQueue : private juce::Thread
{
public:
    using Write = std::function<void (const juce::MidiMessage&)>;

    static constexpr int timedCapacity = 1024;
    static constexpr std::uint64_t timedPollUs = 1000;

    OutputQueue (Clock& clock, Write write);
    ~OutputQueue() override;

    /** Queues a message due now; any thread but the host's audio thread. */
    void push (const juce::MidiMessage& message);
    /** Queues a run of messages due now, in its order, with nothing between them. */
    void push (const juce::MidiBuffer& run);

    /** Host's audio thread: hands over a message due at its timeUs. False when the ring is full. */
    bool pushTimed (const ShortMessage& message) noexcept { return timed.push (message); }
    /** While on, the thread looks at the host's ring every timedPollUs; otherwise only when it wakes for other work. */
    void setTimedPolling (bool on);

    /** True once everything due by now has been written (timed messages due later still wait); false after timeoutMs. */
    bool waitUntilSent (int timeoutMs);

    /** Drops everything waiting; only while the thread is stopped. */
    void discardWaiting();

    void start();
    /** Stops the thread after the message it is writing; what waits stays until discarded or started again. */
    void stop();

private:
    struct Due
    {
        std::uint64_t dueUs;
        juce::MidiMessage message;
        bool continuesRun; // the message before it belongs to the same run: nothing goes between them
    };

    void run() override;
    void takeTimed();
    /** The next message due by nowUs, taken from its queue; false, and the time to wake, when none is due. */
    bool takeDue (std::uint64_t nowUs, juce::MidiMessage& message, std::uint64_t& wakeUs);

    Clock& clock;
    Write write;
    SpscRing<ShortMessage, timedCapacity> timed;
    std::deque<ShortMessage> timedWaiting; // taken from the ring, in due order; this thread only
    bool inRun = false;                    // the last message written has more of its run to follow; this thread only
    std::atomic<bool> polling { false };
    juce::WaitableEvent wake;

    std::mutex lock; // the fields below
    std::condition_variable changed;
    std::deque<Due> queued;
    bool writing = false;       // a message is out of the queue and being written
    bool asleep = false;        // the thread waits for a due time or a wake
    std::uint64_t idlePasses = 0; // times the thread found nothing due
    std::uint64_t timedDueUs = 0; // the earliest host message waiting, 0 for none
};

} // namespace zr9
