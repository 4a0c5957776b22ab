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
    An opened MIDI output: writes a message to the device from the calling
    thread. The output control calls it from its sending thread, or for a
    port inside the program from the caller's thread, one message at a time
    (see MIDI_OUT_Control).
*/
class MidiOutputPort
{
public:
    virtual ~MidiOutputPort() = default;
    /** Writes one message, or one piece of at most 256 bytes of a long System Exclusive message. */
    virtual void sendNow (const juce::MidiMessage& message) = 0;
    /**
        True for a port inside the program whose writes never wait for a
        cable or a driver (the emulator, test ports): the output control then
        writes to it from the caller's thread, and only timed messages go
        through the sending thread.
    */
    virtual bool isInProcess() const noexcept { return false; }

    /** Shows every message this port writes to its device to `tap` (nullptr: to nothing), as port `portNumber`. */
    virtual void setTap (MidiTap* t, int portNumber) noexcept
    {
        tapPort.store (portNumber, std::memory_order_relaxed);
        tap.store (t, std::memory_order_release);
    }

protected:
    /**
        An implementation calls this right where it has written a message to
        its device, on the thread that wrote it: the output control's sending
        thread, or for a port inside the program the caller's thread.
    */
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
