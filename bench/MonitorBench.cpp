// The MIDI monitor's costs:
//
// - decodeRecordedMix: turning one message into its meaning, averaged over a
//   recording of a bulk receive of 64 programs from the emulator and a run of
//   live changes and notes (the monitor's own taps recorded it);
// - monitorAt10000PerSecond: the message thread's time for one second of
//   10,000 messages arriving from the emulator with the monitor open: 25
//   looks at the queue (its busy rate), each followed by painting the page as
//   the screen would; the share of the second is the "message_thread" counter;
// - tap: what one message costs the MIDI thread that sees it, recording or not.

#include "BenchProcessor.h" // declares the framework's step of its message loop

#include "emulator/ZR9Emulator.h"
#include "pages/monitor/MidiMonitor.h"

#include <benchmark/benchmark.h>

#include <thread>

using namespace zr9;

namespace
{
struct Rig
{
    Rig()
    {
        emulatorPorts = std::make_shared<emulator::EmulatorPortProvider> (nullptr);
        processor = bench::makeProcessor (folder, emulatorPorts);
        controller().connection().openInputPort (1);
        controller().connection().openOutputPort (1);
    }

    ~Rig()
    {
        processor.reset();
        // The asynchronous updates that are left.
        while (juce::dispatchNextMessageOnSystemQueue (true)) {}
    }

    MidiCntrState& controller() { return processor->controller(); }
    emulator::ZR9Emulator& zr9() { return emulatorPorts->emulator(); }
    void waitForTheLine()
    {
        while (! zr9().line().isIdle())
            std::this_thread::yield();
    }

