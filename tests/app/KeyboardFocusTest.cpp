#include "app/MainComp.h"
#include "library/RevuDIAudioProcessor.h"
#include "support/ProcessorFixture.h"

#include <gtest/gtest.h>

using namespace zr9;
using namespace zr9::test;

namespace
{
struct Keys : ProcessorFixture
{
    Keys()
    {
        main = std::make_unique<MainComp> (*processor);
        main->pageCommand (pagecommand::versionPanel, 0);
        main->setScanMode (false); // the port scan's panel, open from the start, would keep the keys
    }

    std::vector<juce::Component*> order() { return main->createKeyboardFocusTraverser()->getAllComponents (main.get()); }

    static juce::KeyPress ctrl (char digit) { return juce::KeyPress (digit, juce::ModifierKeys::ctrlModifier, 0); }
    bool escape() { return main->keyPressed (juce::KeyPress (juce::KeyPress::escapeKey)); }

    /**
        Whether a click on the component takes the keys from the player, by
        the framework's rule: a component that grabs on clicks takes the
        focus when it wants it; otherwise its traverser's default control
        does, or, failing that, its parent is asked the same, up to the
        main component, which holds the player.
    */
    bool clickTakesKeys (juce::Component& clicked)
    {
        if (! clicked.getMouseClickGrabsKeyboardFocus())
            return false;
        for (auto* c = &clicked; c != nullptr && c != main.get(); c = c->getParentComponent())
        {
            if (c->getWantsKeyboardFocus())
                return true;
            if (auto t = c->createKeyboardFocusTraverser(); t != nullptr && t->getDefaultComponent (c) != nullptr)
                return true;
        }
        return false;
    }

    std::unique_ptr<MainComp> main;
};

template <typename Wanted>
void collect (juce::Component& root, std::vector<Wanted*>& found)
{
    for (auto* c : root.getChildren())
    {
        if (auto* w = dynamic_cast<Wanted*> (c))
            found.push_back (w);
        collect (*c, found);
    }
}

int indexOf (const std::vector<juce::Component*>& all, const juce::Component* c)
{
    const auto at = std::find (all.begin(), all.end(), c);
    return at == all.end() ? -1 : (int) (at - all.begin());
}
} // namespace

TEST_F (Keys, TabMovesThroughTheBarTheMixerStripByStripAndThePlayerAndRoundAgain)
{
    ASSERT_TRUE (main->isPageShown (MainComp::slotMixer));
    const auto all = order();
    ASSERT_GT (all.size(), 8u + 16u * 7u);
    for (int i = 0; i < AppBar::buttonCount; ++i)
        EXPECT_EQ (all[(size_t) i], main->appBar().buttonAt (i)) << "the bar's buttons first, left to right";
    EXPECT_EQ (all.back(), &main->keyPlayer()) << "the player last, as it sits at the bottom";

    // Nothing the page keeps off its strips, unseen, is a stop.
    for (auto* c : all)
    {
        bool seen = main->getLocalBounds().contains (main->getLocalArea (c, c->getLocalBounds()).getCentre());
        for (auto* p = c; p != main.get() && p != nullptr; p = p->getParentComponent())
            seen = seen && p->isVisible() && p->getParentComponent() != nullptr
                   && p->getParentComponent()->getLocalBounds().contains (p->getBounds().getCentre());
        EXPECT_TRUE (seen) << "an unseen stop: " << c->getTitle() << " " << typeid (*c).name();
    }

    // Every value control of the mixer is reached, channel after channel, each strip from the top down.
    auto& mixer = *main->mixerPage();
    int previous = -1;
    for (int strip = 0; strip < 16; ++strip)
    {
        std::vector<juce::Component*> widgets;
        for (int slot = 0; slot < mixer::controlCount; ++slot)
        {
            if (! mixer::controls[(size_t) slot].onStrip)
                continue; // kept off the strip, unseen
            auto& c = mixer.strip (strip).control (slot);
            widgets.push_back (c.slider() != nullptr ? static_cast<juce::Component*> (c.slider()) : c.button());
        }
        std::sort (widgets.begin(), widgets.end(), [&] (auto* a, auto* b) {
            return main->getLocalPoint (a, juce::Point<int>()).y < main->getLocalPoint (b, juce::Point<int>()).y;
        });
        for (auto* w : widgets)
        {
            const int at = indexOf (all, w);
            ASSERT_GE (at, 0) << "strip " << strip << " " << w->getTitle();
            EXPECT_GT (at, previous) << "strip " << strip << " " << w->getTitle();
            previous = at;
        }
    }

    // Round from the last to the first and back.
    auto traverser = main->createKeyboardFocusTraverser();
    EXPECT_EQ (traverser->getNextComponent (&main->keyPlayer()), main->appBar().buttonAt (0));
    EXPECT_EQ (traverser->getPreviousComponent (main->appBar().buttonAt (0)), &main->keyPlayer());
    EXPECT_EQ (traverser->getNextComponent (main->appBar().buttonAt (0)), main->appBar().buttonAt (1));
    EXPECT_EQ (traverser->getNextComponent (main->appBar().buttonAt (7)), all[8]);

    // The open keyboard panel comes after the page.
    main->pageCommand (pagecommand::keyboardPanel, 1);
    const auto withKeys = order();
    const auto firstKeysControl = std::find_if (withKeys.begin(), withKeys.end(), [&] (auto* c) { return main->keyboardPanel().isParentOf (c); });
    ASSERT_NE (firstKeysControl, withKeys.end());
    EXPECT_GT (firstKeysControl - withKeys.begin(), indexOf (withKeys, all[all.size() - 2]));
}

