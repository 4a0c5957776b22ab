#include "library/LiveParameter.h"
#include "library/LiveParameterIds.h"
#include "support/ProcessorFixture.h"

#include <gtest/gtest.h>

#include <thread>

#include <set>

using namespace zr9;
using namespace zr9::test;

namespace
{
struct ProcessorPrograms : ProcessorFixture
{
    ProcessorPrograms()
    {
        controller().connection().openOutputPort (1);
        controller().notifications().take();
        ports->log->clear();
    }

    int programsSent() const
    {
        int n = 0;
        for (const auto& m : ports->log->sysEx())
            if (m.size() > 6 && m[5] == 0x20)
                ++n;
        return n;
    }

    juce::MemoryBlock bankState()
    {
        juce::MemoryBlock b;
        processor->getStateInformation (b);
        return b;
    }
};

/** Counts what a parameter tells its listeners. */
struct HeardValues : juce::AudioProcessorParameter::Listener
{
    void parameterValueChanged (int index, float value) override { heard.push_back ({ index, value }); }
    void parameterGestureChanged (int, bool) override {}
    std::vector<std::pair<int, float>> heard;
};
} // namespace

TEST_F (ProcessorPrograms, SixtyFourSlotsNamedForTheHostWithoutTheirPadding)
{
    EXPECT_EQ (processor->getNumPrograms(), 64);
    EXPECT_EQ (processor->getProgramName (0), "EDM");
    EXPECT_EQ (processor->getProgramName (2), "Rock");
    EXPECT_EQ (processor->getProgramName (63), juce::String::repeatedString ("-", 24));
    EXPECT_TRUE (processor->getProgramName (64).isEmpty());
    EXPECT_EQ (controller().plugBank().name (0), "EDM" + juce::String::repeatedString (" ", 21)) << "the record keeps its 24 characters";

    processor->changeProgramName (5, "  Two Spaces  ");
    EXPECT_EQ (processor->getProgramName (5), "  Two Spaces") << "only the padding goes";
}

TEST_F (ProcessorPrograms, ChoosingASlotAppliesItAndRenamingMakesItCurrent)
{
    processor->setCurrentProgram (0);
    EXPECT_EQ (processor->getCurrentProgram(), 0);
    EXPECT_EQ (controller().currentProgram (0), 261);
    EXPECT_EQ (controller().currentProgram (15), 74);
    EXPECT_EQ (programsSent(), 16);

    processor->changeProgramName (4, "A name much longer than twenty-four");
    EXPECT_EQ (processor->getCurrentProgram(), 4);
    EXPECT_EQ (processor->getProgramName (4), "A name much longer than");

    processor->setCurrentProgram (64); // no such slot
    EXPECT_EQ (processor->getCurrentProgram(), 4);
}

TEST_F (ProcessorPrograms, UpdateHostModeOnlyChoosesTheSlotAndNotesIt)
{
    processor->setUpdateHostMode (true);
    processor->setCurrentProgram (2);
    processor->changeProgramName (2, "Refused");
    EXPECT_EQ (processor->getCurrentProgram(), 2);
    EXPECT_EQ (programsSent(), 0);
    EXPECT_EQ (processor->getProgramName (2).trimEnd(), "Rock");
    EXPECT_EQ (controller().plugBank().takeNotes(), std::vector<std::uint8_t> { 180 });

    processor->setUpdateHostMode (false);
    processor->setCurrentProgram (2);
    EXPECT_EQ (programsSent(), 16);
    EXPECT_TRUE (controller().plugBank().takeNotes().empty());
}

TEST_F (ProcessorPrograms, TheBankStateRoundTripsAndAOneRecordStateReplacesSlotOne)
{
    auto state = bankState();
    ASSERT_GE (state.getSize(), 19226u + 329u) << "the bank, then the recall block";

    processor->setCurrentProgram (3);
    ports->log->clear();
    auto* bytes = static_cast<char*> (state.getData());
    memcpy (bytes + 26, "Replaced", 8);
    memcpy (bytes + 26 + 300, "Not taken", 9);
    processor->setStateInformation (state.getData(), 26 + 300);

    EXPECT_TRUE (processor->getProgramName (0).startsWith ("Replaced"));
    EXPECT_TRUE (processor->getProgramName (1).startsWith ("Hip Hop"));
    EXPECT_EQ (processor->getCurrentProgram(), 3);
    EXPECT_TRUE (ports->log->sent.empty());

    // A blob with another tag changes nothing.
    const auto before = bankState();
    bytes[0] = 'Q';
    processor->setStateInformation (state.getData(), (int) state.getSize());
    EXPECT_EQ (bankState(), before);
}

