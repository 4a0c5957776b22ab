#include "RevuDIAudioProcessor.h"

#include "RevuDIAudioProcessorEditor.h"
#include "midi/JuceMidiPorts.h"
#include "model/ModelObjectNames.h"

namespace zr9
{

namespace
{
    constexpr int programModePause = 2000;
    constexpr int multiModeFirstPause = 1000;
    constexpr int multiModePause = 2000;

    /**
        The LV2 manifest generator loads the plug-in at build time to read its
        description; the user's library folder is none of its business.
    */
    bool loadedByManifestGenerator()
    {
        return juce::File::getSpecialLocation (juce::File::hostApplicationPath).getFileName() == "juce_lv2_helper";
    }
} // namespace

ProcessorOptions RevuDIAudioProcessor::withDefaults (ProcessorOptions o)
{
    if (o.ports == nullptr)
        o.ports = std::make_shared<JuceMidiPorts>();
    if (loadedByManifestGenerator())
        o.persistent = false;
    return o;
}

RevuDIAudioProcessor::RevuDIAudioProcessor (ProcessorOptions o)
    : juce::AudioProcessor (BusesProperties().withOutput ("Output", juce::AudioChannelSet::stereo(), true)),
      options (withDefaults (std::move (o))),
      state (*options.ports, LibraryFolder (options.documentsBase), options.persistent)
{
    state.createOutputControl();
    const int in = state.getSettingInt (setting::inputPort), out = state.getSettingInt (setting::outputPort);
    state.openInputPort (in);
    state.outputControl()->open (out);
    state.setScannedPorts (in, out);
    state.applyStartupDefaults();
    state.outputControl()->addListener (&state);
}

RevuDIAudioProcessor::~RevuDIAudioProcessor() = default;

void RevuDIAudioProcessor::applyPlayingMode (int newMode)
{
    if (newMode == 1)
    {
        state.pauseInput (programModePause);
    }
    else if (newMode == 2)
    {
        state.pauseInput (multiModeFirstPause);
        state.pauseInput (multiModePause);
    }
    else
    {
        return;
    }
    mode = newMode;
    state.setLiveValue (newMode, LiveTable::rowPlayingMode, true);
}

juce::String RevuDIAudioProcessor::liveParameterName (int row) const
{
    return juce::String (state.liveTableView().name (row));
}

float RevuDIAudioProcessor::liveParameterValue (int row) const
{
    return state.liveTableView().normalised (row);
}

juce::String RevuDIAudioProcessor::liveParameterText (int row)
{
    const ModelObjectNames names (state.model());
    return juce::String (state.liveTable().text (row, &names));
}

void RevuDIAudioProcessor::prepareToPlay (double sampleRate, int samplesPerBlock)
{
    juce::ignoreUnused (samplesPerBlock);
    state.sampleRate = sampleRate;
    state.clearKeys();
}

void RevuDIAudioProcessor::releaseResources()
{
    state.clearKeys();
}

void RevuDIAudioProcessor::processBlock (juce::AudioBuffer<float>& audio, juce::MidiBuffer&)
{
    const juce::ScopedLock sl (hostMidiLock);
    for (int ch = getTotalNumInputChannels(); ch < getTotalNumOutputChannels(); ++ch)
        audio.clear (ch, 0, audio.getNumSamples());
}

juce::AudioProcessorEditor* RevuDIAudioProcessor::createEditor()
{
    return new RevuDIAudioProcessorEditor (*this);
}

} // namespace zr9

// The plug-in formats ask for the processor through this function.
juce::AudioProcessor* JUCE_CALLTYPE createPluginFilter()
{
    return new zr9::RevuDIAudioProcessor();
}
