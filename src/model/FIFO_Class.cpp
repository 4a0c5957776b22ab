#include "FIFO_Class.h"

#include <algorithm>

namespace zr9
{

namespace
{
    using Kind = sysex::TransferReply::Kind;

    TransferRequest informationRequest (int typeId, int number)
    {
        return { TransferRequest::Kind::information, typeId, number, 0, 0 };
    }

    TransferRequest chunkRequest (int typeId, int number, int offset, int total)
    {
        return { TransferRequest::Kind::data, typeId, number, offset, std::min (transfer::chunkLimit, total - offset) };
    }
} // namespace

sysex::Message TransferRequest::message (int device) const
{
    return kind == Kind::information ? sysex::objectInfoRequest (device, typeId, number)
                                     : sysex::objectDataRequest (device, typeId, number, offset, length);
}

// --------------------------------------------------------------------- mailbox

void FIFO_Class::handOver (const Bytes& body)
{
    Bytes message;
    message.reserve (body.size() + 1);
    message.push_back (sysex::start);
    message.insert (message.end(), body.begin(), body.end());
    const std::lock_guard<std::mutex> sl (mailboxLock);
    mailbox.push_back ({ ++lettersHandedOver, std::move (message) });
    if (mailbox.size() > mailboxCapacity)
        mailbox.pop_front();
    code = mailboxWaiting;
}

std::vector<FIFO_Class::Letter> FIFO_Class::takeLetters()
{
    const std::lock_guard<std::mutex> sl (mailboxLock);
    std::vector<Letter> letters (std::make_move_iterator (mailbox.begin()), std::make_move_iterator (mailbox.end()));
    mailbox.clear();
    return letters;
}

int FIFO_Class::mailboxCode() const
{
    const std::lock_guard<std::mutex> sl (mailboxLock);
    return code;
}

void FIFO_Class::aboutToSend()
{
    const std::lock_guard<std::mutex> sl (mailboxLock);
    sentAfterLetter = lettersHandedOver;
}

// ------------------------------------------------------------ starting, stopping

TransferAction FIFO_Class::startRange (int type, bool everyTypeAfter, int firstNumber, int lastNumber)
{
    active = true;
    reason = StopReason::none;
    mode = fetchModeRange;
    allTypes = everyTypeAfter;
    typeId = type;
    range = transfer::clampRange (type, firstNumber, lastNumber);
    number = range.first;
    silentNumbers = silentNumbersInType = 0;
    skipped.clear();
    return requestObject ({});
}

TransferAction FIFO_Class::startSingle (int type, int objectNumber)
{
    if (objectNumber < 1 || type <= 0)
        return {};
    active = true;
    reason = StopReason::none;
    mode = fetchModeSingle;
    allTypes = false;
    typeId = type;
    range = { objectNumber, objectNumber };
    number = objectNumber;
    silentNumbers = silentNumbersInType = 0;
    skipped.clear();
    return requestObject ({});
}

void FIFO_Class::stop (StopReason why)
{
    if (! active)
        return;
    pending.reset();
    deferred.reset();
    active = false;
    current = Phase::idle;
    reason = why;
    const std::lock_guard<std::mutex> sl (mailboxLock);
    code = mailboxStopped;
}

// ---------------------------------------------------------------------- events

TransferAction FIFO_Class::take (const Letter& letter)
{
    if (! active || (! pending && ! deferred))
        return {};

    const auto reply = sysex::readTransferReply (sysex::Reader (letter.message));
    if (reply.kind != Kind::data && reply.kind != Kind::information && reply.kind != Kind::refusal)
        return {}; // acknowledgements, other sub-codes, other commands, garbage

    if (deferred)
    {
        // Waiting for the late answers of the last request: whatever comes is one of them.
        return --lateAnswers <= 0 ? sendDeferred() : TransferAction();
    }

    std::uint64_t sentAfter = 0;
    {
        const std::lock_guard<std::mutex> sl (mailboxLock);
        sentAfter = sentAfterLetter;
    }
    if (letter.sequence <= sentAfter || ! answersOutstanding (reply))
        return {};

    ++answersToPending;
    heardForNumber = true;
    silentNumbers = silentNumbersInType = 0;
    switch (reply.kind)
    {
        case Kind::information: return takeInformation (reply);
        case Kind::data:        return takeData (reply);
        case Kind::refusal:     return takeRefusal();
        case Kind::ignored:
        case Kind::acknowledgement:
            break;
    }
    return {};
}

bool FIFO_Class::answersOutstanding (const sysex::TransferReply& reply) const noexcept
{
    switch (reply.kind)
    {
        case Kind::information:
            return current == Phase::information && reply.typeId == typeId && reply.objectNumber == number;
        case Kind::data:
            return current == Phase::chunks && reply.typeId == typeId && reply.objectNumber == number
                && reply.offset == (int) collected.size();
        case Kind::refusal:
            return true; // it names no object; see send() for how a late one is kept out
        case Kind::ignored:
        case Kind::acknowledgement:
            break;
    }
    return false;
}

TransferAction FIFO_Class::timedOut()
{
    if (! active)
        return {};
    if (deferred)
        return sendDeferred(); // the late answers are not coming
    if (! pending)
        return {};
    if (retryCount < maxRetries)
        return askAgainOrFail();
    if (! heardForNumber)
        return failSilentNumber();

    TransferAction action;
    action.result = TransferAction::Result::failed;
    return finishObject (std::move (action));
}

TransferAction FIFO_Class::failSilentNumber()
{
    TransferAction action;
    action.result = TransferAction::Result::failed;
    action.unanswered = true;
    ++silentNumbers;
    ++silentNumbersInType;

    const int giveUpAfter = allTypes ? 2 * silentNumbersToGiveUp : silentNumbersToGiveUp;
    if (silentNumbers >= giveUpAfter)
    {
        action.typeId = typeId;
        action.number = number;
        stop (StopReason::noAnswer);
        action.stopped = true;
        return action;
    }
    if (allTypes && silentNumbersInType >= silentNumbersToGiveUp)
    {
        // This type gets no answer, but others may: the run goes on with the next one.
        skipped.push_back (typeId);
        action.typeSkipped = true;
        action.typeId = typeId;
        action.number = number;
        current = Phase::idle;
        number = range.last + 1;
        return requestObject (std::move (action));
    }
    return finishObject (std::move (action));
}

TransferAction FIFO_Class::takeInformation (const sysex::TransferReply& reply)
{
    lastSize = reply.size;
    objectTotal = reply.size;
    name = reply.name;
    collected.clear();

    if (objectTotal <= 0)
    {
        // Nothing to fetch; a chunk of length 0 would never be answered with data.
        TransferAction action;
        action.result = TransferAction::Result::failed;
        return finishObject (std::move (action));
    }
    current = Phase::chunks;
    return send ({}, chunkRequest (typeId, number, 0, objectTotal));
}

TransferAction FIFO_Class::takeData (const sysex::TransferReply& reply)
{
    lastOffset = reply.offset;
    lastSize = reply.size;

    // As many bytes as the size field says, never more than arrived; a size
    // field that promises more than arrived, or a chunk that runs past the
    // announced total, is damaged and asked for again.
    const int unpacked = (int) reply.data.size();
    const int useful = std::min (reply.size, unpacked);
    if (reply.size > unpacked + sizeFieldSlack || useful <= 0 || (int) collected.size() + useful > objectTotal)
        return askAgainOrFail();

    collected.insert (collected.end(), reply.data.begin(), reply.data.begin() + useful);
    if ((int) collected.size() < objectTotal)
        return send ({}, chunkRequest (typeId, number, (int) collected.size(), objectTotal));

    TransferAction action;
    action.result = TransferAction::Result::received;
    action.object = std::move (collected);
    action.name = name;
    collected.clear();
    return finishObject (std::move (action));
}

TransferAction FIFO_Class::takeRefusal()
{
    if (current != Phase::information)
        return askAgainOrFail(); // the object exists, but a chunk of it was refused

    name.clear();
    TransferAction action;
    action.result = TransferAction::Result::refused;
    return finishObject (std::move (action));
}

TransferAction FIFO_Class::askAgainOrFail()
{
    if (retryCount < maxRetries)
    {
        ++retryCount;
        ++sendsOfPending;
        TransferAction action;
        action.request = pending;
        return action;
    }
    TransferAction action;
    action.result = TransferAction::Result::failed;
    return finishObject (std::move (action));
}

// ------------------------------------------------------------- moving on

TransferAction FIFO_Class::finishObject (TransferAction action)
{
    action.typeId = typeId;
    action.number = number;
    current = Phase::idle;
    if (mode == fetchModeSingle)
    {
        stop (StopReason::finished);
        action.stopped = true;
        return action;
    }
    ++number;
    return requestObject (std::move (action));
}

TransferAction FIFO_Class::requestObject (TransferAction action)
{
    if (number > range.last)
    {
        const int next = allTypes ? transfer::nextTypeOfAll (typeId) : 0;
        if (next == 0)
        {
            stop (StopReason::finished);
            action.stopped = true;
            return action;
        }
        // The next type runs over the numbers the last one ran over, clamped for it.
        typeId = next;
        range = transfer::clampRange (next, range.first, range.last);
        number = range.first;
        silentNumbersInType = 0;
        action.typeChanged = true;
    }
    name.clear();
    collected.clear();
    objectTotal = 0;
    heardForNumber = false;
    current = Phase::information;
    return send (std::move (action), informationRequest (typeId, number));
}

TransferAction FIFO_Class::send (TransferAction action, const TransferRequest& request)
{
    if (request.kind == TransferRequest::Kind::data)
        lastOffset = request.offset;

    // The last request was answered late, after it had gone out again: its
    // other answers may still come, and a refusal among them would be taken
    // for this request's. This one waits for them, or for the time-out. (A
    // request never answered at all was lost, and nothing waits for it.)
    if (pending && answersToPending > 0 && sendsOfPending > answersToPending)
    {
        lateAnswers = sendsOfPending - answersToPending;
        deferred = request;
        pending.reset();
        action.waiting = true;
        return action;
    }
    pending = request;
    sendsOfPending = 1;
    answersToPending = 0;
    retryCount = 0;
    action.request = request;
    return action;
}

TransferAction FIFO_Class::sendDeferred()
{
    const auto request = *deferred;
    deferred.reset();
    pending.reset();
    return send ({}, request);
}

} // namespace zr9
