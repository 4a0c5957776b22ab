// The main component's side of the selectors and the controls page: which
// command opens which page, where it lies, "OK", and what the pages are told.

#include "app/MainComp.h"
#include "library/RevuDIAudioProcessor.h"
#include "pages/selectors/FxcSelClass.h"
#include "pages/selectors/PrgSelClass.h"
#include "support/ProcessorFixture.h"

#include <gtest/gtest.h>

using namespace zr9;
using namespace zr9::test;

namespace
{
struct MainCompSelectors : ProcessorFixture
{
    MainCompSelectors()
    {
        clock->step (MainComp::versionDisplayMs);
        controller().notifications().take();
    }
    ObjectSelector* selector (int slot) { return main.selectorPage (slot); }
    MainComp main { *processor };
};
} // namespace

TEST_F (MainCompSelectors, ProgramAndMultiOpenTheirSelectorsOnWhatPlaysNow)
{
    controller().notes().selectChannel (3);
    controller().setLiveValue (17, LiveTable::channelRow (2, LiveTable::slotProgram), false);
    main.gskButtonPressed (AppBar::buttonProgram);

    auto* programs = dynamic_cast<PrgSelClass*> (selector (MainComp::slotProgramSelector));
    ASSERT_NE (programs, nullptr);
    EXPECT_TRUE (main.isPageShown (MainComp::slotProgramSelector));
    EXPECT_EQ (main.shownSelector(), programs);
    EXPECT_EQ (programs->litNumber(), 17) << "the program of the controller's channel 3";
    EXPECT_EQ (programs->channelChooser().getSelectedId(), 3);
    EXPECT_EQ (programs->getBounds(), juce::Rectangle<int> (16, 64, 1024 - 32, 798 - 24 - 64)) << "its column and the list beside it";

    // The multi row starts at 1; a value below it still opens on multi 1.
    controller().live().table().store (LiveTable::rowMulti, 0);
    main.gskButtonPressed (AppBar::buttonMulti);
    auto* multis = selector (MainComp::slotSetupSelector);
    ASSERT_NE (multis, nullptr);
    EXPECT_FALSE (main.isPageShown (MainComp::slotProgramSelector)) << "one selector at a time";
    EXPECT_FALSE (programs->isVisible());
    EXPECT_EQ (multis->litNumber(), 1);
    controller().setLiveValue (12, LiveTable::rowMulti, false);
    main.deliverNotifications();
    EXPECT_EQ (multis->litNumber(), 12) << "the shown setup selector follows row 2304";

    main.gskButtonPressed (AppBar::buttonProgram);
    EXPECT_EQ (selector (MainComp::slotProgramSelector), programs) << "made once, shown again";
}

TEST_F (MainCompSelectors, EveryObjectTypeOpensItsOwnSelectorAndOthersNone)
{
    const std::vector<std::pair<int, int>> types { { 133, MainComp::slotKeyMapSelector }, { 103, MainComp::slotIntonationSelector },
                                                   { 163, MainComp::slotPatternSelector }, { 164, MainComp::slotVelocitySelector },
                                                   { 168, MainComp::slotArpSelector }, { 112, MainComp::slotSongSelector },
                                                   { 787, MainComp::slotAlgorithmSelector }, { 114, MainComp::slotSetupSelector } };
    for (const auto& [type, slot] : types)
    {
        main.pageCommand (pagecommand::selector, 1, type, 1);
        ASSERT_NE (selector (slot), nullptr) << type;
        EXPECT_TRUE (main.isPageShown (slot)) << type;
        EXPECT_EQ (selector (slot)->objectType(), type == 787 ? typeAlgorithm : type == 114 ? typeSetup : type) << type;
    }
    EXPECT_EQ (selector (MainComp::slotSongSelector)->emptyListText(), "No songs fetched yet: receive them from the instrument first");

    main.pageCommand (pagecommand::selector, 1, 999, 1);
    EXPECT_TRUE (main.isPageShown (MainComp::slotSetupSelector)) << "a type without a selector changes nothing";
}

