#pragma once

#include "MainComp.h"

#include "library/RevuDIAudioProcessor.h"

namespace zr9
{

class RevuDIAudioProcessor;

/**
    The editor a plug-in host opens: the main component as its only content,
    with a resize corner. Its size is remembered by the processor.
*/
class RevuDIAudioProcessorEditor : public juce::AudioProcessorEditor
{
public:
    explicit RevuDIAudioProcessorEditor (RevuDIAudioProcessor& processor);
    ~RevuDIAudioProcessorEditor() override;

    MainComp& mainComponent() noexcept { return main; }
    void resized() override;
    /** Keys that reach the editor itself (nothing inside has the focus) go to the main component. */
    bool keyPressed (const juce::KeyPress& key) override;

private:
    RevuDIAudioProcessor& processor;
    MainComp main;
    juce::TooltipWindow tooltips { this };
};

/** How the plug-in formats build the processor: with this editor and the platform's MIDI ports. */
ProcessorOptions pluginProcessorOptions();

} // namespace zr9
