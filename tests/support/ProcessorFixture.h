#pragma once

#include "library/RevuDIAudioProcessor.h"
#include "support/TestHelpers.h"

#include <gtest/gtest.h>

namespace zr9::test
{

/** A processor on the given ports with its library folder in `folder` and nothing written to disk. */
inline std::unique_ptr<RevuDIAudioProcessor> makeTestProcessor (const TempFolder& folder, std::shared_ptr<MidiPortProvider> ports)
{
    ProcessorOptions options;
    options.documentsBase = folder.path();
    options.persistent = false;
    options.ports = std::move (ports);
    return std::make_unique<RevuDIAudioProcessor> (options);
}

/** A processor on fake MIDI ports with its library folder in a temporary folder and nothing written to disk. */
struct ProcessorFixture : ::testing::Test
{
    explicit ProcessorFixture (int inputs = 1, int outputs = 1)
        : ports (std::make_shared<FakeMidiPorts> (inputs, outputs)), processor (makeTestProcessor (folder, ports))
    {
    }

    MidiCntrState& controller() { return processor->controller(); }

    TempFolder folder;
    std::shared_ptr<FakeMidiPorts> ports;
    std::unique_ptr<RevuDIAudioProcessor> processor;
};

} // namespace zr9::test