TEST_F (Keys, ASelectorIsTraversedInReadingOrderAndThePagesBehindItAreNot)
{
    main->pageCommand (pagecommand::selector, 1, selectortype::program, 1);
    auto* selector = main->selectorPage (MainComp::slotProgramSelector);
    ASSERT_NE (selector, nullptr);
    const auto all = order();
    const int number = indexOf (all, &selector->numberField());
    const int search = indexOf (all, &selector->searchField());
    const int category = indexOf (all, &selector->categoryBox());
    const int bank = indexOf (all, &selector->bankBox());
    const int list = indexOf (all, &selector->table());
    ASSERT_GE (number, 0);
    EXPECT_LT (number, search);
    EXPECT_LT (search, category);
    EXPECT_LT (category, bank);
    EXPECT_GE (list, 0);
    EXPECT_GE (indexOf (all, &selector->actionButton (ObjectSelector::actionOk)), 0);
    for (auto* c : all)
        EXPECT_FALSE (main->mixerPage()->isParentOf (c)) << "the hidden mixer is not reached";
}

TEST_F (Keys, TheWriteDialogKeepsTheKeysToItselfAndEscapeCancelsIt)
{
    main->openProgramEditor (0);
    main->openWriteDialog (ObjectEditing::programKind, 20);
    ASSERT_NE (main->writeDialog(), nullptr);
    const auto all = order();
    ASSERT_FALSE (all.empty());
    for (auto* c : all)
        EXPECT_TRUE (main->writeDialog()->isParentOf (c)) << c->getName() << " " << c->getTitle();
    EXPECT_GE (indexOf (all, &main->writeDialog()->destinationList()), 0);

    EXPECT_TRUE (escape());
    EXPECT_TRUE (runMessageLoopUntil ([&] { return main->writeDialog() == nullptr; }));
    EXPECT_TRUE (main->isPageShown (MainComp::slotProgramEditor)) << "the editor below stays";
}

TEST_F (Keys, EscapeClosesThePanelOnTopOneAtATime)
{
    EXPECT_FALSE (escape()) << "nothing open: the key is not taken";

    main->pageCommand (pagecommand::keyboardPanel, 1);
    main->pageCommand (pagecommand::versionPanel, 1);
    ASSERT_TRUE (main->isVersionPanelShown());
    EXPECT_TRUE (escape());
    EXPECT_FALSE (main->isVersionPanelShown());
    EXPECT_TRUE (controller().editorMemory().isKeyboardOpen()) << "one panel per key";
    EXPECT_TRUE (escape());
    EXPECT_FALSE (controller().editorMemory().isKeyboardOpen());

    main->pageCommand (pagecommand::midiSetup, 1);
    ASSERT_TRUE (main->isMidiSetupShown());
    EXPECT_EQ (order().front()->findParentComponentOfClass<MIDI_Setup>(), main->midiSetupPanel()) << "Tab stays in the panel";
    EXPECT_TRUE (escape());
    EXPECT_FALSE (main->isMidiSetupShown());

    main->setTransferPanelShown (2012);
    ASSERT_NE (main->transferPanel(), nullptr);
    EXPECT_TRUE (escape());
    EXPECT_EQ (main->transferPanel(), nullptr);

    main->openLibraryManager();
    ASSERT_NE (main->libraryManager(), nullptr);
    EXPECT_TRUE (escape());
    EXPECT_EQ (main->libraryManager(), nullptr);

    main->openMidiMonitor();
    ASSERT_NE (main->midiMonitor(), nullptr);
    EXPECT_TRUE (escape());
    EXPECT_EQ (main->midiMonitor(), nullptr);

    main->openUpdateHostPanel();
    ASSERT_NE (main->updateHostPanel(), nullptr);
    EXPECT_TRUE (escape());
    EXPECT_EQ (main->updateHostPanel(), nullptr);

    main->setScanMode (true);
    ASSERT_NE (main->scanPanel(), nullptr);
    EXPECT_TRUE (escape());
    EXPECT_EQ (main->scanPanel(), nullptr);
    EXPECT_FALSE (controller().scan().isActive());

    EXPECT_FALSE (escape());
    EXPECT_TRUE (main->isPageShown (MainComp::slotMixer)) << "the page itself stays";
}

