#include "RevuDIAudioProcessor.h"

#include "LiveParameter.h"
#include "SettingsFile.h"

#include "midi/JuceMidiPorts.h"
#include "model/DisplayTypes.h"
#include "model/MidiChannels.h"
#include "model/ModelObjectNames.h"
#include "model/RecallState.h"

#include <climits>

namespace zr9
{

namespace
{

    /**
        The LV2 manifest generator loads the plug-in at build time to read its
        description; the user's library folder is none of its business.
    */
    bool loadedByManifestGenerator()
    {
        return juce::File::getSpecialLocation (juce::File::hostApplicationPath).getFileName() == "juce_lv2_helper";
    }

    struct RateCode
    {
        double rate;
        int code;
    };
    constexpr RateCode rateCodes[] { { 48000.0, 1 }, { 88200.0, 2 }, { 96000.0, 3 }, { 176400.0, 4 }, { 192000.0, 5 } };
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
    files.loadAtStartup();
    // Another instance's arrangements came in: the host shows the new names.
    files.onPresetBankFollowed = [this] { updateHostDisplay (juce::AudioProcessorListener::ChangeDetails().withProgramChanged (true)); };
    state.start (options.useDevices);

    parameters.reserve ((size_t) LiveTable::rowCount);
    for (int row = 0; row < LiveTable::rowCount; ++row)
    {
        auto* p = new LiveParameter (row, state.live().table(), hostParameters,
                                     [this] (int r, int value) { return liveParameterText (r, value); });
        parameters.push_back (p);
        addParameter (p);
    }
    state.notifications().setParameterObserver (this);