TEST_F (ProcessorPrograms, TheCurrentArrangementStateCarriesTheSlotNameAndLiveState)
{
    processor->setCurrentProgram (1);
    controller().setLiveValue (300, arrangement::programRow (2), false);
    juce::MemoryBlock state;
    processor->getCurrentProgramStateInformation (state);
    ASSERT_EQ (state.getSize(), 330u);
    const auto* b = static_cast<const juce::uint8*> (state.getData());
    EXPECT_EQ (juce::String ((const char*) b, 30), "ZR9PianoRevuDittingsVersion100");
    EXPECT_EQ (juce::String ((const char*) b + 30, 24), "Hip Hop" + juce::String::repeatedString (" ", 17));
    EXPECT_EQ (b[30 + 28] * 256 + b[30 + 29], 300);

    // Loading it into a fresh processor sends it; a short or foreign state does nothing.
    auto other = makeTestProcessor (folder, ports, clock);
    other->controller().connection().openOutputPort (1);
    ports->log->clear();
    other->setCurrentProgramStateInformation (state.getData(), 329);
    EXPECT_FALSE (other->loadArrangementState (state.getData(), 20));
    EXPECT_EQ (programsSent(), 0);
    EXPECT_TRUE (other->loadArrangementState (state.getData(), (int) state.getSize()));
    EXPECT_EQ (programsSent(), 16);
    EXPECT_EQ (other->controller().currentProgram (2), 300);
}

TEST_F (ProcessorPrograms, AStateFromAnEarlierVersionReplacesTheBankAndNothingElse)
{
    controller().scan().stop();
    processor->setCurrentProgram (2);
    controller().setLiveValue (-30, 41, true);
    auto bank = controller().plugBank().bankBytes();
    memcpy (bank.data() + 300 * 7, "Earlier                 ", 24);
    const auto earlier = BankState::make (ByteView (bank)); // 19,226 bytes, as earlier versions saved
    std::vector<int> values;
    for (int row = 0; row < LiveTable::rowCount; ++row)
        values.push_back (controller().getLiveValue (row));
    ports->log->clear();

    processor->setStateInformation (earlier.data(), (int) earlier.size());
    EXPECT_EQ (controller().plugBank().bankBytes(), bank);
    EXPECT_EQ (processor->getProgramName (7), "Earlier");
    EXPECT_EQ (processor->getCurrentProgram(), 2);
    for (int row = 0; row < LiveTable::rowCount; ++row)
        ASSERT_EQ (controller().getLiveValue (row), values[(size_t) row]) << row;
    clock->step (5000);
    EXPECT_TRUE (ports->log->sent.empty());
}

TEST_F (ProcessorPrograms, AFreshInstanceGivenTheStateBringsBackWhatChangedAndTheHostReadsItBack)
{
    controller().scan().stop();
    controller().connection().openInputPort (1);
    processor->setCurrentProgram (1);
    clock->step (2000);
    controller().setLiveValue (-30, 41, true);                       // a page: pan of channel 3
    processor->getParameters()[LiveTable::controllerRow (0, 7)]->setValue (100.0f / 127.0f); // the host: volume of channel 1
    ports->feed (juce::MidiMessage::controllerEvent (2, 11, 77));    // the instrument: expression of channel 2
    ports->feed (juce::MidiMessage::programChange (5, 20));          // and a program on channel 5
    juce::MemoryBlock saved;
    processor->getStateInformation (saved);

    auto fresh = makeTestProcessor (folder, ports, clock);
    fresh->controller().scan().stop();
    fresh->controller().connection().openOutputPort (1);
    ports->log->clear();
    fresh->setStateInformation (saved.getData(), (int) saved.getSize());

    EXPECT_EQ (fresh->getCurrentProgram(), 1);
    for (int row = 0; row < LiveTable::rowCount; ++row)
        ASSERT_EQ (fresh->getParameters()[row]->getValue(), processor->getParameters()[row]->getValue()) << "row " << row;
    EXPECT_EQ (fresh->controller().currentProgram (4), 20);
    EXPECT_EQ (programsSent(), 16);

    clock->step (2000 + 3 * LiveRecall::sendIntervalMs);
    const auto cc = ports->log->controllers();
    const auto has = [&] (std::array<int, 3> m) { return std::find (cc.begin(), cc.end(), m) != cc.end(); };
    EXPECT_TRUE (has ({ 3, 10, 33 })) << "pan -30";
    EXPECT_TRUE (has ({ 1, 7, 100 }));
    EXPECT_TRUE (has ({ 2, 11, 77 }));

    juce::MemoryBlock again;
    fresh->getStateInformation (again);
    EXPECT_EQ (again, saved) << "the restored instance saves what it was given";
}

TEST_F (ProcessorPrograms, SampleRatesHaveTheirCodes)
{
    EXPECT_EQ (RevuDIAudioProcessor::sampleRateCodeFor (48000.0), 1);
    EXPECT_EQ (RevuDIAudioProcessor::sampleRateCodeFor (88200.0), 2);
    EXPECT_EQ (RevuDIAudioProcessor::sampleRateCodeFor (192000.0), 5);
    EXPECT_EQ (RevuDIAudioProcessor::sampleRateCodeFor (44100.0), 0);
    processor->prepareToPlay (96000.0, 256);
    EXPECT_EQ (processor->sampleRateCode(), 3);
    EXPECT_EQ (processor->blockSize(), 256);
}

