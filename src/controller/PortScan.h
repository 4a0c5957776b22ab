#pragma once

#include "midi/Clock.h"

#include <juce_events/juce_events.h>

#include <memory>

namespace zr9
{

class MidiConnection;
class ControllerSettings;

/**
    Finds the instrument by trying every pair of MIDI input and output ports,
    one pair per tick of its 100 ms timer: all outputs for the first input,
    then all outputs for the next, asking for the instrument's identity on
    each pair. The tick after an identity reply arrived ends the scan as
    connected; a tick with every pair tried leaves it not found until it is
    stopped.

    The scan belongs to the controller, not to a window: it runs whether an
    editor is open or not, and an editor that opens shows it as it stands.
    Message thread; the only thing it shares with the MIDI input thread is
    the connection (connected flag, scanned pair, scan mode).
*/
class PortScan
{
public:
    static constexpr int tickMs = 100;

    enum class State { idle, running, connected, notFound };

    /** Told on the message thread after every tick and every change of state. */
    class Listener
    {
    public:
        virtual ~Listener() = default;
        virtual void scanChanged() = 0;
    };

    PortScan (MidiConnection& connection, ControllerSettings& settings, Clock& clock);
    ~PortScan();

    /**
        Reads the device lists, takes the remembered pair from settings 1 and
        2, asks the ports open now, and starts ticking. A scan already under
        way starts over.
    */
    void start();

    /** Ends the scan wherever it stands (the user clicked it away, or it found the instrument). */
    void stop();

    /** One tick of the scan; returns the state after it. */
    State step();

    State state() const noexcept { return current; }
    /** Running, or showing that nothing was found: the scan mode is on. */
    bool isActive() const noexcept { return current == State::running || current == State::notFound; }
    int inputCount() const noexcept { return inputs; }
    int outputCount() const noexcept { return outputs; }
    /** The 0-based positions of the next pair to try. */
    int inputPosition() const noexcept { return inputAt; }
    int outputPosition() const noexcept { return outputAt; }

    void addListener (Listener* l) { listeners.add (l); }
    void removeListener (Listener* l) { listeners.remove (l); }

private:
    void tryPair (int input, int output);
    void setState (State s);

    MidiConnection& connection;
    ControllerSettings& settings;
    std::unique_ptr<ClockTimer> timer;
    State current = State::idle;
    int inputs = 0, outputs = 0;
    int inputAt = 0, outputAt = 0;
    juce::ListenerList<Listener> listeners;
};

} // namespace zr9
