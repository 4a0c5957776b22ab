#pragma once

#include "LibraryFolder.h"

#include "controller/MidiCntrState.h"

#include <juce_audio_processors/juce_audio_processors.h>

namespace zr9
{

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
    /** Makes the editor a host opens; the processor has no editor without it. */
    std::function<juce::AudioProcessorEditor* (class RevuDIAudioProcessor&)> makeEditor;
};

/**
    The system's central object, in the shape of an audio plug-in processor:
    it embeds the controller state and is hosted by the stand-alone program's
    window or by a plug-in host.
*/
class RevuDIAudioProcessor : public juce::AudioProcessor,
                             public juce::ChangeBroadcaster
{
public:
    static constexpr int defaultEditorWidth = 1028;
    static constexpr int defaultEditorHeight = 730;
    static constexpr double defaultSampleRate = 44100.0;

    explicit RevuDIAudioProcessor (ProcessorOptions options = {});
    ~RevuDIAudioProcessor() override;

    MidiCntrState& controller() noexcept { return state; }

    /**
        The pages' path for changing a live value: the controller stores it,
        sends it when asked and tells the pages; the host hears of it too.
    */
    void setLiveValue (int value, int row, bool send) { state.setLiveValue (value, row, send); }

    /** Playing mode 1 (program) or 2 (multi): pauses the input while the instrument switches, and sends the mode. */
    void applyPlayingMode (int mode);
    int playingMode() const noexcept { return mode.load(); }

    // ------------------------------------------- the live table as host parameters
    const LibraryFolder& library() const noexcept { return libraryFolder; }
    /** False when nothing may be read from or written to the library folder. */
    bool isPersistent() const noexcept { return options.persistent; }
    double sampleRate() const noexcept { return rate.load(); }

    /** One parameter per live row; the index is the row number. */
    int liveParameterCount() const noexcept { return LiveTable::rowCount; }
    juce::String liveParameterName (int row) const;
    /** 0 to 1 within the row's range; 0 beyond the table. */
    float liveParameterValue (int row) const;
    /** The row's value as the instrument shows it, object names from the banks; empty beyond the table. */
    juce::String liveParameterText (int row);

    juce::Point<int> editorSize() const noexcept { return { editorWidth, editorHeight }; }
    void setEditorSize (int w, int h) noexcept { editorWidth = w; editorHeight = h; }

    // ------------------------------------------------------------ AudioProcessor
    const juce::String getName() const override { return "Halvorn VST"; }
    void prepareToPlay (double sampleRate, int samplesPerBlock) override;
    void releaseResources() override;
    using juce::AudioProcessor::processBlock;
    void processBlock (juce::AudioBuffer<float>&, juce::MidiBuffer&) override;
    bool acceptsMidi() const override { return true; }
    bool producesMidi() const override { return true; }
    double getTailLengthSeconds() const override { return 0.0; }
    juce::AudioProcessorEditor* createEditor() override;
    bool hasEditor() const override { return options.makeEditor != nullptr; }
    int getNumPrograms() override { return 1; }
    int getCurrentProgram() override { return 0; }
    void setCurrentProgram (int) override {}
    const juce::String getProgramName (int) override { return {}; }
    void changeProgramName (int, const juce::String&) override {}
    void getStateInformation (juce::MemoryBlock&) override {}
    void setStateInformation (const void*, int) override {}

private:
    static ProcessorOptions withDefaults (ProcessorOptions options);

    ProcessorOptions options;
    LibraryFolder libraryFolder;
    MidiCntrState state;
    std::atomic<int> mode { 1 };
    std::atomic<double> rate { defaultSampleRate };
    int editorWidth = defaultEditorWidth;
    int editorHeight = defaultEditorHeight;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (RevuDIAudioProcessor)
};

} // namespace zr9
