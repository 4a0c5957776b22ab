#pragma once

#include "library/RevuDIAudioProcessor.h"
#include "midi/JuceMidiPorts.h"

#include <memory>

namespace zr9::bench
{

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
