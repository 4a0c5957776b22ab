#pragma once

#include "library/RevuDIAudioProcessor.h"
#include "midi/JuceMidiPorts.h"

#include <memory>

namespace juce
{
// The framework's own step of its message loop on Linux: it hands out the next
// waiting message and returns false when none waits (the program itself needs
// no modal loops).
bool dispatchNextMessageOnSystemQueue (bool returnIfNoPendingMessages);
} // namespace juce

namespace zr9::bench
{

/** Runs this thread's message loop for a while: timers and asynchronous updates, napping 1 ms while none waits. */
inline void runMessageLoopFor (int milliseconds)
{
    const auto end = juce::Time::getMillisecondCounter() + (juce::uint32) juce::jmax (0, milliseconds);
    while (juce::Time::getMillisecondCounter() < end)
        if (! juce::dispatchNextMessageOnSystemQueue (true))
            juce::Thread::sleep (1);
}

/** A library folder of its own under the temporary folder; nothing is written there, as the processor keeps nothing. */
inline juce::File freshFolder()
{
    return juce::File::getSpecialLocation (juce::File::tempDirectory).getChildFile ("zr9-bench-" + juce::Uuid().toString());
}

/** A processor for a benchmark: no devices opened and no file written. */
inline std::unique_ptr<RevuDIAudioProcessor> makeProcessor (const juce::File& folder,
                                                             std::shared_ptr<MidiPortProvider> ports = std::make_shared<JuceMidiPorts>())
{
    ProcessorOptions options;
    options.documentsBase = folder;
    options.persistent = false;
    options.useDevices = false;
    options.ports = std::move (ports);
    return std::make_unique<RevuDIAudioProcessor> (options);
}

} // namespace zr9::bench
