// The mixer page against the emulator: what the instrument sends moves the
// strips, and what the user moves on a strip reaches the instrument.

#include "support/EmulatorWindow.h"

#include <gtest/gtest.h>

using namespace zr9;
using namespace zr9::emulator;
using namespace zr9::test;

namespace
{
struct MixerEndToEnd : EmulatorWindowFixture
{
    MixerEndToEnd()
    {
        openWindowOnTheEmulator();
        main->pageCommand (pagecommand::mixer, 1);
    }

    ChMixerComp& mixer() { return *main->mixerPage(); }
};} // namespace

TEST_F (MixerEndToEnd, ThePagesStripsShowTheInstrumentsChannelPrograms)
{
    ASSERT_TRUE (controller().connection().isConnected());
    for (int c = 0; c < 16; ++c)
    {
        const int program = zr9().channelProgram (c);
        EXPECT_EQ (mixer().header().nameSlot (c).numberText(), juce::String (program).paddedLeft ('0', 4));
        const auto& first = mixer().header().nameSlot (c).lines().first;
        EXPECT_FALSE (first.isEmpty()) << c;
        EXPECT_TRUE (juce::String (zr9().objectName (typeProgram, program)).startsWith (first)) << c;
    }
}

TEST_F (MixerEndToEnd, WhatTheInstrumentSendsMovesTheStrips)
{
    zr9().sendController (5, 10, 43);
    EXPECT_TRUE (deliveredUntil ([&] { return mixer().strip (4).control (LiveTable::slotPan).text() == "L: 20"; }));

    zr9().sendProgramChange (3, 0, 7);
    EXPECT_TRUE (deliveredUntil ([&] { return mixer().strip (2).nameSlot().numberText() == "0007"; }));
    EXPECT_EQ (mixer().header().nameSlot (2).lines().first,
               NameSlot::splitName (juce::String (controller().model().programBank().snapshot()->name (7))).first);
    EXPECT_EQ (mixer().strip (2).control (LiveTable::slotLevel).value(),
               controller().getLiveValue (LiveTable::channelRow (2, LiveTable::slotLevel))) << "the strip re-read its controls";
}

TEST_F (MixerEndToEnd, WhatTheUserMovesOnAStripReachesTheInstrument)
{
    mixer().strip (4).control (LiveTable::slotPan).slider()->setValue (-20.0, juce::sendNotificationSync);
    EXPECT_TRUE (runMessageLoopUntil ([&] { return zr9().parameter ({ 1, 0, 1, 0, 22 }, 5, 999) == -20; }));
    EXPECT_EQ (zr9().controllerValue (5, 10), 43);

    auto& level = mixer().strip (11).control (LiveTable::slotLevel);
    EXPECT_TRUE (level.enterText ("-12"));
    EXPECT_TRUE (runMessageLoopUntil ([&] { return zr9().parameter ({ 1, 0, 1, 0, 20 }, 12, 999) == -12; }));

    auto& insert = mixer().strip (0).control (LiveTable::slotInsertChain);
    const int chain = insert.value() == 2048 ? 2047 : insert.value() + 1;
    insert.slider()->setValue (chain, juce::sendNotificationSync);
    EXPECT_TRUE (runMessageLoopUntil ([&] { return zr9().parameter ({ 1, 0, 5, 0, 1 }, 1, 0) == chain; }));
    EXPECT_EQ (level.text(), "-12 dB") << "the change came back through the notifications unchanged";
}
