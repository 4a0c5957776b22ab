#pragma once

namespace zr9
{

class MidiCntrState;

/**
    Finds the instrument by trying every pair of MIDI input and output ports,
    one pair per step: all outputs for the first input, then all outputs for
    the next, asking for the instrument's identity on each pair. The step
    after an identity reply arrived ends the scan as connected; a step with
    every pair tried ends it as not found.

    The device lists are read once at the start; ports that appear later are
    not tried. Runs on the message thread; the only thing it shares with the
    MIDI input thread is the controller's connected flag.
*/
class PortScan
{
public:
    enum class State { idle, running, connected, notFound };

    explicit PortScan (MidiCntrState& c) : controller (c) {}

    /** Reads the device lists, takes the remembered pair from settings 1 and 2, and asks the ports open now. */
    void start();

    /** One step of the scan; returns the state after it. */
    State step();

    State state() const noexcept { return current; }
    int inputCount() const noexcept { return inputs; }
    int outputCount() const noexcept { return outputs; }
    /** The 0-based positions of the next pair to try. */
    int inputPosition() const noexcept { return inputAt; }
    int outputPosition() const noexcept { return outputAt; }

private:
    void tryPair (int input, int output);

    MidiCntrState& controller;
    State current = State::idle;
    int inputs = 0, outputs = 0;
    int inputAt = 0, outputAt = 0;
};

} // namespace zr9
