#include "SkinButton.h"

#include "GskLookAndFeel.h"
#include "SkinFonts.h"
#include "SkinPalette.h"

namespace zr9
{

SkinButton::SkinButton (const juce::String& label, int number) : juce::Button (label), commandNumber (number)
{
    setWantsKeyboardFocus (true);
    setMouseClickGrabsKeyboardFocus (false);
}

bool SkinButton::keyPressed (const juce::KeyPress& key)
{
    if (isEnabled() && (key.isKeyCode (juce::KeyPress::returnKey) || key.isKeyCode (juce::KeyPress::spaceKey)))
    {
        triggerClick();
        return true;
    }
    return juce::Button::keyPressed (key);
}

void SkinButton::setSelected (bool s)
{
    if (selected != s)
    {
        selected = s;
        repaint();
    }
}

void SkinButton::paintButton (juce::Graphics& g, bool highlighted, bool down)
{
    auto area = getLocalBounds().toFloat().reduced (0.5f);
    auto face = selected ? skin::colours::chosenFace : skin::colours::buttonFace;
    if (down)
        face = face.darker (0.3f);
    else if (highlighted)
        face = face.brighter (0.15f);

    g.setColour (face);
    g.fillRoundedRectangle (area, 4.0f);
    g.setColour (selected ? skin::colours::accent : skin::colours::edge);
    g.drawRoundedRectangle (area, 4.0f, 1.0f);
    // A button without a use yet stays in its place, greyed.
    const float alpha = isEnabled() ? 1.0f : 0.35f;
    g.setColour ((selected ? skin::colours::white : skin::colours::text).withMultipliedAlpha (alpha));
    g.setFont (skin::font (13.0f, true));
    g.drawText (getButtonText(), getLocalBounds(), juce::Justification::centred);

    if (! isEnabled())
    {
        g.setColour (skin::colours::black.withAlpha (0.5f));
        g.fillRoundedRectangle (area, 4.0f);
    }
    if (hasKeyboardFocus (false))
        GskLookAndFeel::drawFocusRing (g, getLocalBounds().toFloat(), 4.0f);
}

void SkinButton::clicked()
{
    if (listener != nullptr)
        listener->gskButtonPressed (commandNumber);
}

} // namespace zr9
