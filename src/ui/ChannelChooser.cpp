#include "ChannelChooser.h"

#include "controller/MidiCntrState.h"

namespace zr9
{

ChannelChooser::ChannelChooser (MidiCntrState& c) : juce::ComboBox ("Channel"), controller (c)
{
    for (int ch = 1; ch <= channelCount; ++ch)
        addItem ("Channel " + juce::String (ch), ch);
    setTitle ("MIDI channel");
    showChannel();
    onChange = [this]
    {
        const int ch = getSelectedId();
        if (! NotePlayer::isChannel (ch) || ch == controller.midiChannel())
            return;
        controller.notes().selectChannel (ch);
        if (onChosen != nullptr)
            onChosen (ch);
    };
}

void ChannelChooser::showChannel()
{
    setSelectedId (controller.midiChannel(), juce::dontSendNotification);
}

} // namespace zr9
