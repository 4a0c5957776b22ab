#include "WriteLcd.h"

#include "ui/SkinFonts.h"
#include "ui/SkinPalette.h"

namespace zr9
{

WriteLcd::WriteLcd()
{
    setSize (lcdWidth, lcdHeight);
}

void WriteLcd::show (const juce::String& h, int destination, const juce::String& n, const juce::String& c)
{
    heading = h;
    number = destination;
    name = n;
    category = c;
    repaint();
}

void WriteLcd::paint (juce::Graphics& g)
{
    const auto area = getLocalBounds().toFloat();
    g.setColour (skin::colours::lcdGlass);
    g.fillRoundedRectangle (area, 4.0f);
    g.setColour (skin::colours::lcdFrame);
    g.drawRoundedRectangle (area.reduced (1.0f), 4.0f, 2.0f);

    auto text = getLocalBounds().reduced (10, 8);
    g.setColour (skin::colours::lcdPixelsDim);
    g.setFont (skin::lcdFont (11.0f));
    g.drawText (heading, text.removeFromTop (14), juce::Justification::centredLeft, true);
    g.setColour (skin::colours::lcdPixels);
    g.setFont (skin::lcdFont (20.0f, true));
    g.drawText ("ID# " + juce::String (number), text.removeFromTop (26), juce::Justification::centredLeft, true);
    g.setFont (skin::lcdFont (15.0f));
    g.drawText (name.isEmpty() ? juce::String ("(no name)") : name, text.removeFromTop (22), juce::Justification::centredLeft, true);
    g.setColour (skin::colours::lcdPixelsDim);
    g.setFont (skin::lcdFont (12.0f));
    g.drawText (category, text.removeFromTop (18), juce::Justification::centredLeft, true);
}

} // namespace zr9
