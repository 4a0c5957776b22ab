// The plug-in formats ask for the processor through createPluginFilter: the
// processor with the editor a host opens, on the platform's MIDI ports.

#include "RevuDIAudioProcessorEditor.h"

namespace zr9
{

ProcessorOptions pluginProcessorOptions()
{
    ProcessorOptions options;
    options.makeEditor = [] (RevuDIAudioProcessor& p) -> juce::AudioProcessorEditor* { return new RevuDIAudioProcessorEditor (p); };
    return options;
}

} // namespace zr9

juce::AudioProcessor* JUCE_CALLTYPE createPluginFilter();
juce::AudioProcessor* JUCE_CALLTYPE createPluginFilter()
{
    return new zr9::RevuDIAudioProcessor (zr9::pluginProcessorOptions());
}
