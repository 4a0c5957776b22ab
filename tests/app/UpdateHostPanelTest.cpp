#include "app/MainComp.h"
#include "support/ProcessorFixture.h"

#include <gtest/gtest.h>

using namespace zr9;
using namespace zr9::test;

namespace
{
/** A processor that reads and writes its library folder (a temporary one), as the program's does. */
std::unique_ptr<RevuDIAudioProcessor> persistentProcessor (const TempFolder& folder, std::shared_ptr<Clock> clock)
{
    auto options = processorOptions (folder, std::make_shared<FakeMidiPorts>(), std::move (clock), Files::kept);
    options.useDevices = false;
    return std::make_unique<RevuDIAudioProcessor> (options);
}

struct UpdateHostFixture : ::testing::Test
{
    UpdateHostFixture() { main = std::make_unique<MainComp> (*processor); }

    /** Lets the editor take the processor's notes. */
    bool shownUntil (const std::function<bool()>& done) { return runMessageLoopUntil (done); }

    TempFolder folder;
    std::shared_ptr<ManualClock> clock = std::make_shared<ManualClock>();
    std::unique_ptr<RevuDIAudioProcessor> processor = persistentProcessor (folder, clock);
    std::unique_ptr<MainComp> main;
};
} // namespace

TEST_F (UpdateHostFixture, OkStoresTheCurrentArrangementIntoTheHostsSlotWhichTheNextProcessorReads)
{
    processor->setCurrentProgram (1);
    main->arrangeMenu().perform (MainComp::itemUpdateHost);
    auto* panel = main->updateHostPanel();
    ASSERT_NE (panel, nullptr);
    EXPECT_TRUE (processor->isUpdateHostMode());
    EXPECT_EQ (panel->slotLabel(), "2: ");
    EXPECT_EQ (panel->nameField().getText(), "Hip Hop");

    // The host chooses slot 6: it only becomes the target, nothing is applied.
    const int channelOneBefore = processor->controller().getLiveValue (arrangement::programRow (0));
    processor->setCurrentProgram (5);
    ASSERT_TRUE (shownUntil ([&] { return panel->targetSlot() == 5; }));
    EXPECT_EQ (panel->slotLabel(), "6: ");
    EXPECT_EQ (panel->nameField().getText(), "------------------------");
    EXPECT_EQ (processor->controller().getLiveValue (arrangement::programRow (0)), channelOneBefore);

    // What plays now, under the typed name.
    processor->setLiveValue (300, arrangement::programRow (0), false);
    processor->setLiveValue (42, arrangement::programRow (15), false);
    panel->nameField().setText ("Gig Opener", false);
    panel->ok();
    EXPECT_EQ (main->updateHostPanel(), nullptr);
    EXPECT_FALSE (processor->isUpdateHostMode());
    EXPECT_EQ (processor->getProgramName (5), "Gig Opener");
    EXPECT_EQ (processor->controller().plugBank().name (5), "Gig Opener              ");
    EXPECT_EQ (processor->getProgramName (1).trimEnd(), "Hip Hop") << "other slots keep theirs";

    main.reset();
    processor.reset();
    auto fresh = persistentProcessor (folder, clock);
    EXPECT_EQ (fresh->getProgramName (5).trimEnd(), "Gig Opener");
    const auto record = fresh->controller().plugBank().record (5);
    EXPECT_EQ (arrangement::readField (ByteView (record), arrangement::liveFields()[0]), 300);
    EXPECT_EQ (arrangement::readField (ByteView (record), arrangement::liveFields()[15]), 42);
}

TEST_F (UpdateHostFixture, AnEmptyNameStoresUntitledAndCancelOrClosingTheEditorStoreNothing)
{
    main->openUpdateHostPanel();
    main->updateHostPanel()->nameField().setText ({}, false);
    main->updateHostPanel()->ok();
    EXPECT_EQ (processor->getProgramName (0).trimEnd(), "Untitled");

    const auto bank = processor->controller().plugBank().bankBytes();
    main->openUpdateHostPanel();
    main->updateHostPanel()->chooseSlot (9); // as a host would, without one
    ASSERT_TRUE (shownUntil ([&] { return main->updateHostPanel()->targetSlot() == 9; }));
    main->updateHostPanel()->cancel();
    EXPECT_EQ (main->updateHostPanel(), nullptr);
    EXPECT_FALSE (processor->isUpdateHostMode());
    EXPECT_EQ (processor->controller().plugBank().bankBytes(), bank);

    // An editor that goes with the panel open ends the mode: the host's program changes apply again.
    main->openUpdateHostPanel();
    EXPECT_TRUE (processor->isUpdateHostMode());
    main.reset();
    EXPECT_FALSE (processor->isUpdateHostMode());
    EXPECT_EQ (processor->controller().plugBank().bankBytes(), bank);
}
