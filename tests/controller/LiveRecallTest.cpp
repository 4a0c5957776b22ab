#include "controller/MidiCntrState.h"
#include "model/MidiControllers.h"
#include "model/SysexFormat.h"
#include "support/FakeMidiPorts.h"
#include "support/TestController.h"

#include <gtest/gtest.h>

using namespace zr9;
using namespace zr9::test;

namespace
{
struct LiveRecallFixture : ::testing::Test
{
    LiveRecallFixture() : test (ports)
    {
        controller.connection().openOutputPort (1);
        controller.connection().openInputPort (1);
        controller.plugBank().apply (ByteView (record (1)));
        test.clock->step (2000); // the instrument has changed over
        ports.log->clear();
    }

    /** A record in the given mode with program 100 + c on channel c + 1. */
    static Bytes record (int mode, int firstProgram = 100)
    {
        Bytes r (arrangement::recordSize, 0);
        for (int c = 0; c < 16; ++c)
            putWord (r, 24 + 2 * c, firstProgram + c);
        putWord (r, 56, 7);
        putByte (r, 58, mode);
        return r;
    }

    LiveRecall& recall() { return controller.recall(); }

    /** The controller-address values sent, as (channel, fifth address number, value); pan's controller 10 as (channel, -10, value). */
    std::vector<std::array<int, 3>> valuesSent() const
    {
        std::vector<std::array<int, 3>> out;
        const auto cc = ports.log->controllers();
        for (size_t i = 0; i < cc.size(); ++i)
        {
            if (cc[i][1] == midicc::pan)
                out.push_back ({ cc[i][0], -10, cc[i][2] });
            else if (cc[i][1] == midicc::lastAddress && i + 2 < cc.size())
                out.push_back ({ cc[i][0], cc[i][2], cc[i + 1][2] * 128 + cc[i + 2][2] - midicc::addressValueOffset });
            else if (cc[i][1] < midicc::firstAddress || cc[i][1] > midicc::valueLow)
                out.push_back (cc[i]);
        }
        return out;
    }

    int programsSent() const
    {
        int n = 0;
        for (const auto& m : ports.log->sysEx())
            n += m.size() > 6 && m[5] == sysex::commandChannelProgram ? 1 : 0;
        return n;
    }

    FakeMidiPorts ports;
    TestController test;
    MidiCntrState& controller = test.controller;
};

const int panCh3 = LiveTable::channelRow (2, LiveTable::slotPan);
const int levelCh1 = LiveTable::channelRow (0, LiveTable::slotLevel);
} // namespace

TEST_F (LiveRecallFixture, ChangesFromEverySideAreKeptUntilTheNextArrangement)
{
    controller.setLiveValue (-20, panCh3, true);                                   // a page
    ports.feed (juce::MidiMessage::controllerEvent (2, 7, 90));                    // the instrument
    ports.feed (juce::MidiMessage::controllerEvent (2, midicc::firstSwitchPedal, 127)); // a held pedal
    ports.feed (juce::MidiMessage::controllerEvent (2, 121, 0));                   // a command
    ports.feed (juce::MidiMessage::programChange (4, 9));                          // a program from the instrument
    controller.setLiveValue (3, LiveTable::rowMultiBank, false);                   // a global row no record carries

    const auto kept = recall().current (5);
    EXPECT_EQ (kept.slot, 5);
    ASSERT_EQ (kept.record.size(), 300u);
    EXPECT_EQ (ByteView (kept.record).word (24 + 2 * 3), 9) << "the program the instrument chose is in the arrangement";
    EXPECT_EQ (ByteView (kept.record).word (24), 100);
    const std::vector<RecallState::LiveValue> expected { { panCh3, -20 }, { LiveTable::controllerRow (1, 7), 90 },
                                                         { LiveTable::rowMultiBank, 3 } };
    EXPECT_EQ (kept.values, expected);
    EXPECT_EQ (controller.plugBank().scratch(), record (1)) << "keeping builds nothing into the scratch record";

    controller.plugBank().apply (ByteView (record (1, 200)));
    EXPECT_TRUE (recall().current (5).values.empty());
}

TEST_F (LiveRecallFixture, ARestoreStoresAtOnceAndSendsPacedOnceTheInstrumentChangedOver)
{
    RecallState::Recall r;
    r.slot = 2;
    r.record = record (2, 300);
    r.values = { { panCh3, 30 }, { levelCh1, -10 }, { LiveTable::controllerRow (15, 11), 64 },
                 { LiveTable::channelRow (0, LiveTable::slotProgram), 5 }, { LiveTable::controllerRow (0, 121), 0 } };
    recall().restore (r);

    // The arrangement goes out at once: mode, multi, 16 programs; the values are read back at once.
    EXPECT_EQ (programsSent(), 16);
    EXPECT_EQ (controller.currentProgram (0), 300) << "the arrangement's program, not a value for its row";
    EXPECT_EQ (controller.getLiveValue (panCh3), 30);
    EXPECT_EQ (controller.getLiveValue (levelCh1), -10);
    EXPECT_EQ (controller.getLiveValue (LiveTable::controllerRow (15, 11)), 64);
    EXPECT_EQ (recall().waiting(), 3);

    const auto beforeValues = valuesSent().size(); // the playing mode
    test.clock->step (2000 + LiveRecall::sendIntervalMs - 1);
    EXPECT_EQ (valuesSent().size(), beforeValues) << "nothing while the instrument changes over";
    test.clock->step (1);
    ASSERT_EQ (valuesSent().size(), beforeValues + 2) << "pan: its controller 10 and its address";
    EXPECT_EQ (valuesSent()[beforeValues], (std::array<int, 3> { 3, -10, 93 }));
    EXPECT_EQ (valuesSent()[beforeValues + 1], (std::array<int, 3> { 3, 22, 30 }));

    test.clock->step (LiveRecall::sendIntervalMs);
    EXPECT_EQ (valuesSent().back(), (std::array<int, 3> { 1, 20, -10 }));
    test.clock->step (LiveRecall::sendIntervalMs);
    EXPECT_EQ (valuesSent().back(), (std::array<int, 3> { 16, 11, 64 }));
    EXPECT_EQ (recall().waiting(), 0);

    const auto all = valuesSent().size();
    test.clock->step (10 * LiveRecall::sendIntervalMs);
    EXPECT_EQ (valuesSent().size(), all) << "the program and the command controller are never sent as values";
    EXPECT_EQ (programsSent(), 16);

    // What was restored is what the next save keeps, in row order.
    const std::vector<RecallState::LiveValue> kept { { levelCh1, -10 }, { panCh3, 30 }, { LiveTable::controllerRow (15, 11), 64 } };
    EXPECT_EQ (recall().current (2).values, kept);
}

TEST_F (LiveRecallFixture, AnArrangementAppliedMeanwhileDropsWhatHasNotGoneOut)
{
    RecallState::Recall r;
    r.record = record (1);
    r.values = { { panCh3, 30 }, { levelCh1, -10 }, { LiveTable::controllerRow (0, 7), 100 } };
    recall().restore (r);
    test.clock->step (2000 + LiveRecall::sendIntervalMs);
    EXPECT_EQ (recall().waiting(), 2);

    controller.plugBank().apply (ByteView (record (1, 400)));
    ports.log->clear();
    test.clock->step (2000 + 10 * LiveRecall::sendIntervalMs);
    EXPECT_TRUE (ports.log->controllers().empty());
    EXPECT_EQ (recall().waiting(), 0);
}
