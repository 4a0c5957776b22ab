// The bulk receive against the emulator, the whole way: requests through the
// output control, replies on the emulator's own thread through the input's
// dispatch into the mailbox, read, assembled and stored on this (the message)
// thread, which does nothing else while it waits.
//
// - fetchPrograms: the cost per fetched program (request, unpack, assemble,
//   store) with an emulator that answers at once;
// - runWithRefusals: a run over 1,024 numbers of which the instrument holds
//   24, so 1,000 are refused; once with nothing in the library to clear, once
//   with a copy of every number in the library, which each refusal removes;
// - pacedPrograms: 20 programs from an emulator paced like a 31,250-baud
//   cable, against the time their bytes need on the cable in both directions.

#include "BenchProcessor.h"

#include "emulator/ZR9Emulator.h"

#include <benchmark/benchmark.h>

#include <thread>

using namespace zr9;

namespace
{
struct Rig
{
    explicit Rig (int pacingUs = 0) : paced (pacingUs > 0)
    {
        emulatorPorts = std::make_shared<emulator::EmulatorPortProvider> (nullptr);
        emulatorPorts->emulator().line().setCablePacingUs (pacingUs);
        processor = bench::makeProcessor (folder, emulatorPorts);
        controller().connection().openInputPort (1);
        controller().connection().openOutputPort (1);
    }

    ~Rig()
    {
        processor.reset();
        bench::runMessageLoopFor (5); // the async updates that are left
    }

    MidiCntrState& controller() { return processor->controller(); }
    emulator::VirtualInstrument& zr9() { return emulatorPorts->emulator().instrument(); }

    /** Runs the fetch to its end on this thread; false when it failed anything. */
    bool fetch (int type, int first, int last)
    {
        auto& run = controller().bulkReceive();
        run.startRange (type, false, first, last);
        while (run.isActive())
        {
            run.deliverNow();
            // On a paced cable replies take hundreds of milliseconds: a short
            // nap costs nothing there and leaves the cores to others.
            if (paced)
                std::this_thread::sleep_for (std::chrono::microseconds (200));
            else
                std::this_thread::yield();
        }
        return run.summary().failed == 0 && run.summary().reason == FIFO_Class::StopReason::finished;
    }

    const bool paced;
    juce::ScopedJuceInitialiser_GUI gui;
    juce::File folder = bench::freshFolder();
    std::shared_ptr<emulator::EmulatorPortProvider> emulatorPorts;
    std::unique_ptr<RevuDIAudioProcessor> processor;
};

void fetchPrograms (benchmark::State& state)
{
    Rig rig;
    constexpr int first = 1, last = 256; // factory programs, two chunks each
    for (auto _ : state)
        if (! rig.fetch (typeProgram, first, last))
            state.SkipWithError ("the fetch failed");
    const auto programs = (int64_t) state.iterations() * (last - first + 1);
    state.SetItemsProcessed (programs);
    // Seconds per program, shown in the counter's unit by the reporter.
    state.counters["per_program"] = benchmark::Counter ((double) programs, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK (fetchPrograms)->Unit (benchmark::kMillisecond)->UseRealTime();

void runWithRefusals (benchmark::State& state)
{
    Rig rig;
    const bool fullLibrary = state.range (0) != 0;
    // 21 more programs in the user range beside the instrument's three: 24 to fetch, 1,000 refused.
    for (int i = 0; i < 21; ++i)
    {
        auto name = rig.zr9().objectName (typeProgram, 10 + i);
        name.resize (20, ' ');
        std::vector<std::uint8_t> record (name.begin(), name.end());
        const auto data = rig.zr9().objectData (typeProgram, 10 + i);
        record.insert (record.end(), data.begin(), data.end());
        rig.zr9().storeObject (typeProgram, 1100 + 40 * i, record);
    }
    auto& programs = rig.controller().model().programBank();
    const auto local = programs.bank().record (1);
    for (auto _ : state)
    {
        if (fullLibrary)
        {
            state.PauseTiming();
            for (int n = 1025; n <= 2048; ++n)
                programs.storeRecord (n, ByteView (local));
            state.ResumeTiming();
        }
        if (! rig.fetch (typeProgram, 1025, 2048) || rig.controller().bulkReceive().summary().refused != 1000)
            state.SkipWithError ("the run did not refuse 1,000 numbers");
    }
}
BENCHMARK (runWithRefusals)->Arg (0)->Arg (1)->Unit (benchmark::kMillisecond)->UseRealTime();

void pacedPrograms (benchmark::State& state)
{
    Rig rig (emulator::ReplyLine::midiCableUsPerByte);
    auto& line = rig.emulatorPorts->emulator().line();
    double ratio = 0.0;
    for (auto _ : state)
    {
        const auto bytesBefore = line.bytesToInstrument() + line.bytesFromInstrument();
        const auto start = juce::Time::getMillisecondCounterHiRes();
        if (! rig.fetch (typeProgram, 1, 20))
            state.SkipWithError ("the fetch failed");
        const double elapsedMs = juce::Time::getMillisecondCounterHiRes() - start;
        const auto bytes = line.bytesToInstrument() + line.bytesFromInstrument() - bytesBefore;
        const double cableMs = (double) bytes * emulator::ReplyLine::midiCableUsPerByte / 1000.0;
        ratio = elapsedMs / cableMs;
        state.counters["cable_s"] = cableMs / 1000.0;
        state.counters["bytes"] = (double) bytes;
    }
    state.counters["run_over_cable"] = ratio;
}
BENCHMARK (pacedPrograms)->Iterations (1)->Unit (benchmark::kSecond)->UseRealTime();
} // namespace
