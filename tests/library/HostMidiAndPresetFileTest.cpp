#include "library/PresetBankFile.h"
#include "support/AudioThreadWatch.h"
#include "support/ProcessorFixture.h"

#include <iostream>

#include <gtest/gtest.h>

using namespace zr9;
using namespace zr9::test;

namespace
{
using Bytes = std::vector<juce::uint8>;

// Blocks of 480 samples at 48 kHz last 10 ms, so the manual clock steps whole blocks.
constexpr double rate = 48000.0;
constexpr int blockSamples = 480;
constexpr int blockMs = 10;
constexpr int samplesPerMs = 48;

struct HostMidiFixture : ProcessorFixture
{
    HostMidiFixture()
    {
        controller().connection().openOutputPort (1);
        controller().connection().openInputPort (1);
        processor->prepareToPlay (rate, blockSamples);
        controller().notifications().take();
        ports->log->clear();
    }

    ~HostMidiFixture() override { processor->releaseResources(); }

    juce::MidiBuffer runBlock (juce::MidiBuffer in = {})
    {
        juce::AudioBuffer<float> audio (2, blockSamples);
        audio.clear();
        processor->processBlock (audio, in);
        return in;
    }

    /** Moves the clock on and lets the output's sending thread write what fell due. */
    std::vector<Bytes> sentAfter (int ms)
    {
        clock->step (ms);
        EXPECT_TRUE (controller().connection().output().waitUntilSent (5000));
        std::vector<Bytes> sent;
        for (const auto& m : ports->log->sent)
            sent.push_back (m.bytes);
        return sent;
    }

    /** (sample position, status) of each message of a block. */
    static std::vector<std::pair<int, int>> placed (const juce::MidiBuffer& block)
    {
        std::vector<std::pair<int, int>> out;
        for (const auto meta : block)
            out.push_back ({ meta.samplePosition, meta.data[0] });
        return out;
    }
};

std::unique_ptr<RevuDIAudioProcessor> persistentProcessor (const TempFolder& folder)
{
    return std::make_unique<RevuDIAudioProcessor> (
        processorOptions (folder, std::make_shared<FakeMidiPorts>(), std::make_shared<ManualClock>(), Files::kept));
}

juce::MemoryBlock fileBytes (const juce::File& f)
{
    juce::MemoryBlock b;
    f.loadFileAsData (b);
    return b;
}

juce::String slotName (const juce::MemoryBlock& bankState, int slot)
{
    return juce::String (static_cast<const char*> (bankState.getData()) + 26 + 300 * slot, 24);
}
} // namespace

TEST_F (HostMidiFixture, TheHostsMessagesReachTheInstrumentOnTheBlocksClockAndThePagesFollow)
{
    EXPECT_DOUBLE_EQ (controller().hostMidi().toInstrumentLatencyMs(), blockMs) << "one block";

    juce::MidiBuffer in;
    in.addEvent (juce::MidiMessage::noteOn (1, 60, (juce::uint8) 100), 0);
    in.addEvent (juce::MidiMessage::programChange (3, 9), 5 * samplesPerMs);
    in.addEvent (juce::MidiMessage::pitchWheel (1, 12000), blockSamples - 1);
    const juce::uint8 identityRequest[] { 0xF0, 0x7E, 0x7F, 0x06, 0x01, 0xF7 };
    in.addEvent (identityRequest, (int) sizeof (identityRequest), 6); // not passed on
    EXPECT_TRUE (runBlock (in).isEmpty()) << "nothing the host sent goes back to it";

    // Each message leaves one block after its place in the block. Meanwhile the keys, the
    // channel's program and the pages follow on the message thread, by the processor's own
    // timer, which runs on the same clock and ticks before the first message is due.
    static_assert (RevuDIAudioProcessor::hostDeliveryMs < blockMs - 1);
    EXPECT_TRUE (sentAfter (0).empty());
    EXPECT_FALSE (controller().keys().isDown (60)) << "not before the message thread takes it";
    EXPECT_EQ (sentAfter (blockMs - 1).size(), 0u);
    EXPECT_TRUE (controller().keys().isDown (60)) << "the timer delivered it";
    EXPECT_EQ (sentAfter (1), (std::vector<Bytes> { { 0x90, 60, 100 } }));
    EXPECT_EQ (sentAfter (4).size(), 1u);
    EXPECT_EQ (sentAfter (1).size(), 2u);
    EXPECT_EQ (sentAfter (5), (std::vector<Bytes> { { 0x90, 60, 100 }, { 0xC2, 9 }, { 0xE0, 12000 & 0x7F, 12000 >> 7 } }));

    EXPECT_TRUE (controller().keys().isDown (60));
    EXPECT_EQ (controller().currentProgram (2), 9);
    const auto codes = controller().notifications().take().stateCodes;
    EXPECT_NE (std::find (codes.begin(), codes.end(), statecode::make (statecode::noteOn, 0, 60, 100)), codes.end());
    EXPECT_NE (std::find (codes.begin(), codes.end(), statecode::makeWheel (0, 12000)), codes.end());
    EXPECT_EQ (sentAfter (50).size(), 3u) << "the message thread sends nothing of its own";

    // All notes off from the host releases every key.
    juce::MidiBuffer off;
    off.addEvent (juce::MidiMessage::allNotesOff (1), 0);
    runBlock (off);
    processor->deliverHostChanges();
    EXPECT_FALSE (controller().keys().isDown (60));
}

