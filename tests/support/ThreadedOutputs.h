#pragma once

#include "midi/MidiPorts.h"

#include <memory>

namespace zr9::test
{

/**
    A provider whose outputs are written to from the output control's
    sending thread, as the platform's devices are, although the wrapped
    outputs are in-process. Inputs are the wrapped ones.
*/
class ThreadedOutputs final : public MidiPortProvider
{
public:
    explicit ThreadedOutputs (std::shared_ptr<MidiPortProvider> wrapped) : inner (std::move (wrapped)) {}

    juce::StringArray inputNames() override { return inner->inputNames(); }
    juce::StringArray outputNames() override { return inner->outputNames(); }
    std::unique_ptr<MidiInputPort> openInput (int index, juce::MidiInputCallback& callback) override
    {
        return inner->openInput (index, callback);
    }
    std::unique_ptr<MidiOutputPort> openOutput (int index) override;

private:
    std::shared_ptr<MidiPortProvider> inner;
};

} // namespace zr9::test
