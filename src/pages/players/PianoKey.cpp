#include "PianoKey.h"

#include "ui/KeyboardImages.h"
#include "ui/SkinFonts.h"
#include "ui/SkinPalette.h"

#include <algorithm>

namespace zr9
{

namespace
{
    /** A velocity past the top of the range folds back down: 128 plays 126. */
    constexpr int foldPoint = 254;

    juce::Rectangle<int> sizeOf (PianoKey::Kind kind)
    {
        switch (kind)
        {
            case PianoKey::Kind::white: return { PianoKey::whiteWidth, PianoKey::whiteHeight };
            case PianoKey::Kind::black: return { PianoKey::blackWidth, PianoKey::blackHeight };
            case PianoKey::Kind::pad: break;
        }
        return { PianoKey::padSize, PianoKey::padSize };
    }

    juce::Image pictureOf (PianoKey::Kind kind, bool down)
    {
        switch (kind)
        {
            case PianoKey::Kind::white: return skin::whiteKey (down);
            case PianoKey::Kind::black: return skin::blackKey (down);
            case PianoKey::Kind::pad: break;
        }
        return skin::pad (down);
    }
} // namespace

PianoKey::PianoKey (Kind kind, int semitone, PianoKeyOwner& o)
    : keyKind (kind), index (semitone), owner (o), upPicture (pictureOf (kind, false)), downPicture (pictureOf (kind, true))
{
    setSize (sizeOf (kind).getWidth(), sizeOf (kind).getHeight());
    setWantsKeyboardFocus (false);
}

std::optional<int> PianoKey::velocityForClick (Kind kind, int y) noexcept
{
    if (kind == Kind::pad)
        return padVelocity;
    if (y > lowestPlayingY)
        return std::nullopt;
    int v = kind == Kind::black ? y : std::max (0, y - whiteVelocityStart);
    if (v > maxVelocity)
        v = foldPoint - v;
    return std::clamp (v, minVelocity, maxVelocity);
}

void PianoKey::pressed (int n, int c, int v)
{
    note = n;
    channel = c;
    velocity = v;
    down = true;
    repaint();
}

void PianoKey::released()
{
    down = false;
    repaint();
}

void PianoKey::setLabel (const juce::String& text)
{
    if (label != text)
    {
        label = text;
        repaint();
    }
}

void PianoKey::paint (juce::Graphics& g)
{
    const auto& picture = down ? downPicture : upPicture;
    g.drawImage (picture, getLocalBounds().toFloat());
    if (label.isNotEmpty())
    {
        g.setColour (skin::colours::keyLabel);
        g.setFont (skin::font (12.0f, true));
        g.drawText (label, getLocalBounds().removeFromBottom (30), juce::Justification::centred);
    }
}

bool PianoKey::hitTest (int x, int y)
{
    if (keyKind != Kind::pad)
        return true;
    const float r = (float) getWidth() / 2.0f;
    return juce::Point<float> ((float) x, (float) y).getDistanceFrom ({ r, r }) <= r;
}

} // namespace zr9
