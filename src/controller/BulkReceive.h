#pragma once

#include "midi/Clock.h"
#include "model/RK2Class.h"

#include <juce_events/juce_events.h>

#include <functional>
#include <memory>
#include <set>
#include <vector>

namespace zr9
{

class MidiConnection;
class TransferMailbox;

/**
    Fetches objects from the instrument into the library banks: a run over a
    range of numbers of one type (or of every type in turn), or one object for
    the write dialog. The fetch itself (what to ask next, what a reply means,
    when to ask again) is the model's FIFO_Class; this part sends its
    requests, keeps the reply time-out, stores what arrives into the banks and
    tells its listeners how far it got.

    A read-back fetches one object for comparison only: it stores nothing,
    clears nothing and tells no listener; what arrived goes to its caller.

    Threads: replies are handed over on the MIDI input thread through the
    transfer mailbox into the FIFO_Class's mailbox; they are read, and
    everything else is done, on the message thread (the time-out is a timer
    of the controller's clock). Banks change only through their holders'
    storeRecord, on the message thread.
*/
class BulkReceive : private juce::AsyncUpdater
{
public:
    /**
        How long a request waits for its answer before it is sent again. The
        largest answer is a chunk of 2048 bytes: packed, and with its frame,
        2,362 bytes, which take 756 ms on a 31,250-baud cable (320 us a byte).
        Twice that leaves room for the instrument's own time.
    */
    static constexpr int replyTimeoutMs = 1500;

    /** What the last fetch did, counted by object. */
    struct Summary
    {
        int received = 0;
        int refused = 0;
        int failed = 0;
        FIFO_Class::StopReason reason = FIFO_Class::StopReason::none;
        /** A run over every type: the types it left because they did not answer. */
        std::vector<int> skippedTypes;
    };

    /** What a read-back brought. */
    struct ReadBack
    {
        enum class Outcome { received, refused, failed, unanswered };
        Outcome outcome = Outcome::failed;
        /** received: the object as the library keeps it, its 20-character name and its bytes (algorithms: the bytes). */
        Bytes record;
    };
    using ReadBackDone = std::function<void (const ReadBack&)>;

    /** Told on the message thread. */
    class Listener
    {
    public:
        virtual ~Listener() = default;
        /** The number, the object's name or the counts changed. */
        virtual void receiveProgressed() {}
        /** A run over every type went on to the next type; its range is in state(). */
        virtual void receiveTypeChanged() {}
        /** The fetch is over: finished, cancelled, or the instrument stopped answering (summary()). */
        virtual void receiveStopped() {}
    };

    BulkReceive (TransferMailbox& mailbox, MidiConnection& connection, RK2Class& model, Clock& clock);
    ~BulkReceive() override;

    /**
        Starts a run over first..last of a type, clamped for it; with
        `everyType` the types after it in the all-types order follow. False
        (and nothing sent) while a fetch is under way.
    */
    bool startRange (int typeId, bool everyType, int first, int last);

    /**
        Fetches one object for the write dialog: kind 2 a program, kind 11 a
        setup. False for other kinds, numbers below 1, or while a fetch is
        under way. Its end is told like a run's, with receiveStopped().
    */
    bool fetchSingle (int kind, int number);

    /**
        Reads one object of any type back from the instrument without storing
        it; `done` is told once, on the message thread, with what arrived.
        False (and nothing sent) while a fetch is under way.
    */
    bool readBack (int typeId, int number, ReadBackDone done);
    bool isReadingBack() const noexcept { return readBackDone != nullptr; }

    /** Ends the fetch wherever it stands; what was stored so far stays. A read-back ends without telling its caller. */
    void cancel();

    /** The record the library keeps for a received object: the 20-character name, then the bytes (algorithms: the bytes alone). */
    static Bytes libraryRecord (int typeId, const std::string& name, const Bytes& object);

    /** While on, every protocol message goes to the fetch's mailbox instead of the model. */
    void setFifoMode (bool on);
    bool isFifoMode() const;

    bool isActive() const noexcept { return fifo.isActive(); }
    const FIFO_Class& state() const noexcept { return fifo; }
    const Summary& summary() const noexcept { return totals; }
    /** The types whose banks the current or last fetch changed. */
    const std::set<int>& changedTypes() const noexcept { return changed; }

    /** Reads what waits in the mailbox now; for callers already on the message thread. */
    void deliverNow() { handleUpdateNowIfNeeded(); }

    void addListener (Listener* l) { listeners.add (l); }
    void removeListener (Listener* l) { listeners.remove (l); }

private:
    void handleAsyncUpdate() override;
    void timedOut();
    void begin();
    void apply (TransferAction action);
    void applyReadBack (const TransferAction& action);
    /** The action's next request goes out, or the reply timer starts when it waits for one. */
    void sendOrWait (const TransferAction& action);
    void store (const TransferAction& action);
    void clearLocalCopy (const TransferAction& action);
    void send (const TransferRequest& request);

    TransferMailbox& mailbox;
    MidiConnection& connection;
    RK2Class& model;
    FIFO_Class& fifo;
    std::unique_ptr<ClockTimer> timeout;
    Summary totals;
    std::set<int> changed;
    ReadBackDone readBackDone;
    ReadBack readBackResult;
    juce::ListenerList<Listener> listeners;
};

} // namespace zr9
