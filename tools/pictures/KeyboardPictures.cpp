// The pictures of the keyboard panel, drawn with the framework's Graphics.

#include "KeyboardPictures.h"
#include "PictureFile.h"

#include "model/OctaveStripGeometry.h"

#include <cmath>
#include <functional>

namespace
{
using juce::Colour;
using juce::ColourGradient;
using juce::Graphics;

const Colour accent { 0xffe0462e };

constexpr int whiteKeyWidth = 60, whiteKeyHeight = 390;
constexpr int blackKeyWidth = 39, blackKeyHeight = 237;
constexpr int padSize = 100;
constexpr int wheelWidth = 44, wheelHeight = 200;
constexpr int wheelFramePitch = 68; // the frames lie side by side, this far apart
constexpr int wheelFrameCount = 35; // positions 0 to 127 show frames 0 to 34

/** A rectangle with only its lower corners rounded, as a key's front edge is. */
juce::Path keyShape (juce::Rectangle<float> r, float radius)
{
    juce::Path p;
    p.addRoundedRectangle (r.getX(), r.getY(), r.getWidth(), r.getHeight(), radius, radius, false, false, true, true);
    return p;
}

void drawWhiteKey (Graphics& g, bool down)
{
    const auto body = juce::Rectangle<float> (1.0f, 0.0f, whiteKeyWidth - 2.0f, whiteKeyHeight - 1.0f);
    const auto shape = keyShape (body, 5.0f);
    g.setGradientFill (ColourGradient (Colour (down ? 0xffdcd7cc : 0xfff6f3ec), 0.0f, 0.0f,
                                       Colour (down ? 0xffcbc4b6 : 0xffe4dfd3), 0.0f, (float) whiteKeyHeight, false));
    g.fillPath (shape);

    // The panel's lip throws a shadow over the top of the key, deeper when it is pressed down.
    const float shadow = down ? 26.0f : 14.0f;
    g.setGradientFill (ColourGradient (Colour (0x70000000), 0.0f, 0.0f, Colour (0x00000000), 0.0f, shadow, false));
    g.fillRect (body.withHeight (shadow));

    // The front edge shows while the key is up; a pressed key shows a lit rim instead.
    const float front = down ? 4.0f : 12.0f;
    g.setGradientFill (ColourGradient (Colour (0x00000000), 0.0f, body.getBottom() - front,
                                       Colour (down ? 0x90e0462e : 0x40000000), 0.0f, body.getBottom(), false));
    g.fillPath (shape); // the gradient is clear above the front edge

    g.setColour (Colour (0xff8e897e));
    g.strokePath (shape, juce::PathStrokeType (1.0f));
    g.setColour (Colour (0x60ffffff));
    g.drawVerticalLine (2, 2.0f, body.getBottom() - 6.0f);
}

void drawBlackKey (Graphics& g, bool down)
{
    const auto body = juce::Rectangle<float> (0.0f, 0.0f, (float) blackKeyWidth, blackKeyHeight - 1.0f);
    g.setColour (Colour (0xff0a0a0a));
    g.fillPath (keyShape (body, 3.0f));

    // The top face, with the bevelled front below it; a pressed key shows less of its front.
    const float front = down ? 5.0f : 13.0f;
    const auto top = body.reduced (4.0f, 0.0f).withTrimmedBottom (front + 2.0f);
    g.setGradientFill (ColourGradient (Colour (down ? 0xff262626 : 0xff3c3c3c), 0.0f, 0.0f,
                                       Colour (down ? 0xff141414 : 0xff1c1c1c), 0.0f, top.getBottom(), false));
    g.fillRoundedRectangle (top, 2.0f);
    g.setColour (Colour (down ? 0x30ffffff : 0x55ffffff));
    g.drawVerticalLine ((int) top.getX() + 2, 4.0f, top.getBottom() - 8.0f);

    const auto bevel = juce::Rectangle<float> (top.getX(), top.getBottom(), top.getWidth(), front);
    g.setGradientFill (ColourGradient (Colour (down ? 0xff5a2a22 : 0xff4a4a4a), 0.0f, bevel.getY(),
                                       Colour (0xff202020), 0.0f, bevel.getBottom(), false));
    g.fillRect (bevel);

    g.setGradientFill (ColourGradient (Colour (0x80000000), 0.0f, 0.0f, Colour (0x00000000), 0.0f, 12.0f, false));
    g.fillRect (body.withHeight (12.0f));
}

void drawPad (Graphics& g, bool down)
{
    const auto ring = juce::Rectangle<float> (2.0f, 2.0f, padSize - 4.0f, padSize - 4.0f);
    g.setColour (Colour (0xff0b0b0b));
    g.fillEllipse (ring);
    const auto face = ring.reduced (6.0f);
    const auto centre = face.getCentre();
    g.setGradientFill (ColourGradient (down ? accent.brighter (0.4f) : Colour (0xff505050), centre.x, centre.y - 14.0f,
                                       down ? accent.darker (0.6f) : Colour (0xff262626), face.getRight(), face.getBottom(), true));
    g.fillEllipse (face);
    g.setColour (down ? accent : Colour (0xff5e5e5e));
    g.drawEllipse (face, 1.5f);
}

/** One frame of a wheel: a ridged cylinder in its slot, turned to `position` (0 to 1), with its marker. */
void drawWheelFrame (Graphics& g, float x0, float position, Colour marker)
{
    const auto slot = juce::Rectangle<float> (x0, 0.0f, (float) wheelWidth, (float) wheelHeight);
    g.setColour (Colour (0xff080808));
    g.fillRoundedRectangle (slot, 6.0f);
    g.setColour (Colour (0xff3a3a3a));
    g.drawRoundedRectangle (slot.reduced (0.5f), 6.0f, 1.0f);

    const auto wheel = slot.reduced (6.0f, 7.0f);
    ColourGradient shade (Colour (0xff0e0e0e), 0.0f, wheel.getY(), Colour (0xff0e0e0e), 0.0f, wheel.getBottom(), false);
    shade.addColour (0.5, Colour (0xff5c5c5c));
    g.setGradientFill (shade);
    g.fillRoundedRectangle (wheel, 3.0f);

    // Ridges on the cylinder, seen from the front: they bunch up towards the top and bottom.
    const float radius = wheel.getHeight() / 2.0f;
    const float cy = wheel.getCentreY();
    const float turn = (position - 0.5f) * 1.6f;
    constexpr int ridges = 28;
    for (int k = 0; k < ridges; ++k)
    {
        const float angle = turn + (float) k * juce::MathConstants<float>::twoPi / ridges;
        const float facing = std::cos (angle);
        if (facing <= 0.05f)
            continue;
        const float y = cy - radius * std::sin (angle);
        g.setColour (Colour (0xff000000).withAlpha (0.55f * facing));
        g.fillRect (wheel.getX() + 1.0f, y, wheel.getWidth() - 2.0f, 1.2f);
        g.setColour (Colour (0xffffffff).withAlpha (0.10f * facing));
        g.fillRect (wheel.getX() + 1.0f, y + 1.2f, wheel.getWidth() - 2.0f, 1.0f);
    }

    // The marker shows where the wheel stands: in the middle at rest for the pitch wheel, at the foot for modulation 0.
    const float markerY = cy - radius * std::sin (turn);
    g.setColour (marker.withAlpha (0.4f + 0.6f * std::cos (turn)));
    g.fillRect (wheel.getX() + 2.0f, markerY - 2.0f, wheel.getWidth() - 4.0f, 4.0f);
}

void drawWheelStrip (Graphics& g, Colour marker)
{
    for (int f = 0; f < wheelFrameCount; ++f)
        drawWheelFrame (g, (float) (f * wheelFramePitch), (float) f / (wheelFrameCount - 1), marker);
}

void drawOctaveStrip (Graphics& g)
{
    namespace strip = zr9::octavestrip;
    g.fillAll (Colour (0xff0a0a0a));
    const float h = (float) strip::height;
    for (int note = 0; note < strip::noteCount; ++note)
    {
        if (strip::isBlack (note))
            continue;
        const auto span = strip::keySpan (note);
        g.setColour (note % strip::notesPerOctave == 0 ? Colour (0xffd9d3c6) : Colour (0xffeeeae1));
        g.fillRect (juce::Rectangle<float> ((float) span.left + 0.5f, 0.0f, (float) (span.right - span.left) - 0.6f, h));
    }
    for (int note = 0; note < strip::noteCount; ++note)
    {
        if (! strip::isBlack (note))
            continue;
        const auto span = strip::keySpan (note);
        g.setColour (Colour (0xff141414));
        g.fillRect (juce::Rectangle<float> ((float) span.left, 0.0f, (float) (span.right - span.left), (float) (h * strip::blackKeyDepth)));
    }
}
} // namespace

