#pragma once

#include <juce_events/juce_events.h>

#include <atomic>
#include <optional>
#include <string>

namespace zr9
{

class ChannelPrograms;
class LiveValues;
class MidiConnection;
class RK2Class;

/**
    Plays a program of the library on a channel without storing it: the
    program's write sequence goes to the channel's edit buffer with 0 in its
    number field, so the instrument plays it and keeps nothing. What the
    channel played before is untouched in the instrument's memory.

    The audition lasts until the channel gets a program again: chosen on a
    page, sent by an arrangement or a host, or changed on the instrument.
    Whoever learns of that calls programChanged(); any thread may, so the
    MIDI input thread can end it at once.

    Threads: start(), end(), current() and the listeners on the message
    thread; programChanged() on any thread.
*/
class ProgramAudition
{
public:
    struct Current
    {
        int channel = 0;    // 0 to 15
        int number = 0;     // the library's program
        std::string name;   // its name, blanks at the end dropped
    };

    /** Told on the message thread when an audition begins or ends. */
    class Listener
    {
    public:
        virtual ~Listener() = default;
        virtual void auditionChanged() = 0;
    };

    ProgramAudition (MidiConnection& connection, RK2Class& model, LiveValues& live, ChannelPrograms& programs);

    /**
        Loads library program `number` into the edit buffer of `channel`
        (0 to 15). False, and nothing sent, when the instrument is not on
        line, the channel does not exist or the library holds no such program.
        An audition on another channel is stopped first.
    */
    bool start (int channel, int number);
    /** Stops the audition: its channel is sent its program again, so the instrument plays its own. */
    void stop();
    /** The audition is over (the channel got a program by other means); message thread. */
    void end();
    /** The channel got a program again; any thread. Ends an audition on that channel. */
    void programChanged (int channel) noexcept;

    /** The audition that lasts now, if any. */
    std::optional<Current> current() const;
    /** "Auditioning 1031 Soft Pad from the library, not stored". */
    static std::string describe (const Current& audition);

    void addListener (Listener* l) { listeners.add (l); }
    void removeListener (Listener* l) { listeners.remove (l); }
    /** Tells the listeners now when an audition ended on another thread; message thread. */
    void deliverNow() { notifier.handleUpdateNowIfNeeded(); }

private:
    struct Notifier : juce::AsyncUpdater
    {
        explicit Notifier (ProgramAudition& a) : owner (a) {}
        ~Notifier() override { cancelPendingUpdate(); }
        void handleAsyncUpdate() override { owner.listeners.call ([] (Listener& l) { l.auditionChanged(); }); }
        ProgramAudition& owner;
    };

    MidiConnection& connection;
    RK2Class& model;
    LiveValues& live;
    ChannelPrograms& programs;
    std::atomic<int> channel { noChannel };
    int number = 0;
    std::string name;
    juce::ListenerList<Listener> listeners;
    Notifier notifier { *this };

    static constexpr int noChannel = -1;
};

} // namespace zr9