    juce::ScopedJuceInitialiser_GUI gui;
    juce::File folder = bench::freshFolder();
    std::shared_ptr<emulator::EmulatorPortProvider> emulatorPorts;
    std::unique_ptr<RevuDIAudioProcessor> processor;
};

/** Records a bulk receive and live changes through the taps, put together as the monitor shows them. */
std::vector<monitor::MonitorMessage> recordedMix (Rig& rig)
{
    std::vector<monitor::MonitorMessage> messages;
    monitor::MonitorStream stream ([&messages] (monitor::MonitorMessage&& m) { messages.push_back (std::move (m)); });
    auto& queue = rig.controller().monitor();
    const auto take = [&]
    {
        queue.drain ([&stream] (const MonitorQueue::Record& r) { stream.add (r.timeMs, r.direction, r.port, r.bytes, r.kept, r.size); });
    };
    queue.setRecording (true);

    auto& run = rig.controller().bulkReceive();
    run.startRange (typeProgram, false, 1, 64);
    while (run.isActive())
    {
        run.deliverNow();
        take();
        std::this_thread::yield();
    }
    for (int i = 0; i < 2000; ++i)
    {
        const int c = i % channelCount;
        switch (i % 5)
        {
            case 0: rig.controller().setLiveValue (i % 129 - 64, LiveTable::channelRow (c, LiveTable::slotPan), true); break;
            case 1: rig.controller().setLiveValue (i % 120 - 96, LiveTable::channelRow (c, LiveTable::slotLevel), true); break;
            case 2: rig.controller().setLiveValue (1 + i % 512, LiveTable::channelRow (c, LiveTable::slotProgram), true); break;
            case 3: rig.controller().notes().noteOn (36 + i % 48, c + 1, 100); break;
            default: rig.controller().notes().noteOff (36 + (i - 1) % 48, c + 1); break;
        }
        take();
    }
    rig.waitForTheLine();
    take();
    stream.flushAll();
    queue.setRecording (false);
    return messages;
}

void decodeRecordedMix (benchmark::State& state)
{
    Rig rig;
    const auto messages = recordedMix (rig);
    MonitorWords words (rig.controller());
    monitor::Decoder decoder (&words);
    std::size_t characters = 0, sysEx = 0, bytes = 0;
    for (const auto& m : messages)
    {
        sysEx += m.bytes.front() == 0xF0 ? 1u : 0u;
        bytes += m.size;
    }
    for (auto _ : state)
        for (const auto& m : messages)
            characters += decoder.decode (m).text.size();
    benchmark::DoNotOptimize (characters);
    const auto decoded = (std::int64_t) state.iterations() * (std::int64_t) messages.size();
    state.SetItemsProcessed (decoded);
    state.counters["messages"] = (double) messages.size();
    state.counters["sysex"] = (double) sysEx;
    state.counters["bytes"] = (double) bytes;
    state.counters["per_message"] = benchmark::Counter ((double) decoded, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK (decodeRecordedMix)->Unit (benchmark::kMillisecond);

/** What the emulator sends in 1/25 s of 10,000 messages a second: notes, controllers, wheels and a few object replies. */
std::vector<std::vector<std::uint8_t>> oneLook (int round)
{
    std::vector<std::vector<std::uint8_t>> out;
    constexpr int perLook = 10000 / 25, replies = 4;
    std::vector<std::uint8_t> reply { 0xF0, 0x07, 0x44, 0x03, 0x00, 0x5A, 0x01, 0x00, 0x0A, 0x01, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x10, 0x00 };
    reply.resize (2362, 0x2A);
    reply.back() = 0xF7;
    for (int i = 0; i < perLook - replies; ++i)
    {
        const auto c = (std::uint8_t) ((i + round) % 16);
        const auto v = (std::uint8_t) ((i * 7 + round) % 128);
        switch (i % 4)
        {
            case 0: out.push_back ({ (std::uint8_t) (0x90 | c), v, 100 }); break;
            case 1: out.push_back ({ (std::uint8_t) (0x80 | c), v, 0 }); break;
            case 2: out.push_back ({ (std::uint8_t) (0xB0 | c), (std::uint8_t) (i % 120), v }); break;
            default: out.push_back ({ (std::uint8_t) (0xE0 | c), v, 64 }); break;
        }
    }
    for (int i = 0; i < replies; ++i)
        out.push_back (reply);
    return out;
}

void monitorAt10000PerSecond (benchmark::State& state)
{
    Rig rig;
    MidiMonitor page (rig.controller(), nullptr);
    page.setSize (MidiMonitor::defaultWidth, MidiMonitor::defaultHeight);
    juce::Image screen (juce::Image::ARGB, page.getWidth(), page.getHeight(), true);
    int round = 0;
    double messageThreadSeconds = 0.0;
    for (auto _ : state)
    {
        double spent = 0.0;
        for (int look = 0; look < 25; ++look)
        {
            for (const auto& m : oneLook (++round))
                rig.zr9().line().post (m);
            rig.waitForTheLine();
            const auto start = juce::Time::getHighResolutionTicks();
            page.poll();
            juce::Graphics g (screen);
            page.paintEntireComponent (g, false);
            spent += juce::Time::highResolutionTicksToSeconds (juce::Time::getHighResolutionTicks() - start);
        }
        state.SetIterationTime (spent);
        messageThreadSeconds = spent;
    }
    state.counters["message_thread"] = messageThreadSeconds; // of one second
    state.counters["missed"] = (double) page.feed().missed();
    state.counters["lines"] = (double) page.log().lineCount();
}
BENCHMARK (monitorAt10000PerSecond)->UseManualTime()->Unit (benchmark::kMillisecond)->Iterations (5);

void tap (benchmark::State& state)
{
    Rig rig;
    auto& queue = rig.controller().monitor();
    const bool recording = state.range (0) != 0;
    queue.setRecording (recording);
    const std::uint8_t note[] { 0x90, 60, 100 };
    std::size_t n = 0;
    for (auto _ : state)
    {
        queue.tap (monitor::Direction::in, 1, note, sizeof (note));
        // The reader keeps up, as the monitor's timer does.
        if (++n % 4096 == 0)
            queue.drain ([] (const MonitorQueue::Record&) {});
    }
    queue.setRecording (false);
}
BENCHMARK (tap)->Arg (0)->Arg (1)->Unit (benchmark::kNanosecond);
} // namespace
