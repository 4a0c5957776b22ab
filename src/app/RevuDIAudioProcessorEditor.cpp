#include "RevuDIAudioProcessorEditor.h"

#include "library/RevuDIAudioProcessor.h"

namespace zr9
{

namespace
{
    constexpr int minimumWidth = 150, minimumHeight = 452;
    constexpr int maximumWidth = 1233, maximumHeight = 1092;
} // namespace

RevuDIAudioProcessorEditor::RevuDIAudioProcessorEditor (RevuDIAudioProcessor& p)
    : juce::AudioProcessorEditor (p), processor (p), main (p)
{
    addAndMakeVisible (main);
    const auto size = processor.editorSize();
    setResizeLimits (minimumWidth, minimumHeight, maximumWidth, maximumHeight);
    setResizable (true, true);
    setSize (size.x, size.y);
}

RevuDIAudioProcessorEditor::~RevuDIAudioProcessorEditor() = default;

void RevuDIAudioProcessorEditor::resized()
{
    main.setBounds (getLocalBounds());
    processor.setEditorSize (getWidth(), getHeight());
}

bool RevuDIAudioProcessorEditor::keyPressed (const juce::KeyPress& key)
{
    if (key.isKeyCode (juce::KeyPress::tabKey))
    {
        main.moveFocus (! key.getModifiers().isShiftDown());
        return true;
    }
    return main.keyPressed (key);
}

} // namespace zr9
