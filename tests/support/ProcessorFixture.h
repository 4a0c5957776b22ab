#pragma once

#include "library/RevuDIAudioProcessor.h"
#include "support/ManualClock.h"
#include "support/TestHelpers.h"

#include <gtest/gtest.h>

namespace zr9::test
{

/** A processor on the given ports and clock with its library folder in `folder` and nothing written to disk. */
inline std::unique_ptr<RevuDIAudioProcessor> makeTestProcessor (const TempFolder& folder, std::shared_ptr<MidiPortProvider> ports,
                                                                std::shared_ptr<Clock> clock)
{
    ProcessorOptions options;
    options.documentsBase = folder.path();
    options.persistent = false;
    options.ports = std::move (ports);
    options.clock = std::move (clock);
    return std::make_unique<RevuDIAudioProcessor> (options);
}

/**
    A processor on fake MIDI ports and a clock the test steps, with its library
    folder in a temporary folder and nothing written to disk.
*/
struct ProcessorFixture : ::testing::Test
{
    explicit ProcessorFixture (int inputs = 1, int outputs = 1)
        : ports (std::make_shared<FakeMidiPorts> (inputs, outputs)), processor (makeTestProcessor (folder, ports, clock))
    {
    }

    MidiCntrState& controller() { return processor->controller(); }

    TempFolder folder;
    std::shared_ptr<ManualClock> clock = std::make_shared<ManualClock>();
    std::shared_ptr<FakeMidiPorts> ports;
    std::unique_ptr<RevuDIAudioProcessor> processor;
};

} // namespace zr9::test