TEST_F (Keys, CtrlAndANumberPressTheBarsButtonsInTheirOrder)
{
    EXPECT_TRUE (main->keyPressed (ctrl ('6')));
    EXPECT_TRUE (main->isPageShown (MainComp::slotControls));
    EXPECT_TRUE (main->keyPressed (ctrl ('5')));
    EXPECT_TRUE (main->isPageShown (MainComp::slotMixer));
    EXPECT_TRUE (main->keyPressed (ctrl ('1')));
    EXPECT_TRUE (main->isPageShown (MainComp::slotProgramSelector));
    EXPECT_EQ (main->appliedPlayingMode(), 1);
    EXPECT_TRUE (main->keyPressed (ctrl ('2')));
    EXPECT_TRUE (main->isPageShown (MainComp::slotSetupSelector));
    EXPECT_EQ (main->appliedPlayingMode(), 2);
    EXPECT_TRUE (main->keyPressed (ctrl ('4')));
    EXPECT_TRUE (controller().editorMemory().isKeyboardOpen());
    EXPECT_TRUE (main->keyPressed (ctrl ('4')));
    EXPECT_FALSE (controller().editorMemory().isKeyboardOpen());
    EXPECT_TRUE (main->keyPressed (ctrl ('8')));
    EXPECT_TRUE (main->isVersionPanelShown());
    EXPECT_TRUE (escape());
    EXPECT_TRUE (main->keyPressed (ctrl ('3')));
    EXPECT_TRUE (main->isMidiSetupShown());
    EXPECT_TRUE (escape());

    EXPECT_FALSE (main->keyPressed (ctrl ('9'))) << "no ninth button";
    EXPECT_FALSE (main->keyPressed (juce::KeyPress ('5', juce::ModifierKeys(), '5'))) << "a plain digit is not a shortcut";
    EXPECT_TRUE (main->isMidiSetupShown() == false && main->isPageShown (MainComp::slotSetupSelector));
}

TEST_F (Keys, ReturnAndSpacePressTheFocusedButtonAndThePlayerLetsTabAndEscapePass)
{
    auto& mixerButton = *main->appBar().button (AppBar::buttonControls);
    EXPECT_TRUE (mixerButton.getWantsKeyboardFocus());
    EXPECT_TRUE (mixerButton.keyPressed (juce::KeyPress (juce::KeyPress::spaceKey)));
    EXPECT_TRUE (runMessageLoopUntil ([&] { return main->isPageShown (MainComp::slotControls); }));
    EXPECT_TRUE (main->appBar().button (AppBar::buttonMixer)->keyPressed (juce::KeyPress (juce::KeyPress::returnKey)));
    EXPECT_TRUE (runMessageLoopUntil ([&] { return main->isPageShown (MainComp::slotMixer); }));

    auto& player = main->keyPlayer();
    EXPECT_FALSE (player.keyPressed (juce::KeyPress (juce::KeyPress::tabKey)));
    EXPECT_FALSE (player.keyPressed (juce::KeyPress (juce::KeyPress::tabKey, juce::ModifierKeys::shiftModifier, 0)));
    EXPECT_FALSE (player.keyPressed (juce::KeyPress (juce::KeyPress::escapeKey)));
    EXPECT_TRUE (player.keyPressed (juce::KeyPress ('q', juce::ModifierKeys(), 'q'))) << "the letters stay the player's";
}

TEST_F (Keys, ClicksOnTabsButtonsAndEmptyPageAreasLeaveTheKeysWithThePlayer)
{
    // The program editor: its tabs, its buttons and the page between them.
    main->openProgramEditor (0);
    auto* editor = main->programEditor();
    ASSERT_NE (editor, nullptr);
    std::vector<SkinButton*> buttons;
    collect (*editor, buttons);
    int tabs = 0;
    for (auto* b : buttons)
    {
        EXPECT_FALSE (clickTakesKeys (*b)) << b->getButtonText();
        tabs += b->number() == 0 ? 1 : 0;
    }
    EXPECT_GT (tabs, 1) << "the editor's tabs were found";
    EXPECT_FALSE (clickTakesKeys (*editor)) << "the editor's empty area";

    for (int i = 0; i < AppBar::buttonCount; ++i)
        EXPECT_FALSE (clickTakesKeys (*main->appBar().buttonAt (i)));
    EXPECT_FALSE (clickTakesKeys (main->appBar())) << "the bar between its buttons";

    main->gskButtonPressed (AppBar::buttonMixer);
    EXPECT_FALSE (clickTakesKeys (*main->mixerPage())) << "the mixer between its strips";
    EXPECT_FALSE (clickTakesKeys (main->mixerPage()->strip (3))) << "a strip's panel";
    EXPECT_FALSE (clickTakesKeys (main->mixerPage()->header().nameSlot (3)));

    // A value control still takes the keys on a click, so the arrow keys move it.
    EXPECT_TRUE (clickTakesKeys (*main->mixerPage()->strip (3).control (LiveTable::slotPan).slider()));
}
