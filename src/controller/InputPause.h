#pragma once

#include "midi/Clock.h"

#include <juce_events/juce_events.h>

#include <atomic>
#include <cstdint>
#include <memory>

namespace zr9
{

/**
    Drops incoming MIDI while the instrument changes over: a pause lasts from
    now for the given time, and a new pause starts the time again. Paused on
    the message thread, asked on the MIDI input thread.

    When a pause ends, its listeners hear that the input listens again (on
    the message thread, from a timer on the controller's clock), so a page
    that waits to ask the instrument something never has to poll.
*/
class InputPause
{
public:
    class Listener
    {
    public:
        virtual ~Listener() = default;
        /** The pause is over: what arrives now is heard. */
        virtual void inputListensAgain() = 0;
    };

    explicit InputPause (Clock& c) : clock (c), ending (c.makeTimer ([this] { pauseMayHaveEnded(); })) {}

    /** Message thread. */
    void pause (int milliseconds)
    {
        const int ms = milliseconds > 0 ? milliseconds : 0;
        until = clock.nowMs() + (std::uint64_t) ms;
        if (ms > 0)
            ending->start (ms);
    }
    /** Any thread. */
    bool isPaused() const noexcept { return clock.nowMs() < until.load(); }

    void addListener (Listener* l) { listeners.add (l); }
    void removeListener (Listener* l) { listeners.remove (l); }

private:
    void pauseMayHaveEnded()
    {
        ending->stop();
        if (const auto now = clock.nowMs(); now < until.load())
        {
            ending->start ((int) (until.load() - now)); // paused again meanwhile
            return;
        }
        listeners.call ([] (Listener& l) { l.inputListensAgain(); });
    }

    Clock& clock;
    std::atomic<std::uint64_t> until { 0 };
    std::unique_ptr<ClockTimer> ending;
    juce::ListenerList<Listener> listeners;
};

} // namespace zr9
