#include "EditorSection.h"

namespace zr9
{

juce::Font editorlook::font (float height, bool bold)
{
    return juce::Font ("Arial", height, bold ? juce::Font::bold : juce::Font::plain);
}

void editorlook::style (juce::Label& l, float height, bool bold, juce::Justification justification)
{
    l.setFont (font (height, bold));
    l.setColour (juce::Label::textColourId, label);
    l.setJustificationType (justification);
    l.setInterceptsMouseClicks (false, false);
}

EditorSection::EditorSection (const juce::String& heading) : title (heading)
{
    setInterceptsMouseClicks (false, true);
}

juce::Rectangle<int> EditorSection::content() const
{
    return getBounds().withTrimmedTop (editorlook::headingHeight).reduced (editorlook::gap, editorlook::gap / 2);
}

void EditorSection::paint (juce::Graphics& g)
{
    const auto area = getLocalBounds().toFloat().reduced (0.5f);
    g.setColour (editorlook::section);
    g.fillRoundedRectangle (area, 5.0f);
    g.setColour (editorlook::sectionFrame);
    g.drawRoundedRectangle (area, 5.0f, 1.0f);
    g.setColour (editorlook::heading);
    g.setFont (editorlook::font (12.0f, true));
    g.drawText (title.toUpperCase(), getLocalBounds().removeFromTop (editorlook::headingHeight).reduced (editorlook::gap, 0),
                juce::Justification::centredLeft, true);
}

} // namespace zr9
