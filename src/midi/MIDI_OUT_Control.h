#pragma once

#include "MidiPorts.h"
#include "OutputQueue.h"

#include <atomic>
#include <mutex>

namespace zr9
{

/**
    Everything the system sends to the instrument leaves through this object.

    Every message, System Exclusive messages of any length included, is
    queued for the output's sending thread with the present moment as its
    time, and leaves in the order it was queued; callers never wait for the
    device or for what was queued before. A plug-in host's messages come with
    the time they are due and leave at that time (see OutputQueue). The
    sending thread writes each message whole through `writeToDevice`, a long
    System Exclusive message in pieces of 256 bytes one straight after the
    other. A port inside the program (the emulator, the tests' ports) is
    written to from the caller's thread instead, at once, so what was sent
    has arrived when the call returns. Every send on a closed control is
    dropped. The open port shows each message (each piece of a long one) to
    the tap set here, the MIDI monitor, right where it writes it to the
    device and on the thread that writes it, so the monitor sees what leaves
    once and in the order it leaves.

    Threads: sends come from the message thread (pages, panels, transfers)
    and the MIDI input thread (the answer to an identity reply); timed
    messages from the host's audio thread, which only touches a lock-free
    ring; ports are opened and closed on the message thread.
*/
class MIDI_OUT_Control
{
public:
    static constexpr int sysExPieceSize = 256;

    MIDI_OUT_Control (MidiPortProvider& ports, Clock& clock);
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

    /** Sends a complete System Exclusive message, 0xF0 to 0xF7, of any length. */
    void sendSysEx (const void* data, size_t size);
    void sendSysEx (const juce::MemoryBlock& block) { sendSysEx (block.getData(), block.getSize()); }
    /** Queues a run of messages so that it leaves as one block, in its order. */
    void sendBuffer (const juce::MidiBuffer& buffer);
    /** Channel 1 to 16 (0 is taken as 1; above 16 nothing is sent). */
    void sendController (int channel, int controller, int value);
    void sendPitchWheel (int channel, int value);

    // ------------------------------------------------------------ a host's messages
    /** The clock the sending thread times messages by. */
    Clock& clock() noexcept { return timeSource; }
    /** Host's audio thread: a message to leave at its timeUs; dropped while closed or when too many wait. */
    bool sendTimed (const ShortMessage& message) noexcept { return opened.load() && sending.pushTimed (message); }
    /** On while a host runs audio: the sending thread then looks for timed messages every millisecond. */
    void setTimedSending (bool on) { sending.setTimedPolling (on); }

    /** True once everything due by now has been written; false after timeoutMs or while closed. */
    bool waitUntilSent (int timeoutMs) { return isOpen() && sending.waitUntilSent (timeoutMs); }

private:
    static int statusChannel (int channel) noexcept { return channel == 0 ? 0 : channel - 1; }
    void send (const juce::MidiMessage& message);
    void closeLocked();

    /** Writes one message from the sending thread. */
    void writeToDevice (const juce::MidiMessage& message);
    /** Where every message is written to the device, whole: the one door to the open port. Under deviceLock. */
    void write (const juce::MidiMessage& message);

    MidiPortProvider& ports;
    Clock& timeSource;
    std::mutex portLock;   // opening and closing
    std::mutex deviceLock; // the device, held while a message is written to it
    std::unique_ptr<MidiOutputPort> device;
    std::atomic<bool> opened { false };
    std::atomic<bool> writesAtOnce { false };
    std::atomic<int> openPort { 0 };
    std::atomic<MidiTap*> monitorTap { nullptr };
    OutputQueue sending { timeSource, [this] (const juce::MidiMessage& m) { writeToDevice (m); } };

    JUCE_DECLARE_NON_COPYABLE (MIDI_OUT_Control)
};

} // namespace zr9
