#include "FavBut.h"

#include "ui/SkinFonts.h"
#include "ui/SkinPalette.h"

namespace zr9
{

namespace
{
    constexpr float cornerSize = 1.0f;
    constexpr int lcdInset = 1;
    constexpr int textInset = 10;
} // namespace

// ---------------------------------------------------------------------------- LCD

FavLcd::FavLcd()
{
    setInterceptsMouseClicks (false, false);
}

void FavLcd::setTexts (const Texts& t)
{
    shown = t;
    repaint();
}

void FavLcd::paint (juce::Graphics& g)
{
    const auto area = getLocalBounds().toFloat();
    g.setColour (skin::colours::favouriteGlass);
    g.fillRoundedRectangle (area, 3.0f);
    g.setColour (skin::colours::favouriteEdge);
    g.drawRoundedRectangle (area.reduced (0.5f), 3.0f, 1.0f);

    auto text = getLocalBounds().reduced (textInset, 6);
    auto top = text.removeFromTop (18);
    g.setFont (skin::font (12.0f, true));
    g.setColour (skin::colours::lcdCaption);
    g.drawText (shown.kind, top, juce::Justification::centredLeft, false);
    g.setColour (skin::colours::number);
    g.setFont (skin::font (15.0f, true));
    g.drawText (shown.number, top, juce::Justification::centredRight, false);

    g.setColour (skin::colours::favouriteName);
    g.setFont (skin::font (19.0f, true));
    g.drawFittedText (shown.name, text.removeFromTop (48), juce::Justification::centredLeft, 2, 0.85f);

    auto bottom = text.removeFromBottom (16);
    g.setColour (skin::colours::lcdCaption);
    g.setFont (skin::font (12.0f));
    g.drawText (shown.category, bottom, juce::Justification::centredLeft, true);
    g.drawText (shown.mode, bottom, juce::Justification::centredRight, false);
}

// ------------------------------------------------------------------------- button

FavBut::FavBut (int slot, Clock& clock)
    : slotIndex (slot), holdTimer (clock.makeTimer ([this] { holdTimeUp(); }))
{
    addChildComponent (display);
    setSize (buttonWidth, buttonHeight);
    setTitle ("Favorite " + juce::String (slot + 1));
}

FavBut::~FavBut()
{
    holdTimer->stop();
}

void FavBut::showObject (int kind, int number, const FavLcd::Texts& texts)
{
    objectKind = kind;
    objectNumber = number;
    display.setTexts (texts);
    display.setVisible (true);
    repaint();
}

void FavBut::showEmpty()
{
    objectKind = 0;
    objectNumber = 0;
    display.setTexts ({});
    display.setVisible (false);
    repaint();
}

void FavBut::setHighlighted (bool on)
{
    if (highlighted != on)
    {
        highlighted = on;
        repaint();
    }
}

void FavBut::setAssignTarget (bool on)
{
    if (assignTarget != on)
    {
        assignTarget = on;
        repaint();
    }
}

void FavBut::setScale (float s)
{
    scaleFactor = s > 0.0f ? s : 1.0f;
    setSize (juce::roundToInt (buttonWidth * scaleFactor), juce::roundToInt (buttonHeight * scaleFactor));
}

void FavBut::resized()
{
    display.setBounds (getLocalBounds().reduced (lcdInset));
}

void FavBut::paint (juce::Graphics& g)
{
    g.setColour (highlighted ? skin::colours::favouriteLit : skin::colours::favouriteUnlit);
    g.fillRoundedRectangle (getLocalBounds().toFloat(), cornerSize);
    if (! display.isVisible())
    {
        g.setColour (skin::colours::favouriteEdge.withAlpha (0.6f));
        g.drawRoundedRectangle (getLocalBounds().toFloat().reduced (0.5f), cornerSize, 1.0f);
        g.setColour (skin::colours::lcdCaption.withAlpha (0.5f));
        g.setFont (skin::font (13.0f));
        g.drawText (juce::String (slotIndex + 1), getLocalBounds().reduced (textInset, 8), juce::Justification::topLeft, false);
    }
}

void FavBut::paintOverChildren (juce::Graphics& g)
{
    if (! assignTarget)
        return;
    g.setColour (skin::colours::accent);
    g.drawRoundedRectangle (getLocalBounds().toFloat().reduced (1.5f), 3.0f, 3.0f);
}

// --------------------------------------------------------------------------- mouse

void FavBut::mouseDown (const juce::MouseEvent&)
{
    held = true;
    holdTimer->start (holdMs);
    report (codePressed);
}

void FavBut::mouseUp (const juce::MouseEvent&)
{
    held = false;
    holdTimer->stop();
}

void FavBut::holdTimeUp()
{
    holdTimer->stop();
    if (held)
        report (codeHeld);
}

void FavBut::report (int code)
{
    lastCode = code;
    if (onEvent != nullptr)
        onEvent (*this, code);
}

} // namespace zr9
