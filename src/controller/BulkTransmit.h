#pragma once

#include "BulkReceive.h"

#include "midi/Clock.h"
#include "model/BankIndex.h"

#include <juce_events/juce_events.h>

#include <memory>
#include <string>
#include <vector>

namespace zr9
{

class ChannelPrograms;
class LiveValues;
class MidiConnection;
class ProgramAudition;
class RK2Class;

/**
    Sends objects of the library to the instrument over a range of numbers:
    each object the library holds there, under its own number, in rising
    order. Programs travel as the program write sequence through the edit
    buffer of program::transferSlot; no other type can be sent (see
    transfer::transmitRefusal), and a run over one is refused before
    anything leaves.

    After each object the run waits, so a real instrument keeps up: the time
    the object's bytes take on a MIDI cable, plus storeWaitMs for the
    instrument to store it. With verify on it then reads the object back with
    the single fetch (BulkReceive::readBack, which stores nothing) and
    compares it byte for byte with what the instrument was sent to keep: the
    library's record under its 16-character stored name. When three objects
    in a row get no answer at all, the instrument is taken to be gone and
    the run stops.

    The run works on the bank as it stood when it started, and changes
    nothing in the library. When it is over, the transfer slot's channel is
    sent its program again, so the instrument plays its own program there.

    Message thread; the waits are timers of the controller's clock.
*/
class BulkTransmit
{
public:
    /** How long the instrument is given to store an object once its bytes are in: as long as the write dialog waits before its read-back. */
    static constexpr int storeWaitMs = 200;
    /** Objects in a row whose read-back got no answer at all, after which the run stops. */
    static constexpr int silentObjectsToGiveUp = 3;

    enum class StopReason { none, finished, cancelled, noAnswer, offLine };

    struct Summary
    {
        int sent = 0;
        int failed = 0;     // verify: refused, broken or unanswered read-backs
        int verified = 0;
        int differed = 0;
        bool verify = false;
        StopReason reason = StopReason::none;
        std::vector<int> differedNumbers;
    };

    /** Told on the message thread. */
    class Listener
    {
    public:
        virtual ~Listener() = default;
        /** The object being sent or checked, or the counts, changed. */
        virtual void transmitProgressed() {}
        /** The run is over (summary()). */
        virtual void transmitStopped() {}
    };

    BulkTransmit (MidiConnection& connection, RK2Class& model, BulkReceive& readBack, LiveValues& live,
                  ChannelPrograms& programs, ProgramAudition& audition, Clock& clock);
    ~BulkTransmit();

    /**
        Starts a run over first..last (clamped as a receive is) of a type.
        Returns an empty text when it started, else why not: the type cannot
        be sent, the instrument is not on line, another transfer is under way.
    */
    std::string start (int typeId, int first, int last, bool verify);
    /** Ends the run wherever it stands. */
    void cancel();

    bool isActive() const noexcept { return active; }
    const Summary& summary() const noexcept { return totals; }
    int type() const noexcept { return typeId; }
    int first() const noexcept { return range.first; }
    int last() const noexcept { return range.last; }
    /** The objects the run sends, and how many of them are done. */
    int objectCount() const noexcept { return (int) numbers.size(); }
    int objectsDone() const noexcept { return done; }
    /** The number being sent or checked, 0 before the first; and its name. */
    int currentNumber() const noexcept { return number; }
    const std::string& currentName() const noexcept { return name; }
    /** True while the current object is read back. */
    bool isVerifying() const noexcept { return checking; }
    /** How long the run waits after an object of `bytes` bytes before it goes on. */
    static int waitAfterMs (std::size_t bytes) noexcept;

    void addListener (Listener* l) { listeners.add (l); }
    void removeListener (Listener* l) { listeners.remove (l); }

private:
    void sendNext();
    void waited();
    void checked (const BulkReceive::ReadBack& result);
    void stop (StopReason why);
    bool isOnline() const;

    MidiConnection& connection;
    RK2Class& model;
    BulkReceive& reader;
    LiveValues& live;
    ChannelPrograms& programs;
    ProgramAudition& audition;
    std::unique_ptr<ClockTimer> wait;

    bool active = false;
    bool checking = false;
    int typeId = 0;
    transfer::Range range;
    std::shared_ptr<const BankIndex> bank; // as the run found it
    std::vector<int> numbers;
    int done = 0;
    int number = 0;
    std::string name;
    Bytes expected;
    int silentInARow = 0;
    bool slotUsed = false;
    Summary totals;
    juce::ListenerList<Listener> listeners;
};

} // namespace zr9
