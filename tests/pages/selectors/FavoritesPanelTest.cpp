// The favourites panel on its own and under the selectors: layout, press
// and hold, what a slot shows, the file it keeps, and what a selector does
// with the panel's events.

#include "library/LiveParameter.h"
#include "library/RevuDIAudioProcessor.h"
#include "pages/selectors/FavoriteCont.h"
#include "pages/selectors/PrgSelClass.h"
#include "pages/selectors/StpSelClass.h"
#include "support/ProcessorFixture.h"

#include <gtest/gtest.h>

using namespace zr9;
using namespace zr9::test;

namespace
{
struct FavoritesPanel : ::testing::Test
{
    FavoritesPanel()
    {
        auto options = processorOptions (folder, ports, clock, Files::kept);
        options.useDevices = false;
        processor = std::make_unique<RevuDIAudioProcessor> (options);
        controller().connection().openOutputPort (1);
    }
    MidiCntrState& controller() { return processor->controller(); }
    juce::File file() const { return folder.libraryFile ("Favorites.dat"); }
    std::unique_ptr<FavoriteCont> open (int mode)
    {
        auto panel = std::make_unique<FavoriteCont> (controller(), processor->libraryFiles().favorites(), mode);
        panel->setSize (992, 710);
        return panel;
    }
    void writeFile (const Bytes& bytes)
    {
        file().getParentDirectory().createDirectory();
        ASSERT_TRUE (file().replaceWithData (bytes.data(), bytes.size()));
    }
    Bytes fileBytes() const
    {
        juce::MemoryBlock m;
        file().loadFileAsData (m);
        const auto* b = static_cast<const std::uint8_t*> (m.getData());
        return Bytes (b, b + m.getSize());
    }
    static juce::Rectangle<int> placeOf (FavoriteCont& panel, int slot)
    {
        auto& b = panel.button (slot);
        return panel.getLocalArea (b.getParentComponent(), b.getBounds());
    }
    static void press (FavBut& b) { b.mouseDown (mouseEventOn (b)); }
    static void release (FavBut& b) { b.mouseUp (mouseEventOn (b)); }

    TempFolder folder;
    std::shared_ptr<ManualClock> clock = std::make_shared<ManualClock>();
    std::shared_ptr<FakeMidiPorts> ports = std::make_shared<FakeMidiPorts>();
    std::unique_ptr<RevuDIAudioProcessor> processor;
};
} // namespace

TEST_F (FavoritesPanel, FourColumnsOfEightRowsInTheirPlacesWithTheOffsetKeptForTheRun)
{
    auto programs = open (FavoriteCont::modePrograms);
    EXPECT_EQ (placeOf (*programs, 0), juce::Rectangle<int> (12, 40, 214, 105));
    EXPECT_EQ (placeOf (*programs, 7), juce::Rectangle<int> (224 * 3 + 12, -70 + 110 * 2, 214, 105)) << "slot 4r + c";
    EXPECT_EQ (programs->button (7).lcd().getBounds(), juce::Rectangle<int> (1, 1, 212, 103));
    EXPECT_EQ (programs->closeButton().getBounds(), juce::Rectangle<int> (992 - 67, 710 - 46, 60, 36));
    EXPECT_EQ (programs->assignControl().caption(), "Program Assign");
    EXPECT_EQ (programs->assignControl().displayType(), 2100);
    EXPECT_EQ (programs->hintText(), "To reassign, press and hold");

    programs->setGridOffset (-150);
    EXPECT_EQ (controller().favorites().gridOffset(), -150);
    EXPECT_EQ (placeOf (*programs, 4).getY(), -70 + 220 - 150);
    programs->setGridOffset (-5000);
    EXPECT_GE (controller().favorites().gridOffset(), -(8 * 110 + 105 + 12 - 700)) << "the grid is never scrolled out of reach";
    programs->setGridOffset (-150);
    programs.reset();

    auto setups = open (FavoriteCont::modeSetups);
    EXPECT_EQ (setups->gridOffset(), -150) << "the offset survives closing and reopening";
    EXPECT_EQ (placeOf (*setups, 31), juce::Rectangle<int> (224 * 3 + 12, -8 + 110 * 8 - 150, 214, 105));
    EXPECT_EQ (setups->assignControl().caption(), "Multi Assign");
    EXPECT_EQ (setups->assignControl().displayType(), 2800);
}

