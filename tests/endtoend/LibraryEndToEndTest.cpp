// The library manager against the emulator: an arrangement applied from the
// library reaches the instrument as the programs of its 16 channels.

#include "model/ArrangementState.h"
#include "model/FactoryBanks.h"
#include "support/EmulatorWindow.h"

#include <gtest/gtest.h>

using namespace zr9;
using namespace zr9::emulator;
using namespace zr9::test;

namespace
{
struct LibraryEndToEnd : EmulatorWindowFixture
{
    LibraryEndToEnd() { openWindowOnTheEmulator(); }
};} // namespace

TEST_F (LibraryEndToEnd, ApplyingAnEntrySendsItsSixteenProgramsToTheInstrument)
{
    ASSERT_TRUE (controller().connection().isConnected());
    main->openLibraryManager();
    auto& page = *main->libraryManager()->page();
    const int rock[] { 3, 277, 201, 449, 454, 56, 146, 300, 273, 225, 511, 195, 466, 141, 130, 331 };
    const auto rockState = ArrangementState::make (Factory_Banks_ZR9::arrangementBank().slice (2 * arrangement::recordSize, arrangement::recordSize));
    page.library().add (U"Rock set", ByteView (rockState));
    page.list().refresh();
    page.list().selectRow (0);

    const int before = zr9().requestsOfKind (sysex::commandChannelProgram);
    ASSERT_TRUE (page.button (LibClass::idApply)->isVisible());
    page.button (LibClass::idApply)->clicked();
    EXPECT_TRUE (controller().isInputPaused()) << "the instrument is given time to switch its mode";
    ASSERT_TRUE (runMessageLoopUntil ([&] { return zr9().requestsOfKind (sysex::commandChannelProgram) == before + 16; }));
    for (int c = 0; c < 16; ++c)
        EXPECT_EQ (zr9().channelProgram (c), rock[c]) << c;
    EXPECT_EQ (page.notice(), "APPLIED: Rock set");

    // The input listens again once the pause is over, and the mixer shows what the instrument plays.
    clock->step (2000);
    EXPECT_FALSE (controller().isInputPaused());
    main->pageCommand (pagecommand::mixer, 1);
    main->deliverNotifications();
    EXPECT_EQ (main->mixerPage()->header().nameSlot (7).numberText(), "0300");
    waitForReplies();
    EXPECT_EQ (zr9().requestsOfKind (sysex::commandChannelProgram), before + 16) << "each channel exactly once";
}
