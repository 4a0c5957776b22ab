#pragma once

#include "MidiPorts.h"

namespace zr9
{

/** The platform's MIDI devices, through the framework's device classes. */
class JuceMidiPorts final : public MidiPortProvider
{
public:
    juce::StringArray inputNames() override;
    juce::StringArray outputNames() override;
    std::unique_ptr<MidiInputPort> openInput (int index, juce::MidiInputCallback& callback) override;
    std::unique_ptr<MidiOutputPort> openOutput (int index) override;
};

} // namespace zr9