TEST_F (HostMidiFixture, ControllerZeroFromTheHostStartsTheBankAfresh)
{
    juce::MidiBuffer banked;
    banked.addEvent (juce::MidiMessage::controllerEvent (1, 32, 2), 0);
    banked.addEvent (juce::MidiMessage::programChange (1, 4), 1);
    runBlock (banked);
    processor->deliverHostChanges();
    EXPECT_EQ (controller().currentProgram (0), 2 * 128 + 4);

    // Bank select 0 without controller 32: the same program change now picks from bank 0.
    juce::MidiBuffer bankZero;
    bankZero.addEvent (juce::MidiMessage::controllerEvent (1, 0, 0), 0);
    bankZero.addEvent (juce::MidiMessage::programChange (1, 4), 1);
    runBlock (bankZero);
    processor->deliverHostChanges();
    EXPECT_EQ (controller().currentProgram (0), 4);
    const auto sent = sentAfter (2 * blockMs);
    ASSERT_EQ (sent.size(), 4u);
    EXPECT_EQ (sent[2], (Bytes { 0xB0, 0, 0 })) << "the instrument hears the bank select too";
}

TEST_F (HostMidiFixture, WithTheSwitchOffTheHostsMidiStaysAwayFromTheInstrumentAndThePagesStillFollow)
{
    controller().settings().setPassesHostMidi (false);
    juce::MidiBuffer in;
    in.addEvent (juce::MidiMessage::noteOn (1, 62, (juce::uint8) 90), 0);
    in.addEvent (juce::MidiMessage::programChange (2, 17), 10);
    runBlock (in);
    EXPECT_TRUE (sentAfter (blockMs).empty());
    runBlock();
    EXPECT_TRUE (sentAfter (blockMs).empty());
    processor->deliverHostChanges();
    EXPECT_TRUE (controller().keys().isDown (62));
    EXPECT_EQ (controller().currentProgram (1), 17);

    controller().settings().setPassesHostMidi (true);
    juce::MidiBuffer again;
    again.addEvent (juce::MidiMessage::noteOff (1, 62), 0);
    runBlock (again);
    EXPECT_EQ (sentAfter (blockMs), (std::vector<Bytes> { { 0x80, 62, 0 } }));
}

TEST_F (HostMidiFixture, WhatTheInstrumentPlaysLandsAtItsArrivalTimeOneBlockLater)
{
    EXPECT_DOUBLE_EQ (controller().hostMidi().toHostLatencyMs(), blockMs);
    EXPECT_TRUE (runBlock().isEmpty()); // the block that starts now

    // Two messages 1 ms apart during this block, and one that is not for the host.
    clock->step (2);
    ports->feed (juce::MidiMessage::noteOn (2, 64, (juce::uint8) 90));
    clock->step (1);
    ports->feed (juce::MidiMessage::controllerEvent (2, 64, 127));
    const juce::uint8 identityRequest[] { 0xF0, 0x7E, 0x7F, 0x06, 0x01, 0xF7 };
    ports->feed (juce::MidiMessage (identityRequest, (int) sizeof (identityRequest)));
    clock->step (blockMs - 3);
    EXPECT_EQ (placed (runBlock()), (std::vector<std::pair<int, int>> { { 2 * samplesPerMs, 0x91 }, { 3 * samplesPerMs, 0xB1 } }));

    // A lone message keeps its place in the block rather than going to its start; one that
    // arrives as a block starts belongs at the start of the next, not past this one's end.
    clock->step (4);
    ports->feed (juce::MidiMessage::noteOff (2, 64));
    clock->step (blockMs - 4);
    ports->feed (juce::MidiMessage::noteOn (3, 65, (juce::uint8) 80));
    EXPECT_EQ (placed (runBlock()), (std::vector<std::pair<int, int>> { { 4 * samplesPerMs, 0x81 } }));
    clock->step (blockMs);
    EXPECT_EQ (placed (runBlock()), (std::vector<std::pair<int, int>> { { 0, 0x92 } }));

    // Starting or stopping audio drops what waits and lets every key go.
    ports->feed (juce::MidiMessage::noteOn (1, 40, (juce::uint8) 90));
    ASSERT_TRUE (controller().keys().isDown (40));
    processor->releaseResources();
    EXPECT_FALSE (controller().keys().isDown (40));
    processor->prepareToPlay (rate, blockSamples);
    clock->step (blockMs);
    EXPECT_TRUE (runBlock().isEmpty());
}

