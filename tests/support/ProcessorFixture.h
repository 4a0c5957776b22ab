#pragma once

#include "library/RevuDIAudioProcessor.h"
#include "support/ManualClock.h"
#include "support/TestHelpers.h"

#include <gtest/gtest.h>

namespace zr9::test
{

enum class Files { kept, notWritten };

/** Options for a processor on the given ports and clock with its library folder in `folder`. */
inline ProcessorOptions processorOptions (const TempFolder& folder, std::shared_ptr<MidiPortProvider> ports,
                                          std::shared_ptr<Clock> clock, Files files)
{
    ProcessorOptions options;
    options.documentsBase = folder.path();
    options.persistent = files == Files::kept;
    options.ports = std::move (ports);
    options.clock = std::move (clock);
    return options;
}

/** A processor on the given ports and clock with its library folder in `folder` and nothing written to disk. */
inline std::unique_ptr<RevuDIAudioProcessor> makeTestProcessor (const TempFolder& folder, std::shared_ptr<MidiPortProvider> ports,
                                                                std::shared_ptr<Clock> clock)
{
    return std::make_unique<RevuDIAudioProcessor> (processorOptions (folder, std::move (ports), std::move (clock), Files::notWritten));
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
