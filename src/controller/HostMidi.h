#pragma once

#include "SpscRing.h"

#include "midi/Clock.h"

#include <juce_audio_basics/juce_audio_basics.h>

namespace zr9
{

class ChannelPrograms;
class HeldKeys;
class LiveValues;
class MidiConnection;
class Notifications;

/** One channel message of at most three bytes, with the time it was taken. */
struct ShortMessage
{
    std::uint64_t timeMs = 0;
    std::uint8_t bytes[3] {};
    std::uint8_t size = 0;
};

/**
    The MIDI a plug-in host exchanges with the processor, in both directions.

    From the host: the audio thread hands every channel message of a block
    over without locks or allocation (`receiveFromHost`); the message thread
    takes them (`deliverFromHost`) into the note table and the state codes,
    keeps the channel's program, and passes each on to the instrument, so a
    DAW track plays the instrument through the plug-in.

    For the host: the channel messages the instrument plays arrive on the MIDI
    input thread (`queueForHost`) and wait, time-stamped, until the audio
    thread takes them into the host's buffer (`takeForHost`), so a DAW can
    record the instrument through the plug-in's MIDI output.
*/
class HostMidi
{
public:
    static constexpr int capacity = 1024;

    struct Parts
    {
        Clock& clock;
        HeldKeys& keys;
        LiveValues& live;
        ChannelPrograms& programs;
        Notifications& notifications;
        MidiConnection& connection;
    };

    explicit HostMidi (Parts parts) : p (parts) {}

    // -------------------------------------------------------------- for the host
    /** MIDI input thread: keeps a channel message for the host; anything else is not for it. */
    void queueForHost (const juce::MidiMessage& message) noexcept;
    /** Audio thread: moves up to `maximum` waiting messages into `into`; the number moved. */
    int takeForHost (ShortMessage* into, int maximum) noexcept;
    /** Drops what waits for the host; while the host is not processing. */
    void discardForHost() noexcept { toHost.discardAll(); }
    int waitingForHost() const noexcept { return toHost.waiting(); }

    // ------------------------------------------------------------- from the host
    /** Audio thread: keeps a message of the host's block; System Exclusive and longer messages are not taken. */
    void receiveFromHost (const std::uint8_t* bytes, int size) noexcept;
    /** Message thread: applies and passes on what the host sent. */
    void deliverFromHost();

private:
    void applyFromHost (const juce::MidiMessage& message);

    Parts p;
    SpscRing<ShortMessage, capacity> toHost;
    SpscRing<ShortMessage, capacity> fromHost;
};

} // namespace zr9
