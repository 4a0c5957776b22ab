#include "RevuDIAudioProcessor.h"

#include "BankFiles.h"
#include "SettingsFile.h"

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
    if (o.clock == nullptr)
        o.clock = Clock::system();
    if (loadedByManifestGenerator())
    {
        o.persistent = false;
        o.useDevices = false;
    }
    return o;
}

RevuDIAudioProcessor::RevuDIAudioProcessor (ProcessorOptions o)
    : juce::AudioProcessor (BusesProperties().withOutput ("Output", juce::AudioChannelSet::stereo(), true)),
      options (withDefaults (std::move (o))),
      libraryFolder (options.documentsBase),
      state (*options.ports,
             options.persistent ? std::make_unique<SettingsFile> (libraryFolder) : std::unique_ptr<SettingsStorage>(),
             options.clock)
{
    loadStartupBanks (state.model(), libraryFolder, options.persistent);
    state.start (options.useDevices);
}

RevuDIAudioProcessor::~RevuDIAudioProcessor()
{
    librarySaver.saveAtShutdown();
}

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
    return juce::String (state.live().table().name (row));
}

float RevuDIAudioProcessor::liveParameterValue (int row) const
{
    return state.live().table().normalised (row);
}

juce::String RevuDIAudioProcessor::liveParameterText (int row)
{
    const ModelObjectNames names (state.model());
    return juce::String (state.live().table().text (row, &names));
}

void RevuDIAudioProcessor::prepareToPlay (double sampleRate, int samplesPerBlock)
{
    juce::ignoreUnused (samplesPerBlock);
    rate = sampleRate;
    state.keys().clear();
}

void RevuDIAudioProcessor::releaseResources()
{
    state.keys().clear();
}

void RevuDIAudioProcessor::processBlock (juce::AudioBuffer<float>& audio, juce::MidiBuffer&)
{
    for (int ch = getTotalNumInputChannels(); ch < getTotalNumOutputChannels(); ++ch)
        audio.clear (ch, 0, audio.getNumSamples());
}

juce::AudioProcessorEditor* RevuDIAudioProcessor::createEditor()
{
    return options.makeEditor != nullptr ? options.makeEditor (*this) : nullptr;
}

} // namespace zr9
