// The MIDI monitor opens from the MIDI setup panel's button; in a plug-in's
// editor it lies over the lower part of the pages, and its CLOSE takes it
// down once its click is over.

#include "app/MainComp.h"
#include "support/ProcessorFixture.h"
#include "support/TestHelpers.h"

using namespace zr9;
using namespace zr9::test;

namespace
{
struct MainCompMonitor : ProcessorFixture
{
    MainCompMonitor() : ProcessorFixture (2, 2) {}
};
} // namespace

TEST_F (MainCompMonitor, TheSetupPanelsButtonOpensTheMonitorOverTheLowerPages)
{
    MainComp main (*processor);
    main.pageCommand (pagecommand::midiSetup, 1);
    ASSERT_NE (main.midiSetupPanel(), nullptr);
    EXPECT_EQ (main.midiSetupPanel()->monitorButton().getButtonText(), "MIDI MONITOR");
    EXPECT_TRUE (main.midiSetupPanel()->monitorButton().isVisible());

    main.midiSetupPanel()->monitorButton().triggerClick();
    ASSERT_TRUE (runMessageLoopUntil ([&] { return main.midiMonitor() != nullptr; }));
    EXPECT_FALSE (main.isMidiSetupShown()) << "the setup panel gives way";
    auto* monitor = main.midiMonitor();
    EXPECT_TRUE (monitor->isVisible());
    EXPECT_EQ (monitor->getBottom(), main.getHeight() - 24);
    EXPECT_EQ (monitor->getHeight(), MainComp::monitorPanelHeight);
    EXPECT_TRUE (controller().monitor().isRecording());

    // Opening again keeps the one monitor.
    main.openMidiMonitor();
    EXPECT_EQ (main.midiMonitor(), monitor);

    // CLOSE: the monitor goes after its own click, and the taps stop.
    monitor->onClose();
    EXPECT_NE (main.midiMonitor(), nullptr);
    ASSERT_TRUE (runMessageLoopUntil ([&] { return main.midiMonitor() == nullptr; }));
    EXPECT_FALSE (controller().monitor().isRecording());
}
