// The library both ways, timed:
//
// - transmitPaced: 24 programs sent to an emulator paced like a 31,250-baud
//   cable, without and with verify (arg 0 / 1), against the time the bytes
//   need on the cable (both directions) plus the run's named waits;
// - exportBank / importBank: a full bank of 2,048 programs written to a bank
//   file, and read back, planned and stored into a library that holds the
//   factory programs (so most of them replace one);
// - exportSysex / importSysex: the same with a ".syx" file.

#include "BenchProcessor.h"

#include "emulator/ZR9Emulator.h"
#include "library/ObjectFiles.h"
#include "model/ImportPlan.h"

#include <benchmark/benchmark.h>

using namespace zr9;

namespace
{
/** A library program for every number 1 to 2048: the factory programs in turn, renamed by number. */
void fillProgramBank (ObjProgramBankClass& programs)
{
    const auto factory = programs.bank().idList (4);
    std::vector<Bytes> records;
    for (int n = 1; n <= 2048; ++n)
    {
        auto r = programs.bank().record (factory[(size_t) (n - 1) % factory.size()]);
        const auto name = ("Bench " + std::to_string (n) + "                    ").substr (0, 20);
        std::copy (name.begin(), name.end(), r.begin());
        records.push_back (std::move (r));
    }
    std::vector<BankIndex::Replacement> all;
    for (int n = 1; n <= 2048; ++n)
        all.push_back ({ n, ByteView (records[(size_t) n - 1]) });
    programs.storeRecords (all);
}

struct Library
{
    Library() { processor = bench::makeProcessor (folder); }
    ~Library() { folder.deleteRecursively(); }
    ObjProgramBankClass& programs() { return processor->controller().model().programBank(); }

    juce::ScopedJuceInitialiser_GUI gui;
    juce::File folder = bench::freshFolder();
    std::unique_ptr<RevuDIAudioProcessor> processor;
};

void exportTo (benchmark::State& state, objectfiles::Format format)
{
    Library source;
    fillProgramBank (source.programs());
    const auto numbers = source.programs().bank().idList (4);
    const auto file = source.folder.getChildFile (format == objectfiles::Format::bank ? "all.zr9bank" : "all.syx");
    source.folder.createDirectory();
    for (auto _ : state)
        if (objectfiles::exportObjects (source.programs().bank(), numbers, format, file).written != 2048)
            state.SkipWithError ("the export failed");
    state.counters["file_MB"] = (double) file.getSize() / 1.0e6;
}

void importFrom (benchmark::State& state, objectfiles::Format format)
{
    Library source;
    fillProgramBank (source.programs());
    const auto file = source.folder.getChildFile (format == objectfiles::Format::bank ? "all.zr9bank" : "all.syx");
    source.folder.createDirectory();
    objectfiles::exportObjects (source.programs().bank(), source.programs().bank().idList (4), format, file);

    Library target;
    const auto factory = target.programs().snapshot();
    int stored = 0;
    for (auto _ : state)
    {
        state.PauseTiming();
        target.programs().setBank (*factory);
        state.ResumeTiming();
        const auto contents = objectfiles::read (file);
        const auto plan = planImport (contents, target.programs().bank(), ImportDestination::ownNumbers);
        stored = applyImport (plan, contents, target.programs());
    }
    if (stored != 2048)
        state.SkipWithError ("not every program was stored");
}

void exportBank (benchmark::State& state) { exportTo (state, objectfiles::Format::bank); }
void exportSysex (benchmark::State& state) { exportTo (state, objectfiles::Format::sysex); }
void importBank (benchmark::State& state) { importFrom (state, objectfiles::Format::bank); }
void importSysex (benchmark::State& state) { importFrom (state, objectfiles::Format::sysex); }
BENCHMARK (exportBank)->Unit (benchmark::kMillisecond)->UseRealTime();
BENCHMARK (importBank)->Unit (benchmark::kMillisecond)->UseRealTime();
BENCHMARK (exportSysex)->Unit (benchmark::kMillisecond)->UseRealTime();
BENCHMARK (importSysex)->Unit (benchmark::kMillisecond)->UseRealTime();

void transmitPaced (benchmark::State& state)
{
    const bool verify = state.range (0) != 0;
    juce::ScopedJuceInitialiser_GUI gui;
    const auto folder = bench::freshFolder();
    auto emulatorPorts = std::make_shared<emulator::EmulatorPortProvider> (nullptr);
    auto& line = emulatorPorts->emulator().line();
    line.setCablePacingUs (emulator::ReplyLine::midiCableUsPerByte);
    auto processor = bench::makeProcessor (folder, emulatorPorts);
    auto& controller = processor->controller();
    controller.connection().openInputPort (1);
    controller.connection().openOutputPort (1);
    controller.connection().sendIdentityRequest();
    bench::runMessageLoopFor (1000);

    // 24 programs the instrument does not hold, in the user range.
    auto& programs = controller.model().programBank();
    for (int i = 0; i < 24; ++i)
    {
        auto r = programs.bank().record (1 + i);
        programs.storeRecord (1500 + i, ByteView (r));
    }

    double ratio = 0.0;
    for (auto _ : state)
    {
        const auto bytesBefore = line.bytesToInstrument() + line.bytesFromInstrument();
        const auto start = juce::Time::getMillisecondCounterHiRes();
        const auto refusal = controller.bulkTransmit().start (typeProgram, 1500, 1523, verify);
        if (! refusal.empty())
        {
            state.SkipWithError (refusal.c_str());
            break;
        }
        while (controller.bulkTransmit().isActive())
            bench::runMessageLoopFor (2);
        const double elapsedMs = juce::Time::getMillisecondCounterHiRes() - start;
        const auto& summary = controller.bulkTransmit().summary();
        if (summary.sent != 24 || (verify && summary.verified != 24))
            state.SkipWithError ("not every program was sent and verified");

        const auto bytes = line.bytesToInstrument() + line.bytesFromInstrument() - bytesBefore;
        const double cableMs = (double) bytes * emulator::ReplyLine::midiCableUsPerByte / 1000.0;
        const double waitsMs = 24.0 * BulkTransmit::storeWaitMs;
        ratio = elapsedMs / (cableMs + waitsMs);
        state.counters["cable_s"] = cableMs / 1000.0;
        state.counters["waits_s"] = waitsMs / 1000.0;
        state.counters["bytes"] = (double) bytes;
    }
    state.counters["run_over_cable_and_waits"] = ratio;
    processor.reset();
    bench::runMessageLoopFor (5);
    folder.deleteRecursively();
}
BENCHMARK (transmitPaced)->Arg (0)->Arg (1)->Iterations (1)->Unit (benchmark::kSecond)->UseRealTime();
} // namespace
