#pragma once

#include "ByteView.h"
#include "SysexFormat.h"
#include "TransferTypes.h"

#include <cstdint>
#include <deque>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace zr9
{

/** One request of an object fetch: an object's information, or a chunk of its bytes. */
struct TransferRequest
{
    enum class Kind { information, data };

    Kind kind = Kind::information;
    int typeId = 0;
    int number = 0;
    int offset = 0;   // data: first unpacked byte wanted
    int length = 0;   // data: unpacked bytes wanted, at most transfer::chunkLimit

    /** The message that asks the instrument for it. */
    sysex::Message message (int device) const;

    bool operator== (const TransferRequest& o) const noexcept
    {
        return kind == o.kind && typeId == o.typeId && number == o.number && offset == o.offset && length == o.length;
    }
};

/** What the fetch did with an event, and what its owner must do now. */
struct TransferAction
{
    enum class Result { none, received, refused, failed };

    /** What became of the object the fetch was busy with, if anything. */
    Result result = Result::none;
    int typeId = 0;
    int number = 0;
    Bytes object;       // received: the object's bytes as the instrument keeps them (no name)
    std::string name;   // received: the 20-character name of its information reply
    /** failed: not one of the requests for the object got any answer at all. */
    bool unanswered = false;

    /** The request to send now; the reply time-out starts again with it. */
    std::optional<TransferRequest> request;
    /** Nothing to send yet: the time-out starts again while the fetch waits for late answers. */
    bool waiting = false;
    bool typeChanged = false;  // a run over every type went on to the next type
    bool typeSkipped = false;  // with typeChanged: the last type was left, as it did not answer
    bool stopped = false;      // the fetch is over

    /** Nothing happened: the event was not an answer the fetch was waiting for. */
    bool ignored() const noexcept { return result == Result::none && ! request && ! waiting && ! typeChanged && ! stopped; }
};

/**
    The state of an object fetch from the instrument and the mailbox its
    replies arrive in.

    A fetch is strictly lock-step: one request is outstanding at a time, and
    only an answer to it moves the fetch on. For every number it asks for the
    object's information, then for the object's bytes in chunks of at most
    2048, assembles them and hands the whole object to its owner to store. A
    refusal means the instrument has no such object. A reply that cannot be
    used (its size field disagrees with its data, it carries more than the
    object holds, the instrument refuses a chunk) and a request that gets no
    answer in time are asked again, up to three times; after that the number
    has failed and the fetch goes on with the next one. When the instrument
    stays silent for three numbers in a row the fetch gives up; a run over
    every type instead leaves that type (it is listed in skippedTypes()) and
    goes on with the next one, and gives up only when the silence lasts
    through a second type's three numbers.

    Replies for other types or numbers, chunks at other offsets, and letters
    that were in the mailbox before the outstanding request left are not
    answers to it and are ignored, so duplicated, late and unrelated messages
    can neither store anything nor move the fetch on. A refusal names no
    object, so after a request that had to be sent again is answered, the
    next request waits until its other answers are in or the time-out has
    passed: a late refusal is never taken for the next number's.

    Threads: handOver() runs on the MIDI input thread, under the mailbox's
    lock; everything else runs on the one thread that drives the fetch (the
    message thread).
*/
class FIFO_Class
{
public:
    static constexpr int fetchModeRange = 786;
    static constexpr int fetchModeSingle = 787;
    static constexpr int mailboxWaiting = 2012;
    static constexpr int mailboxStopped = 13;

    static constexpr int maxRetries = 3;
    /**
        Numbers in a row without any answer after which the instrument is
        taken to be gone; in a run over every type, after which the type is
        left. Such a run gives up after twice as many.
    */
    static constexpr int silentNumbersToGiveUp = 3;
    /** Letters the mailbox keeps; beyond that the oldest go (a lock-step fetch waits for one at a time). */
    static constexpr std::size_t mailboxCapacity = 64;
    /** A data reply may announce one byte more than it unpacks to; a larger difference means a damaged chunk. */
    static constexpr int sizeFieldSlack = 1;

    enum class Phase { idle, information, chunks };
    enum class StopReason { none, finished, cancelled, noAnswer };

    /**
        A message handed over, numbered in the order it arrived. Its 0xF0 is
        put back in front when it is handed over, since the readers count
        offsets from it: the letter is read as it is, without another copy.
    */
    struct Letter
    {
        std::uint64_t sequence = 0;
        Bytes message;
    };

    // ------------------------------------------------------------ mailbox
    /** Puts a protocol message (without its 0xF0) into the mailbox; any thread. */
    void handOver (const Bytes& body);
    /** Takes every waiting letter, oldest first. */
    std::vector<Letter> takeLetters();
    /** mailboxWaiting once a letter was handed over, mailboxStopped once a fetch stopped; 0 before either. */
    int mailboxCode() const;

    // ----------------------------------------------------------- the fetch
    /**
        Starts a run over first..last of a type, clamped for it (and, with
        `everyType`, over each type of the all-types order after it). The
        action carries the first request.
    */
    TransferAction startRange (int typeId, bool everyType, int first, int last);
    /** Starts fetching one object; nothing happens for numbers below 1. */
    TransferAction startSingle (int typeId, int number);
    /**
        Called just before a request leaves: letters handed over until now
        cannot be answers to it. (Called before, not after, the send, since an
        answer may be handed over before the sending call returns.)
    */
    void aboutToSend();
    /** Ends the fetch wherever it stands. */
    void stop (StopReason reason);

    /** A letter from the mailbox. */
    TransferAction take (const Letter& letter);
    /** The outstanding request got no answer in time. */
    TransferAction timedOut();

    // ------------------------------------------------------------ reading
    bool isActive() const noexcept { return active; }
    Phase phase() const noexcept { return current; }
    StopReason stopReason() const noexcept { return reason; }
    int fetchMode() const noexcept { return mode; }
    bool everyType() const noexcept { return allTypes; }
    int type() const noexcept { return typeId; }
    int currentNumber() const noexcept { return number; }
    int first() const noexcept { return range.first; }
    int last() const noexcept { return range.last; }
    int offset() const noexcept { return lastOffset; }
    int size() const noexcept { return lastSize; }
    int total() const noexcept { return objectTotal; }
    const Bytes& accumulator() const noexcept { return collected; }
    /** The name of the object being fetched, 20 characters; empty until its information arrives. */
    const std::string& objectName() const noexcept { return name; }
    int retries() const noexcept { return retryCount; }
    /** The request waiting for an answer, if any. */
    const std::optional<TransferRequest>& outstanding() const noexcept { return pending; }
    /** The types a run over every type left because they did not answer, in the order it left them. */
    const std::vector<int>& skippedTypes() const noexcept { return skipped; }

private:
    TransferAction requestObject (TransferAction action);
    TransferAction finishObject (TransferAction action);
    TransferAction askAgainOrFail();
    TransferAction failSilentNumber();
    TransferAction send (TransferAction action, const TransferRequest& request);
    TransferAction sendDeferred();
    TransferAction takeInformation (const sysex::TransferReply& reply);
    TransferAction takeData (const sysex::TransferReply& reply);
    TransferAction takeRefusal();
    bool answersOutstanding (const sysex::TransferReply& reply) const noexcept;

    // The mailbox, shared with the MIDI input thread.
    mutable std::mutex mailboxLock;
    std::deque<Letter> mailbox;
    std::uint64_t lettersHandedOver = 0;
    int code = 0;

    // The fetch.
    bool active = false;
    Phase current = Phase::idle;
    StopReason reason = StopReason::none;
    int mode = fetchModeRange;
    bool allTypes = false;
    int typeId = 0;
    int number = 0;
    transfer::Range range;
    int lastOffset = 0;
    int lastSize = 0;
    int objectTotal = 0;
    Bytes collected;
    std::string name;

    std::optional<TransferRequest> pending;
    std::uint64_t sentAfterLetter = 0;  // letters up to this one arrived before the request left
    int retryCount = 0;
    int sendsOfPending = 0;             // how often the outstanding request went out
    int answersToPending = 0;           // answers it got, usable or not
    std::optional<TransferRequest> deferred; // the next request, waiting for the late answers of the last one
    int lateAnswers = 0;                // answers the last request may still get
    bool heardForNumber = false;
    int silentNumbers = 0;        // in a row, over every type of the run
    int silentNumbersInType = 0;  // in a row, within the current type
    std::vector<int> skipped;
};

} // namespace zr9
