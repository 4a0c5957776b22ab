// The selectors and the controls page against the emulator: what is chosen
// reaches the instrument, and what the instrument sends moves the page.

#include "pages/selectors/FxcSelClass.h"
#include "pages/selectors/PrgSelClass.h"
#include "support/EmulatorWindow.h"

#include <gtest/gtest.h>

using namespace zr9;
using namespace zr9::emulator;
using namespace zr9::test;

namespace
{
struct SelectorsEndToEnd : EmulatorWindowFixture
{
    SelectorsEndToEnd()
    {
        openWindowOnTheEmulator();
        clock->step (2000); // the input pause of the playing mode ends
    }
};} // namespace

TEST_F (SelectorsEndToEnd, AProgramChosenOnChannelThreeIsWhatTheInstrumentPlaysThere)
{
    ASSERT_TRUE (controller().connection().isConnected());
    controller().notes().selectChannel (3);
    main->gskButtonPressed (AppBar::buttonProgram);
    auto* programs = dynamic_cast<PrgSelClass*> (main->selectorPage (MainComp::slotProgramSelector));
    ASSERT_NE (programs, nullptr);
    EXPECT_EQ (programs->litNumber(), zr9().channelProgram (2)) << "opened on what channel 3 plays";

    programs->setCategoryFilter (4);
    programs->setSearchText ("drawbar");
    ASSERT_GT (programs->list().size(), 1);
    const int chosen = programs->list().row (1).number;
    programs->table().selectRow (1);
    EXPECT_TRUE (runMessageLoopUntil ([&] { return zr9().channelProgram (2) == chosen; }));
    EXPECT_NE (zr9().channelProgram (1), chosen);

    ASSERT_TRUE (programs->enterNumber ("1024"));
    EXPECT_TRUE (runMessageLoopUntil ([&] { return zr9().channelProgram (2) == 1024; }));
}

TEST_F (SelectorsEndToEnd, MultisAndChainsChosenReachTheInstrument)
{
    main->gskButtonPressed (AppBar::buttonMulti);
    auto* multis = main->selectorPage (MainComp::slotSetupSelector);
    ASSERT_NE (multis, nullptr);
    ASSERT_TRUE (multis->choose (42));
    EXPECT_TRUE (runMessageLoopUntil ([&] { return zr9().lastValueMessage() == 42; }));

    main->pageCommand (pagecommand::selector, 1, selectortype::aux2Chain, 4);
    auto* chains = dynamic_cast<FxcSelClass*> (main->selectorPage (MainComp::slotFxChainSelector));
    ASSERT_NE (chains, nullptr);
    ASSERT_TRUE (chains->choose (1));
    EXPECT_TRUE (runMessageLoopUntil ([&] { return zr9().parameter ({ 1, 0, 5, 2, 1 }, 5, 0) == 1; }));
}

TEST_F (SelectorsEndToEnd, TheControlsPageFollowsWhatTheInstrumentSendsAndSendsWhatIsMoved)
{
    controller().notes().selectChannel (6);
    main->gskButtonPressed (AppBar::buttonControls);
    auto* controls = main->controlsPage();
    ASSERT_NE (controls, nullptr);

    zr9().sendController (6, 74, 99);
    EXPECT_TRUE (deliveredUntil ([&] { return controls->control (74).value() == 99; }));
    zr9().sendController (6, 1, 30);
    EXPECT_TRUE (deliveredUntil ([&] { return controls->modulationDisplay().value() == 30; }));
    zr9().sendController (7, 74, 5);
    runMessageLoopFor (30);
    main->deliverNotifications();
    EXPECT_EQ (controls->control (74).value(), 99) << "another channel's controller is not this page's";

    controls->control (71).slider()->setValue (64, juce::sendNotificationSync);
    EXPECT_TRUE (runMessageLoopUntil ([&] { return zr9().controllerValue (6, 71) == 64; }));
}
