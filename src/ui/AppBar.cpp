#include "AppBar.h"

namespace zr9
{

AppBar::AppBar (gskbutListener& owner)
{
    const std::array<std::pair<const char*, int>, buttonCount> table { {
        { "PROGRAM", buttonProgram }, { "MULTI", buttonMulti }, { "MIDI", buttonMidi }, { "KEYS", buttonKeys },
        { "MIXER", buttonMixer }, { "CONTROLS", buttonControls }, { "ARRANGE", buttonArrange }, { "ABOUT", buttonAbout },
    } };
    for (size_t i = 0; i < table.size(); ++i)
    {
        buttons[i] = std::make_unique<SkinButton> (table[i].first, table[i].second);
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
