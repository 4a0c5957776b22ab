#include "EditorSection.h"

#include "NameInputFilter.h"

#include "ui/SkinFonts.h"
#include "ui/SkinPalette.h"

namespace zr9
{

void editorlook::style (juce::Label& l, float height, bool bold, juce::Justification justification)
{
    l.setFont (skin::font (height, bold));
    l.setColour (juce::Label::textColourId, skin::colours::text);
    l.setJustificationType (justification);
    l.setInterceptsMouseClicks (false, false);
}

void editorlook::styleNameBox (juce::Label& nameBox, const juce::String& title)
{
    nameBox.setFont (skin::font (15.0f));
    nameBox.setEditable (true, false, false);
    nameBox.setColour (juce::Label::backgroundColourId, skin::colours::black);
    nameBox.setColour (juce::Label::textColourId, skin::colours::text);
    nameBox.setColour (juce::Label::outlineColourId, skin::colours::textDim);
    nameBox.setColour (juce::Label::outlineWhenEditingColourId, skin::colours::accent);
    nameBox.setTitle (title);
    nameBox.onEditorShow = [&nameBox] {
        if (auto* box = nameBox.getCurrentTextEditor())
            namefield::restrict (*box);
    };
}

void editorlook::paintEditorBackground (juce::Graphics& g, int width)
{
    g.fillAll (skin::colours::window);
    g.setColour (skin::colours::black);
    g.fillRect (0, 0, width, pagesTop - 4);
}

editorlook::HistoryKey editorlook::historyKey (const juce::KeyPress& key)
{
    const auto mods = key.getModifiers();
    if (! mods.isCommandDown())
        return HistoryKey::none;
    if (key.getKeyCode() == 'Y' || (key.getKeyCode() == 'Z' && mods.isShiftDown()))
        return HistoryKey::redo;
    return key.getKeyCode() == 'Z' ? HistoryKey::undo : HistoryKey::none;
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
    g.setColour (skin::colours::sectionFace);
    g.fillRoundedRectangle (area, 5.0f);
    g.setColour (skin::colours::sectionFrame);
    g.drawRoundedRectangle (area, 5.0f, 1.0f);
    g.setColour (skin::colours::accent);
    g.setFont (skin::font (12.0f, true));
    g.drawText (title.toUpperCase(), getLocalBounds().removeFromTop (editorlook::headingHeight).reduced (editorlook::gap, 0),
                juce::Justification::centredLeft, true);
}

} // namespace zr9
