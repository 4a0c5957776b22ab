#include "HostMidi.h"

#include "ChannelPrograms.h"
#include "ControllerSettings.h"
#include "HeldKeys.h"
#include "LiveValues.h"
#include "MidiConnection.h"
#include "Notifications.h"

#include "model/MidiControllers.h"

#include <algorithm>
#include <cmath>

namespace zr9
{

namespace
{
    constexpr int keyCount = 128;
    constexpr double usPerSecond = 1.0e6;
    constexpr double usPerMs = 1000.0;
} // namespace

void HostMidi::prepare (double sampleRate, int samplesPerBlock)
{
    rate = sampleRate > 0.0 ? sampleRate : rate;
    blockSize = std::max (1, samplesPerBlock);
    blocks.reset();
    toHost.discardAll();
    p.connection.output().setTimedSending (true);
}

void HostMidi::release()
{
    p.connection.output().setTimedSending (false);
    toHost.discardAll();
}

double HostMidi::toHostLatencyMs() const noexcept
{
    return usPerMs * blockSize / rate;
}

double HostMidi::toInstrumentLatencyMs() const noexcept
{
    return std::max (toHostLatencyMs(), minimumLatencyMs);
}

void HostMidi::processBlock (juce::MidiBuffer& midi, int samples) noexcept
{
    const double startUs = blocks.start ((double) p.clock.nowUs(), samples, rate);
    passOn (midi, samples, startUs);
    midi.clear(); // nothing the host sent goes back to it
    fillForHost (midi, samples, startUs);
}

void HostMidi::passOn (const juce::MidiBuffer& midi, int samples, double blockStartUs) noexcept
{
    const bool toInstrument = p.settings.passesHostMidi();
    const double dueBaseUs = blockStartUs + toInstrumentLatencyMs() * usPerMs;
    auto& output = p.connection.output();
    for (const auto meta : midi)
    {
        if (! ShortMessage::isChannelVoice (meta.data, meta.numBytes))
            continue;
        fromHost.push (ShortMessage::of (meta.data, meta.numBytes, 0));
        if (! toInstrument)
            continue;
        // A position outside the block is the host's mistake; it is taken as the block's nearest end.
        const int at = std::clamp (meta.samplePosition, 0, std::max (0, samples));
        const auto dueUs = (std::uint64_t) std::max (0.0, dueBaseUs + at * usPerSecond / rate);
        output.sendTimed (ShortMessage::of (meta.data, meta.numBytes, dueUs));
    }
}

void HostMidi::fillForHost (juce::MidiBuffer& midi, int samples, double blockStartUs) noexcept
{
    const double shiftUs = toHostLatencyMs() * usPerMs;
    int room = hostBufferBytes;
    while (const auto* m = toHost.front())
    {
        const auto at = std::lround (((double) m->timeUs + shiftUs - blockStartUs) * rate / usPerSecond);
        if (at >= samples)
            break; // for a later block
        const int bytes = bufferBytesPerMessage + m->size;
        if (bytes > room)
            break; // the host's buffer is full: the rest goes into the next block
        // What came too late for its place (a burst, or the first block after a pause) goes first in this one.
        midi.addEvent (m->bytes, m->size, (int) std::max (0L, at));
        room -= bytes;
        ShortMessage taken;
        toHost.pop (taken);
    }
}

void HostMidi::queueForHost (const juce::MidiMessage& message) noexcept
{
    const auto* raw = message.getRawData();
    const int size = message.getRawDataSize();
    if (ShortMessage::isChannelVoice (raw, size))
        toHost.push (ShortMessage::of (raw, size, p.clock.nowUs()));
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
        // The instrument's banks are chosen by controller 32 alone: a bank select from the
        // host starts afresh from bank 0, and a program change that follows without
        // controller 32 picks from bank 0. The pages are not told.
        p.programs.setBankSelect (c, 0);
    }
    else if (message.isController())
    {
        if (message.getControllerNumber() == midicc::bankSelectLsb)
            p.programs.setBankSelect (c, message.getControllerValue());
        n.postStateCode (statecode::make (statecode::controller, c, message.getControllerNumber(), message.getControllerValue()));
    }
    else if (message.isProgramChange())
    {
        // The channel's row follows; the instrument hears the program change itself, from the sending thread.
        if (const auto combined = p.programs.combineProgramChange (c, message.getProgramChangeNumber()))
            p.live.set (*combined, LiveTable::channelRow (c, LiveTable::slotProgram), false);
        n.postStateCode (statecode::make (statecode::programChange, c, 0, message.getProgramChangeNumber()));
    }
    else if (message.isPitchWheel())
    {
        n.postStateCode (statecode::makeWheel (c, message.getPitchWheelValue()));
    }
}

} // namespace zr9
