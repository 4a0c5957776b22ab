#include "WriteLcd.h"

#include "ui/SkinFonts.h"

namespace zr9
{

namespace
{
    const juce::Colour glass { 0xff0f2a33 };
    const juce::Colour frame { 0xff3d5566 };
    const juce::Colour pixels { 0xff9fe3ff };
    const juce::Colour dimPixels { 0xff4f8799 };
} // namespace

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
    g.setColour (glass);
    g.fillRoundedRectangle (area, 4.0f);
    g.setColour (frame);
    g.drawRoundedRectangle (area.reduced (1.0f), 4.0f, 2.0f);

    auto text = getLocalBounds().reduced (10, 8);
    g.setColour (dimPixels);
    g.setFont (skin::lcdFont (11.0f));
    g.drawText (heading, text.removeFromTop (14), juce::Justification::centredLeft, true);
    g.setColour (pixels);
    g.setFont (skin::lcdFont (20.0f, true));
    g.drawText ("ID# " + juce::String (number), text.removeFromTop (26), juce::Justification::centredLeft, true);
    g.setFont (skin::lcdFont (15.0f));
    g.drawText (name.isEmpty() ? juce::String ("(no name)") : name, text.removeFromTop (22), juce::Justification::centredLeft, true);
    g.setColour (dimPixels);
    g.setFont (skin::lcdFont (12.0f));
    g.drawText (category, text.removeFromTop (18), juce::Justification::centredLeft, true);
}

} // namespace zr9
