#pragma once

#include "MidiTap.h"

#include <juce_audio_devices/juce_audio_devices.h>

#include <atomic>
#include <memory>

namespace zr9
{

/** An opened MIDI input. Messages go to the callback it was opened with once it is started. */
class MidiInputPort
{
public:
    virtual ~MidiInputPort() = default;
    virtual void start() = 0;
    virtual void stop() = 0;
};

/**
    An opened MIDI output: an immediate send from the calling thread, and a
    queue of time-stamped messages served by a sending thread of its own.
*/
class MidiOutputPort
{
public:
    virtual ~MidiOutputPort() = default;
    virtual void sendNow (const juce::MidiMessage& message) = 0;
    /** Queues the buffer; a message at position p leaves p / samplesPerSecond seconds after startMs. */
    virtual void sendBlock (const juce::MidiBuffer& buffer, double startMs, double samplesPerSecond) = 0;
    /** Waits until every queued message has left, at most timeoutMs; false when some are still waiting. */
    virtual bool waitUntilQueueSent (int timeoutMs) = 0;
    virtual void startSendingThread() = 0;
    virtual void stopSendingThread() = 0;

    /** Shows every message this port writes to its device to `tap` (nullptr: to nothing), as port `portNumber`. */
    virtual void setTap (MidiTap* t, int portNumber) noexcept
    {
        tapPort.store (portNumber, std::memory_order_relaxed);
        tap.store (t, std::memory_order_release);
    }

protected:
    /** An implementation calls this where it has written a message to its device, on the thread that wrote it. */
    void written (const juce::uint8* data, int size) const noexcept
    {
        if (auto* t = tap.load (std::memory_order_acquire))
            t->tap (monitor::Direction::out, tapPort.load (std::memory_order_relaxed), data, (size_t) std::max (0, size));
    }
    void written (const juce::MidiMessage& m) const noexcept { written (m.getRawData(), m.getRawDataSize()); }

private:
    std::atomic<MidiTap*> tap { nullptr };
    std::atomic<int> tapPort { 0 };
};

/**
    The one door to the MIDI devices: ordered name lists and opening by index
    (0-based position in the list). Nothing else in the system touches the
    framework's MIDI device classes, so every path can run against the
    emulator or a test fake.
*/
class MidiPortProvider
{
public:
    virtual ~MidiPortProvider() = default;
    virtual juce::StringArray inputNames() = 0;
    virtual juce::StringArray outputNames() = 0;
    /** The opened input, or nullptr when index is not in the list or the device refuses. */
    virtual std::unique_ptr<MidiInputPort> openInput (int index, juce::MidiInputCallback& callback) = 0;
    /** The opened output, or nullptr when index is not in the list or the device refuses. */
    virtual std::unique_ptr<MidiOutputPort> openOutput (int index) = 0;
};

} // namespace zr9
