#include "NotePlayer.h"

#include "ControllerSettings.h"
#include "MidiConnection.h"

#include "midi/InstrumentMessages.h"
#include "model/MidiChannels.h"
#include "model/MidiControllers.h"

#include <algorithm>

namespace zr9
{

NotePlayer::NotePlayer (MidiConnection& c, ControllerSettings& s) : connection (c), settings (s) {}

int NotePlayer::channel() const noexcept { return settings.midiChannel(); }

bool NotePlayer::isChannel (int c) noexcept { return c >= 1 && c <= channelCount; }

void NotePlayer::selectChannel (int c)
{
    if (! isChannel (c))
        return;
    settings.setMidiChannel (c);
    auto& output = connection.output();
    output.sendSysEx (messages::channelSelect (output.deviceId(), c));
}

void NotePlayer::noteOn (int note, int c, int velocity)
{
    if (! isNote (note) || ! isChannel (c) || ! isDataByte (velocity))
        return;
    juce::MidiBuffer buffer;
    buffer.addEvent (juce::MidiMessage::noteOn (c, note, (juce::uint8) velocity), 0);
    connection.output().sendBuffer (buffer);
}

void NotePlayer::noteOff (int note, int c)
{
    if (! isNote (note) || ! isChannel (c))
        return;
    juce::MidiBuffer buffer;
    buffer.addEvent (juce::MidiMessage::noteOff (c, note), 0);
    connection.output().sendBuffer (buffer);
}

void NotePlayer::allNotesOff (int c)
{
    if (! isChannel (c))
        return;
    juce::MidiBuffer buffer;
    for (int note = 0; note < noteCount; ++note)
        buffer.addEvent (juce::MidiMessage::noteOff (c, note), 0);
    connection.output().sendBuffer (buffer);
}

void NotePlayer::pitchWheel (int c, int value)
{
    if (! isChannel (c) || value < 0 || value > maxPitchWheel)
        return;
    connection.output().sendPitchWheel (c, value);
}

void NotePlayer::modulation (int c, int value)
{
    if (! isChannel (c) || ! isDataByte (value))
        return;
    connection.output().sendController (c, midicc::modulationWheel, value);
}

int NotePlayer::pitchWheelForPosition (int position) noexcept
{
    position = std::clamp (position, 0, maxDataByte);
    if (position <= wheelCentre)
        return position * (pitchWheelCentre / wheelCentre);
    // Above the centre the 63 positions share the 8191 steps up to the top.
    const int above = maxPitchWheel - pitchWheelCentre;
    return pitchWheelCentre + (position - wheelCentre) * above / (maxDataByte - wheelCentre);
}

int NotePlayer::positionForPitchWheel (int value) noexcept
{
    return (std::clamp (value, 0, maxPitchWheel) >> 7) & maxDataByte;
}

} // namespace zr9
