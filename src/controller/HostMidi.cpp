#include "HostMidi.h"

#include "ChannelPrograms.h"
#include "HeldKeys.h"
#include "LiveValues.h"
#include "MidiConnection.h"
#include "Notifications.h"

#include "model/MidiControllers.h"

namespace zr9
{

namespace
{
    constexpr int keyCount = 128;

    bool isChannelVoice (const std::uint8_t* bytes, int size) noexcept
    {
        if (size < 1)
            return false;
        const int status = bytes[0];
        return status >= 0x80 && status < 0xF0 && size == juce::MidiMessage::getMessageLengthFromFirstByte (bytes[0]);
    }

    ShortMessage shortMessage (const std::uint8_t* bytes, int size, std::uint64_t timeMs) noexcept
    {
        ShortMessage m;
        m.timeMs = timeMs;
        m.size = (std::uint8_t) size;
        for (int i = 0; i < size && i < 3; ++i)
            m.bytes[i] = bytes[i];
        return m;
    }
} // namespace

void HostMidi::queueForHost (const juce::MidiMessage& message) noexcept
{
    const auto* raw = message.getRawData();
    const int size = message.getRawDataSize();
    if (isChannelVoice (raw, size))
        toHost.push (shortMessage (raw, size, p.clock.nowMs()));
}

int HostMidi::takeForHost (ShortMessage* into, int maximum) noexcept
{
    int n = 0;
    while (n < maximum && toHost.pop (into[n]))
        ++n;
    return n;
}

void HostMidi::receiveFromHost (const std::uint8_t* bytes, int size) noexcept
{
    if (bytes != nullptr && isChannelVoice (bytes, size))
        fromHost.push (shortMessage (bytes, size, 0));
}

void HostMidi::deliverFromHost()
{
    ShortMessage m;
    while (fromHost.pop (m))
        applyFromHost (juce::MidiMessage (m.bytes, (int) m.size));
}

void HostMidi::applyFromHost (const juce::MidiMessage& message)
{
    const int c = message.getChannel() - 1;
    auto& n = p.notifications;

    if (message.isNoteOn (false))
    {
        p.keys.set (message.getNoteNumber(), true);
        n.postStateCode (statecode::make (statecode::noteOn, c, message.getNoteNumber(), message.getVelocity()));
    }
    else if (message.isNoteOff (true))
    {
        p.keys.set (message.getNoteNumber(), false);
        n.postStateCode (statecode::make (statecode::noteOff, c, message.getNoteNumber(), 0));
    }
    else if (message.isController() && message.getControllerNumber() == midicc::allNotesOff)
    {
        p.keys.clear();
        for (int key = 0; key < keyCount; ++key)
            n.postStateCode (statecode::make (statecode::noteOff, c, key, 0));
    }
    else if (message.isController() && message.getControllerNumber() == midicc::bankSelectMsb)
    {
        // Passed on to the instrument; the pages are not told.
    }
    else if (message.isController())
    {
        if (message.getControllerNumber() == midicc::bankSelectLsb)
            p.programs.setBankSelect (c, message.getControllerValue());
        n.postStateCode (statecode::make (statecode::controller, c, message.getControllerNumber(), message.getControllerValue()));
    }
    else if (message.isProgramChange())
    {
        // The channel's row follows; the instrument hears the program change itself, below.
        if (const auto combined = p.programs.combineProgramChange (c, message.getProgramChangeNumber()))
            p.live.set (*combined, LiveTable::channelRow (c, LiveTable::slotProgram), false);
        n.postStateCode (statecode::make (statecode::programChange, c, 0, message.getProgramChangeNumber()));
    }
    else if (message.isPitchWheel())
    {
        n.postStateCode (statecode::makeWheel (c, message.getPitchWheelValue()));
    }

    juce::MidiBuffer one;
    one.addEvent (message, 0);
    p.connection.output().sendBuffer (one);
}

} // namespace zr9
