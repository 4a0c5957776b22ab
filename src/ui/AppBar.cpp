#include "AppBar.h"

namespace zr9
{

AppBar::AppBar (gskbutListener& owner)
{
    struct Entry
    {
        const char* label;
        int number;
        const char* opens;
    };
    // What each button opens, as its tooltip says; Ctrl and the button's place (1 to 8) press it too.
    const std::array<Entry, buttonCount> table { {
        { "PROGRAM", buttonProgram, "Program mode, and the program selector (double-click: the program editor)" },
        { "MULTI", buttonMulti, "Multi mode, and the multi selector (double-click: the setup editor)" },
        { "MIDI", buttonMidi, "The MIDI setup: ports and the instrument (double-click: the MIDI monitor)" },
        { "KEYS", buttonKeys, "Opens or closes the keyboard panel" },
        { "MIXER", buttonMixer, "The channel mixer" },
        { "CONTROLS", buttonControls, "The 128 controllers of the current channel" },
        { "ARRANGE", buttonArrange, "The arrangement menu: load, save and the library manager" },
        { "ABOUT", buttonAbout, "The name and version, and the window's scale" },
    } };
    for (size_t i = 0; i < table.size(); ++i)
    {
        buttons[i] = std::make_unique<SkinButton> (table[i].label, table[i].number);
        buttons[i]->setTooltip (juce::String (table[i].opens) + " (Ctrl+" + juce::String ((int) i + 1) + ")");
        buttons[i]->setListener (&owner);
        addAndMakeVisible (*buttons[i]);
    }
}

SkinButton* AppBar::button (int number) const
{
    for (const auto& b : buttons)
        if (b->number() == number)
            return b.get();
    return nullptr;
}

SkinButton* AppBar::buttonAt (int index) const
{
    return index >= 0 && index < buttonCount ? buttons[(size_t) index].get() : nullptr;
}

void AppBar::showPlayingMode (int mode)
{
    button (buttonProgram)->setSelected (mode == 1);
    button (buttonMulti)->setSelected (mode == 2);
}

void AppBar::showShownPage (int number)
{
    button (buttonMixer)->setSelected (number == buttonMixer);
    button (buttonControls)->setSelected (number == buttonControls);
}

void AppBar::resized()
{
    int x = 0;
    for (auto& b : buttons)
    {
        b->setBounds (x, buttonTop, buttonWidth, buttonHeight);
        x += buttonWidth + buttonGap;
    }
}

} // namespace zr9
