#pragma once

#include "SkinPalette.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <vector>

namespace zr9
{

/**
    One slot of a bank on screen: a number text and the object's name on two
    lines over a background picture (58 x 44; in the compact mode 58 x 18 with
    the number only). A click queues an event carrying the slot's identifier
    and broadcasts a change to the owner.
*/
class NameSlot : public juce::Component,
                 public juce::ChangeBroadcaster
{
public:
    struct Lines
    {
        juce::String first, second;
    };

    /** How a name is shown on two lines (see the definition for the rule). */
    static Lines splitName (const juce::String& name);

    explicit NameSlot (int identifier = 0, bool compact = false);

    int identifier() const noexcept { return id; }
    void setIdentifier (int newId) noexcept { id = newId; }
    void setNumberText (const juce::String& text);
    void setName (const juce::String& name);
    const Lines& lines() const noexcept { return nameLines; }
    const juce::String& numberText() const noexcept { return number; }
    void setColours (juce::Colour numberColour, juce::Colour firstLine, juce::Colour secondLine);
    bool isHighlighted() const noexcept { return highlighted; }

    /** The identifiers of the clicks since the last call, oldest first. */
    std::vector<int> takeEvents();

    void paint (juce::Graphics& g) override;
    void mouseDown (const juce::MouseEvent&) override;
    void mouseUp (const juce::MouseEvent&) override;

private:
    int id;
    bool compact;
    bool highlighted = false;
    juce::String number;
    Lines nameLines;
    juce::Colour numberColour = skin::colours::text, firstColour = skin::colours::white, secondColour = skin::colours::nameSecondLine;
    juce::Image background;
    std::vector<int> events;
};

} // namespace zr9
