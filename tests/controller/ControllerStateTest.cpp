#include "controller/MidiCntrState.h"
#include "support/TestController.h"
#include "support/TestHelpers.h"

#include <gtest/gtest.h>

using namespace zr9;
using namespace zr9::test;

namespace
{
struct RecordingListener final : stateListener
{
    explicit RecordingListener (std::vector<int>* o = nullptr, int n = 0) : order (o), name (n) {}
    void changesWaiting() override
    {
        ++waiting;
        if (order != nullptr)
            order->push_back (name);
    }
    void stateCode (std::uint32_t) override {}
    void parameterChanged (int, int) override {}

    int waiting = 0;
    std::vector<int>* order;
    int name;
};

/** A controller on fake ports, not touching the disk, with its output open on the first fake port. */
struct ControllerFixture : ::testing::Test
{
    ControllerFixture() : test (ports)
    {
        controller.connection().openOutputPort (1);
        controller.notifications().take();
        ports.log->clear();
    }

    /** Puts a program record into the program bank under number n. */
    void storeProgram (int n, const Bytes& record)
    {
        ASSERT_TRUE (controller.model().programBank().storeRecord (n, ByteView (record)));
    }

    int channelSlot (int c, int slot) const { return controller.getLiveValue (LiveTable::channelRow (c, slot)); }

    TempFolder folder;
    FakeMidiPorts ports;
    TestController test;
    MidiCntrState& controller = test.controller;
};
} // namespace

TEST_F (ControllerFixture, ListenersAreKeptOnceAndToldNewestFirst)
{
    std::vector<int> order;
    RecordingListener first (&order, 1), second (&order, 2);
    controller.notifications().addListener (&first);
    controller.notifications().addListener (&first);
    controller.notifications().addListener (&second);
    controller.notifications().postStateCode (statecode::refreshPages);
    EXPECT_EQ (first.waiting, 1);
    EXPECT_EQ (order, (std::vector<int> { 2, 1 }));

    controller.notifications().removeListener (&second);
    controller.notifications().postParameterChange (5, 1);
    EXPECT_EQ (second.waiting, 1);
    EXPECT_EQ (first.waiting, 2);
    controller.notifications().removeListener (&first);
}

TEST_F (ControllerFixture, NotificationsAreTakenInPostingOrderAndDecodeExactly)
{
    controller.notifications().postStateCode (statecode::make (statecode::noteOn, 3, 60, 100));
    controller.notifications().postParameterChange (2305, 32769);
    controller.notifications().postStateCode (statecode::offLine);
    controller.notifications().postParameterChange (9, 32770);
    controller.notifications().postParameterChange (10, -10);

    const auto batch = controller.notifications().take();
    ASSERT_EQ (batch.stateCodes.size(), 2u);
    EXPECT_EQ (batch.stateCodes[0], 0x90033C64u);
    EXPECT_EQ (batch.stateCodes[1], statecode::offLine);
    ASSERT_EQ (batch.parameterChanges.size(), 3u);

    const auto a = paramchange::decode (batch.parameterChanges[0]);
    const auto b = paramchange::decode (batch.parameterChanges[1]);
    const auto c = paramchange::decode (batch.parameterChanges[2]);
    EXPECT_TRUE (a.valid);
    EXPECT_EQ (a.row, 2305);
    EXPECT_EQ (a.value, 32769);
    EXPECT_EQ (b.value, -32766);
    EXPECT_EQ (c.value, -10);
    EXPECT_EQ (c.row, 10);
    EXPECT_TRUE (controller.notifications().take().stateCodes.empty()) << "taking empties both queues";
    EXPECT_FALSE (paramchange::decode ((std::uint64_t) 0x00020005u << 32).valid) << "only entries marked with 1 count";
}

TEST_F (ControllerFixture, EveryChannelStartsOnProgramOneFilledFromTheFactoryBank)
{
    const auto program1 = controller.model().programBank().bank().record (1);
    ASSERT_GT (program1.size(), 110u);
    for (int c = 0; c < 16; ++c)
    {
        EXPECT_EQ (controller.currentProgram (c), 1);
        EXPECT_EQ (channelSlot (c, LiveTable::slotProgram), 1);
        EXPECT_EQ (channelSlot (c, LiveTable::slotLevel), (int) (std::int8_t) program1[55]);
        EXPECT_EQ (controller.model().programEdit (c).record(), program1);
    }
}

