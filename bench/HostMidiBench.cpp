// The plug-in's MIDI in real time, driven as a host drives it: 48 kHz, blocks
// of 256 samples called on the audio clock from a thread of their own, while
// the message thread is stalled for 100 ms every 500 ms (a slow repaint, a
// file write).
//
// - To the instrument: every block carries two notes at known sample offsets.
//   The emulator notes when each arrives; its lateness is the arrival minus
//   its due time (the block's start on the audio clock, plus its offset, plus
//   the processor's constant latency).
// - To the host: a thread in the role of the MIDI input thread hands notes
//   to the input at known times, 0.5 to 6 ms apart; each should come out of
//   the block at its arrival time plus the constant latency. The error is
//   the sample position found minus that one.
//
// Counters: to_instrument_p50_ms, _p99_ms, _max_ms, _spread_ms (p99 - p50),
// _lost; to_host_error_samples (the largest error, either sign),
// to_host_p99_error_samples, to_host_lost; the constant latencies.

#include "BenchProcessor.h"

#include "emulator/ZR9Emulator.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <mutex>
#include <thread>
#include <vector>

using namespace zr9;

namespace
{
constexpr double sampleRate = 48000.0;
constexpr int blockSamples = 256;
constexpr double blockMs = 1000.0 * blockSamples / sampleRate;
constexpr int runMs = 6000;
constexpr int stallEveryMs = 500, stallMs = 100;
constexpr int firstStamp = 1; // note-on velocities from 1, so no stamp reads as a note-off

// Each note carries a stamp in its key and velocity: 127 x 128 stamps, more than a run uses.
juce::MidiMessage stampedNote (int channel, int stamp)
{
    return juce::MidiMessage::noteOn (channel, stamp % 128, (juce::uint8) (firstStamp + stamp / 128));
}

int stampOf (const std::uint8_t* bytes) { return (bytes[2] - firstStamp) * 128 + bytes[1]; }

double nowMs() { return juce::Time::getMillisecondCounterHiRes(); }

void sleepUntilMs (double t)
{
    const double wait = t - nowMs();
    if (wait > 0.0)
        std::this_thread::sleep_for (std::chrono::microseconds ((long long) (wait * 1000.0)));
}

/** The value below which the fraction p of a sorted list lies. */
double percentileOfSorted (const std::vector<double>& sorted, double p)
{
    if (sorted.empty())
        return 0.0;
    return sorted[(size_t) std::min ((double) sorted.size() - 1.0, std::floor (p * (double) (sorted.size() - 1) + 0.5))];
}

/** Stalls the message thread, as a long repaint or a file write does. */
struct Staller final : juce::Timer
{
    void timerCallback() override { juce::Thread::sleep (stallMs); }
};

struct Rig
{
    Rig()
    {
        emulatorPorts = std::make_shared<emulator::EmulatorPortProvider> (nullptr);
        emulatorPorts->emulator().setMonitor ([this] (const std::uint8_t* bytes, std::size_t size) { arrived (bytes, size); });
        processor = bench::makeProcessor (folder, emulatorPorts);
        processor->controller().connection().openInputPort (1);
        processor->controller().connection().openOutputPort (1);
        toInstrumentArrival.assign (maxStamps, -1.0);
        toInstrumentDue.assign (maxStamps, -1.0);
        toHostSent.assign (maxStamps, -1.0);
        toHostPlaced.assign (maxStamps, -1.0);
    }

    ~Rig()
    {
        processor.reset();
        bench::runMessageLoopFor (5);
    }

    void arrived (const std::uint8_t* bytes, std::size_t size)
    {
        const double t = nowMs();
        if (size != 3 || (bytes[0] & 0xF0) != 0x90 || bytes[2] == 0)
            return;
        const int stamp = stampOf (bytes);
        const std::lock_guard<std::mutex> sl (arrivalLock);
        if (stamp < maxStamps && toInstrumentArrival[(size_t) stamp] < 0.0)
            toInstrumentArrival[(size_t) stamp] = t;
    }

    /** The host's audio thread: one block every blockMs on the audio clock from `start`. */
    void audioThread (double start)
    {
        juce::AudioBuffer<float> audio (2, blockSamples);
        juce::MidiBuffer midi;
        midi.ensureSize (2048); // what the VST3 wrapper reserves
        int stamp = 0;
        for (int block = 0; ! stop.load(); ++block)
        {
            const double blockStart = start + block * blockMs;
            sleepUntilMs (blockStart);
            midi.clear();
            const int offsets[] { (block * 37) % blockSamples, (block * 101 + 128) % blockSamples };
            for (const int offset : offsets)
            {
                if (stamp >= maxStamps)
                    break;
                midi.addEvent (stampedNote (1, stamp), offset);
                toInstrumentDue[(size_t) stamp] = blockStart + 1000.0 * offset / sampleRate;
                ++stamp;
            }
            processor->processBlock (audio, midi);
            for (const auto meta : midi)
                if (meta.numBytes == 3 && (meta.data[0] & 0xF0) == 0x90)
                {
                    const int s = stampOf (meta.data);
                    if (s < maxStamps && toHostPlaced[(size_t) s] < 0.0)
                        toHostPlaced[(size_t) s] = (double) block * blockSamples + meta.samplePosition;
                }
        }
    }

