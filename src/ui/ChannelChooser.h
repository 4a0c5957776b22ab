#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>

namespace zr9
{

class MidiCntrState;

/**
    "Channel 1" to "Channel 16": the controller's MIDI channel (setting 42),
    the one the keyboard panel and the computer-keyboard player use as well.
    Choosing one makes it the controller's, tells the instrument, and then
    tells `onChosen`. Message thread.
*/
class ChannelChooser : public juce::ComboBox
{
public:
    explicit ChannelChooser (MidiCntrState& controller);

    /** Shows the controller's channel, without telling anyone. */
    void showChannel();
    std::function<void (int channel)> onChosen;

private:
    MidiCntrState& controller;
};

} // namespace zr9
