#pragma once

#include "midi/MidiPorts.h"

#include <memory>
#include <vector>

namespace zr9::test
{

/** What left through a fake output, in order: a message, or a piece of a long System Exclusive message. */
struct SentMessage
{
    std::vector<juce::uint8> bytes;
};

/** Shared record of everything the fakes saw; outlives the ports the controller owns. */
struct FakeMidiLog
{
    std::vector<SentMessage> sent;
    std::vector<int> openedOutputs;
    std::vector<int> openedInputs;
    juce::MidiInputCallback* inputCallback = nullptr;
    bool inputStarted = false;

    /** The controller messages sent, as (channel, controller, value). */
    std::vector<std::array<int, 3>> controllers() const;
    /** Only the System Exclusive messages sent through the queue or at once, whole. */
    std::vector<std::vector<juce::uint8>> sysEx() const;
    /** Every System Exclusive message sent, whole: a long one leaves in pieces, which are put together again. */
    std::vector<std::vector<juce::uint8>> wholeSysEx() const;
    void clear() { sent.clear(); }
};

/**
    A provider whose devices are fakes: an output that records, an input the
    test feeds. The output is in-process: what the program sends is recorded
    at once on the caller's thread, and only a host's timed messages are
    recorded from the output's sending thread.
*/
class FakeMidiPorts final : public MidiPortProvider
{
public:
    FakeMidiPorts (int inputs = 1, int outputs = 1);

    juce::StringArray inputNames() override { return ins; }
    juce::StringArray outputNames() override { return outs; }
    std::unique_ptr<MidiInputPort> openInput (int index, juce::MidiInputCallback& callback) override;
    std::unique_ptr<MidiOutputPort> openOutput (int index) override;

    /** Hands a message to the opened input's callback, as the MIDI input thread would. */
    void feed (const juce::MidiMessage& message);

    std::shared_ptr<FakeMidiLog> log = std::make_shared<FakeMidiLog>();

private:
    juce::StringArray ins, outs;
};

} // namespace zr9::test