    // While the host runs audio, a timer applies what its threads sent; from the message thread it applies at once.
    hostDelivery = state.clock().makeTimer ([this] { deliverHostChanges(); });
    hostParameters.setMessageThreadDelivery ([this] { deliverHostChanges(); });
}

RevuDIAudioProcessor::~RevuDIAudioProcessor()
{
    hostDelivery->stop();
    state.notifications().setParameterObserver (nullptr);
    files.saveAtShutdown();
}

// ------------------------------------------------------------------ host parameters

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

juce::String RevuDIAudioProcessor::liveParameterText (int row, int value)
{
    if (! LiveTable::isRow (row))
        return {};
    const auto& info = state.live().table().info (row);
    long long shown = value;
    if (info.displayCode == display::programBankAndNumber)
        shown += (long long) programsPerBank * state.getLiveValue (row - 1);
    const ModelObjectNames names (state.model());
    return juce::String (valueText ((int) juce::jlimit<long long> (INT_MIN, INT_MAX, shown), info.displayCode, &names));
}

LiveParameter* RevuDIAudioProcessor::liveParameter (int row) const noexcept
{
    return LiveTable::isRow (row) && (size_t) row < parameters.size() ? parameters[(size_t) row] : nullptr;
}

void RevuDIAudioProcessor::liveValueChanged (int row)
{
    if (! LiveTable::isRow (row))
        return;
    // A program fills its channel's whole block, of which only the program row is posted.
    if (row < LiveTable::firstControllerRow)
    {
        const int first = row - row % LiveTable::channelBlockSize;
        for (int r = first; r < first + LiveTable::channelBlockSize; ++r)
            parameters[(size_t) r]->tellHostIfChanged();
        return;
    }
    parameters[(size_t) row]->tellHostIfChanged();
}

void RevuDIAudioProcessor::liveGestureChanged (int row, bool starting)
{
    if (auto* p = liveParameter (row))
    {
        if (starting)
            p->beginChangeGesture();
        else
            p->endChangeGesture();
    }
}

void RevuDIAudioProcessor::deliverHostChanges()
{
    hostParameters.deliver ([this] (int row, int value) { state.setLiveValue (value, row, true); });
    state.hostMidi().deliverFromHost();
}

// ------------------------------------------------------------------------ programs

void RevuDIAudioProcessor::setCurrentProgram (int slot)
{
    if (! PlugBank::isSlot (slot))
        return;
    currentSlot = slot;
    if (updateHost)
    {
        state.plugBank().postNote (PlugBank::hostSlotChosen);
        sendChangeMessage();
        return;
    }
    const auto record = state.plugBank().record (slot);
    state.plugBank().apply (ByteView (record));
}

void RevuDIAudioProcessor::changeProgramName (int slot, const juce::String& name)
{
    if (updateHost || ! PlugBank::isSlot (slot))
        return;
    state.plugBank().setName (slot, name);
    currentSlot = slot;
}

void RevuDIAudioProcessor::getStateInformation (juce::MemoryBlock& destination)
{
    const auto blob = RecallState::make (ByteView (state.plugBank().bankBytes()), state.recall().current (currentSlot.load()));
    destination.replaceAll (blob.data(), blob.size());
}

juce::MemoryBlock RevuDIAudioProcessor::currentArrangementState()
{
    const int slot = currentSlot.load();
    const auto record = state.plugBank().buildCurrent (state.plugBank().name (slot), slot);
    const auto blob = ArrangementState::make (ByteView (record));
    return { blob.data(), blob.size() };
}

void RevuDIAudioProcessor::storeCurrentArrangement (int slot, const juce::String& name)
{
    if (! PlugBank::isSlot (slot))
        return;
    auto& bank = state.plugBank();
    bank.storeRecord (slot, ByteView (bank.buildCurrent (name, slot)));
    updateHostDisplay (juce::AudioProcessorListener::ChangeDetails().withProgramChanged (true));
}

void RevuDIAudioProcessor::getCurrentProgramStateInformation (juce::MemoryBlock& destination)
{
    destination = currentArrangementState();
}

void RevuDIAudioProcessor::setStateInformation (const void* data, int size)
{
    if (data == nullptr || size <= 0)
        return;
    const ByteView blob (static_cast<const std::uint8_t*> (data), (size_t) size);
    if (state.plugBank().loadBankState (blob) == 0)
        return;
    if (const auto recall = RecallState::read (blob))
    {
        if (PlugBank::isSlot (recall->slot))
            currentSlot = recall->slot;
        state.recall().restore (*recall);
    }
}

bool RevuDIAudioProcessor::loadArrangementState (const void* data, int size)
{
    if (data == nullptr || size <= 0)
        return false;
    const auto record = ArrangementState::read (ByteView (static_cast<const std::uint8_t*> (data), (size_t) size));
    if (! record.has_value())
        return false;
    state.plugBank().apply (ByteView (*record));
    return true;
}

void RevuDIAudioProcessor::setCurrentProgramStateInformation (const void* data, int size)
{
    loadArrangementState (data, size);
}

// --------------------------------------------------------------------------- audio

int RevuDIAudioProcessor::sampleRateCodeFor (double sampleRate) noexcept
{
    for (const auto& r : rateCodes)
        if (std::abs (sampleRate - r.rate) < 0.5)
            return r.code;
    return 0;
}

void RevuDIAudioProcessor::prepareToPlay (double sampleRate, int blockSizeSamples)
{
    rate = sampleRate;
    rateCode = sampleRateCodeFor (sampleRate);
    samplesPerBlock = blockSizeSamples;
    state.keys().clear();
    state.hostMidi().prepare (sampleRate, blockSizeSamples);
    hostDelivery->start (hostDeliveryMs);
}

void RevuDIAudioProcessor::releaseResources()
{
    hostDelivery->stop();
    deliverHostChanges(); // what came with the last blocks
    state.keys().clear();
    state.hostMidi().release();
}

RevuDIAudioProcessor::PlayPosition RevuDIAudioProcessor::playPosition() const noexcept
{
    return { positionKnown.load(), positionPlaying.load(), positionBpm.load(), positionPpq.load() };
}

void RevuDIAudioProcessor::processBlock (juce::AudioBuffer<float>& audio, juce::MidiBuffer& midi)
{
    state.hostMidi().processBlock (midi, audio.getNumSamples());

    for (int ch = getTotalNumInputChannels(); ch < getTotalNumOutputChannels(); ++ch)
        if (ch < audio.getNumChannels())
            audio.clear (ch, 0, audio.getNumSamples());

    if (auto* hostPlayHead = getPlayHead())
    {
        if (const auto position = hostPlayHead->getPosition())
        {
            positionKnown = true;
            positionPlaying = position->getIsPlaying();
            positionBpm = position->getBpm().orFallback (0.0);
            positionPpq = position->getPpqPosition().orFallback (0.0);
        }
    }
}

juce::AudioProcessorEditor* RevuDIAudioProcessor::createEditor()
{
    return options.makeEditor != nullptr ? options.makeEditor (*this) : nullptr;
}

} // namespace zr9