    /** The MIDI input thread: notes from the instrument at known times, 0.5 to 6 ms apart. */
    void inputThread (double start)
    {
        auto& input = processor->controller().input();
        juce::Random spacing (24);
        double t = start + 20.0;
        for (int stamp = 0; stamp < maxStamps && ! stop.load(); ++stamp)
        {
            t += 0.5 + 5.5 * spacing.nextDouble();
            sleepUntilMs (t);
            const double sent = nowMs();
            input.handleIncomingMidiMessage (nullptr, stampedNote (2, stamp));
            toHostSent[(size_t) stamp] = sent;
        }
    }

    static constexpr int maxStamps = 127 * 128;
    juce::ScopedJuceInitialiser_GUI gui;
    juce::File folder = bench::freshFolder();
    std::shared_ptr<emulator::EmulatorPortProvider> emulatorPorts;
    std::unique_ptr<RevuDIAudioProcessor> processor;
    std::atomic<bool> stop { false };
    std::mutex arrivalLock;
    std::vector<double> toInstrumentArrival, toInstrumentDue, toHostSent, toHostPlaced;
};

void hostMidiInRealTime (benchmark::State& state)
{
    for (auto _ : state)
    {
        Rig rig;
        rig.processor->prepareToPlay (sampleRate, blockSamples);
        // The processor's constant latencies, which the lateness and the errors are measured past.
        const auto& hostMidi = rig.processor->controller().hostMidi();
        const double toInstrumentLatencyMs = hostMidi.toInstrumentLatencyMs();
        const double toHostLatencySamples = hostMidi.toHostLatencyMs() * sampleRate / 1000.0;
        Staller staller;
        staller.startTimer (stallEveryMs);

        const double start = nowMs() + 50.0;
        std::thread audio ([&] { rig.audioThread (start); });
        std::thread input ([&] { rig.inputThread (start); });
        bench::runMessageLoopFor (runMs);
        rig.stop = true;
        audio.join();
        input.join();
        staller.stopTimer();
        bench::runMessageLoopFor (50); // what is still on its way
        rig.processor->releaseResources();

        std::vector<double> lateness, hostErrors;
        int lostToInstrument = 0, lostToHost = 0;
        {
            const std::lock_guard<std::mutex> sl (rig.arrivalLock);
            for (size_t s = 0; s < rig.toInstrumentDue.size(); ++s)
            {
                if (rig.toInstrumentDue[s] < 0.0)
                    continue;
                if (rig.toInstrumentArrival[s] < 0.0)
                    ++lostToInstrument;
                else
                    lateness.push_back (rig.toInstrumentArrival[s] - rig.toInstrumentDue[s] - toInstrumentLatencyMs);
            }
        }
        for (size_t s = 0; s < rig.toHostSent.size(); ++s)
        {
            // Only what was sent a good while before the audio thread stopped can have been placed.
            if (rig.toHostSent[s] < 0.0 || rig.toHostSent[s] > start + runMs - 100.0)
                continue;
            if (rig.toHostPlaced[s] < 0.0)
            {
                ++lostToHost;
                continue;
            }
            const double expected = (rig.toHostSent[s] - start) * sampleRate / 1000.0 + toHostLatencySamples;
            hostErrors.push_back (rig.toHostPlaced[s] - expected);
        }

        std::sort (lateness.begin(), lateness.end());
        const double p50 = percentileOfSorted (lateness, 0.50), p99 = percentileOfSorted (lateness, 0.99);
        const double maxLate = lateness.empty() ? 0.0 : lateness.back();
        double worstHost = 0.0;
        std::vector<double> absHost;
        for (const double e : hostErrors)
        {
            if (std::abs (e) > std::abs (worstHost))
                worstHost = e;
            absHost.push_back (std::abs (e));
        }
        std::sort (absHost.begin(), absHost.end());
        state.counters["to_instrument_p50_ms"] = p50;
        state.counters["to_instrument_p99_ms"] = p99;
        state.counters["to_instrument_max_ms"] = maxLate;
        state.counters["to_instrument_spread_ms"] = p99 - p50;
        state.counters["to_instrument_lost"] = lostToInstrument;
        state.counters["to_instrument_latency_ms"] = toInstrumentLatencyMs;
        state.counters["to_host_error_samples"] = worstHost;
        state.counters["to_host_p99_error_samples"] = percentileOfSorted (absHost, 0.99);
        state.counters["to_host_lost"] = lostToHost;
        state.counters["to_host_latency_samples"] = toHostLatencySamples;
        state.counters["notes_each_way"] = (double) std::min (lateness.size(), hostErrors.size());
    }
}
} // namespace

BENCHMARK (hostMidiInRealTime)->Iterations (1)->Unit (benchmark::kMillisecond)->UseRealTime();