bool drawKeyboardPictures (const juce::File& dir)
{
    constexpr int scale = 2; // drawn at twice the size on screen
    const int stripWidth = (wheelFrameCount - 1) * wheelFramePitch + wheelWidth;
    bool ok = writePicture (dir, "key_white_up", whiteKeyWidth, whiteKeyHeight, [] (Graphics& g) { drawWhiteKey (g, false); }, scale);
    ok = ok && writePicture (dir, "key_white_down", whiteKeyWidth, whiteKeyHeight, [] (Graphics& g) { drawWhiteKey (g, true); }, scale);
    ok = ok && writePicture (dir, "key_black_up", blackKeyWidth, blackKeyHeight, [] (Graphics& g) { drawBlackKey (g, false); }, scale);
    ok = ok && writePicture (dir, "key_black_down", blackKeyWidth, blackKeyHeight, [] (Graphics& g) { drawBlackKey (g, true); }, scale);
    ok = ok && writePicture (dir, "pad_up", padSize, padSize, [] (Graphics& g) { drawPad (g, false); }, scale);
    ok = ok && writePicture (dir, "pad_down", padSize, padSize, [] (Graphics& g) { drawPad (g, true); }, scale);
    ok = ok && writePicture (dir, "wheel_pitch", stripWidth, wheelHeight, [] (Graphics& g) { drawWheelStrip (g, Colour (0xfff2f2f2)); }, scale);
    ok = ok && writePicture (dir, "wheel_modulation", stripWidth, wheelHeight, [] (Graphics& g) { drawWheelStrip (g, accent); }, scale);
    ok = ok && writePicture (dir, "octave_strip", zr9::octavestrip::width, zr9::octavestrip::height, drawOctaveStrip, scale);
    return ok;
}