TEST_F (FavoritesPanel, APressReportsAtOnceAndAHoldOfOneSecondReportsAgain)
{
    auto panel = open (FavoriteCont::modePrograms);
    std::vector<std::pair<int, int>> events;
    panel->onEvent = [&] (int code, int slot) { events.emplace_back (code, slot); };

    auto& b = panel->button (6);
    press (b);
    EXPECT_TRUE (b.isHeld());
    clock->step (999);
    release (b);
    clock->step (2000);
    EXPECT_EQ (events, (std::vector<std::pair<int, int>> { { 501, 6 } })) << "let go within the second";

    events.clear();
    press (b);
    clock->step (999);
    EXPECT_EQ (events.size(), 1u);
    clock->step (1);
    EXPECT_EQ (events, (std::vector<std::pair<int, int>> { { 501, 6 }, { 504, 6 } }));
    clock->step (3000);
    release (b);
    EXPECT_EQ (events.size(), 2u) << "one hold, one 504";
    EXPECT_EQ (b.lastEvent(), 504);
}

TEST_F (FavoritesPanel, SlotsShowProgramsWithCategoryAndModeSetupsWithoutAndUnknownNumbersBare)
{
    const auto& programs = controller().model().programBank();
    const int tw3 = [&] { for (int n = 1; n <= 256; ++n) if (programs.isTw3 (n)) return n; return 0; }();
    ASSERT_GT (tw3, 0);
    auto panel = open (FavoriteCont::modePrograms);
    ASSERT_TRUE (panel->assign (0, 0, tw3));
    ASSERT_TRUE (panel->assign (1, 1, 12));
    ASSERT_TRUE (panel->assign (2, 0, 1500));

    const auto& shown = panel->button (0).lcd().texts();
    EXPECT_EQ (shown.number, juce::String (tw3));
    EXPECT_EQ (shown.name.toStdString(), SelectorList::displayName (programs.name (tw3)));
    EXPECT_EQ (shown.category.toStdString(), programs.categoryText (tw3));
    EXPECT_EQ (shown.mode, "TW3");

    const auto& setup = panel->button (1).lcd().texts();
    EXPECT_EQ (setup.number, "12");
    EXPECT_EQ (setup.name.toStdString(), SelectorList::displayName (controller().model().setupBank().bank().name (12)));
    EXPECT_FALSE (setup.name.isEmpty());
    EXPECT_TRUE (setup.category.isEmpty());
    EXPECT_TRUE (setup.mode.isEmpty());

    const auto& unknown = panel->button (2).lcd().texts();
    EXPECT_EQ (unknown.number, "1500");
    EXPECT_TRUE (unknown.name.isEmpty() && unknown.category.isEmpty() && unknown.mode.isEmpty());
    EXPECT_TRUE (panel->button (2).lcd().isVisible());

    EXPECT_FALSE (panel->button (3).holdsObject());
    EXPECT_FALSE (panel->button (3).lcd().isVisible()) << "an empty slot is a blank button";
    panel->highlightOnly (3);
    EXPECT_FALSE (panel->button (3).isHighlighted()) << "only a slot that holds something lights";
    panel->highlightOnly (1);
    EXPECT_TRUE (panel->button (1).isHighlighted());
    panel->highlightOnly (0);
    EXPECT_FALSE (panel->button (1).isHighlighted());
}

