#include "OctaveKeyClass.h"

#include "model/OctaveStripGeometry.h"
#include "ui/KeyboardImages.h"
#include "ui/SkinPalette.h"

#include <algorithm>

namespace zr9
{

namespace strip = octavestrip;

OctaveKeyClass::OctaveKeyClass (float scale, int firstNote)
    : drawingScale (scale), note (std::clamp (firstNote, 0, highestNote)), picture (skin::octaveStrip())
{
    setSize (juce::roundToInt (strip::width * scale), juce::roundToInt (strip::height * scale));
    setMouseCursor (juce::MouseCursor::PointingHandCursor);
}

void OctaveKeyClass::setFirstNote (int n)
{
    n = std::clamp (n, 0, highestNote);
    if (n == note)
        return;
    note = n;
    repaint();
    if (onWindowChanged != nullptr)
        onWindowChanged();
}

int OctaveKeyClass::noteAtX (float x) const noexcept
{
    return strip::noteAt ((double) x / drawingScale);
}

void OctaveKeyClass::paint (juce::Graphics& g)
{
    g.drawImage (picture, getLocalBounds().toFloat());

    // The keys play the two octaves from the window's octave on: that is what is shaded.
    const int first = octave() * strip::notesPerOctave;
    const int last = std::min (highestNote, first + notesInWindow - 1);
    const float left = (float) strip::keySpan (first).left * drawingScale;
    const float right = (float) strip::keySpan (last).right * drawingScale;
    const auto window = juce::Rectangle<float> (left, 0.0f, right - left, (float) getHeight());
    g.setColour (skin::colours::accent.withAlpha (0.45f));
    g.fillRect (window);
    g.setColour (skin::colours::accent);
    g.drawRect (window, 1.5f);
}

} // namespace zr9
