#include "library/PresetBankFile.h"
#include "support/ProcessorFixture.h"

#include <gtest/gtest.h>

using namespace zr9;
using namespace zr9::test;

namespace
{
struct HostMidiFixture : ProcessorFixture
{
    HostMidiFixture()
    {
        controller().connection().openOutputPort (1);
        controller().connection().openInputPort (1);
        processor->prepareToPlay (48000.0, 101);
        controller().notifications().take();
        ports->log->clear();
    }

    juce::MidiBuffer runBlock (juce::MidiBuffer in = {}, int samples = 101)
    {
        juce::AudioBuffer<float> audio (2, samples);
        audio.clear();
        processor->processBlock (audio, in);
        return in;
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

TEST_F (HostMidiFixture, TheHostsNotesAreAppliedAndPassedOnNotEchoed)
{
    juce::MidiBuffer in;
    in.addEvent (juce::MidiMessage::noteOn (1, 60, (juce::uint8) 100), 0);
    in.addEvent (juce::MidiMessage::programChange (3, 9), 5);
    in.addEvent (juce::MidiMessage::pitchWheel (1, 12000), 10);
    const auto out = runBlock (in);
    EXPECT_TRUE (out.isEmpty());
    EXPECT_FALSE (controller().keys().isDown (60)); // not before the message thread takes it
    EXPECT_TRUE (ports->log->sent.empty());

    processor->deliverHostChanges();
    EXPECT_TRUE (controller().keys().isDown (60));
    EXPECT_EQ (controller().currentProgram (2), 9);
    const auto codes = controller().notifications().take().stateCodes;
    EXPECT_NE (std::find (codes.begin(), codes.end(), statecode::make (statecode::noteOn, 0, 60, 100)), codes.end());
    EXPECT_NE (std::find (codes.begin(), codes.end(), statecode::makeWheel (0, 12000)), codes.end());

    std::vector<std::vector<juce::uint8>> sent;
    for (const auto& m : ports->log->sent)
        sent.push_back (m.bytes);
    ASSERT_EQ (sent.size(), 3u);
    EXPECT_EQ (sent[0], (std::vector<juce::uint8> { 0x90, 60, 100 }));
    EXPECT_EQ (sent[1], (std::vector<juce::uint8> { 0xC2, 9 }));

    // All notes off from the host releases every key.
    juce::MidiBuffer off;
    off.addEvent (juce::MidiMessage::allNotesOff (1), 0);
    runBlock (off);
    processor->deliverHostChanges();
    EXPECT_FALSE (controller().keys().isDown (60));
}

TEST_F (HostMidiFixture, WhatTheInstrumentPlaysReachesTheHostSpreadOverTheBlock)
{
    ports->feed (juce::MidiMessage::noteOn (2, 64, (juce::uint8) 90));
    clock->step (50);
    ports->feed (juce::MidiMessage::controllerEvent (2, 64, 127));
    clock->step (150);
    ports->feed (juce::MidiMessage::noteOff (2, 64));
    ports->feed (juce::MidiMessage (0xF0, 0x7E, 0x7F, 0xF7)); // not for the host

    const auto out = runBlock();
    std::vector<int> positions;
    std::vector<int> statuses;
    for (const auto meta : out)
    {
        positions.push_back (meta.samplePosition);
        statuses.push_back (meta.data[0]);
    }
    EXPECT_EQ (positions, (std::vector<int> { 0, 25, 100 }));
    EXPECT_EQ (statuses, (std::vector<int> { 0x91, 0xB1, 0x81 }));
    EXPECT_TRUE (runBlock().isEmpty());

    // Starting or stopping audio drops what waits and lets every key go.
    ports->feed (juce::MidiMessage::noteOn (1, 40, (juce::uint8) 90));
    processor->releaseResources();
    EXPECT_FALSE (controller().keys().isDown (40));
    EXPECT_TRUE (runBlock().isEmpty());
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
