#include "PanelLookAndFeel.h"

#include "GskLookAndFeel.h"
#include "SkinFonts.h"
#include "SkinPalette.h"

namespace zr9
{

namespace
{
    constexpr float fieldFontHeight = 14.0f;
    constexpr float menuFontHeight = 15.0f;
} // namespace

PanelLookAndFeel::PanelLookAndFeel()
{
    using namespace skin::colours;
    setColour (juce::ResizableWindow::backgroundColourId, window);

    setColour (juce::ListBox::backgroundColourId, listFace);
    setColour (juce::ListBox::outlineColourId, edge);
    setColour (juce::ListBox::textColourId, listText);
    setColour (juce::TableHeaderComponent::backgroundColourId, buttonFace);
    setColour (juce::TableHeaderComponent::textColourId, textDim);
    setColour (juce::TableHeaderComponent::outlineColourId, edge);
    setColour (juce::TableHeaderComponent::highlightColourId, buttonFace.brighter (0.1f));

    setColour (juce::ComboBox::backgroundColourId, buttonFace);
    setColour (juce::ComboBox::outlineColourId, edge);
    setColour (juce::ComboBox::focusedOutlineColourId, accent);
    setColour (juce::ComboBox::textColourId, listText);
    setColour (juce::ComboBox::arrowColourId, textDim);

    setColour (juce::TextEditor::backgroundColourId, well);
    setColour (juce::TextEditor::outlineColourId, edge);
    setColour (juce::TextEditor::focusedOutlineColourId, accent);
    setColour (juce::TextEditor::textColourId, listText);
    setColour (juce::TextEditor::highlightColourId, chosenFace);
    setColour (juce::TextEditor::highlightedTextColourId, white);
    setColour (juce::CaretComponent::caretColourId, accent);

    setColour (juce::Label::textColourId, listText);
    setColour (juce::ScrollBar::thumbColourId, buttonEdge);
    setColour (juce::ScrollBar::trackColourId, listFace);

    setColour (juce::PopupMenu::backgroundColourId, buttonFace);
    setColour (juce::PopupMenu::textColourId, listText);
    setColour (juce::PopupMenu::highlightedBackgroundColourId, chosenFace);
    setColour (juce::PopupMenu::highlightedTextColourId, white);
}

juce::Font PanelLookAndFeel::getComboBoxFont (juce::ComboBox&)
{
    return skin::font (fieldFontHeight);
}

juce::Font PanelLookAndFeel::getPopupMenuFont()
{
    return skin::font (menuFontHeight);
}

void PanelLookAndFeel::drawButtonBackground (juce::Graphics& g, juce::Button& button, const juce::Colour& background,
                                             bool highlighted, bool down)
{
    juce::LookAndFeel_V4::drawButtonBackground (g, button, background, highlighted, down);
    if (button.hasKeyboardFocus (false))
        GskLookAndFeel::drawFocusRing (g, button.getLocalBounds().toFloat(), 4.0f);
}

} // namespace zr9
