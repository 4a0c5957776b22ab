// The controller state's live rows: storing a value, sending it to the
// instrument by the rule of its row kind, and keeping each channel's effect
// selection in step with its three chain rows.

#include "MidiCntrState.h"

#include "midi/InstrumentMessages.h"

#include <algorithm>
#include <optional>

namespace zr9
{

namespace
{
    constexpr int panController = 10;
    constexpr int panCentreOffset = 63;
    constexpr int playingModeChannel = 1;
    constexpr messages::Address playingModeAddress { 12, 0, 0, 0, 11 };

    // What one message can carry: a 7-bit data byte, a 14-bit word, a value offset by 8192.
    constexpr int maxDataByte = 127;
    constexpr int maxWord = 16383;
    constexpr int minAddressValue = -8192;
    constexpr int maxAddressValue = 8191;

    enum RowKind
    {
        kindAddressed = 1, kindChannelProgram = 2, kindMulti = 3, kindPlayingMode = 5,
        kindInsertChain = 12, kindAux1Chain = 13, kindAux2Chain = 14, kindController = 18
    };

    /** The controller-address of the channel slots that are sent as one; empty for the others. */
    std::optional<messages::Address> channelSlotAddress (int slot)
    {
        switch (slot)
        {
            case LiveTable::slotInsertChain: return messages::Address { 1, 0, 5, 0, 1 };
            case LiveTable::slotInsertOut:   return messages::Address { 1, 0, 5, 0, 0 };
            case LiveTable::slotAux1Chain:   return messages::Address { 1, 0, 5, 1, 1 };
            case LiveTable::slotAux1Level:   return messages::Address { 1, 0, 5, 0, 2 };
            case LiveTable::slotAux2Chain:   return messages::Address { 1, 0, 5, 2, 1 };
            case LiveTable::slotAux2Level:   return messages::Address { 1, 0, 5, 0, 3 };
            case LiveTable::slotPan:         return messages::Address { 1, 0, 1, 0, 22 };
            case LiveTable::slotLevel:       return messages::Address { 1, 0, 1, 0, 20 };
            default:                         return std::nullopt;
        }
    }

    bool isChainKind (int kind) noexcept
    {
        return kind == kindInsertChain || kind == kindAux1Chain || kind == kindAux2Chain;
    }
} // namespace

void MidiCntrState::setLiveValue (int value, int row, bool send)
{
    if (! LiveTable::isRow (row))
        return;
    const auto& info = table.info (row);

    if (info.kind == kindChannelProgram)
    {
        // Program 0 or below names no program: the channel keeps its own and nothing is sent.
        if (value < 1)
            return;
        setChannelProgram (value, info.channel);
        // The row follows the channel even when the program's bytes are unknown.
        table.store (row, value);
        if (send)
            sendLiveRow (row, value);
        postParameterChange (row, value);
        return;
    }

    if (isChainKind (info.kind))
        rebuildEffectSelection (info.channel, info.slot, value);

    table.store (row, value);
    if (send)
        sendLiveRow (row, value);
    postParameterChange (row, value);
}

void MidiCntrState::rebuildEffectSelection (int c, int changedSlot, int value)
{
    if (c < 0 || c >= channelCount)
        return;
    const auto chain = [&] (int slot) { return slot == changedSlot ? value : table.get (LiveTable::channelRow (c, slot)); };
    effects.rebuild (c, { chain (LiveTable::slotInsertChain), chain (LiveTable::slotAux1Chain), chain (LiveTable::slotAux2Chain) },
                     rk2.fxChains().bank());
}

ChannelEffects MidiCntrState::effectSelection (int c) const
{
    return effects.channel (c);
}

void MidiCntrState::sendControllerAddress (const messages::Address& address, int value, int midiChannel)
{
    if (output == nullptr)
        return;
    {
        const juce::ScopedLock sl (lock);
        lastAddress = address;
        lastAddressChannel = midiChannel;
    }
    output->sendBuffer (messages::controllerAddress (address, std::clamp (value, minAddressValue, maxAddressValue), midiChannel));
}

MidiCntrState::SentAddress MidiCntrState::lastAddressSent() const
{
    const juce::ScopedLock sl (lock);
    return { lastAddress, lastAddressChannel };
}

void MidiCntrState::sendLiveRow (int row, int value)
{
    if (output == nullptr || flags.unsupportedDevice)
        return;
    const auto& info = table.info (row);
    const int midiChannel = info.channel + 1;

    if (info.group == LiveTable::groupChannel)
    {
        if (info.slot == LiveTable::slotFxAlloc || info.slot == LiveTable::slotAux1Out || info.slot == LiveTable::slotAux2Out)
            return;
        if (info.slot == LiveTable::slotPan)
            output->sendController (midiChannel, panController,
                                    (int) std::clamp<long long> ((long long) value + panCentreOffset, 0, maxDataByte));
    }

    switch (info.kind)
    {
        case kindAddressed: case kindInsertChain: case kindAux1Chain: case kindAux2Chain:
            if (const auto address = channelSlotAddress (info.slot))
                sendControllerAddress (*address, value, midiChannel);
            break;
        case kindChannelProgram:
            output->sendSysEx (messages::channelProgram (output->deviceId(), info.channel, std::clamp (value, 0, maxWord)));
            break;
        case kindMulti:
            output->sendSysEx (messages::valueMessage (output->deviceId(), std::clamp (value, 0, maxWord)));
            break;
        case kindPlayingMode:
            if (value == 1 || value == 2)
                sendControllerAddress (playingModeAddress, value, playingModeChannel);
            break;
        case kindController:
            output->sendController (midiChannel, info.sourceOffset, std::clamp (value, 0, maxDataByte));
            break;
        default:
            break;
    }
}

} // namespace zr9
