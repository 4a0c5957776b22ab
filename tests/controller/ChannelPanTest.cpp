// The pan row of a channel: read from the program as the signed value the
// instrument stores, and moved by the pan controller the instrument sends.

#include "controller/MidiCntrState.h"
#include "support/TestController.h"
#include "support/TestHelpers.h"

#include <gtest/gtest.h>

using namespace zr9;
using namespace zr9::test;

namespace
{
struct PanFixture : ::testing::Test
{
    PanFixture() : test (ports)
    {
        controller.connection().openOutputPort (1);
        controller.connection().openInputPort (1);
        controller.notifications().take();
        ports.log->clear();
    }
    int pan (int c) const { return controller.getLiveValue (LiveTable::channelRow (c, LiveTable::slotPan)); }

    FakeMidiPorts ports;
    TestController test;
    MidiCntrState& controller = test.controller;
};
} // namespace

TEST_F (PanFixture, AProgramsPanIsSigned)
{
    std::vector<std::uint8_t> record (300, 0);
    record[58] = 0xEC; // 20 to the left
    ASSERT_TRUE (controller.model().programBank().storeRecord (301, ByteView (record)));
    controller.programs().set (301, 6);
    EXPECT_EQ (pan (6), -20);
    EXPECT_EQ (controller.live().table().text (LiveTable::channelRow (6, LiveTable::slotPan), nullptr), "L: 20");
}

TEST_F (PanFixture, ThePanControllerMovesThePanRowWithoutSendingItBack)
{
    ports.feed (juce::MidiMessage::controllerEvent (5, 10, 43));
    EXPECT_EQ (pan (4), -20);
    EXPECT_EQ (controller.getLiveValue (LiveTable::controllerRow (4, 10)), 43) << "the controller row as before";
    const auto batch = controller.notifications().take().parameterChanges;
    ASSERT_EQ (batch.size(), 2u);
    EXPECT_EQ (paramchange::decode (batch[1]).row, LiveTable::channelRow (4, LiveTable::slotPan));
    EXPECT_EQ (paramchange::decode (batch[1]).value, -20);

    ports.feed (juce::MidiMessage::controllerEvent (5, 10, 0));
    EXPECT_EQ (pan (4), -63);
    ports.feed (juce::MidiMessage::controllerEvent (5, 10, 127));
    EXPECT_EQ (pan (4), 64);
    EXPECT_TRUE (ports.log->sent.empty());

    // What the pan row sends comes back as the same value.
    controller.setLiveValue (-37, LiveTable::channelRow (4, LiveTable::slotPan), true);
    controller.notifications().take();
    ports.feed (juce::MidiMessage::controllerEvent (5, 10, ports.log->controllers().front()[2]));
    EXPECT_EQ (pan (4), -37);
    EXPECT_TRUE (controller.notifications().take().parameterChanges.size() == 1u) << "only the controller row was new";
}