TEST_F (HostMidiFixture, ABurstFromTheInstrumentReachesTheHostWholeAndInOrderWithinTheHostsBuffer)
{
    constexpr int burst = 1000;
    for (int i = 0; i < burst; ++i)
        ports->feed (juce::MidiMessage::noteOn (1 + i % 16, (i / 16) % 128, (juce::uint8) 100));
    clock->step (blockMs);

    std::vector<int> order;
    int blocks = 0;
    while ((int) order.size() < burst && blocks < 50)
    {
        const auto block = runBlock();
        int bytes = 0;
        for (const auto meta : block)
        {
            order.push_back ((meta.data[0] & 0x0F) + 16 * meta.data[1]);
            bytes += HostMidi::bufferBytesPerMessage + meta.numBytes;
        }
        EXPECT_LE (bytes, HostMidi::hostBufferBytes) << "block " << blocks;
        ++blocks;
        clock->step (blockMs);
    }
    ASSERT_EQ ((int) order.size(), burst) << "none lost";
    for (int i = 0; i < burst; ++i)
        ASSERT_EQ (order[(size_t) i], i) << "in the order played";
    EXPECT_GE (blocks, 5) << "spread over the blocks that follow";
    EXPECT_TRUE (runBlock().isEmpty());
}

TEST_F (HostMidiFixture, TheAudioThreadNeitherAllocatesNorLocks)
{
    const auto counting = AudioThreadWatch::counting();
    ASSERT_TRUE (counting.allocations) << "the test program counts allocations";

    // Plenty waiting for the host, and a block of messages from it, in a buffer reserved as a VST3 host does.
    for (int i = 0; i < 800; ++i)
        ports->feed (juce::MidiMessage::controllerEvent (1 + i % 16, 7, i % 128));
    clock->step (blockMs);
    juce::AudioBuffer<float> audio (2, blockSamples);
    juce::MidiBuffer midi;
    midi.ensureSize (HostMidi::hostBufferBytes);

    for (int block = 0; block < 3; ++block)
    {
        midi.clear();
        for (int i = 0; i < 40; ++i)
            midi.addEvent (juce::MidiMessage::noteOn (1, 30 + i, (juce::uint8) 64), i * 10);
        const auto* storage = midi.data.begin();
        int allocations = 0, locks = 0;
        {
            const AudioThreadWatch watch;
            processor->processBlock (audio, midi);
            allocations = watch.allocations();
            locks = watch.locks();
        }
        EXPECT_EQ (allocations, 0) << "block " << block;
        if (counting.locks)
        {
            EXPECT_EQ (locks, 0) << "block " << block;
        }
        EXPECT_EQ (midi.data.begin(), storage) << "the host's buffer was not grown";
        EXPECT_GT (midi.getNumEvents(), 200) << "the block took what the buffer holds";
        clock->step (blockMs);
    }
    if (! counting.locks)
        std::cout << "[          ] locks are not counted in this build\n";
    EXPECT_EQ (sentAfter (2 * blockMs).size(), 120u) << "the host's notes reached the instrument";
}

TEST (PresetBankFile, TheFirstRunLeavesTheFactoryBankAndLaterRunsReadIt)
{
    TempFolder folder;
    const auto file = folder.libraryFile (PresetBankFile::fileName);
    persistentProcessor (folder).reset();
    auto stored = fileBytes (file);
    ASSERT_EQ (stored.getSize(), 19226u);
    EXPECT_EQ (slotName (stored, 0), "EDM" + juce::String::repeatedString (" ", 21));
    EXPECT_EQ (slotName (stored, 3), juce::String::repeatedString ("-", 24));

    memcpy (static_cast<char*> (stored.getData()) + 26 + 300 * 7, "From the file", 13);
    file.replaceWithData (stored.getData(), stored.getSize());
    auto p = persistentProcessor (folder);
    EXPECT_TRUE (p->getProgramName (7).startsWith ("From the file"));
}

TEST (PresetBankFile, AnInstanceThatChangedNothingLeavesAnothersChanges)
{
    TempFolder folder;
    const auto file = folder.libraryFile (PresetBankFile::fileName);
    auto first = persistentProcessor (folder);
    auto second = persistentProcessor (folder);
    second->changeProgramName (9, "Changed here");
    second.reset();
    first.reset();
    EXPECT_EQ (slotName (fileBytes (file), 9).trimEnd(), "Changed here");
}

TEST (PresetBankFile, AFileThatIsNotABankIsKeptAsideNotLost)
{
    TempFolder folder;
    const auto file = folder.libraryFile (PresetBankFile::fileName);
    file.getParentDirectory().createDirectory();
    file.replaceWithText ("ZR9PianoPlugBankVersion100 but cut short");
    {
        auto p = persistentProcessor (folder);
        EXPECT_EQ (p->getProgramName (0).trimEnd(), "EDM");
    }
    EXPECT_EQ (file.getSiblingFile (file.getFileName() + PresetBankFile::unreadableSuffix).loadFileAsString(),
               "ZR9PianoPlugBankVersion100 but cut short");
    EXPECT_EQ (fileBytes (file).getSize(), 19226u);
}