TEST_F (FavoritesPanel, TheFileIsWrittenAtEachAssignmentAndComesBackAfterItWasRemoved)
{
    auto panel = open (FavoriteCont::modePrograms);
    ASSERT_TRUE (panel->assign (5, 0, 1025));
    auto bytes = fileBytes();
    ASSERT_EQ (bytes.size(), 96u);
    EXPECT_EQ ((std::vector<int> { bytes[15], bytes[16], bytes[17] }), (std::vector<int> { 0x00, 0x04, 0x01 }));
    panel.reset();

    ASSERT_TRUE (file().deleteFile());
    panel = open (FavoriteCont::modePrograms);
    for (int i = 0; i < 32; ++i)
        EXPECT_FALSE (panel->button (i).holdsObject()) << i;
    EXPECT_FALSE (file().exists());
    panel->assign (9, 1, 3);
    bytes = fileBytes();
    ASSERT_EQ (bytes.size(), 96u) << "the file reappears at the next assignment";
    EXPECT_EQ ((std::vector<int> { bytes[27], bytes[28], bytes[29] }), (std::vector<int> { 1, 0, 3 }));
}

TEST_F (FavoritesPanel, AnotherProgramsChangeShowsWhenTheFileTimeChangesNotAtEveryPaint)
{
    Bytes first (96, 0);
    first[2] = 7;
    writeFile (first);
    auto panel = open (FavoriteCont::modePrograms);
    EXPECT_EQ (panel->button (0).number(), 7);

    // Replaced by a file of the same length and time: a paint does not read it, the next look does.
    const auto stamp = file().getLastModificationTime();
    Bytes second (96, 0);
    second[2] = 9;
    writeFile (second);
    file().setLastModificationTime (stamp);
    juce::Image canvas (juce::Image::ARGB, 992, 710, true);
    juce::Graphics g (canvas);
    panel->paintEntireComponent (g, false);
    EXPECT_EQ (panel->button (0).number(), 7);
    clock->step (FavoriteCont::fileCheckMs - 1);
    EXPECT_EQ (panel->button (0).number(), 7);
    clock->step (1);
    EXPECT_EQ (panel->button (0).number(), 9) << "another version of the file, though its time and length are the same";

    // Only its time changed, its bytes are the same: shown as before.
    file().setLastModificationTime (stamp + juce::RelativeTime::seconds (3));
    clock->step (FavoriteCont::fileCheckMs);
    EXPECT_EQ (panel->button (0).number(), 9);
}

TEST_F (FavoritesPanel, AFileOfAnotherLengthIsShownWithinItsEndAndNeverWrittenBack)
{
    Bytes odd (50, 0);
    odd[45] = 0;
    odd[46] = 0;
    odd[47] = 11; // slot 15, whole within the 50 bytes
    odd[48] = 0;
    odd[49] = 1;  // slot 16 is cut by the end
    writeFile (odd);
    auto panel = open (FavoriteCont::modePrograms);
    EXPECT_EQ (panel->button (15).number(), 11);
    EXPECT_FALSE (panel->button (16).holdsObject());
    EXPECT_FALSE (panel->button (31).holdsObject());
    EXPECT_TRUE (panel->isReadOnly());
    EXPECT_EQ (panel->hintText(), "Favorites.dat holds 50 bytes, not 96: changes are not saved");

    panel->assign (3, 0, 4);
    EXPECT_EQ (fileBytes(), odd) << "the file stays as it was";

    ASSERT_TRUE (file().deleteFile() && file().create());
    panel.reset();
    panel = open (FavoriteCont::modePrograms);
    EXPECT_FALSE (panel->button (0).holdsObject()) << "an empty file reads as no slots at all";
    EXPECT_FALSE (panel->assign (0, 0, 4));
    EXPECT_EQ (file().getSize(), 0);
}

