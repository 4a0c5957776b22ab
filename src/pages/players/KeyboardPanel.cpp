#include "KeyboardPanel.h"

#include "ui/SkinPalette.h"

namespace zr9
{

namespace
{
    constexpr int gripCentreX = 800;
    constexpr int gripWidth = 60;
} // namespace

KeyboardPanel::KeyboardPanel (SlideListener& o, MidiCntrState& controller) : owner (o), keys (controller)
{
    setSize (panelWidth, panelHeight);
    keys.setBounds (getLocalBounds());
    addAndMakeVisible (keys);
}

void KeyboardPanel::paint (juce::Graphics& g)
{
    const auto band = getLocalBounds().withHeight (bandHeight);
    g.setColour (skin::colours::panelFace);
    g.fillRect (getLocalBounds());
    g.setGradientFill (juce::ColourGradient (skin::colours::keyboardBandTop, 0.0f, 0.0f,
                                             skin::colours::keyboardBandBottom, 0.0f, (float) bandHeight, false));
    g.fillRect (band);
    g.setColour (skin::colours::grip);
    const int gripTop = bandHeight / 2 - 5;
    for (int i = 0; i < 3; ++i)
        g.fillRoundedRectangle ((float) (gripCentreX - gripWidth / 2), (float) (gripTop + 4 * i), (float) gripWidth, 2.0f, 1.0f);
    g.setColour (skin::colours::edge);
    g.drawHorizontalLine (bandHeight, 0.0f, (float) getWidth());
    g.drawRect (getLocalBounds(), 1);
}

void KeyboardPanel::visibilityChanged()
{
    // The channel may have been chosen elsewhere while the panel was away.
    if (isVisible())
        keys.showChannel();
    else
        keys.releaseAllKeys();
}

void KeyboardPanel::mouseMove (const juce::MouseEvent& e)
{
    setMouseCursor (isInBand (e.y) ? juce::MouseCursor::DraggingHandCursor : juce::MouseCursor::NormalCursor);
}

void KeyboardPanel::mouseDown (const juce::MouseEvent& e)
{
    if (onHandle (e))
        owner.slideCommand (*this, slide::grab, 0);
}

void KeyboardPanel::mouseDrag (const juce::MouseEvent& e)
{
    if (onHandle (e))
        owner.slideCommand (*this, slide::drag, e.getDistanceFromDragStartY());
}

void KeyboardPanel::mouseUp (const juce::MouseEvent& e)
{
    if (onHandle (e))
        owner.slideCommand (*this, slide::release, e.getDistanceFromDragStartY());
}

} // namespace zr9
