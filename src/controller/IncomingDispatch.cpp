// The controller's incoming dispatch: everything the MIDI input delivers,
// on the input thread. Channel messages become key state, live values and
// state codes; System Exclusive pieces are assembled and each complete
// message is routed to the identity handler, the part receiver or, while a
// transfer runs in FIFO mode, the transfer panel's mailbox. The pages hear of
// it only through the notification queues.

#include "MidiCntrState.h"

#include "model/MidiControllers.h"
#include "model/SysexFormat.h"

#include <algorithm>

namespace zr9
{

namespace
{
    constexpr int panCentre = 63; // the controller value the pan row's 0 is sent as
    constexpr int panLeft = -64, panRight = 64;
    constexpr int identityLevelRow = LiveTable::channelRow (15, LiveTable::slotLevel); // row 250
    constexpr int globalPartForPrograms = 3;
    constexpr std::size_t minGlobalPartReply = 11;
} // namespace

void IncomingDispatch::handleIncomingMidiMessage (juce::MidiInput*, const juce::MidiMessage& message)
{
    // The MIDI monitor sees everything that arrives, also what a pause drops.
    p.monitor.tap (monitor::Direction::in, p.connection.inputPortNumber(), message.getRawData(), (size_t) message.getRawDataSize());

    // While the instrument changes over everything that arrives is dropped.
    if (p.pause.isPaused())
        return;

    // What the instrument plays also goes to a plug-in host, which may record it.
    p.host.queueForHost (message);

    const int c = message.getChannel() - 1;
    if (message.isNoteOn (false))
        handleKey (c, message.getNoteNumber(), message.getVelocity(), true);
    else if (message.isNoteOff (true))
        handleKey (c, message.getNoteNumber(), 0, false);
    else if (message.isController() && message.getControllerNumber() == midicc::allNotesOff)
        p.keys.clear();
    else if (message.isController())
        handleController (c, message.getControllerNumber(), message.getControllerValue());
    else if (message.isProgramChange())
        handleProgramChange (c, message.getProgramChangeNumber());
    else if (message.isPitchWheel())
        p.notifications.postStateCode (statecode::makeWheel (c, message.getPitchWheelValue()));
    else
        assembler.add (message.getRawData(), (size_t) message.getRawDataSize());
}

IncomingDispatch::IncomingDispatch (Parts parts) : p (parts), setupParts (parts.model.multi()) {}

void IncomingDispatch::handlePartialSysexMessage (juce::MidiInput*, const juce::uint8*, int, double)
{
    if (p.pause.isPaused())
        return;
    assembler.flushPartial();
}

void IncomingDispatch::requestGlobalPart (int part)
{
    auto& output = p.connection.output();
    const auto m = sysex::shortCommand (output.deviceId(), sysex::commandGlobalPart, 0, 0, part, 0);
    output.sendSysEx (m.data(), m.size());
}

// ---------------------------------------------------------------- channel messages

void IncomingDispatch::handleKey (int c, int key, int velocity, bool on)
{
    p.keys.set (key, on);
    p.notifications.postStateCode (statecode::make (on ? statecode::noteOn : statecode::noteOff, c, key, velocity));
}

void IncomingDispatch::handleController (int c, int number, int value)
{
    if (number == midicc::bankSelectLsb)
    {
        p.programs.setBankSelect (c, value);
        return;
    }
    if (number == midicc::bankSelectMsb)
        return;

    // A value the instrument reports is not sent back to it.
    p.live.takeReported (LiveTable::controllerRow (c, number), value);
    // Pan also moves the channel's pan row, read back the way that row sends it.
    if (number == midicc::pan)
        p.live.takeReported (LiveTable::channelRow (c, LiveTable::slotPan), std::clamp (value - panCentre, panLeft, panRight));
    if (number == midicc::modulationWheel)
        p.notifications.postStateCode (statecode::make (statecode::controller, c, midicc::modulationWheel, value));
}

void IncomingDispatch::handleProgramChange (int c, int program)
{
    // Chosen on the instrument: the channel plays the instrument's program, whatever it auditioned.
    p.audition.programChanged (c);
    const auto combined = p.programs.combineProgramChange (c, program);
    if (! combined.has_value())
        return;

    const int row = LiveTable::channelRow (c, LiveTable::slotProgram);
    const int before = p.live.get (row);
    p.programs.set (*combined, c);
    if (*combined != before)
    {
        p.live.changes().mark (row);
        p.notifications.postParameterChange (row, *combined);
    }
}

// ------------------------------------------------------------- System Exclusive

void IncomingDispatch::routeSysex (const std::vector<std::uint8_t>& message)
{
    const sysex::Reader m (message);
    if (sysex::isIdentityReply (m))
    {
        handleIdentityReply (message);
        requestGlobalPart (globalPartForPrograms);
        return;
    }
    if (! m.isProtocolMessage())
        return; // other makers' messages and other universal messages

    // While a transfer runs everything goes to its mailbox; transfer replies go there in every mode.
    if (p.transfers.isFifoMode() || m[sysex::at::command] == sysex::commandTransfer)
    {
        // The mailbox works on the message without its leading 0xF0, closing 0xF7 included.
        p.transfers.deliver (std::vector<std::uint8_t> (message.begin() + 1, message.end()));
        return;
    }

    if (const auto part = sysex::readPartData (m))
        receivePart (*part);

    if (message.size() >= minGlobalPartReply && m[sysex::at::command] == sysex::commandGlobalPart
        && m[sysex::at::part] == globalPartForPrograms)
        checkGlobalPart();
}

void IncomingDispatch::handleIdentityReply (const std::vector<std::uint8_t>& message)
{
    const auto reply = sysex::readIdentityReply (sysex::Reader (message));
    p.connection.identityReplied ({ reply.namesDevice, juce::String (reply.connectionText), reply.unsupported });
    // Tells the instrument the editor is there; silent towards other instruments.
    p.live.send (identityLevelRow, -1);
}

void IncomingDispatch::receivePart (const sysex::PartData& part)
{
    using sysex::PartTarget;
    const ByteView bytes (part.data.data(), part.data.size());
    switch (part.target)
    {
        // The reader let no program part through for a slot beyond the 16 edit objects.
        case PartTarget::programCommon:
            p.model.programEdit (part.slot).setCommonPart (part.name, bytes);
            break;
        case PartTarget::programLayer:
            p.model.programEdit (part.slot).loadLayer (part.element, bytes);
            break;
        case PartTarget::programPart2:
            p.model.programEdit (part.slot).setFurtherPart (bytes);
            break;
        case PartTarget::programPart4:
            p.model.programEdit (part.slot).setInfoPart (bytes);
            break;
        case PartTarget::programArp:
            p.model.programEdit (part.slot).setSideBlock (bytes);
            break;
        case PartTarget::masterPart:
            p.model.master().loadPart (part.part + 1, bytes);
            break;
        case PartTarget::setupCommon:
        case PartTarget::setupPart1:
        case PartTarget::setupZone:
            setupParts.post (part);
            break;
        case PartTarget::none:
            break;
    }
}

void IncomingDispatch::checkGlobalPart()
{
    for (int c = 0; c < channelCount; ++c)
    {
        const int program = p.model.master().channelProgram (c);
        const int row = LiveTable::channelRow (c, LiveTable::slotProgram);
        const int current = std::max (1, p.live.get (row));
        if (program != current)
            p.live.set (program, row, false);
    }
}

} // namespace zr9
