#include "WoodSide.h"

namespace zr9
{

void WoodSide::paint (juce::Graphics& g)
{
    const auto w = (float) getWidth();
    const juce::Colour light (0xff6b4327), dark (0xff3a2314);
    // Lit from the middle of the window: the inner edge is the bright one.
    const bool onLeft = sideKind == left;
    g.setGradientFill (juce::ColourGradient (onLeft ? dark : light, 0.0f, 0.0f, onLeft ? light : dark, w, 0.0f, false));
    g.fillAll();
    g.setColour (juce::Colour (0x18000000));
    for (int y = 3; y < getHeight(); y += 7)
        g.drawHorizontalLine (y, 0.0f, w);
}

} // namespace zr9
