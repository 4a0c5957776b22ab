// The plug-in's state as a host saves and restores it with a project: the
// bank, the current arrangement and every live value changed since it was
// applied. Measured with no value changed and with every live row changed,
// the most a state can carry.

#include "BenchProcessor.h"

#include <benchmark/benchmark.h>

using namespace zr9;

namespace
{
struct Plugin
{
    explicit Plugin (bool everyRowChanged)
    {
        processor = bench::makeProcessor (folder);
        if (! everyRowChanged)
            return;
        auto& c = processor->controller();
        for (int row = 0; row < LiveTable::rowCount; ++row)
            c.setLiveValue (c.getLiveValue (row) == 0 ? 1 : 0, row, false);
    }

    juce::ScopedJuceInitialiser_GUI gui;
    juce::File folder = bench::freshFolder();
    std::unique_ptr<RevuDIAudioProcessor> processor;
};

void saveState (benchmark::State& state)
{
    Plugin plugin (state.range (0) != 0);
    juce::MemoryBlock blob;
    for (auto _ : state)
    {
        plugin.processor->getStateInformation (blob);
        benchmark::DoNotOptimize (blob.getData());
    }
    state.counters["bytes"] = (double) blob.getSize();
}
BENCHMARK (saveState)->Arg (0)->Arg (1)->Unit (benchmark::kMicrosecond);

void restoreState (benchmark::State& state)
{
    Plugin saved (state.range (0) != 0);
    juce::MemoryBlock blob;
    saved.processor->getStateInformation (blob);
    Plugin opened (false);
    for (auto _ : state)
        opened.processor->setStateInformation (blob.getData(), (int) blob.getSize());
    state.counters["bytes"] = (double) blob.getSize();
}
BENCHMARK (restoreState)->Arg (0)->Arg (1)->Unit (benchmark::kMicrosecond);
} // namespace
