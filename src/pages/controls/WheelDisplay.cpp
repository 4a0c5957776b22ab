#include "WheelDisplay.h"

#include "ui/SkinFonts.h"
#include "ui/SkinPalette.h"

namespace zr9
{

namespace
{
    constexpr int captionWidth = 78;
    constexpr int valueWidth = 54;
    constexpr int barHeight = 8;
} // namespace

WheelDisplay::WheelDisplay (Kind k, const juce::String& c)
    : kind (k), caption (c), shown (k == Kind::pitch ? pitchCentre : 0)
{
    setTitle (caption);
}

void WheelDisplay::showValue (int v)
{
    const int held = juce::jlimit (0, kind == Kind::pitch ? maxPitch : maxModulation, v);
    if (held != shown)
    {
        shown = held;
        repaint();
    }
}

juce::String WheelDisplay::text() const
{
    if (kind == Kind::modulation)
        return juce::String (shown);
    const int bend = shown - pitchCentre;
    return bend > 0 ? "+" + juce::String (bend) : juce::String (bend);
}

void WheelDisplay::paint (juce::Graphics& g)
{
    auto area = getLocalBounds();
    g.setColour (skin::colours::textDim);
    g.setFont (skin::font (11.0f, true));
    g.drawText (caption.toUpperCase(), area.removeFromLeft (captionWidth), juce::Justification::centredLeft, false);
    g.setColour (skin::colours::control);
    g.setFont (skin::font (13.0f));
    g.drawText (text(), area.removeFromRight (valueWidth), juce::Justification::centredRight, false);

    const auto bar = area.reduced (6, 0).withSizeKeepingCentre (area.getWidth() - 12, barHeight).toFloat();
    g.setColour (skin::colours::track);
    g.fillRoundedRectangle (bar, 3.0f);
    g.setColour (skin::colours::accent);
    if (kind == Kind::pitch)
    {
        const float centre = bar.getCentreX();
        const float x = bar.getX() + bar.getWidth() * (float) shown / (float) maxPitch;
        g.fillRect (juce::Rectangle<float> (juce::jmin (centre, x), bar.getY(), std::abs (x - centre), bar.getHeight()));
        g.setColour (skin::colours::textDim);
        g.fillRect (juce::Rectangle<float> (centre - 0.5f, bar.getY() - 3.0f, 1.0f, bar.getHeight() + 6.0f));
    }
    else
    {
        g.fillRoundedRectangle (bar.withWidth (bar.getWidth() * (float) shown / (float) maxModulation), 3.0f);
    }
}

} // namespace zr9
