#include "KeyboardPanel.h"

#include "ui/SkinImages.h"

namespace zr9
{

KeyboardPanel::KeyboardPanel (SlideListener& o) : owner (o)
{
    setSize (992, 460);
}

void KeyboardPanel::paint (juce::Graphics& g)
{
    const auto handle = getLocalBounds().withHeight (handleHeight);
    g.setColour (juce::Colour (0xff202020));
    g.fillRect (getLocalBounds());
    g.setGradientFill (juce::ColourGradient (juce::Colour (0xff3c3c3c), 0.0f, 0.0f,
                                             juce::Colour (0xff242424), 0.0f, (float) handleHeight, false));
    g.fillRect (handle);
    g.setColour (juce::Colour (0xff8a8a8a));
    for (int i = 0; i < 3; ++i)
        g.fillRoundedRectangle ((float) (getWidth() / 2 - 30), (float) (7 + 4 * i), 60.0f, 2.0f, 1.0f);
    g.setColour (juce::Colour (0xff4a4a4a));
    g.drawRect (getLocalBounds(), 1);
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