TEST_F (FavoritesPanel, TheProgramSelectorRecallsOnPressAndAssignsTheHeldSlotThroughItsControl)
{
    controller().notes().selectChannel (2);
    PrgSelClass page (processor->controller(), processor->libraryFiles().favorites());
    page.setSize (992, 710);
    page.setVisible (true);
    page.openOn (1);
    page.gskButtonPressed (ObjectSelector::actionFavorites);
    auto* panel = page.favoritesPanel();
    ASSERT_NE (panel, nullptr);
    EXPECT_EQ (panel->getBounds(), page.getLocalBounds());

    const int programRow = LiveTable::channelRow (1, LiveTable::slotProgram);
    auto& slot4 = panel->button (4);
    press (slot4);
    clock->step (FavBut::holdMs);
    release (slot4);
    EXPECT_EQ (panel->assignTarget(), 4);
    EXPECT_TRUE (slot4.isAssignTarget());
    EXPECT_TRUE (panel->assignControl().isEnabled());
    EXPECT_EQ (controller().getLiveValue (programRow), 1) << "an empty slot recalls nothing";

    ASSERT_TRUE (panel->assignControl().enterText ("17"));
    EXPECT_EQ (controller().favorites().slot (4).number, 17);
    EXPECT_EQ (fileBytes()[12], 0);
    EXPECT_EQ (fileBytes()[14], 17);
    EXPECT_EQ (controller().getLiveValue (programRow), 17) << "the selector selects what was assigned";
    EXPECT_TRUE (slot4.isHighlighted());

    // A short press elsewhere recalls that slot and ends the assignment.
    panel->assign (8, 0, 30);
    press (panel->button (8));
    release (panel->button (8));
    EXPECT_EQ (controller().getLiveValue (programRow), 30);
    EXPECT_EQ (page.litNumber(), 30);
    EXPECT_EQ (panel->assignTarget(), -1);
    EXPECT_FALSE (panel->assignControl().isEnabled());
    EXPECT_TRUE (panel->button (8).isHighlighted());
    EXPECT_FALSE (slot4.isHighlighted());

    // A favourite whose program is gone recalls nothing; a setup switches to multi mode and sets the multi.
    panel->assign (9, 0, 1500);
    press (panel->button (9));
    release (panel->button (9));
    EXPECT_EQ (controller().getLiveValue (programRow), 30);
    panel->assign (10, 1, 5);
    press (panel->button (10));
    release (panel->button (10));
    EXPECT_EQ (processor->controller().playingMode(), 2);
    EXPECT_EQ (controller().getLiveValue (LiveTable::rowMulti), 5);

    page.gskButtonPressed (ObjectSelector::actionOk);
    EXPECT_EQ (page.favoritesPanel(), nullptr) << "the panel lives while it is open";
}

TEST_F (FavoritesPanel, AFavouriteMultiSwitchesThePlayingModeAsTheHostsAutomationLeftIt)
{
    StpSelClass page (processor->controller(), processor->libraryFiles().favorites());
    page.setSize (992, 710);
    page.setVisible (true);
    page.openOn (1);
    page.gskButtonPressed (ObjectSelector::actionFavorites);
    auto* panel = page.favoritesPanel();
    ASSERT_NE (panel, nullptr);
    panel->assign (3, FavoritesBlock::kindSetup, 5);
    auto recall = [&] {
        press (panel->button (3));
        release (panel->button (3));
    };
    auto* mode = processor->liveParameter (LiveTable::rowPlayingMode);
    ASSERT_NE (mode, nullptr);

    // The host's automation puts the instrument into multi mode: the favourite needs no switch.
    mode->setValueNotifyingHost (1.0f);
    ASSERT_EQ (controller().getLiveValue (LiveTable::rowPlayingMode), 2);
    clock->step (5000); // any pause of the automation's own is over
    recall();
    EXPECT_EQ (controller().getLiveValue (LiveTable::rowMulti), 5);
    EXPECT_FALSE (controller().isInputPaused()) << "no switch, so no pause for the instrument to change over";

    // Back to program mode from the host: the next recall switches to multi mode, with its pause.
    mode->setValueNotifyingHost (0.0f);
    ASSERT_EQ (controller().getLiveValue (LiveTable::rowPlayingMode), 1);
    clock->step (5000);
    recall();
    EXPECT_EQ (controller().playingMode(), 2);
    EXPECT_EQ (controller().getLiveValue (LiveTable::rowPlayingMode), 2);
    EXPECT_TRUE (controller().isInputPaused()) << "the instrument changes over to multi mode";
}