TEST_F (ControllerFixture, ChannelProgramFillsTheBlockFromTheProgramBytes)
{
    Bytes record (300, 0);
    record[55] = 0xF6;
    record[58] = 70;
    record[83] = 0x03;
    record[84] = 0x01; record[85] = 0x02;
    record[86] = 0xE4;
    record[87] = 0x05;
    record[96] = 0x00; record[97] = 0x07;
    record[108] = 0x00; record[109] = 0x09;
    storeProgram (300, record);

    controller.programs().set (300, 4);
    EXPECT_EQ (controller.currentProgram (4), 300);
    EXPECT_EQ (channelSlot (4, LiveTable::slotInsertChain), 258);
    EXPECT_EQ (channelSlot (4, LiveTable::slotInsertOut), 1);
    EXPECT_EQ (channelSlot (4, LiveTable::slotAux1Chain), 7);
    EXPECT_EQ (channelSlot (4, LiveTable::slotAux1Level), 100);
    EXPECT_EQ (channelSlot (4, LiveTable::slotAux1Out), 1);
    EXPECT_EQ (channelSlot (4, LiveTable::slotAux2Chain), 9);
    EXPECT_EQ (channelSlot (4, LiveTable::slotAux2Level), 5);
    EXPECT_EQ (channelSlot (4, LiveTable::slotAux2Out), 0);
    EXPECT_EQ (channelSlot (4, LiveTable::slotPan), 70);
    EXPECT_EQ (channelSlot (4, LiveTable::slotLevel), -10);
    EXPECT_EQ (channelSlot (4, LiveTable::slotProgram), 300);
    EXPECT_EQ (channelSlot (4, LiveTable::slotProgramBank), 2);
    EXPECT_EQ (channelSlot (4, LiveTable::slotProgramNumber), 44);
    EXPECT_EQ (channelSlot (3, LiveTable::slotProgram), 1) << "other channels are left alone";
    EXPECT_TRUE (ports.log->sent.empty()) << "filling the block sends nothing";
}

TEST_F (ControllerFixture, TheSameProgramAgainChangesAndPostsNothing)
{
    RecordingListener listener;
    controller.notifications().addListener (&listener);
    controller.live().table().store (LiveTable::channelRow (2, LiveTable::slotPan), 99);
    controller.programs().set (1, 2);
    controller.programs().set (0, 2);
    controller.programs().set (-5, 2);
    EXPECT_EQ (listener.waiting, 0);
    EXPECT_EQ (channelSlot (2, LiveTable::slotPan), 99);
    EXPECT_EQ (controller.currentProgram (2), 1);
    controller.notifications().removeListener (&listener);
}

TEST_F (ControllerFixture, ShortProgramDataSetsTheProgramButLeavesTheBlock)
{
    auto& edit = controller.model().programEdit (6);
    const Bytes shortData (29, 0x11);
    edit.load (ByteView (shortData));
    controller.live().table().store (LiveTable::channelRow (6, LiveTable::slotPan), 12);
    ASSERT_FALSE (controller.model().programBank().bank().exists (2000));

    controller.programs().set (2000, 6);
    EXPECT_EQ (controller.currentProgram (6), 2000);
    EXPECT_EQ (channelSlot (6, LiveTable::slotPan), 12);
    EXPECT_EQ (channelSlot (6, LiveTable::slotProgram), 1);
}

TEST_F (ControllerFixture, ProgramRowFollowsTheChannelAndSendsTheChannelProgramMessage)
{
    controller.setLiveValue (261, LiveTable::channelRow (5, LiveTable::slotProgram), true);
    EXPECT_EQ (controller.currentProgram (5), 261);
    EXPECT_EQ (channelSlot (5, LiveTable::slotProgram), 261);
    const auto sysEx = ports.log->sysEx();
    ASSERT_EQ (sysEx.size(), 1u);
    EXPECT_EQ (sysEx[0], (std::vector<juce::uint8> { 0xF0, 0x07, 0x44, 0x03, 0x00, 0x20, 5, 2, 5, 0xF7 }));
    const auto batch = controller.notifications().take();
    ASSERT_EQ (batch.parameterChanges.size(), 1u);
    EXPECT_EQ (paramchange::decode (batch.parameterChanges[0]).row, 91);
}

