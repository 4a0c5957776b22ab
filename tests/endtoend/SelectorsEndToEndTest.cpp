// The selectors and the controls page against the emulator: what is chosen
// reaches the instrument, and what the instrument sends moves the page.

#include "app/MainComp.h"
#include "emulator/ZR9Emulator.h"
#include "library/RevuDIAudioProcessor.h"
#include "pages/FxcSelClass.h"
#include "pages/PrgSelClass.h"
#include "support/ProcessorFixture.h"

#include <gtest/gtest.h>

using namespace zr9;
using namespace zr9::emulator;
using namespace zr9::test;

namespace
{
struct SelectorsEndToEnd : ::testing::Test
{
    SelectorsEndToEnd()
    {
        main = std::make_unique<MainComp> (*processor);
        for (int tick = 0; tick < 50 && controller().scan().state() == PortScan::State::running; ++tick)
        {
            waitForReplies();
            clock->step (PortScan::tickMs);
        }
        waitForReplies();
        runMessageLoopUntil ([&] { return controller().currentProgram (15) == zr9().channelProgram (15); });
        clock->step (2000); // the input pause of the playing mode ends
    }

    MidiCntrState& controller() { return processor->controller(); }
    VirtualInstrument& zr9() { return ports->emulator().instrument(); }
    void waitForReplies() { runMessageLoopUntil ([&] { return ports->emulator().line().isIdle(); }); }
    bool deliveredUntil (const std::function<bool()>& done)
    {
        return runMessageLoopUntil ([&] { main->deliverNotifications(); return done(); });
    }

    TempFolder folder;
    std::shared_ptr<ManualClock> clock = std::make_shared<ManualClock>();
    std::shared_ptr<EmulatorPortProvider> ports = std::make_shared<EmulatorPortProvider> (std::make_shared<FakeMidiPorts> (2, 2));
    std::unique_ptr<RevuDIAudioProcessor> processor = makeTestProcessor (folder, ports, clock);
    std::unique_ptr<MainComp> main;
};
} // namespace

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