TEST_F (MainCompSelectors, TheMixersChainChoiceOpensTheChainSelectorAndOkGoesBack)
{
    main.pageCommand (pagecommand::mixer, 1);
    auto& chooser = main.mixerPage()->strip (5).control (LiveTable::slotAux2Chain);
    chooser.slider()->setValue (chooser.value() + 1, juce::sendNotificationSync);
    ASSERT_TRUE (runMessageLoopUntil ([&] { return main.isPageShown (MainComp::slotFxChainSelector); }));

    auto* chains = dynamic_cast<FxcSelClass*> (selector (MainComp::slotFxChainSelector));
    ASSERT_NE (chains, nullptr);
    EXPECT_EQ (chains->channel(), 5);
    EXPECT_EQ (chains->slot(), LiveTable::slotAux2Chain);
    EXPECT_EQ (chains->targetText(), "Ch. 6  Aux 2");
    EXPECT_EQ (chains->litNumber(), chooser.value()) << "the chain the mixer landed on";
    EXPECT_FALSE (main.isPageShown (MainComp::slotMixer));

    // Choosing in the selector sets the row; the mixer shows it when it is back.
    const int other = chains->list().row (0).number == chooser.value() ? chains->list().row (1).number : chains->list().row (0).number;
    ASSERT_TRUE (chains->choose (other));
    main.deliverNotifications();
    EXPECT_EQ (chains->litNumber(), other);
    // A new program on the channel brings its own chains: the lit row follows.
    const int chainRow = LiveTable::channelRow (5, LiveTable::slotAux2Chain);
    const auto& bank = controller().model().programBank();
    const auto fits = [&] (int p)
    {
        const int chain = bank.bank().wordAt (p, 108);
        return p != controller().currentProgram (5) && chain != other && chains->list().find (chain) != nullptr;
    };
    int program = 1;
    while (program < 256 && ! fits (program))
        ++program;
    controller().setLiveValue (program, LiveTable::channelRow (5, LiveTable::slotProgram), false);
    main.deliverNotifications();
    ASSERT_NE (controller().getLiveValue (chainRow), other);
    EXPECT_EQ (chains->litNumber(), controller().getLiveValue (chainRow));

    ASSERT_TRUE (chains->choose (other));
    chains->gskButtonPressed (ObjectSelector::actionOk);
    EXPECT_TRUE (main.isPageShown (MainComp::slotMixer)) << "OK goes back to the page it came from";
    EXPECT_EQ (chooser.value(), other);
}

TEST_F (MainCompSelectors, SelectorsStayAboveTheOpenKeyboardPanelAndOkWithoutAPageBeforeShowsTheMixer)
{
    main.gskButtonPressed (AppBar::buttonProgram);
    auto* programs = selector (MainComp::slotProgramSelector);
    main.pageCommand (pagecommand::keyboardPanel, 1);
    EXPECT_EQ (programs->getBottom(), main.keyboardOpenTop());
    EXPECT_EQ (programs->getY(), 64);
    main.pageCommand (pagecommand::keyboardPanel, 0);
    EXPECT_EQ (programs->getBottom(), 798 - 24);

    // A window too low for a list above the panel lets the panel cover the page as it covers the mixer.
    main.setSize (1024, 600);
    main.pageCommand (pagecommand::keyboardPanel, 1);
    EXPECT_EQ (programs->getBottom(), 600 - 24);
    main.pageCommand (pagecommand::keyboardPanel, 0);

    programs->gskButtonPressed (ObjectSelector::actionOk);
    EXPECT_EQ (main.shownSelector(), nullptr);
    EXPECT_FALSE (programs->isVisible());
    EXPECT_TRUE (main.isPageShown (MainComp::slotMixer)) << "never an empty page area";
}