// ------------------------------------------------------------------ host parameters

TEST_F (ProcessorPrograms, EveryLiveRowIsAParameterWithAStableUniqueIdentifier)
{
    const auto& params = processor->getParameters();
    ASSERT_EQ (params.size(), 2314);
    EXPECT_EQ (params[41]->getName (100), "Pan Ch.3");
    EXPECT_EQ (params[0]->getName (100), "Insert FXC Ch.1");
    EXPECT_EQ (params[3]->getName (100), "AUX 1 FXC Ch.1");
    EXPECT_EQ (params[16 * 15 + 6]->getName (100), "AUX 2 FXC Ch.16");
    EXPECT_EQ (liveParameterId (16 * 15 + 6), "ch16_aux2_chain") << "renamed, the identifier stays";
    std::set<juce::String> names;
    for (auto* p : params)
        names.insert (p->getName (100));
    EXPECT_EQ (names.size(), 2314u) << "a host can tell every row from every other by its name";
    EXPECT_EQ (params[256 + 7]->getName (100), "MIDI 7 Ch.1");
    EXPECT_EQ (params[2305]->getName (100), "Playing Mode");
    EXPECT_EQ (liveParameterId (41), "ch03_pan");
    EXPECT_EQ (liveParameterId (256 + 128 * 15 + 127), "ch16_cc127");
    EXPECT_EQ (liveParameterId (2313), "multi_prog_no");

    // The VST3 wrapper turns identifiers into 32-bit hashes: they must not meet, nor the wrapper's own numbers.
    std::set<juce::String> ids;
    std::set<juce::uint32> hashes;
    for (int row = 0; row < 2314; ++row)
    {
        const auto id = liveParameterId (row);
        EXPECT_TRUE (id.containsOnly ("abcdefghijklmnopqrstuvwxyz0123456789_")) << id;
        ids.insert (id);
        const auto hash = (juce::uint32) id.hashCode() & 0x7fffffffu;
        hashes.insert (hash);
        EXPECT_FALSE (hash >= 0x6d636d00u && hash < 0x6d636d00u + 16 * 130) << id;
        EXPECT_NE (hash, 0x70727374u);
        EXPECT_NE (hash, 0x62797073u);
    }
    EXPECT_EQ (ids.size(), 2314u);
    EXPECT_EQ (hashes.size(), 2314u);
}

TEST_F (ProcessorPrograms, AHostValueIsSentFromTheMessageThreadAndNotToldBack)
{
    auto* pan = processor->getParameters()[41];
    HeardValues heard;
    pan->addListener (&heard);

    const int timersWithoutAudio = clock->runningTimers();
    processor->prepareToPlay (48000.0, 256); // the host runs audio: its threads' values wait for the delivery timer
    EXPECT_EQ (clock->runningTimers(), timersWithoutAudio + 1);
    std::thread audio ([&] { pan->setValue (0.75f); }); // what a host's audio thread does
    audio.join();
    EXPECT_NEAR (pan->getValue(), 0.75f, 1.0e-6f);
    EXPECT_TRUE (ports->log->sent.empty());
    EXPECT_EQ (pan->getText (0.75f, 100), processor->liveParameterText (41, 32));

    clock->step (RevuDIAudioProcessor::hostDeliveryMs);
    EXPECT_EQ (controller().getLiveValue (41), 32);
    ASSERT_FALSE (ports->log->controllers().empty());
    EXPECT_EQ (ports->log->controllers().front(), (std::array<int, 3> { 3, 10, 95 }));
    EXPECT_TRUE (heard.heard.empty());

    // A change from a page is told once; the same value again is not.
    processor->setLiveValue (-64, 41, true);
    processor->setLiveValue (-64, 41, true);
    ASSERT_EQ (heard.heard.size(), 1u);
    EXPECT_EQ (heard.heard[0].second, 0.0f);

    // The host's own window sets values on the message thread: they apply at once, and no
    // timer runs while the host runs no audio.
    processor->releaseResources();
    EXPECT_EQ (clock->runningTimers(), timersWithoutAudio);
    ports->log->clear();
    pan->setValue (0.5f);
    EXPECT_EQ (controller().getLiveValue (41), 0);
    EXPECT_FALSE (ports->log->controllers().empty());
    pan->removeListener (&heard);
}

TEST_F (ProcessorPrograms, AProgramFromTheInstrumentTellsTheHostItsWholeChannelBlock)
{
    HeardValues program, programNumber;
    processor->getParameters()[16 + 11]->addListener (&program);
    processor->getParameters()[16 + 15]->addListener (&programNumber);

    controller().connection().openInputPort (1);
    ports->feed (juce::MidiMessage::programChange (2, 4));
    EXPECT_EQ (program.heard.size(), 1u);
    EXPECT_EQ (programNumber.heard.size(), 1u);
    EXPECT_NEAR (program.heard[0].second, 3.0f / 2047.0f, 1.0e-6f);

    processor->getParameters()[16 + 11]->removeListener (&program);
    processor->getParameters()[16 + 15]->removeListener (&programNumber);
}
