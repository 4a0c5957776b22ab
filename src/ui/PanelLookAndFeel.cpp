#include "PanelLookAndFeel.h"

#include "SkinFonts.h"
#include "SkinImages.h"

namespace zr9
{

namespace
{
    constexpr float fieldFontHeight = 14.0f;
    constexpr float menuFontHeight = 15.0f;
} // namespace

PanelLookAndFeel::PanelLookAndFeel()
{
    using namespace panelcolours;
    setColour (juce::ResizableWindow::backgroundColourId, background);

    setColour (juce::ListBox::backgroundColourId, listBackground);
    setColour (juce::ListBox::outlineColourId, fieldEdge);
    setColour (juce::ListBox::textColourId, text);
    setColour (juce::TableHeaderComponent::backgroundColourId, skin::colours::buttonFace);
    setColour (juce::TableHeaderComponent::textColourId, textDim);
    setColour (juce::TableHeaderComponent::outlineColourId, fieldEdge);
    setColour (juce::TableHeaderComponent::highlightColourId, skin::colours::buttonFace.brighter (0.1f));

    setColour (juce::ComboBox::backgroundColourId, skin::colours::buttonFace);
    setColour (juce::ComboBox::outlineColourId, fieldEdge);
    setColour (juce::ComboBox::focusedOutlineColourId, fieldFocus);
    setColour (juce::ComboBox::textColourId, text);
    setColour (juce::ComboBox::arrowColourId, textDim);

    setColour (juce::TextEditor::backgroundColourId, fieldBackground);
    setColour (juce::TextEditor::outlineColourId, fieldEdge);
    setColour (juce::TextEditor::focusedOutlineColourId, fieldFocus);
    setColour (juce::TextEditor::textColourId, text);
    setColour (juce::TextEditor::highlightColourId, rowChosen);
    setColour (juce::TextEditor::highlightedTextColourId, juce::Colours::white);
    setColour (juce::CaretComponent::caretColourId, fieldFocus);

    setColour (juce::Label::textColourId, text);
    setColour (juce::ScrollBar::thumbColourId, juce::Colour (0xff5a5a5a));
    setColour (juce::ScrollBar::trackColourId, listBackground);

    setColour (juce::PopupMenu::backgroundColourId, skin::colours::buttonFace);
    setColour (juce::PopupMenu::textColourId, text);
    setColour (juce::PopupMenu::highlightedBackgroundColourId, rowChosen);
    setColour (juce::PopupMenu::highlightedTextColourId, juce::Colours::white);
}

juce::Font PanelLookAndFeel::getComboBoxFont (juce::ComboBox&)
{
    return skin::font (fieldFontHeight);
}

juce::Font PanelLookAndFeel::getPopupMenuFont()
{
    return skin::font (menuFontHeight);
}

} // namespace zr9
