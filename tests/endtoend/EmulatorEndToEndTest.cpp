// The whole path against the emulator: the processor and its controller, the
// output control, the incoming dispatch and the port scan, with the emulator
// listed after two fake ports on each side.

#include "app/MainComp.h"
#include "emulator/ZR9Emulator.h"
#include "library/RevuDIAudioProcessor.h"
#include "support/ProcessorFixture.h"

#include <gtest/gtest.h>

using namespace zr9;
using namespace zr9::emulator;
using namespace zr9::test;

namespace
{
struct EndToEnd : ::testing::Test
{
    MidiCntrState& controller() { return processor->controller(); }
    VirtualInstrument& zr9() { return ports->emulator().instrument(); }

    /** Lets the emulator answer what it was asked. */
    void waitForReplies() { runMessageLoopUntil ([&] { return ports->emulator().line().isIdle(); }); }

    /** Builds the main component, which shows the scan the processor started, and ticks the scan until it is over. */
    std::unique_ptr<MainComp> startAndScan()
    {
        auto main = std::make_unique<MainComp> (*processor);
        for (int tick = 0; tick < 50 && controller().scan().state() == PortScan::State::running; ++tick)
        {
            waitForReplies();
            clock->step (PortScan::tickMs);
        }
        waitForReplies();
        return main;
    }

    TempFolder folder;
    std::shared_ptr<ManualClock> clock = std::make_shared<ManualClock>();
    std::shared_ptr<EmulatorPortProvider> ports = std::make_shared<EmulatorPortProvider> (std::make_shared<FakeMidiPorts> (2, 2));
    std::unique_ptr<RevuDIAudioProcessor> processor = makeTestProcessor (folder, ports, clock);
};
} // namespace

TEST_F (EndToEnd, TheScanFindsTheEmulatorAndTakesItsChannelPrograms)
{
    auto main = startAndScan();
    EXPECT_EQ (main->scanPanel(), nullptr) << "the panel closed itself";
    EXPECT_TRUE (controller().connection().isConnected());
    EXPECT_FALSE (controller().connection().isScanMode());
    EXPECT_EQ (controller().settings().text (Setting::inputPort), "3");
    EXPECT_EQ (controller().settings().text (Setting::outputPort), "3");

    // The global-part check runs on the input thread once part 3 has arrived.
    EXPECT_TRUE (runMessageLoopUntil ([&] { return controller().currentProgram (15) == 16; }));
    for (int c = 0; c < 16; ++c)
        EXPECT_EQ (controller().currentProgram (c), zr9().channelProgram (c)) << c;
    EXPECT_TRUE (runMessageLoopUntil ([&] { return main->footer().statusText() == "HALVORN ZR9: ON-LINE"; }));
}

TEST_F (EndToEnd, LiveChangesReachTheInstrument)
{
    auto main = startAndScan();
    ASSERT_TRUE (controller().connection().isConnected());

    const int panRow = LiveTable::channelRow (4, LiveTable::slotPan);
    controller().setLiveValue (20, panRow, true);
    EXPECT_TRUE (runMessageLoopUntil ([&] { return zr9().parameter ({ 1, 0, 1, 0, 22 }, 5, -1) == 20; }));
    EXPECT_EQ (zr9().controllerValue (5, 10), 20 + 63) << "pan also goes as controller 10";

    controller().setLiveValue (1027, LiveTable::channelRow (2, LiveTable::slotProgram), true);
    EXPECT_EQ (zr9().channelProgram (2), 1027);
}

TEST_F (EndToEnd, AnotherInstrumentIsOnLineButHearsNoLiveValues)
{
    zr9().setIdentity (0x44, 4);
    auto main = startAndScan();
    ASSERT_TRUE (controller().connection().isConnected());
    EXPECT_TRUE (controller().connection().isUnsupportedDevice());
    EXPECT_TRUE (runMessageLoopUntil ([&] { return main->footer().statusText().contains ("WILL NOT WORK CORRECTLY"); }));

    const int before = zr9().messagesReceived();
    controller().setLiveValue (30, LiveTable::channelRow (0, LiveTable::slotLevel), true);
    controller().setLiveValue (5, LiveTable::channelRow (0, LiveTable::slotProgram), true);
    EXPECT_EQ (zr9().messagesReceived(), before);
}

TEST_F (EndToEnd, WithEveryReplyLostTheScanTriesEachPairOnceAndGivesUp)
{
    Faults lost;
    lost.dropNext = 1000;
    ports->emulator().line().setFaults (lost);
    auto main = startAndScan();
    ASSERT_NE (main->scanPanel(), nullptr);
    EXPECT_TRUE (main->scanPanel()->isNotFound());
    EXPECT_FALSE (controller().connection().isConnected());
    EXPECT_EQ (zr9().identityRequests(), 3) << "one request for each input paired with the emulator's output";
}

TEST_F (EndToEnd, AReplyInPiecesArrivesOnce)
{
    Faults split;
    split.splitInto = 4;
    ports->emulator().line().setFaults (split);
    auto main = startAndScan();
    ASSERT_TRUE (controller().connection().isConnected());
    runMessageLoopFor (100);
    EXPECT_EQ (zr9().requestsOfKind (sysex::commandGlobalPart), 1) << "one identity reply, one global-part request";
    EXPECT_EQ (controller().currentProgram (15), 16);
}

TEST_F (EndToEnd, AReplyDuringTheScanAtANewStartKeepsTheRememberedPair)
{
    // A program that found the instrument before opens the remembered pair at
    // start-up, and an answer may arrive the moment the scan begins.
    const auto options = processorOptions (folder, ports, clock, Files::kept);
    processor = std::make_unique<RevuDIAudioProcessor> (options);
    controller().settings().set (Setting::inputPort, "3");
    controller().settings().set (Setting::outputPort, "3");
    controller().settings().save();
    processor = std::make_unique<RevuDIAudioProcessor> (options);
    ASSERT_TRUE (controller().connection().isInputOpen());

    controller().connection().setScanMode (true);
    controller().connection().sendIdentityRequest();
    ASSERT_TRUE (runMessageLoopUntil ([&] { return controller().connection().isConnected(); }));
    EXPECT_EQ (controller().settings().text (Setting::inputPort), "3");
    EXPECT_EQ (controller().settings().text (Setting::outputPort), "3");
    controller().connection().setScanMode (false);
}
