#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

namespace zr9
{

/** Told which skin button was pressed, by the number the button carries. */
class gskbutListener
{
public:
    virtual ~gskbutListener() = default;
    virtual void gskButtonPressed (int number) = 0;
};

/**
    A text button of the skin that carries a command number and can be shown
    selected. The Tab key reaches it; a click presses it without taking the
    keyboard focus, so the computer-keyboard player keeps its keys.
*/
class SkinButton : public juce::Button
{
public:
    SkinButton (const juce::String& label, int number);

    int number() const noexcept { return commandNumber; }
    void setSelected (bool selected);
    bool isSelected() const noexcept { return selected; }
    void setListener (gskbutListener* l) noexcept { listener = l; }

    void paintButton (juce::Graphics& g, bool highlighted, bool down) override;
    /** Return and Space press the button while it has the keyboard focus. */
    bool keyPressed (const juce::KeyPress& key) override;
    using juce::Button::clicked;
    void clicked() override;

private:
    int commandNumber;
    bool selected = false;
    gskbutListener* listener = nullptr;
};

} // namespace zr9
