// The value controls' and the channel strips' pictures. Each is drawn in the
// coordinates it has on screen, onto an image twice that size, so it stays
// sharp on high-resolution screens.

#include "MixerPictures.h"
#include "PictureFile.h"

#include <functional>

namespace
{
using juce::Colour;
using juce::Graphics;

constexpr int scale = 2; // drawn at twice the size on screen

// A dark metal knob with a knurled rim, lit from the upper left; the pointer is drawn live.
void drawKnobFace (Graphics& g)
{
    const juce::Rectangle<float> face (0.0f, 0.0f, 40.0f, 40.0f);
    const auto centre = face.getCentre();

    g.setColour (Colour (0xff0c0c0c));
    g.fillEllipse (face);
    g.setGradientFill (juce::ColourGradient (Colour (0xff6a6a6a), 8.0f, 6.0f, Colour (0xff1c1c1c), 34.0f, 36.0f, false));
    g.fillEllipse (face.reduced (1.0f));

    // Knurling: short ridges all round the rim.
    constexpr int ridges = 36;
    for (int i = 0; i < ridges; ++i)
    {
        const float angle = juce::MathConstants<float>::twoPi * (float) i / (float) ridges;
        const auto outer = centre.getPointOnCircumference (18.6f, angle);
        const auto inner = centre.getPointOnCircumference (15.6f, angle);
        g.setColour (Colour (0xff000000).withAlpha (0.45f));
        g.drawLine ({ inner, outer }, 0.8f);
    }

    // The cap: a brushed disc, slightly raised.
    const auto cap = face.reduced (5.5f);
    g.setGradientFill (juce::ColourGradient (Colour (0xff5c5c5c), cap.getX(), cap.getY(), Colour (0xff262626), cap.getRight(), cap.getBottom(), false));
    g.fillEllipse (cap);
    juce::Random random (41);
    for (int i = 0; i < 10; ++i)
    {
        const float r = 2.0f + random.nextFloat() * (cap.getWidth() / 2.0f - 2.0f);
        g.setColour (Colour (0xffffffff).withAlpha (0.04f + random.nextFloat() * 0.04f));
        g.drawEllipse (juce::Rectangle<float> (2.0f * r, 2.0f * r).withCentre (centre), 0.4f);
    }
    g.setColour (Colour (0xffffffff).withAlpha (0.18f));
    g.drawEllipse (cap, 0.7f);
    g.setColour (Colour (0xff000000).withAlpha (0.6f));
    g.drawEllipse (face.reduced (0.5f), 1.0f);
}

// A light fader cap with a grip line across the middle.
void drawFaderCap (Graphics& g)
{
    const juce::Rectangle<float> cap (0.0f, 0.0f, 30.0f, 16.0f);
    g.setColour (Colour (0xff101010));
    g.fillRoundedRectangle (cap, 2.5f);
    g.setGradientFill (juce::ColourGradient (Colour (0xffeeeeee), 0.0f, 1.0f, Colour (0xff8e8e8e), 0.0f, 15.0f, false));
    g.fillRoundedRectangle (cap.reduced (1.0f), 2.0f);
    g.setColour (Colour (0xff6c6c6c));
    for (const float y : { 4.5f, 11.5f })
        g.fillRect (juce::Rectangle<float> (4.0f, y, 22.0f, 0.6f));
    g.setColour (Colour (0xff151515));
    g.fillRect (juce::Rectangle<float> (2.0f, 7.4f, 26.0f, 1.2f));
}

// One channel strip's panel: brushed dark metal with a bevelled edge.
void drawStripPanel (Graphics& g)
{
    const juce::Rectangle<float> panel (0.0f, 0.0f, 58.0f, 564.0f);
    g.setGradientFill (juce::ColourGradient (Colour (0xff414141), 0.0f, 0.0f, Colour (0xff2b2b2b), 0.0f, panel.getBottom(), false));
    g.fillRoundedRectangle (panel, 3.0f);

    juce::Random random (7);
    for (float y = 1.0f; y < panel.getBottom() - 1.0f; y += 0.5f)
    {
        g.setColour (Colour (0xffffffff).withAlpha (random.nextFloat() * 0.035f));
        g.fillRect (juce::Rectangle<float> (1.0f, y, panel.getWidth() - 2.0f, 0.5f));
    }

    g.setColour (Colour (0xffffffff).withAlpha (0.16f));
    g.drawLine (2.0f, 0.75f, panel.getRight() - 2.0f, 0.75f, 0.75f);
    g.drawLine (0.75f, 2.0f, 0.75f, panel.getBottom() - 2.0f, 0.75f);
    g.setColour (Colour (0xff000000).withAlpha (0.55f));
    g.drawLine (2.0f, panel.getBottom() - 0.5f, panel.getRight() - 2.0f, panel.getBottom() - 0.5f, 1.0f);
    g.drawLine (panel.getRight() - 0.5f, 2.0f, panel.getRight() - 0.5f, panel.getBottom() - 2.0f, 1.0f);
}

// The meter's bar, green at the bottom, yellow high up and red at the top, in segments.
void drawMeter (Graphics& g, float brightness)
{
    const juce::Rectangle<float> bar (0.0f, 0.0f, 5.0f, 109.0f);
    juce::ColourGradient gradient (Colour (0xffe0462e), 0.0f, 0.0f, Colour (0xff3fd16a), 0.0f, bar.getBottom(), false);
    gradient.addColour (0.18, Colour (0xffe8d44a));
    gradient.addColour (0.35, Colour (0xff9ad85a));
    if (brightness < 1.0f)
        for (int i = 0; i < gradient.getNumColours(); ++i)
            gradient.setColour (i, gradient.getColour (i).withMultipliedBrightness (brightness));
    g.setGradientFill (gradient);
    g.fillRect (bar);

    g.setColour (Colour (0xff000000).withAlpha (0.7f));
    for (float y = 2.5f; y < bar.getBottom(); y += 3.0f)
        g.fillRect (juce::Rectangle<float> (0.0f, y, bar.getWidth(), 0.5f));
}
} // namespace

bool drawMixerPictures (const juce::File& dir)
{
    return writePicture (dir, "knob_face", 40, 40, drawKnobFace, scale)
        && writePicture (dir, "fader_cap", 30, 16, drawFaderCap, scale)
        && writePicture (dir, "strip_panel", 58, 564, drawStripPanel, scale)
        && writePicture (dir, "meter_lit", 5, 109, [] (Graphics& g) { drawMeter (g, 1.0f); }, scale)
        && writePicture (dir, "meter_unlit", 5, 109, [] (Graphics& g) { drawMeter (g, 0.2f); }, scale);
}
