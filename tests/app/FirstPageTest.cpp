#include "app/MainComp.h"
#include "app/AppSettings.h"
#include "library/RevuDIAudioProcessor.h"
#include "support/ProcessorFixture.h"

#include <gtest/gtest.h>

using namespace zr9;
using namespace zr9::test;

namespace
{
/** A program that ends and starts again on the same library folder, its settings kept in between. */
struct Restarts : ::testing::Test
{
    void start()
    {
        main.reset();
        processor.reset();
        processor = std::make_unique<RevuDIAudioProcessor> (
            processorOptions (folder, std::make_shared<FakeMidiPorts>(), std::make_shared<ManualClock>(), Files::kept));
        main = std::make_unique<MainComp> (*processor);
    }
    void end()
    {
        main.reset();
        processor.reset();
    }
    ~Restarts() override { end(); }

    /** The one page shown; -1 when none or more than one is. */
    int shownSlot() const
    {
        int shown = -1;
        for (int slot = 0; slot < MainComp::pageSlotCount; ++slot)
            if (main->isPageShown (slot))
            {
                if (shown >= 0 || main->page (slot) == nullptr || ! main->page (slot)->isVisible())
                    return -1;
                shown = slot;
            }
        return shown;
    }

    TempFolder folder;
    std::unique_ptr<RevuDIAudioProcessor> processor;
    std::unique_ptr<MainComp> main;
};
} // namespace

TEST_F (Restarts, TheProgramOpensOnThePageShownWhenItLastEnded)
{
    start();
    EXPECT_EQ (shownSlot(), MainComp::slotMixer) << "the mixer the first time, never an empty area";
    EXPECT_TRUE (main->appBar().button (AppBar::buttonMixer)->isSelected());

    main->gskButtonPressed (AppBar::buttonControls);
    start();
    EXPECT_EQ (shownSlot(), MainComp::slotControls);
    EXPECT_EQ (main->currentPageCode(), pagecommand::controls);

    main->pageCommand (pagecommand::selector, 1, selectortype::program, 1);
    start();
    EXPECT_EQ (shownSlot(), MainComp::slotProgramSelector);
    // OK on a selector the program opened on goes to the mixer, not to an empty area.
    main->selectorPage (MainComp::slotProgramSelector)->gskButtonPressed (ObjectSelector::actionOk);
    EXPECT_EQ (shownSlot(), MainComp::slotMixer);

    main->pageCommand (pagecommand::selector, 1, selectortype::setup, 1);
    start();
    EXPECT_EQ (shownSlot(), MainComp::slotSetupSelector);

    // A selector an editor or the mixer opens for one of its fields leaves the page below it remembered.
    main->gskButtonPressed (AppBar::buttonMixer);
    main->pageCommand (pagecommand::selector, 1, selectortype::aux1Chain, 4);
    EXPECT_EQ (shownSlot(), MainComp::slotFxChainSelector);
    start();
    EXPECT_EQ (shownSlot(), MainComp::slotMixer);

    main->openSetupEditor();
    start();
    EXPECT_EQ (shownSlot(), MainComp::slotSetupSelector) << "an editor reopens as the selector it is opened from";
}

TEST_F (Restarts, ADamagedEntryOpensTheMixer)
{
    start();
    processor->controller().settings().set (appsetting::firstPage, juce::String ("x17"));
    main.reset();
    main = std::make_unique<MainComp> (*processor);
    EXPECT_EQ (shownSlot(), MainComp::slotMixer);
    processor->controller().settings().set (appsetting::firstPage, 787); // a selector that needs a page below it
    main.reset();
    main = std::make_unique<MainComp> (*processor);
    EXPECT_EQ (shownSlot(), MainComp::slotMixer);
}
