#include "RevuDIAudioProcessorEditor.h"

#include "library/RevuDIAudioProcessor.h"

namespace zr9
{

RevuDIAudioProcessorEditor::RevuDIAudioProcessorEditor (RevuDIAudioProcessor& p)
    : juce::AudioProcessorEditor (p), processor (p), main (p)
{
    addAndMakeVisible (main);
    const auto size = processor.editorSize();
    setResizeLimits (150, 452, 1233, 1092);
    setResizable (true, true);
    setSize (size.x, size.y);
}

RevuDIAudioProcessorEditor::~RevuDIAudioProcessorEditor() = default;

void RevuDIAudioProcessorEditor::resized()
{
    main.setBounds (getLocalBounds());
    processor.setEditorSize (getWidth(), getHeight());
}

} // namespace zr9
