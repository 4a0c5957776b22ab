#pragma once

#include "library/RevuDIAudioProcessor.h"
#include "support/TestHelpers.h"

#include <gtest/gtest.h>

namespace zr9::test
{

/** A processor on fake MIDI ports with its library folder in a temporary folder and nothing written to disk. */
struct ProcessorFixture : ::testing::Test
{
    explicit ProcessorFixture (int inputs = 1, int outputs = 1)
        : ports (std::make_shared<FakeMidiPorts> (inputs, outputs))
    {
        ProcessorOptions options;
        options.documentsBase = folder.path();
        options.persistent = false;
        options.ports = ports;
        processor = std::make_unique<RevuDIAudioProcessor> (options);
    }

    MidiCntrState& controller() { return processor->controller(); }

    TempFolder folder;
    std::shared_ptr<FakeMidiPorts> ports;
    std::unique_ptr<RevuDIAudioProcessor> processor;
};

} // namespace zr9::test
