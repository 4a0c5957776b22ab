// Speed of the instrument protocol's hot paths: seven-in-eight packing and
// unpacking of object data, and the controller's incoming dispatch on a
// stream of mixed messages as a busy instrument sends them.

#include "controller/MidiCntrState.h"
#include "library/BankFiles.h"
#include "model/SevenBitPacking.h"
#include "model/SysexFormat.h"

#include <benchmark/benchmark.h>

#include <random>

using namespace zr9;

namespace
{
std::vector<std::uint8_t> randomBytes (size_t n)
{
    std::mt19937 random (42);
    std::vector<std::uint8_t> data (n);
    for (auto& b : data)
        b = (std::uint8_t) random();
    return data;
}

void packing (benchmark::State& state)
{
    const auto data = randomBytes ((size_t) state.range (0));
    std::vector<std::uint8_t> out;
    for (auto _ : state)
    {
        out.clear();
        sysex::pack (data.data(), data.size(), out);
        benchmark::DoNotOptimize (out.data());
    }
    state.SetBytesProcessed ((int64_t) state.iterations() * (int64_t) data.size());
}
BENCHMARK (packing)->Arg (2048)->Arg (1 << 20);

void unpacking (benchmark::State& state)
{
    const auto data = randomBytes ((size_t) state.range (0));
    std::vector<std::uint8_t> packed;
    sysex::pack (data.data(), data.size(), packed);
    for (auto _ : state)
        benchmark::DoNotOptimize (sysex::unpack (packed.data(), packed.size()));
    state.SetBytesProcessed ((int64_t) state.iterations() * (int64_t) data.size());
}
BENCHMARK (unpacking)->Arg (2048)->Arg (1 << 20);

/** Ports that lead nowhere: the dispatch is measured, not a device. */
class NoPorts final : public MidiPortProvider
{
public:
    juce::StringArray inputNames() override { return {}; }
    juce::StringArray outputNames() override { return {}; }
    std::unique_ptr<MidiInputPort> openInput (int, juce::MidiInputCallback&) override { return nullptr; }
    std::unique_ptr<MidiOutputPort> openOutput (int) override { return nullptr; }
};

/** Notes, controllers, a wheel, object-data replies in three pieces and global parts. */
std::vector<juce::MidiMessage> mixedStream()
{
    std::vector<juce::MidiMessage> stream;
    const auto chunk = randomBytes (2048);
    std::vector<std::uint8_t> reply { 0xF0, 0x07, 0x44, 0x03, 0, 0x5A, 1, 0, 10, 1, 1, 8, 0, 0, 0, 0, 16, 0 };
    sysex::pack (chunk.data(), chunk.size(), reply);
    reply.pop_back();
    reply.insert (reply.end(), { 0, 0, 0xF7 });
    std::vector<std::uint8_t> global { 0xF0, 0x07, 0x44, 0x03, 0, 0x04, 0, 0, 0, 2, 0, 1 };
    const auto part = randomBytes (200);
    sysex::pack (part.data(), part.size(), global);

    for (int i = 0; i < 64; ++i)
    {
        stream.push_back (juce::MidiMessage::noteOn (1 + i % 16, 36 + i, (juce::uint8) 100));
        stream.push_back (juce::MidiMessage::controllerEvent (1 + i % 16, 1 + i % 90, i));
        stream.push_back (juce::MidiMessage::pitchWheel (1, 64 * i));
        stream.push_back (juce::MidiMessage::noteOff (1 + i % 16, 36 + i));
    }
    const size_t third = reply.size() / 3;
    stream.emplace_back (reply.data(), (int) third);
    stream.emplace_back (reply.data() + third, (int) third);
    stream.emplace_back (reply.data() + 2 * third, (int) (reply.size() - 2 * third));
    stream.emplace_back (global.data(), (int) global.size());
    return stream;
}

void incomingDispatch (benchmark::State& state)
{
    juce::ScopedJuceInitialiser_GUI juce;
    NoPorts ports;
    MidiCntrState controller (ports, nullptr);
    loadStartupBanks (controller.model(), LibraryFolder(), false);
    controller.start (false);
    controller.transfers().setReceiver ([] (const std::vector<std::uint8_t>& body) { benchmark::DoNotOptimize (body.data()); });
    const auto stream = mixedStream();
    int64_t bytes = 0;
    for (const auto& m : stream)
        bytes += m.getRawDataSize();

    for (auto _ : state)
    {
        for (const auto& m : stream)
            controller.input().handleIncomingMidiMessage (nullptr, m);
        state.PauseTiming();
        controller.notifications().take();
        state.ResumeTiming();
    }
    state.SetItemsProcessed ((int64_t) state.iterations() * (int64_t) stream.size());
    state.SetBytesProcessed ((int64_t) state.iterations() * bytes);
}
BENCHMARK (incomingDispatch);
} // namespace
