#include "BulkReceive.h"

#include "MidiConnection.h"
#include "TransferMailbox.h"

#include "model/ObjectRecord.h"

namespace zr9
{

BulkReceive::BulkReceive (TransferMailbox& m, MidiConnection& c, RK2Class& rk2, Clock& clock)
    : mailbox (m), connection (c), model (rk2), fifo (rk2.transfer()),
      timeout (clock.makeTimer ([this] { timedOut(); }))
{
    // Called on the MIDI input thread: the reply only waits in the mailbox.
    mailbox.setReceiver ([this] (const std::vector<std::uint8_t>& body) {
        fifo.handOver (body);
        triggerAsyncUpdate();
    });
}

BulkReceive::~BulkReceive()
{
    mailbox.setReceiver (nullptr); // waits for a hand-over in progress
    cancelPendingUpdate();
    timeout->stop();
    fifo.stop (FIFO_Class::StopReason::cancelled);
}

void BulkReceive::setFifoMode (bool on)
{
    mailbox.setFifoMode (on);
}

bool BulkReceive::isFifoMode() const
{
    return mailbox.isFifoMode();
}

// -------------------------------------------------------------- starting, stopping

void BulkReceive::begin()
{
    totals = {};
    changed.clear();
}

bool BulkReceive::startRange (int typeId, bool everyType, int first, int last)
{
    if (fifo.isActive())
        return false;
    begin();
    apply (fifo.startRange (typeId, everyType, first, last));
    return true;
}

bool BulkReceive::fetchSingle (int kind, int number)
{
    const int typeId = transfer::singleFetchType (kind);
    if (fifo.isActive() || typeId == 0 || number < 1)
        return false;
    begin();
    apply (fifo.startSingle (typeId, number));
    return true;
}

bool BulkReceive::readBack (int typeId, int number, ReadBackDone done)
{
    if (fifo.isActive() || done == nullptr || number < 1 || typeId <= 0)
        return false;
    readBackDone = std::move (done);
    readBackResult = {};
    apply (fifo.startSingle (typeId, number));
    return true;
}

void BulkReceive::cancel()
{
    if (! fifo.isActive())
        return;
    timeout->stop();
    fifo.stop (FIFO_Class::StopReason::cancelled);
    if (readBackDone != nullptr)
    {
        readBackDone = nullptr;
        return;
    }
    totals.reason = fifo.stopReason();
    listeners.call ([] (Listener& l) { l.receiveStopped(); });
}

Bytes BulkReceive::libraryRecord (int typeId, const std::string& name, const Bytes& object)
{
    Bytes record;
    if (typeId != typeAlgorithm)
    {
        auto padded = name;
        padded.resize ((size_t) ObjectRecord::nameLength, ' ');
        record.assign (padded.begin(), padded.end());
    }
    record.insert (record.end(), object.begin(), object.end());
    return record;
}

// ------------------------------------------------------------------------ events

void BulkReceive::handleAsyncUpdate()
{
    for (const auto& letter : fifo.takeLetters())
        apply (fifo.take (letter));
}

void BulkReceive::timedOut()
{
    timeout->stop();
    apply (fifo.timedOut());
}

void BulkReceive::apply (TransferAction action)
{
    if (action.ignored())
        return;
    if (readBackDone != nullptr)
    {
        applyReadBack (action);
        return;
    }

    switch (action.result)
    {
        case TransferAction::Result::received: store (action); break;
        case TransferAction::Result::refused:  clearLocalCopy (action); ++totals.refused; break;
        case TransferAction::Result::failed:   ++totals.failed; break;
        case TransferAction::Result::none:     break;
    }

    sendOrWait (action);

    if (action.stopped)
    {
        timeout->stop();
        totals.reason = fifo.stopReason();
        totals.skippedTypes = fifo.skippedTypes();
        listeners.call ([] (Listener& l) { l.receiveStopped(); });
        return;
    }
    if (action.typeChanged)
        listeners.call ([] (Listener& l) { l.receiveTypeChanged(); });
    listeners.call ([] (Listener& l) { l.receiveProgressed(); });
}

void BulkReceive::sendOrWait (const TransferAction& action)
{
    if (action.request)
        send (*action.request);
    else if (action.waiting)
        timeout->start (replyTimeoutMs);
}

void BulkReceive::applyReadBack (const TransferAction& action)
{
    using Outcome = ReadBack::Outcome;
    switch (action.result)
    {
        case TransferAction::Result::received:
            readBackResult = { Outcome::received, libraryRecord (action.typeId, action.name, action.object) };
            break;
        case TransferAction::Result::refused: readBackResult = { Outcome::refused, {} }; break;
        case TransferAction::Result::failed:  readBackResult = { action.unanswered ? Outcome::unanswered : Outcome::failed, {} }; break;
        case TransferAction::Result::none:    break;
    }

    sendOrWait (action);

    if (action.stopped)
    {
        timeout->stop();
        // The caller may start the next read-back from inside its callback.
        auto done = std::move (readBackDone);
        readBackDone = nullptr;
        done (readBackResult);
    }
}

void BulkReceive::send (const TransferRequest& request)
{
    fifo.aboutToSend();
    auto& output = connection.output();
    const auto message = request.message (output.deviceId());
    output.sendSysEx (message.data(), message.size());
    timeout->start (replyTimeoutMs);
}

void BulkReceive::store (const TransferAction& action)
{
    auto* holder = model.holderFor (action.typeId);
    if (holder == nullptr)
    {
        ++totals.failed; // a type the library keeps no bank for
        return;
    }

    const auto record = libraryRecord (action.typeId, action.name, action.object);
    if (holder->storeRecord (action.number, ByteView (record)))
    {
        ++totals.received;
        changed.insert (action.typeId);
    }
    else
    {
        ++totals.failed; // the bank has no place for this number
    }
}

void BulkReceive::clearLocalCopy (const TransferAction& action)
{
    // The instrument has no such object, so the library's copy goes too.
    auto* holder = model.holderFor (action.typeId);
    if (holder != nullptr && holder->bank().size (action.number) > 0 && holder->storeRecord (action.number, ByteView()))
        changed.insert (action.typeId);
}

} // namespace zr9
