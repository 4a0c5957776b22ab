#include "WoodSide.h"

#include "SkinPalette.h"

namespace zr9
{

void WoodSide::paint (juce::Graphics& g)
{
    const auto w = (float) getWidth();
    const auto light = skin::colours::woodLight, dark = skin::colours::woodDark;
    // Lit from the middle of the window: the inner edge is the bright one.
    const bool onLeft = sideKind == left;
    g.setGradientFill (juce::ColourGradient (onLeft ? dark : light, 0.0f, 0.0f, onLeft ? light : dark, w, 0.0f, false));
    g.fillAll();
    g.setColour (skin::colours::woodGrain);
    for (int y = 3; y < getHeight(); y += 7)
        g.drawHorizontalLine (y, 0.0f, w);
}

} // namespace zr9
