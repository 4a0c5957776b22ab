#pragma once

#include "model/MidiControllers.h"

#include <juce_audio_basics/juce_audio_basics.h>

#include <array>

namespace zr9
{

/** Builders of the messages the controller sends for live values, the connection check and the note players. */
namespace messages
{
    /** The universal identity request: F0 7E 7F 06 01 F7. */
    juce::MemoryBlock identityRequest();

    /** F0 07 44 03 device 20 channel (0 to 15) program-high program-low F7. */
    juce::MemoryBlock channelProgram (int deviceId, int channel, int program);

    /** F0 07 44 03 device 11 value-high value-low F7. */
    juce::MemoryBlock valueMessage (int deviceId, int value);

    /** Tells the instrument which channel (1 to 16) the editor plays on: F0 07 44 03 device 40 channel-1 F7. */
    juce::MemoryBlock channelSelect (int deviceId, int channel);

    using Address = std::array<int, midicc::addressLength>;

    /**
        A parameter addressed with controllers: 110 to 114 carry the five
        address numbers, 118 and 119 the value offset by 8192 (high then low
        seven bits), all on one channel (1 to 16), in one buffer so that they
        leave together and in order.
    */
    juce::MidiBuffer controllerAddress (const Address& address, int value, int channel);
} // namespace messages

} // namespace zr9
