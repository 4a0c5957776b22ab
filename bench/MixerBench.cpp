// The channel mixer page's two busy moments: refreshing all 16 strips (every
// control's text through its display type, every program name), as after an
// arrangement; and the message thread draining a burst of 1,000 incoming
// controller changes through the notification queues into the shown page.

#include "BenchProcessor.h"

#include "app/MainComp.h"

#include <benchmark/benchmark.h>

using namespace zr9;

namespace
{
constexpr int burst = 1000;
constexpr int panController = 10;

/** A processor without devices or files and its window content, with the mixer page shown. */
struct Editor
{
    Editor()
    {
        processor = bench::makeProcessor (folder);
        main = std::make_unique<MainComp> (*processor);
        main->pageCommand (pagecommand::mixer, 1);
        main->deliverNotifications();
    }

    /** Pan moves on every channel in turn, each to a new value: two parameter changes each (controller row and pan row). */
    void receiveBurst (int round)
    {
        auto& input = processor->controller().input();
        for (int i = 0; i < burst; ++i)
        {
            const int value = (i / 16 + round) % 128;
            input.handleIncomingMidiMessage (nullptr, juce::MidiMessage::controllerEvent (i % 16 + 1, panController, value));
        }
    }

    juce::ScopedJuceInitialiser_GUI gui;
    juce::File folder = bench::freshFolder();
    std::unique_ptr<RevuDIAudioProcessor> processor;
    std::unique_ptr<MainComp> main;
};

/** Stores new values in every strip's rows, as an arrangement does before it posts refresh-pages. */
void storeArrangement (RevuDIAudioProcessor& processor, int round)
{
    auto& table = processor.controller().live().table();
    for (int c = 0; c < mixer::stripCount; ++c)
    {
        table.store (LiveTable::channelRow (c, LiveTable::slotInsertChain), 1 + (c + round) % 1000);
        table.store (LiveTable::channelRow (c, LiveTable::slotAux1Chain), 1 + (c + 2 * round) % 1000);
        table.store (LiveTable::channelRow (c, LiveTable::slotAux2Chain), 1 + (c + 3 * round) % 1000);
        table.store (LiveTable::channelRow (c, LiveTable::slotAux1Level), (c + round) % 100);
        table.store (LiveTable::channelRow (c, LiveTable::slotAux2Level), (c + round) % 120);
        table.store (LiveTable::channelRow (c, LiveTable::slotPan), (c + round) % 128 - 64);
        table.store (LiveTable::channelRow (c, LiveTable::slotLevel), (c + round) % 120 - 96);
        table.store (LiveTable::channelRow (c, LiveTable::slotProgram), 1 + (c + round) % 1024);
    }
}

void refreshAllStrips (benchmark::State& state)
{
    Editor editor;
    auto& mixer = *editor.main->mixerPage();
    int round = 0;
    std::size_t characters = 0;
    for (auto _ : state)
    {
        state.PauseTiming();
        storeArrangement (*editor.processor, ++round);
        state.ResumeTiming();
        mixer.refreshAll();
        // Every control's text, as the page's next paint asks for it.
        for (int i = 0; i < mixer::stripCount; ++i)
            for (int j = 0; j < mixer::controlCount; ++j)
                characters += (std::size_t) mixer.strip (i).control (j).text().length();
    }
    benchmark::DoNotOptimize (characters);
}
BENCHMARK (refreshAllStrips)->Unit (benchmark::kMicrosecond);

void refreshAndPaintAllStrips (benchmark::State& state)
{
    Editor editor;
    auto& mixer = *editor.main->mixerPage();
    juce::Image image (juce::Image::ARGB, mixer.getWidth(), mixer.getHeight(), true);
    int round = 0;
    for (auto _ : state)
    {
        state.PauseTiming();
        storeArrangement (*editor.processor, ++round);
        state.ResumeTiming();
        mixer.refreshAll();
        juce::Graphics g (image);
        mixer.paintEntireComponent (g, false);
    }
}
BENCHMARK (refreshAndPaintAllStrips)->Unit (benchmark::kMicrosecond);

void drainControllerBurst (benchmark::State& state)
{
    Editor editor;
    int round = 0;
    for (auto _ : state)
    {
        state.PauseTiming();
        editor.receiveBurst (++round);
        state.ResumeTiming();
        editor.main->deliverNotifications();
    }
    state.SetItemsProcessed (state.iterations() * burst);
}
BENCHMARK (drainControllerBurst)->Unit (benchmark::kMicrosecond);

void receiveAndDrainControllerBurst (benchmark::State& state)
{
    Editor editor;
    int round = 0;
    for (auto _ : state)
    {
        editor.receiveBurst (++round);
        editor.main->deliverNotifications();
    }
    state.SetItemsProcessed (state.iterations() * burst);
}
BENCHMARK (receiveAndDrainControllerBurst)->Unit (benchmark::kMicrosecond);
} // namespace
