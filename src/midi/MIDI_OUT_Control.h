#pragma once

#include "MidiPorts.h"

#include <atomic>

namespace zr9
{

/**
    Everything the system sends to the instrument leaves through this object.

    Short messages are time-stamped with the present moment and queued for the
    port's sending thread, so callers never block. A System Exclusive message
    longer than 256 bytes is sent at once in pieces of 256 bytes: the caller
    first waits until the messages already queued have left, then the sending
    thread stops while the pieces go out, so nothing is interleaved with them
    and nothing queued before them is lost or overtaken. Every send runs under
    the send lock; every send on a closed control is dropped.

    Threads: called from the message thread (pages, panels, transfers) and the
    MIDI input thread (the answer to an identity reply). Only the port's
    sending thread talks to the device in between.
*/
class MIDI_OUT_Control
{
public:
    static constexpr int sysExPieceSize = 256;
    /** How long a long message waits for the queue before it goes anyway. */
    static constexpr int queueWaitMs = 2000;

    explicit MIDI_OUT_Control (MidiPortProvider& ports);
    ~MIDI_OUT_Control();

    /** Closes the open port; for n >= 1 opens output n - 1 of the platform list. Returns the open state. */
    bool open (int portNumber);
    void close();
    bool isOpen() const noexcept { return opened.load(); }
    /** 1-based number of the open port, 0 when closed. */
    int portNumber() const noexcept { return openPort.load(); }
    /** Where the ports this control opens show each message they write to the device (the MIDI monitor). */
    void setTap (MidiTap* t) noexcept { monitorTap.store (t); }

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

private:
    static int statusChannel (int channel) noexcept { return channel == 0 ? 0 : channel - 1; }

    MidiPortProvider& ports;
    std::unique_ptr<MidiOutputPort> device;
    std::atomic<bool> opened { false };
    std::atomic<int> openPort { 0 };
    std::atomic<MidiTap*> monitorTap { nullptr };
    juce::CriticalSection sendLock;

    JUCE_DECLARE_NON_COPYABLE (MIDI_OUT_Control)
};

} // namespace zr9