TEST_F (ControllerFixture, LiveRowsAreSentByTheirKind)
{
    controller.setLiveValue (1, LiveTable::channelRow (0, LiveTable::slotFxAlloc), true);
    EXPECT_TRUE (ports.log->sent.empty()) << "FX Alloc never produces MIDI output";

    controller.setLiveValue (-20, LiveTable::channelRow (4, LiveTable::slotPan), true);
    const std::vector<std::array<int, 3>> pan { { 5, 10, 43 }, { 5, 110, 1 }, { 5, 111, 0 }, { 5, 112, 1 }, { 5, 113, 0 },
                                                { 5, 114, 22 }, { 5, 118, 63 }, { 5, 119, 108 } };
    EXPECT_EQ (ports.log->controllers(), pan);
    EXPECT_EQ (controller.getLiveValue (73), -20);

    ports.log->clear();
    controller.setLiveValue (-64, LiveTable::channelRow (0, LiveTable::slotPan), true);
    ASSERT_FALSE (ports.log->controllers().empty());
    EXPECT_EQ (ports.log->controllers()[0], (std::array<int, 3> { 1, 10, 0 })) << "pan -64 sends controller 10 clamped to 0";

    ports.log->clear();
    controller.setLiveValue (0, LiveTable::channelRow (1, LiveTable::slotLevel), true);
    controller.setLiveValue (-8192, LiveTable::channelRow (1, LiveTable::slotLevel), true);
    controller.setLiveValue (8191, LiveTable::channelRow (1, LiveTable::slotLevel), true);
    const auto sent = ports.log->controllers();
    ASSERT_EQ (sent.size(), 21u);
    EXPECT_EQ (sent[5][2], 64); EXPECT_EQ (sent[6][2], 0);
    EXPECT_EQ (sent[12][2], 0); EXPECT_EQ (sent[13][2], 0);
    EXPECT_EQ (sent[19][2], 127); EXPECT_EQ (sent[20][2], 127);

    ports.log->clear();
    controller.setLiveValue (64, LiveTable::controllerRow (2, 7), true);
    EXPECT_EQ (ports.log->controllers(), (std::vector<std::array<int, 3>> { { 3, 7, 64 } }));

    ports.log->clear();
    controller.setLiveValue (300, LiveTable::rowMulti, true);
    EXPECT_EQ (ports.log->sysEx(), (std::vector<std::vector<juce::uint8>> { { 0xF0, 0x07, 0x44, 0x03, 0x00, 0x11, 2, 44, 0xF7 } }));
}

TEST_F (ControllerFixture, AnUnsupportedInstrumentIsToldNothingButTheTableStillChanges)
{
    controller.connection().identityReplied ({ true, "Connected - Device Unknown", true });
    ports.log->clear();
    RecordingListener listener;
    controller.notifications().addListener (&listener);
    controller.setLiveValue (30, LiveTable::channelRow (0, LiveTable::slotPan), true);
    controller.setLiveValue (2, LiveTable::rowPlayingMode, true);
    EXPECT_TRUE (ports.log->sent.empty());
    EXPECT_EQ (controller.getLiveValue (LiveTable::rowPlayingMode), 2);
    EXPECT_EQ (listener.waiting, 2);
    controller.notifications().removeListener (&listener);
}

TEST_F (ControllerFixture, IdentityRequestGoesOutAndMarksTheInstrumentOffLine)
{
    controller.connection().identityReplied ({ true, "HALVORN ZR9", false });
    controller.notifications().take();
    controller.connection().sendIdentityRequest();
    EXPECT_FALSE (controller.connection().isConnected());
    EXPECT_EQ (ports.log->sysEx(), (std::vector<std::vector<juce::uint8>> { { 0xF0, 0x7E, 0x7F, 0x06, 0x01, 0xF7 } }));
    const auto batch = controller.notifications().take();
    ASSERT_EQ (batch.stateCodes.size(), 1u);
    EXPECT_EQ (batch.stateCodes[0], statecode::offLine);
}

TEST_F (ControllerFixture, InputPauseEndsByItselfAndARestartExtendsIt)
{
    controller.pauseInput (60);
    EXPECT_TRUE (controller.isInputPaused());
    test.clock->step (30);
    controller.pauseInput (100);
    test.clock->step (50);
    EXPECT_TRUE (controller.isInputPaused()) << "the second pause restarted the time";
    test.clock->step (49);
    EXPECT_TRUE (controller.isInputPaused());
    test.clock->step (1);
    EXPECT_FALSE (controller.isInputPaused());
}

TEST_F (ControllerFixture, InputPortsOpenCloseAndReopen)
{
    controller.connection().openInputPort (1);
    EXPECT_TRUE (controller.connection().isInputOpen());
    EXPECT_TRUE (ports.log->inputStarted);
    EXPECT_EQ (ports.log->inputCallback, &controller.input());

    controller.connection().openInputPort (2);
    EXPECT_FALSE (controller.connection().isInputOpen()) << "a port beyond the list opens nothing and the old one is closed";
    EXPECT_EQ (controller.connection().inputPortNumber(), 0);
    EXPECT_FALSE (ports.log->inputStarted);

    controller.connection().openInputPort (1);
    controller.connection().openInputPort (0);
    EXPECT_FALSE (controller.connection().isInputOpen());
}

TEST_F (ControllerFixture, ClearKeysReleasesAllHundredTwentyEightKeys)
{
    controller.keys().set (0, true);
    controller.keys().set (127, true);
    controller.keys().set (128, true);
    EXPECT_TRUE (controller.keys().isDown (127));
    EXPECT_FALSE (controller.keys().isDown (128));
    controller.keys().clear();
    EXPECT_FALSE (controller.keys().isDown (0));
    EXPECT_FALSE (controller.keys().isDown (127));
}