TEST_F (MainCompSelectors, TheControlsPageFollowsControllerRowsWheelsAndTheChannelChosenElsewhere)
{
    controller().notes().selectChannel (2);
    main.gskButtonPressed (AppBar::buttonControls);
    auto* controls = main.controlsPage();
    ASSERT_NE (controls, nullptr);
    EXPECT_TRUE (main.isPageShown (MainComp::slotControls));
    EXPECT_TRUE (main.appBar().button (AppBar::buttonControls)->isSelected());
    EXPECT_EQ (main.currentPageCode(), 111);
    EXPECT_EQ (controls->channel(), 1);

    controller().live().takeReported (LiveTable::controllerRow (1, 91), 77);
    controller().notifications().postStateCode (statecode::makeWheel (1, 0));
    controller().notifications().postStateCode (statecode::make (statecode::controller, 1, 1, 55));
    main.deliverNotifications();
    EXPECT_EQ (controls->control (91).value(), 77);
    EXPECT_EQ (controls->pitchDisplay().text(), "-8192");
    EXPECT_EQ (controls->modulationDisplay().value(), 55);

    // A refresh (after an arrangement) re-reads rows stored without a notification of their own.
    controller().live().table().store (LiveTable::controllerRow (1, 10), 12);
    controller().notifications().postStateCode (statecode::refreshPages);
    main.deliverNotifications();
    EXPECT_EQ (controls->control (10).value(), 12);

    // The channel chosen on the keyboard panel moves the controls page and the program selector with it.
    main.gskButtonPressed (AppBar::buttonProgram);
    auto* programs = dynamic_cast<PrgSelClass*> (selector (MainComp::slotProgramSelector));
    controller().setLiveValue (44, LiveTable::channelRow (6, LiveTable::slotProgram), false);
    main.deliverNotifications();
    main.keyboardPanel().keyboard().channelChosen (7);
    EXPECT_EQ (programs->channelChooser().getSelectedId(), 7);
    EXPECT_EQ (programs->litNumber(), 44);
    EXPECT_EQ (controls->channel(), 6);

    // And the other way: a channel chosen on the selector shows on the keyboard panel.
    programs->channelChooser().setSelectedId (12, juce::sendNotificationSync);
    EXPECT_EQ (main.keyboardPanel().keyboard().channelButton().getButtonText(), "Channel  12");
    EXPECT_EQ (controls->channel(), 11);
}

TEST_F (MainCompSelectors, LibraryOnTheProgramAndMultiListsOpensTheArrangementLibrary)
{
    main.gskButtonPressed (AppBar::buttonProgram);
    auto* programs = selector (MainComp::slotProgramSelector);
    ASSERT_NE (programs, nullptr);
    auto& library = programs->actionButton (ObjectSelector::actionLibrary);
    ASSERT_TRUE (library.isEnabled());
    EXPECT_EQ (main.libraryManager(), nullptr);
    library.triggerClick();
    runMessageLoopUntil ([&] { return main.libraryManager() != nullptr; }, 500);
    EXPECT_NE (main.libraryManager(), nullptr);

    main.pageCommand (pagecommand::selector, 1, selectortype::keyMap, 1);
    EXPECT_FALSE (selector (MainComp::slotKeyMapSelector)->actionButton (ObjectSelector::actionLibrary).isEnabled())
        << "a key map is no arrangement: its list has no library to open";
}

TEST_F (MainCompSelectors, EditOnTheProgramListOpensTheEditorOnTheListsChannelAndOnTheMultiListTheSetupEditor)
{
    main.gskButtonPressed (AppBar::buttonProgram);
    auto* programs = dynamic_cast<PrgSelClass*> (selector (MainComp::slotProgramSelector));
    ASSERT_NE (programs, nullptr);
    programs->channelChooser().setSelectedId (5);
    auto& edit = programs->actionButton (ObjectSelector::actionEdit);
    ASSERT_TRUE (edit.isEnabled());
    edit.triggerClick();
    runMessageLoopUntil ([&] { return main.isPageShown (MainComp::slotProgramEditor); }, 500);
    ASSERT_NE (main.programEditor(), nullptr);
    EXPECT_TRUE (main.isPageShown (MainComp::slotProgramEditor));
    EXPECT_EQ (main.programEditor()->channel(), 4) << "the channel the list works on, 0-based";

    main.gskButtonPressed (AppBar::buttonMulti);
    auto& editSetup = selector (MainComp::slotSetupSelector)->actionButton (ObjectSelector::actionEdit);
    ASSERT_TRUE (editSetup.isEnabled());
    editSetup.triggerClick();
    runMessageLoopUntil ([&] { return main.isPageShown (MainComp::slotSetupEditor); }, 500);
    EXPECT_TRUE (main.isPageShown (MainComp::slotSetupEditor));
}
