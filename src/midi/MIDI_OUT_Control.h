#pragma once

#include "MidiPorts.h"

#include <atomic>

namespace zr9
{

class MIDI_OUT_Control;

/** Observers of the output control. The control keeps the list; it sends no notification of its own. */
class MIDI_OUTListener
{
public:
    virtual ~MIDI_OUTListener() = default;
    virtual void midiOutChanged (MIDI_OUT_Control&) {}
};

/**
    Everything the system sends to the instrument leaves through this object.

    Short messages are time-stamped with the present moment and queued for the
    device's sending thread, so callers never block. A System Exclusive message
    longer than 256 bytes is sent at once in pieces of 256 bytes, with the
    queue cleared and the sending thread stopped meanwhile, so that nothing is
    interleaved with it. Every send runs under the send lock; every send on a
    closed control is dropped.
*/
class MIDI_OUT_Control
{
public:
    static constexpr int sysExPieceSize = 256;

    explicit MIDI_OUT_Control (MidiPortProvider& ports);
    ~MIDI_OUT_Control();

    /** Closes the open port; for n >= 1 opens output n - 1 of the platform list. Returns the open state. */
    bool open (int portNumber);
    void close();
    bool isOpen() const noexcept { return opened.load(); }
    /** 1-based number of the open port, 0 when closed. */
    int portNumber() const noexcept { return openPort.load(); }
    /** Byte 4 of every instrument message; nothing changes it. */
    int deviceId() const noexcept { return 0; }

    /** Sends a complete System Exclusive message, 0xF0 to 0xF7. */
    void sendSysEx (const void* data, size_t size);
    void sendSysEx (const juce::MemoryBlock& block) { sendSysEx (block.getData(), block.getSize()); }
    /** Queues a run of messages so that it leaves as one block, in its order. */
    void sendBuffer (const juce::MidiBuffer& buffer);
    /** Channel 1 to 16 (0 is taken as 1; above 16 nothing is sent). */
    void sendController (int channel, int controller, int value);
    void sendPitchWheel (int channel, int value);

    void addListener (MIDI_OUTListener* listener) { listeners.add (listener); }
    void removeListener (MIDI_OUTListener* listener) { listeners.remove (listener); }

private:
    static int statusChannel (int channel) noexcept { return channel == 0 ? 0 : channel - 1; }

    MidiPortProvider& ports;
    std::unique_ptr<MidiOutputPort> device;
    std::atomic<bool> opened { false };
    std::atomic<int> openPort { 0 };
    juce::CriticalSection sendLock;
    juce::ListenerList<MIDI_OUTListener, juce::Array<MIDI_OUTListener*, juce::CriticalSection>> listeners;

    JUCE_DECLARE_NON_COPYABLE (MIDI_OUT_Control)
};

} // namespace zr9
