#include "NameSlot.h"

#include "SkinFonts.h"
#include "SkinImages.h"
#include "SkinPalette.h"

namespace zr9
{

namespace
{
    constexpr int shortNameLength = 10;
    constexpr int earlyBlankLimit = 4; // a first blank at positions 0 to 4 is skipped when a second follows
} // namespace

NameSlot::Lines NameSlot::splitName (const juce::String& name)
{
    const int length = name.length();
    if (length < shortNameLength)
        return { name, {} };

    int cut = name.indexOfChar (' ');
    if (cut < 0)
        return { name, {} };
    if (cut <= earlyBlankLimit)
    {
        const int second = name.indexOfChar (cut + 1, ' ');
        if (second >= 0)
            cut = second;
    }
    // Line 2 runs from behind the cut to the name's last character, which is left out.
    return { name.substring (0, cut), name.substring (cut + 1, length - 1) };
}

NameSlot::NameSlot (int identifier, bool compactMode)
    : id (identifier), compact (compactMode), background (compactMode ? skin::nameSlotCompact() : skin::nameSlot())
{
    setSize (58, compact ? 18 : 44);
}

void NameSlot::setNumberText (const juce::String& text)
{
    number = text;
    repaint();
}

void NameSlot::setName (const juce::String& name)
{
    nameLines = splitName (name);
    repaint();
}

void NameSlot::setColours (juce::Colour n, juce::Colour first, juce::Colour second)
{
    numberColour = n;
    firstColour = first;
    secondColour = second;
    repaint();
}

std::vector<int> NameSlot::takeEvents()
{
    std::vector<int> taken;
    std::swap (taken, events);
    return taken;
}

void NameSlot::paint (juce::Graphics& g)
{
    // The picture is twice the slot's size: drawn into the slot, it stays sharp at any scale.
    g.drawImage (background, getLocalBounds().toFloat());
    if (highlighted)
    {
        const auto r = getLocalBounds();
        g.setColour (skin::colours::black);
        g.drawRect (r, 1);
        g.setColour (skin::colours::outline);
        g.drawRect (r.reduced (1), 1);
    }

    g.setColour (numberColour);
    g.setFont (skin::font (10.0f));
    g.drawText (number, 6, 1, 60, 14, juce::Justification::topLeft, false);
    if (compact)
        return;

    g.setFont (skin::font (11.0f));
    g.setColour (firstColour);
    g.drawText (nameLines.first, 6, 16, 148, 13, juce::Justification::topLeft, false);
    g.setColour (secondColour);
    g.drawText (nameLines.second, 6, 27, 148, 13, juce::Justification::topLeft, false);
}

void NameSlot::mouseDown (const juce::MouseEvent&)
{
    highlighted = true;
    repaint();
}

void NameSlot::mouseUp (const juce::MouseEvent&)
{
    highlighted = false;
    repaint();
    events.push_back (id);
    sendChangeMessage();
}

} // namespace zr9
