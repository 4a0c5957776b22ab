#include "app/MainComp.h"
#include "pages/selectors/FxcSelClass.h"
#include "library/RevuDIAudioProcessor.h"
#include "support/PointerEvents.h"
#include "support/ProcessorFixture.h"

#include <gtest/gtest.h>

using namespace zr9;
using namespace zr9::test;

namespace
{
/** Keeps what is logged while it is the current logger. */
struct MainCompMixer : ProcessorFixture
{
    MainCompMixer()
    {
        clock->step (MainComp::versionDisplayMs); // the greeting goes
        controller().notifications().take();
    }
    ChMixerComp& mixer() { return *main.mixerPage(); }
    MainComp main { *processor };
};
} // namespace

TEST_F (MainCompMixer, MixerButtonShowsThePageOnceMadeAndLightsItself)
{
    ASSERT_NE (main.mixerPage(), nullptr) << "made with the other children";
    EXPECT_TRUE (main.isPageShown (MainComp::slotMixer)) << "the first page of a first start";
    main.gskButtonPressed (AppBar::buttonControls);
    EXPECT_FALSE (main.isPageShown (MainComp::slotMixer));

    main.gskButtonPressed (AppBar::buttonMixer);
    EXPECT_TRUE (main.isPageShown (MainComp::slotMixer));
    EXPECT_TRUE (mixer().isVisible());
    EXPECT_EQ (main.mixerPage(), main.page (MainComp::slotMixer)) << "the same page, not a new one";
    EXPECT_EQ (mixer().getBounds(), juce::Rectangle<int> (16, 64, 1024 - 32, 798 - 24 - 64));
    EXPECT_EQ (mixer().horizontalOffset(), 9);
    EXPECT_TRUE (main.appBar().button (AppBar::buttonMixer)->isSelected());
    EXPECT_FALSE (main.appBar().button (AppBar::buttonControls)->isSelected());
    EXPECT_TRUE (main.appBar().button (AppBar::buttonProgram)->isSelected()) << "the playing mode stays lit beside it";
    EXPECT_EQ (main.currentPageCode(), 113);

    main.pageCommand (pagecommand::selector, 1, selectortype::program, 1);
    EXPECT_FALSE (main.isPageShown (MainComp::slotMixer)) << "the program selector takes its place";
    main.pageCommand (pagecommand::mixer, 1);
    EXPECT_TRUE (main.isPageShown (MainComp::slotMixer));
    EXPECT_EQ (main.previousPageCode(), 0);
}

TEST_F (MainCompMixer, ChangesFromElsewhereReachTheShownPageAndAHiddenPageCatchesUp)
{
    main.gskButtonPressed (AppBar::buttonControls); // the mixer, shown first, goes into hiding
    const int panRow = LiveTable::channelRow (4, LiveTable::slotPan);
    auto& pan = mixer().strip (4).control (LiveTable::slotPan);

    controller().setLiveValue (-20, panRow, false);
    main.deliverNotifications();
    EXPECT_EQ (pan.value(), 0) << "a hidden page does not follow";
    controller().notifications().postStateCode (statecode::make (statecode::noteOn, 4, 60, 90));
    main.deliverNotifications();
    EXPECT_EQ (mixer().strip (4).meter().level(), 0);

    main.pageCommand (pagecommand::mixer, 1);
    EXPECT_EQ (pan.text(), "L: 20") << "it catches up as it is shown";

    controller().setLiveValue (12, panRow, false);
    controller().notifications().postStateCode (statecode::make (statecode::noteOn, 4, 60, 90));
    main.deliverNotifications();
    EXPECT_EQ (pan.text(), "R: 12");
    EXPECT_EQ (mixer().strip (4).meter().level(), 90);

    // Refresh-pages (after an arrangement) re-reads values stored without a notification of their own.
    controller().live().table().store (panRow, -5);
    controller().live().table().store (LiveTable::channelRow (9, LiveTable::slotLevel), -30);
    controller().notifications().postStateCode (statecode::refreshPages);
    main.deliverNotifications();
    EXPECT_EQ (pan.text(), "L: 5");
    EXPECT_EQ (mixer().strip (9).control (LiveTable::slotLevel).text(), "-30 dB");

    controller().setLiveValue (7, LiveTable::channelRow (2, LiveTable::slotProgram), false);
    main.deliverNotifications();
    EXPECT_EQ (mixer().header().nameSlot (2).numberText(), "0007");
}

TEST_F (MainCompMixer, AnEffectChainChoiceBecomesTheSelectorCommandForItsSlotAndChannel)
{
    main.pageCommand (pagecommand::mixer, 1);
    auto& chooser = mixer().strip (5).control (LiveTable::slotAux2Chain);
    chooser.slider()->setValue (chooser.value() + 1, juce::sendNotificationSync);
    chooser.slider()->setValue (chooser.value() + 1, juce::sendNotificationSync);

    ASSERT_TRUE (runMessageLoopUntil ([&] { return main.isPageShown (MainComp::slotFxChainSelector); }));
    auto* chains = dynamic_cast<FxcSelClass*> (main.page (MainComp::slotFxChainSelector));
    ASSERT_NE (chains, nullptr);
    EXPECT_EQ (chains->slot(), selectortype::aux2Chain);
    EXPECT_EQ (chains->channel(), 5) << "the sixth strip's channel, 0-based";
    EXPECT_TRUE (mixer().takeEvents().empty()) << "one command for one chooser";
}

TEST_F (MainCompMixer, ADragThroughTheChainsOpensTheSelectorWhereItEnds)
{
    main.pageCommand (pagecommand::mixer, 1);
    auto& chooser = mixer().strip (2).control (LiveTable::slotInsertChain);
    auto& slider = *chooser.slider();
    const auto middle = slider.getLocalBounds().getCentre().toFloat();
    const int before = chooser.value();

    slider.mouseDown (pointerEvent (slider, middle, middle));
    EXPECT_TRUE (chooser.isInGesture());
    slider.mouseDrag (pointerEvent (slider, middle.translated (0.0f, -40.0f), middle));
    slider.mouseDrag (pointerEvent (slider, middle.translated (0.0f, -80.0f), middle));
    ASSERT_NE (chooser.value(), before) << "the drag goes through the chains";
    runMessageLoopFor (50);
    EXPECT_FALSE (main.isPageShown (MainComp::slotFxChainSelector)) << "the selector waits while the mouse is held";

    slider.mouseUp (pointerEvent (slider, middle.translated (0.0f, -80.0f), middle));
    EXPECT_FALSE (chooser.isInGesture());
    ASSERT_TRUE (runMessageLoopUntil ([&] { return main.isPageShown (MainComp::slotFxChainSelector); }));
    auto* chains = dynamic_cast<FxcSelClass*> (main.page (MainComp::slotFxChainSelector));
    ASSERT_NE (chains, nullptr);
    EXPECT_EQ (chains->slot(), selectortype::insertChain);
    EXPECT_EQ (chains->channel(), 2);
}
