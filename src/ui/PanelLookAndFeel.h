#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

namespace zr9
{

/** The colours of lists, text fields and menus on the pages. */
namespace panelcolours
{
    const juce::Colour background { 0xff191919 };
    const juce::Colour listBackground { 0xff121212 };
    const juce::Colour rowEven { 0xff181818 };
    const juce::Colour rowOdd { 0xff1e1e1e };
    const juce::Colour rowChosen { 0xff6a2a20 };
    const juce::Colour rowChosenEdge { 0xffe0462e };
    const juce::Colour text { 0xffdedede };
    const juce::Colour textDim { 0xff8c8c8c };
    const juce::Colour number { 0xfff2c462 };
    const juce::Colour fieldBackground { 0xff0e0e0e };
    const juce::Colour fieldEdge { 0xff4a4a4a };
    const juce::Colour fieldFocus { 0xffe0462e };
    const juce::Colour warning { 0xffff7a5c };
} // namespace panelcolours

/**
    The framework's look with the skin's colours, for the pages' lists
    (ListBox, TableListBox and their headers), combo boxes, text fields,
    scroll bars and pop-up menus. Texts are Arial.
*/
class PanelLookAndFeel : public juce::LookAndFeel_V4
{
public:
    PanelLookAndFeel();

    juce::Font getComboBoxFont (juce::ComboBox&) override;
    juce::Font getPopupMenuFont() override;
};

} // namespace zr9
