#include "BulkTransmit.h"

#include "ChannelPrograms.h"
#include "LiveValues.h"
#include "MidiConnection.h"
#include "ProgramAudition.h"

#include "model/MidiCable.h"
#include "model/ProgramSequences.h"
#include "model/TransmitRules.h"

namespace zr9
{

BulkTransmit::BulkTransmit (MidiConnection& c, RK2Class& m, BulkReceive& r, LiveValues& l, ChannelPrograms& p,
                            ProgramAudition& a, Clock& clock)
    : connection (c), model (m), reader (r), live (l), programs (p), audition (a),
      wait (clock.makeTimer ([this] { waited(); }))
{
}

BulkTransmit::~BulkTransmit()
{
    wait->stop();
    if (active && checking)
        reader.cancel();
}

int BulkTransmit::waitAfterMs (std::size_t bytes) noexcept
{
    return (int) midiCableMs ((long long) bytes) + storeWaitMs;
}

bool BulkTransmit::isOnline() const
{
    return connection.isConnected() && ! connection.isUnsupportedDevice() && connection.isOutputOpen();
}

std::string BulkTransmit::start (int type, int firstNumber, int lastNumber, bool verify)
{
    if (const auto* refusal = transfer::transmitRefusal (type))
        return refusal;
    if (active || reader.isActive())
        return "Another transfer is under way.";
    if (! isOnline())
        return "Nothing was sent: the instrument is not on line.";
    const auto* holder = model.holderFor (type);
    if (holder == nullptr)
        return transfer::transmitRefusal (0);

    typeId = type;
    range = transfer::clampRange (type, firstNumber, lastNumber);
    bank = holder->snapshot();
    numbers.clear();
    for (int n = range.first; n <= range.last; ++n)
        if (bank->exists (n))
            numbers.push_back (n);

    totals = {};
    totals.verify = verify;
    done = 0;
    number = 0;
    name.clear();
    silentInARow = 0;
    slotUsed = false;
    active = true;
    checking = false;
    // The transfer slot's edit buffer is about to hold other programs.
    audition.programChanged (program::transferSlot);
    sendNext();
    return {};
}

void BulkTransmit::cancel()
{
    if (active)
        stop (StopReason::cancelled);
}

void BulkTransmit::sendNext()
{
    if (done >= (int) numbers.size())
    {
        stop (StopReason::finished);
        return;
    }
    if (! isOnline())
    {
        stop (StopReason::offLine);
        return;
    }

    number = numbers[(size_t) done];
    const auto record = bank->record (number);
    name = bank->name (number);
    name.erase (name.find_last_not_of (' ') + 1);
    expected = program::storedRecord (ByteView (record));

    auto& output = connection.output();
    std::size_t bytes = 0;
    for (const auto& m : program::writeSequenceFor (output.deviceId(), program::transferSlot, number, ByteView (record)))
    {
        output.sendSysEx (m.data(), m.size());
        bytes += m.size();
    }
    slotUsed = true;
    ++totals.sent;
    listeners.call ([] (Listener& l) { l.transmitProgressed(); });
    wait->start (waitAfterMs (bytes));
}

void BulkTransmit::waited()
{
    wait->stop();
    if (! active)
        return;
    if (! totals.verify)
    {
        ++done;
        sendNext();
        return;
    }
    checking = true;
    listeners.call ([] (Listener& l) { l.transmitProgressed(); });
    if (! reader.readBack (typeId, number, [this] (const BulkReceive::ReadBack& result) { checked (result); }))
    {
        checking = false;
        ++totals.failed;
        ++done;
        sendNext();
    }
}

void BulkTransmit::checked (const BulkReceive::ReadBack& result)
{
    using Outcome = BulkReceive::ReadBack::Outcome;
    checking = false;
    if (! active)
        return;

    silentInARow = result.outcome == Outcome::unanswered ? silentInARow + 1 : 0;
    if (result.outcome == Outcome::received && result.record == expected)
    {
        ++totals.verified;
    }
    else if (result.outcome == Outcome::received)
    {
        ++totals.differed;
        totals.differedNumbers.push_back (number);
    }
    else
    {
        ++totals.failed;
    }
    ++done;

    if (silentInARow >= silentObjectsToGiveUp)
    {
        stop (StopReason::noAnswer);
        return;
    }
    sendNext();
}

void BulkTransmit::stop (StopReason why)
{
    wait->stop();
    if (checking)
    {
        checking = false;
        reader.cancel();
    }
    active = false;
    totals.reason = why;
    // The edit buffer the run wrote through gets its channel's own program back.
    if (slotUsed && isOnline())
    {
        const int row = LiveTable::channelRow (program::transferSlot, LiveTable::slotProgram);
        live.send (row, live.get (row) >= 1 ? live.get (row) : programs.current (program::transferSlot));
    }
    bank.reset();
    listeners.call ([] (Listener& l) { l.transmitStopped(); });
}

} // namespace zr9
