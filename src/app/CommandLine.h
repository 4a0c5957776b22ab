#pragma once

#include <juce_core/juce_core.h>

namespace zr9
{

/** What the stand-alone program is told on its command line. */
struct CommandLineOptions
{
    /** --documents DIR: base folder of the library folder; empty for the user's documents folder. */
    juce::File documents;
    /** --emulator: offer the built-in instrument emulator as one more MIDI port pair. */
    bool emulator = false;
    /** --emulator-cable: the emulator answers at the pace of a MIDI cable (implies --emulator). */
    bool emulatorCable = false;
    /** Anything not understood, for the message the program prints. */
    juce::StringArray unknown;
};

CommandLineOptions parseCommandLine (const juce::StringArray& arguments);

} // namespace zr9
