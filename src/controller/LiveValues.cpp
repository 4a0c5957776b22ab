#include "LiveValues.h"

#include "ChannelPrograms.h"
#include "MidiConnection.h"
#include "Notifications.h"
#include "ProgramAudition.h"

#include "model/LiveRowAddresses.h"
#include "model/MidiControllers.h"

#include <algorithm>

namespace zr9
{

namespace
{
    constexpr int panCentreOffset = 63;

    // What one message can carry: a 7-bit data byte, a 14-bit word, a value offset by 8192.
    constexpr int maxDataByte = 127;
    constexpr int maxWord = 16383;
    constexpr int minAddressValue = -8192;
    constexpr int maxAddressValue = 8191;
} // namespace

LiveValues::LiveValues (LiveTable& t, ChannelPrograms& p, MidiConnection& c, Notifications& n)
    : rows (t), programs (p), connection (c), notifications (n)
{
}

void LiveValues::set (int value, int row, bool sendIt)
{
    if (! LiveTable::isRow (row))
        return;
    const auto& info = rows.info (row);

    if (info.kind == RowKind::channelProgram)
    {
        // Program 0 or below names no program: the channel keeps its own and nothing is sent.
        if (value < 1)
            return;
        programs.set (value, info.channel);
        // The channel plays a program of the instrument again, not one auditioned from the library.
        if (audition != nullptr)
            audition->programChanged (info.channel);
        // The row follows the channel even when the program's bytes are unknown.
        rows.store (row, value);
        changed.mark (row);
        if (sendIt)
            send (row, value);
        notifications.postParameterChange (row, value);
        return;
    }

    if (isChainKind (info.kind))
        programs.rebuildEffects (info.channel, info.slot, value);

    rows.store (row, value);
    changed.mark (row);
    if (sendIt)
        send (row, value);
    notifications.postParameterChange (row, value);
}

bool LiveValues::takeReported (int row, int value)
{
    if (! LiveTable::isRow (row) || rows.get (row) == value)
        return false;
    rows.store (row, value);
    changed.mark (row);
    notifications.postParameterChange (row, value);
    return true;
}

void LiveValues::sendControllerAddress (const messages::Address& address, int value, int midiChannel)
{
    {
        const std::lock_guard<std::mutex> sl (addressLock);
        lastAddress = { address, midiChannel };
    }
    connection.output().sendBuffer (messages::controllerAddress (address, std::clamp (value, minAddressValue, maxAddressValue), midiChannel));
}

LiveValues::SentAddress LiveValues::lastAddressSent() const
{
    const std::lock_guard<std::mutex> sl (addressLock);
    return lastAddress;
}

void LiveValues::send (int row, int value)
{
    if (! LiveTable::isRow (row) || connection.isUnsupportedDevice())
        return;
    auto& output = connection.output();
    const auto& info = rows.info (row);
    const int midiChannel = info.channel + 1;

    if (info.group == LiveTable::groupChannel)
    {
        if (info.slot == LiveTable::slotFxAlloc || info.slot == LiveTable::slotAux1Out || info.slot == LiveTable::slotAux2Out)
            return;
        if (info.slot == LiveTable::slotPan)
            output.sendController (midiChannel, midicc::pan,
                                   (int) std::clamp<long long> ((long long) value + panCentreOffset, 0, maxDataByte));
    }

    switch (info.kind)
    {
        case RowKind::addressed: case RowKind::insertChain: case RowKind::aux1Chain: case RowKind::aux2Chain:
            if (const auto address = liveaddress::ofChannelSlot (info.slot))
                sendControllerAddress (*address, value, midiChannel);
            break;
        case RowKind::channelProgram:
            output.sendSysEx (messages::channelProgram (output.deviceId(), info.channel, std::clamp (value, 0, maxWord)));
            break;
        case RowKind::multi:
            output.sendSysEx (messages::valueMessage (output.deviceId(), std::clamp (value, 0, maxWord)));
            break;
        case RowKind::playingMode:
            if (value == 1 || value == 2)
                sendControllerAddress (liveaddress::playingMode, value, liveaddress::playingModeChannel + 1);
            break;
        case RowKind::controller:
            output.sendController (midiChannel, info.sourceOffset, std::clamp (value, 0, maxDataByte));
            break;
        // Solo, mute, the aux overrides and the bank and number halves are kept here only.
        case RowKind::notSent:
        case RowKind::aux1Override: case RowKind::aux2Override:
        case RowKind::aux1OverrideOn: case RowKind::aux2OverrideOn:
        case RowKind::aux1OverrideMod: case RowKind::aux2OverrideMod:
        case RowKind::programBank: case RowKind::programNumber:
        case RowKind::multiBank: case RowKind::multiNumber:
            break;
    }
}

} // namespace zr9
