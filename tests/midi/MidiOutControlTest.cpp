#include "midi/MIDI_OUT_Control.h"
#include "midi/OutputQueue.h"
#include "support/FakeMidiPorts.h"

#include <thread>

#include <gtest/gtest.h>

using namespace zr9;
using namespace zr9::test;

namespace
{
std::vector<juce::uint8> sysExOfLength (size_t n)
{
    std::vector<juce::uint8> m (n, 0x11);
    m.front() = 0xF0;
    m.back() = 0xF7;
    return m;
}
} // namespace

TEST (MidiOutControl, ShortSysExIsQueuedWholeAndLongSysExGoesAtOnceInPieces)
{
    FakeMidiPorts ports;
    MIDI_OUT_Control out (ports);
    ASSERT_TRUE (out.open (1));

    const auto m256 = sysExOfLength (256);
    out.sendSysEx (m256.data(), m256.size());
    ASSERT_EQ (ports.log->sent.size(), 1u);
    EXPECT_FALSE (ports.log->sent[0].immediate);
    EXPECT_EQ (ports.log->sent[0].bytes, m256);
    EXPECT_EQ (ports.log->queueWaits, 0);

    ports.log->clear();
    const auto m600 = sysExOfLength (600);
    out.sendSysEx (m600.data(), m600.size());
    ASSERT_EQ (ports.log->sent.size(), 3u);
    EXPECT_EQ (ports.log->sent[0].bytes.size(), 256u);
    EXPECT_EQ (ports.log->sent[1].bytes.size(), 256u);
    EXPECT_EQ (ports.log->sent[2].bytes.size(), 88u);
    std::vector<juce::uint8> joined;
    for (const auto& s : ports.log->sent)
    {
        EXPECT_TRUE (s.immediate);
        joined.insert (joined.end(), s.bytes.begin(), s.bytes.end());
    }
    EXPECT_EQ (joined, m600);
    EXPECT_EQ (ports.log->queueWaits, 1) << "what was queued before leaves first";
    EXPECT_TRUE (ports.log->sendingThreadRunning) << "the sending thread runs again afterwards";

    ports.log->clear();
    const auto m257 = sysExOfLength (257);
    out.sendSysEx (m257.data(), m257.size());
    ASSERT_EQ (ports.log->sent.size(), 2u);
    EXPECT_EQ (ports.log->sent[1].bytes, std::vector<juce::uint8> { 0xF7 });

    ports.log->clear();
    const auto m512 = sysExOfLength (512);
    out.sendSysEx (m512.data(), m512.size());
    EXPECT_EQ (ports.log->sent.size(), 2u);
}

TEST (MidiOutControl, ClosedControlDropsEverythingQuietly)
{
    FakeMidiPorts ports;
    MIDI_OUT_Control out (ports);
    const auto m = sysExOfLength (300);
    out.sendSysEx (m.data(), m.size());
    out.sendController (1, 7, 100);
    out.sendPitchWheel (1, 8192);
    EXPECT_TRUE (ports.log->sent.empty());

    out.open (1);
    EXPECT_TRUE (out.isOpen());
    out.open (0);
    EXPECT_FALSE (out.isOpen()) << "opening port 0 closes the current port";
    EXPECT_EQ (out.portNumber(), 0);
    out.open (5);
    EXPECT_FALSE (out.isOpen()) << "a port beyond the list stays closed";
}

TEST (MidiOutControl, ChannelMessagesMaskTheirDataAndRefuseChannelsAboveSixteen)
{
    FakeMidiPorts ports;
    MIDI_OUT_Control out (ports);
    out.open (1);
    out.sendController (17, 7, 100);
    EXPECT_TRUE (ports.log->sent.empty());

    out.sendController (0, 7, 100);
    out.sendController (16, 0x87, 0x1FF);
    out.sendPitchWheel (3, 0x2345);
    ASSERT_EQ (ports.log->sent.size(), 3u);
    EXPECT_EQ (ports.log->sent[0].bytes, (std::vector<juce::uint8> { 0xB0, 7, 100 }));
    EXPECT_EQ (ports.log->sent[1].bytes, (std::vector<juce::uint8> { 0xBF, 0x07, 0x7F }));
    EXPECT_EQ (ports.log->sent[2].bytes, (std::vector<juce::uint8> { 0xE2, 0x45, 0x46 }));
}

namespace
{
/** An output whose queue is served by the real sending thread, over a device the test can hold up. */
class HeldUpOutput final : public MidiOutputPort
{
public:
    HeldUpOutput (std::vector<std::vector<juce::uint8>>& l, std::mutex& m, juce::WaitableEvent& g) : log (l), logLock (m), gate (g) {}
    ~HeldUpOutput() override { queue.stop(); }

    void sendNow (const juce::MidiMessage& m) override { record (m); }
    void sendBlock (const juce::MidiBuffer& b, double startMs, double rate) override { queue.push (b, startMs, rate); }
    bool waitUntilQueueSent (int timeoutMs) override { return queue.waitUntilSent (timeoutMs); }
    void startSendingThread() override { queue.start(); }
    void stopSendingThread() override { queue.stop(); }

private:
    void record (const juce::MidiMessage& m)
    {
        const std::lock_guard<std::mutex> sl (logLock);
        log.emplace_back (m.getRawData(), m.getRawData() + m.getRawDataSize());
    }

    std::vector<std::vector<juce::uint8>>& log;
    std::mutex& logLock;
    juce::WaitableEvent& gate;
    OutputQueue queue { [this] (const juce::MidiMessage& m) { gate.wait (2000.0); record (m); } };
};

struct HeldUpPorts final : MidiPortProvider
{
    juce::StringArray inputNames() override { return {}; }
    juce::StringArray outputNames() override { return { "held up" }; }
    std::unique_ptr<MidiInputPort> openInput (int, juce::MidiInputCallback&) override { return nullptr; }
    std::unique_ptr<MidiOutputPort> openOutput (int) override { return std::make_unique<HeldUpOutput> (log, logLock, gate); }

    std::vector<std::vector<juce::uint8>> log;
    std::mutex logLock;
    juce::WaitableEvent gate { true };
};
} // namespace

TEST (MidiOutControl, ALongMessageWaitsForWhatWasQueuedBeforeItAndLosesNothing)
{
    HeldUpPorts ports;
    MIDI_OUT_Control out (ports);
    ASSERT_TRUE (out.open (1));

    // The device is held up: three controllers wait in the queue.
    for (int value = 1; value <= 3; ++value)
        out.sendController (1, 7, value);
    const auto m600 = sysExOfLength (600);
    std::thread sender ([&] { out.sendSysEx (m600.data(), m600.size()); });
    ports.gate.signal(); // the device takes messages again
    sender.join();

    const std::lock_guard<std::mutex> sl (ports.logLock);
    ASSERT_EQ (ports.log.size(), 6u) << "no queued message was thrown away";
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ (ports.log[(size_t) i], (std::vector<juce::uint8> { 0xB0, 7, (juce::uint8) (i + 1) })) << "queued first, sent first";
    EXPECT_EQ (ports.log[3].front(), 0xF0);
    EXPECT_EQ (ports.log[5].back(), 0xF7);
}
