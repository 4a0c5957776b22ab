#pragma once

#include "ArrangementHost.h"
#include "HostParameterInbox.h"
#include "LibraryFiles.h"
#include "LibraryFolder.h"

#include "controller/MidiCntrState.h"

#include <juce_audio_processors/juce_audio_processors.h>

namespace zr9
{

class LiveParameter;

/** How the processor is set up by the program that hosts it. */
struct ProcessorOptions
{
    /** Base of the library folder; empty for the user's documents folder. */
    juce::File documentsBase;
    /** False when nothing may be read from or written to the library folder. */
    bool persistent = true;
    /** The MIDI devices; the platform's when empty. */
    std::shared_ptr<MidiPortProvider> ports;
    /** The time the controller runs on; the system's when empty. */
    std::shared_ptr<Clock> clock;
    /** False when no port may be opened and no instrument looked for. */
    bool useDevices = true;
    /** True in a plug-in, which has a host whose MIDI it may pass on to the instrument. */
    bool plugIn = false;
    /** Makes the editor a host opens; the processor has no editor without it. */
    std::function<juce::AudioProcessorEditor* (class RevuDIAudioProcessor&)> makeEditor;
};

/**
    The system's central object, in the shape of an audio plug-in processor:
    it embeds the controller state and is hosted by the stand-alone program's
    window or by a plug-in host. It keeps the bank of 64 arrangements that a
    host sees as its programs, and offers the 2,314 live rows to the host as
    its parameters.

    Threads: program, state and bank calls come from the message thread or a
    host's thread of its own; processBlock and host parameter changes may come
    from the host's audio thread, which only hands things over through
    lock-free queues. The host's MIDI goes from there to the output's sending
    thread, timed by the audio clock (HostMidi). Its effect on the
    controller's state, and the parameters the host set, are applied on the
    message thread: every `hostDeliveryMs` while the host runs audio (between
    prepareToPlay and releaseResources), and parameters at once when they
    were set from there.
*/
class RevuDIAudioProcessor : public juce::AudioProcessor,
                             public juce::ChangeBroadcaster,
                             public ArrangementHost,
                             private ParameterObserver
{
public:
    static constexpr int defaultEditorWidth = 1028;
    static constexpr int defaultEditorHeight = 730;
    static constexpr double defaultSampleRate = 44100.0;
    static constexpr int hostDeliveryMs = 5;

    explicit RevuDIAudioProcessor (ProcessorOptions options = {});
    ~RevuDIAudioProcessor() override;

    MidiCntrState& controller() noexcept { return state; }

    /** Changes a live value as the pages do: the controller stores it, sends it when asked and tells the pages and the host. */
    void setLiveValue (int value, int row, bool send) { state.setLiveValue (value, row, send); }

    const LibraryFolder& library() const noexcept { return libraryFolder; }
    /** False when nothing may be read from or written to the library folder. */
    bool isPersistent() const noexcept { return options.persistent; }
    /** True when a plug-in host runs the processor, false in the stand-alone program. */
    bool isPlugIn() const noexcept { return options.plugIn; }
    /** The library folder where files may be kept; nullptr when nothing may be written. */
    const LibraryFolder* persistentLibrary() const noexcept { return options.persistent ? &libraryFolder : nullptr; }
    /**
        Writes the library's data file of one object type now, when this
        instance changed the bank: the step after any store into a bank
        (an object kept by hand, imported). Merged with what another instance
        wrote meanwhile; nothing unless persistent.
    */
    void saveLibraryBank (int typeId) { files.saveBank (typeId); }
    /** The library folder's files as this instance shares them with others: banks, favourites, the lock, the notices. */
    LibraryFiles& libraryFiles() noexcept { return files; }
    double sampleRate() const noexcept { return rate.load(); }
    /** 48000 → 1, 88200 → 2, 96000 → 3, 176400 → 4, 192000 → 5, any other rate → 0. */
    int sampleRateCode() const noexcept { return rateCode.load(); }
    static int sampleRateCodeFor (double sampleRate) noexcept;
    int blockSize() const noexcept { return samplesPerBlock.load(); }

    struct PlayPosition
    {
        bool known = false;
        bool playing = false;
        double bpm = 0.0;
        double ppq = 0.0;
    };
    /** Where the host's transport stood at the last block, when the host told. */
    PlayPosition playPosition() const noexcept;

    // ------------------------------------------- the live table as host parameters
    /** One parameter per live row; the index is the row number. */
    int liveParameterCount() const noexcept { return LiveTable::rowCount; }
    juce::String liveParameterName (int row) const;
    /** 0 to 1 within the row's range; 0 beyond the table. */
    float liveParameterValue (int row) const;
    /** The row's value as the instrument shows it, object names from the banks; empty beyond the table. */
    juce::String liveParameterText (int row);
    /** Any value of a row as text; for display code 2102 with the row before as the bank. */
    juce::String liveParameterText (int row, int value);
    LiveParameter* liveParameter (int row) const noexcept;

    /** Applies what the host sent (parameters, MIDI's effect on the pages); message thread. Runs by itself every hostDeliveryMs while audio runs. */
    void deliverHostChanges();

    // ------------------------------------------------------------- arrangements
    /**
        While set, the host's program changes only choose the slot the
        update-host panel will store into (each noted with byte 180 for the
        editor), and renaming is refused.
    */
    void setUpdateHostMode (bool on) override { updateHost = on; }
    bool isUpdateHostMode() const noexcept { return updateHost.load(); }

    // ArrangementHost
    bool loadArrangementState (const void* data, int size) override;
    juce::MemoryBlock currentArrangementState() override;
    /**
        Builds the current arrangement from the live state under `name`
        ("Untitled" when empty) and stores it into the slot; the host is told
        that its programs changed. What the update-host panel's OK does.
    */
    void storeCurrentArrangement (int slot, const juce::String& name) override;
    int hostSlotCount() override { return getNumPrograms(); }
    juce::String hostSlotName (int slot) override { return getProgramName (slot); }
    void chooseHostSlot (int slot) override { setCurrentProgram (slot); }

    const PresetBankFile& presetBankFile() const noexcept { return files.presetBank(); }

    juce::Point<int> editorSize() const noexcept { return { editorWidth.load(), editorHeight.load() }; }
    void setEditorSize (int w, int h) noexcept { editorWidth = w; editorHeight = h; }

    // ------------------------------------------------------------ AudioProcessor
    const juce::String getName() const override { return "Halvorn VST"; }
    void prepareToPlay (double sampleRate, int samplesPerBlock) override;
    void releaseResources() override;
    using juce::AudioProcessor::processBlock;
    void processBlock (juce::AudioBuffer<float>&, juce::MidiBuffer&) override;
    const juce::String getInputChannelName (int channelIndex) const override { return juce::String (channelIndex + 1); }
    const juce::String getOutputChannelName (int channelIndex) const override { return juce::String (channelIndex + 1); }
    bool acceptsMidi() const override { return true; }
    bool producesMidi() const override { return true; }
    double getTailLengthSeconds() const override { return 0.0; }
    juce::AudioProcessorEditor* createEditor() override;
    bool hasEditor() const override { return options.makeEditor != nullptr; }
    int getNumPrograms() override { return PlugBank::slotCount; }
    int getCurrentProgram() override { return currentSlot.load(); }
    void setCurrentProgram (int slot) override;
    /** The slot's name as a host shows and finds it: without the blanks that pad the record's 24 characters. */
    const juce::String getProgramName (int slot) override { return state.plugBank().name (slot).trimEnd(); }
    void changeProgramName (int slot, const juce::String& name) override;
    /** The bank state, then what the instrument plays now (RecallState): the host keeps it in the project. */
    void getStateInformation (juce::MemoryBlock&) override;
    void getCurrentProgramStateInformation (juce::MemoryBlock&) override;
    /**
        Takes over the bank a state carries; when it also carries a recall
        block, the host's current program becomes the one saved and the
        instrument is brought back (LiveRecall). A bank state alone, as
        earlier versions saved it, only replaces the bank.
    */
    void setStateInformation (const void* data, int size) override;
    void setCurrentProgramStateInformation (const void* data, int size) override;

private:
    static ProcessorOptions withDefaults (ProcessorOptions options);
    void liveValueChanged (int row) override;
    void liveGestureChanged (int row, bool starting) override;

    ProcessorOptions options;
    LibraryFolder libraryFolder;
    // Outlive the controller: its input thread may tell of a change until it closes.
    HostParameterInbox hostParameters;
    std::vector<LiveParameter*> parameters;
    MidiCntrState state;
    LibraryFiles files { state, libraryFolder, options.persistent };
    std::atomic<int> currentSlot { 0 };
    std::atomic<bool> updateHost { false };
    std::atomic<double> rate { defaultSampleRate };
    std::atomic<int> rateCode { 0 };
    std::atomic<int> samplesPerBlock { 0 };
    std::atomic<bool> positionKnown { false }, positionPlaying { false };
    std::atomic<double> positionBpm { 0.0 }, positionPpq { 0.0 };
    std::atomic<int> editorWidth { defaultEditorWidth };
    std::atomic<int> editorHeight { defaultEditorHeight };
    std::unique_ptr<ClockTimer> hostDelivery;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (RevuDIAudioProcessor)
};

} // namespace zr9
