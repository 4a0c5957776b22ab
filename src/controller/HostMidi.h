#pragma once

#include "BlockClock.h"

#include "midi/Clock.h"
#include "midi/ShortMessage.h"
#include "midi/SpscRing.h"

#include <juce_audio_basics/juce_audio_basics.h>

namespace zr9
{

class ChannelPrograms;
class ControllerSettings;
class HeldKeys;
class LiveValues;
class MidiConnection;
class Notifications;

/**
    The MIDI a plug-in host exchanges with the processor, in both directions,
    timed by the audio clock.

    From the host: on the audio thread, each channel message of a block goes
    to the output's sending thread with the time it is due (the block's start
    on the output's clock, plus its place in the block, plus a constant
    latency), through a lock-free ring, so it reaches the instrument in the
    block's timing whatever the message thread is doing. The controller's
    state follows on the message thread (`deliverFromHost`): held keys, the
    channels' programs, the pages. With the switch in the settings off the
    host's MIDI is not passed on, and the pages still follow it.

    For the host: each channel message from the instrument is stamped on
    arrival, on the MIDI input thread (`queueForHost`), and goes into the
    block at its arrival time plus one block, so the host records it with the
    timing it was played in; never more of them in one block than the host's
    buffer holds without growing, the rest in the next block.

    The audio thread takes no lock, allocates nothing and makes no call that
    waits.
*/
class HostMidi
{
public:
    static constexpr int capacity = 1024;
    /** The host's messages reach the instrument one block after their place in it, and never sooner than this. */
    static constexpr double minimumLatencyMs = 3.0;
    /** What a message takes in a host's MIDI buffer besides its own bytes: its sample position and its length. */
    static constexpr int bufferBytesPerMessage = (int) (sizeof (std::int32_t) + sizeof (std::uint16_t));
    /** What the messages for the host may take of its buffer in one block: the VST3 wrapper reserves this, the LV2 one more. */
    static constexpr int hostBufferBytes = 2048;

    struct Parts
    {
        Clock& clock;
        HeldKeys& keys;
        LiveValues& live;
        ChannelPrograms& programs;
        Notifications& notifications;
        MidiConnection& connection;
        ControllerSettings& settings;
    };

    explicit HostMidi (Parts parts) : p (parts) {}

    // ------------------------------------------------- while the host does not process
    /** Message thread: the host is about to run audio at this rate and block size. Drops what waited. */
    void prepare (double sampleRate, int blockSize);
    /** Message thread: the host stopped running audio. Drops what waits for it. */
    void release();

    /** The host's messages reach the instrument this long after their place in the block. */
    double toInstrumentLatencyMs() const noexcept;
    /** What the instrument plays goes into the block this long after it arrived: one block. */
    double toHostLatencyMs() const noexcept;

    // ---------------------------------------------------------------- audio thread
    /**
        Takes the host's messages from `midi` and fills it with what the
        instrument played: a block of `samples` samples.
    */
    void processBlock (juce::MidiBuffer& midi, int samples) noexcept;

    // ------------------------------------------------------------ other threads
    /** MIDI input thread: keeps a channel message for the host; anything else is not for it. */
    void queueForHost (const juce::MidiMessage& message) noexcept;
    /** Drops what waits for the host; while the host is not processing. */
    void discardForHost() noexcept { toHost.discardAll(); }
    int waitingForHost() const noexcept { return toHost.waiting(); }

    /** Message thread: the held keys, programs and pages follow what the host sent. */
    void deliverFromHost();

private:
    void passOn (const juce::MidiBuffer& midi, int samples, double blockStartUs) noexcept;
    void fillForHost (juce::MidiBuffer& midi, int samples, double blockStartUs) noexcept;
    void applyFromHost (const juce::MidiMessage& message);

    Parts p;
    // Set while the host does not process, read on the audio thread.
    double rate = 44100.0;
    int blockSize = 512;
    BlockClock blocks; // audio thread
    SpscRing<ShortMessage, capacity> toHost;
    SpscRing<ShortMessage, capacity> fromHost;
};

} // namespace zr9
