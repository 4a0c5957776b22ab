#pragma once

#include "app/MainComp.h"

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

private:
    RevuDIAudioProcessor& processor;
    MainComp main;
    juce::TooltipWindow tooltips { this };
};

} // namespace zr9
