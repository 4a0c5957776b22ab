#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

namespace zr9
{

/**
    The framework's look with the skin's colours, for the pages' lists
    (ListBox, TableListBox and their headers), combo boxes, text fields,
    scroll bars and pop-up menus, in the skin's palette and face.
*/
class PanelLookAndFeel : public juce::LookAndFeel_V4
{
public:
    PanelLookAndFeel();

    juce::Font getComboBoxFont (juce::ComboBox&) override;
    juce::Font getPopupMenuFont() override;
    /** The framework's button face, with the skin's focus ring while the button has the keyboard focus. */
    void drawButtonBackground (juce::Graphics&, juce::Button&, const juce::Colour& background, bool highlighted, bool down) override;
};

} // namespace zr9
