// The controller's incoming dispatch: everything the MIDI input delivers,
// on the input thread. Channel messages become key state, live values and
// state codes; System Exclusive pieces are assembled and each complete
// message is routed to the identity handler, the part receiver or, while a
// transfer runs in FIFO mode, the transfer panel's mailbox. The pages hear of
// it only through the notification queues.

#include "MidiCntrState.h"

#include "midi/SysexFormat.h"

namespace zr9
{

namespace
{
    constexpr int allNotesOff = 123;
    constexpr int bankSelectLsb = 32;
    constexpr int bankSelectMsb = 0;
    constexpr int modulationWheel = 1;
    constexpr int identityLevelRow = LiveTable::channelRow (15, LiveTable::slotLevel); // row 250
    constexpr int globalPartForPrograms = 3;
    constexpr std::size_t minGlobalPartReply = 11;
} // namespace

void MidiCntrState::handleIncomingMidiMessage (juce::MidiInput*, const juce::MidiMessage& message)
{
    // While the instrument changes over everything that arrives is dropped.
    if (inputPaused)
        return;

    const int c = message.getChannel() - 1;
    if (message.isNoteOn (false))
        handleKey (c, message.getNoteNumber(), message.getVelocity(), true);
    else if (message.isNoteOff (true))
        handleKey (c, message.getNoteNumber(), 0, false);
    else if (message.isController() && message.getControllerNumber() == allNotesOff)
        clearKeys();
    else if (message.isController())
        handleController (c, message.getControllerNumber(), message.getControllerValue());
    else if (message.isProgramChange())
        handleProgramChange (c, message.getProgramChangeNumber());
    else if (message.isPitchWheel())
        postStateCode (statecode::makeWheel (c, message.getPitchWheelValue()));
    else
        assembler.add (message.getRawData(), (size_t) message.getRawDataSize());
}

void MidiCntrState::handlePartialSysexMessage (juce::MidiInput*, const juce::uint8*, int, double)
{
    if (inputPaused)
        return;
    assembler.flushPartial();
}

void MidiCntrState::setTransferMailbox (TransferMailbox mailbox)
{
    const juce::ScopedLock sl (mailboxLock);
    transferMailbox = std::move (mailbox);
}

void MidiCntrState::requestGlobalPart (int part)
{
    if (output != nullptr)
    {
        const auto m = sysex::shortCommand (output->deviceId(), sysex::commandGlobalPart, 0, 0, part, 0);
        output->sendSysEx (m.data(), m.size());
    }
}

// ---------------------------------------------------------------- channel messages

void MidiCntrState::handleKey (int c, int key, int velocity, bool on)
{
    setKeyDown (key, on);
    postStateCode (statecode::make (on ? statecode::noteOn : statecode::noteOff, c, key, velocity));
}

void MidiCntrState::handleController (int c, int number, int value)
{
    if (number == bankSelectLsb)
    {
        channels[(size_t) c].bankSelect = value;
        return;
    }
    if (number == bankSelectMsb)
        return;

    const int row = LiveTable::controllerRow (c, number);
    if (table.get (row) != value)
    {
        // A value the instrument reports is not sent back to it.
        table.store (row, value);
        postParameterChange (row, value);
    }
    if (number == modulationWheel)
        postStateCode (statecode::make (statecode::controller, c, modulationWheel, value));
}

void MidiCntrState::handleProgramChange (int c, int program)
{
    auto& ch = channels[(size_t) c];
    ch.lastProgramChange = program;
    const int combined = ch.bankSelect.load() * 128 + program;
    if (combined == ch.combinedProgram.load())
        return;
    ch.combinedProgram = combined;

    const int row = LiveTable::channelRow (c, LiveTable::slotProgram);
    const int before = table.get (row);
    setChannelProgram (combined, c);
    if (combined != before)
        postParameterChange (row, combined);
}

// ------------------------------------------------------------- System Exclusive

void MidiCntrState::routeSysex (const std::vector<std::uint8_t>& message)
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
    if (flags.fifoMode || m[sysex::at::command] == sysex::commandTransfer)
    {
        // The mailbox works on the message without its leading 0xF0, closing 0xF7 included.
        const std::vector<std::uint8_t> body (message.begin() + 1, message.end());
        const juce::ScopedLock sl (mailboxLock);
        if (transferMailbox)
            transferMailbox (body);
        return;
    }

    if (const auto part = sysex::readPartData (m))
        receivePart (*part);

    if (message.size() >= minGlobalPartReply && m[sysex::at::command] == sysex::commandGlobalPart
        && m[sysex::at::part] == globalPartForPrograms)
        checkGlobalPart();
}

void MidiCntrState::handleIdentityReply (const std::vector<std::uint8_t>& message)
{
    const auto reply = sysex::readIdentityReply (sysex::Reader (message));
    if (reply.namesDevice)
        setConnectionText (reply.connectionText);
    flags.unsupportedDevice = reply.unsupported;

    // Tells the instrument the editor is there; silent towards other instruments.
    sendLiveRow (identityLevelRow, -1);
    flags.connected = true;

    if (flags.scanMode)
    {
        setSetting (setting::inputPort, juce::String (scannedInputPort()));
        setSetting (setting::outputPort, juce::String (scannedOutputPort()));
        settings (1);
    }
    postStateCode (statecode::onLine);
}

void MidiCntrState::receivePart (const sysex::PartData& part)
{
    using sysex::PartTarget;
    const ByteView bytes (part.data.data(), part.data.size());
    switch (part.target)
    {
        case PartTarget::programLayer:
            rk2.programEdit (part.slot).loadLayer (part.element, bytes);
            break;
        case PartTarget::programPart2:
            rk2.programEdit (part.slot).broadcastChange (ObjProgramEditClass::codeCommonPart);
            break;
        case PartTarget::programPart4:
            rk2.programEdit (part.slot).broadcastChange (ObjProgramEditClass::codePart4);
            break;
        case PartTarget::programArp:
            rk2.programEdit (part.slot).setSideBlock (bytes);
            break;
        case PartTarget::masterPart:
            rk2.master().loadPart (part.part + 1, bytes);
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

void MidiCntrState::checkGlobalPart()
{
    for (int c = 0; c < channelCount; ++c)
    {
        const int program = rk2.master().channelProgram (c);
        const int row = LiveTable::channelRow (c, LiveTable::slotProgram);
        const int current = std::max (1, table.get (row));
        if (program != current)
            setLiveValue (program, row, false);
    }
}

} // namespace zr9
