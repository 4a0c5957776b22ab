// Every thread of the program at work at once: the message thread changing
// live values, storing banks and delivering notifications to the window; the
// output's sending thread carrying what it queues to the emulator; and the
// emulator's reply thread, which is the MIDI input thread, answering with
// identities and global parts. Built with ThreadSanitizer, this test is where
// a race between them shows.

#include "app/MainComp.h"
#include "emulator/ZR9Emulator.h"
#include "support/BankBuilder.h"
#include "support/ProcessorFixture.h"
#include "support/ThreadedOutputs.h"

#include <gtest/gtest.h>

using namespace zr9;
using namespace zr9::test;

TEST (ThreadsTogether, LiveChangesBankStoresAndRepliesRunAtOnce)
{
    TempFolder folder;
    auto clock = std::make_shared<ManualClock>();
    auto emulatorPorts = std::make_shared<emulator::EmulatorPortProvider> (std::shared_ptr<MidiPortProvider>());
    auto processor = makeTestProcessor (folder, std::make_shared<ThreadedOutputs> (emulatorPorts), clock);
    auto& controller = processor->controller();
    auto& zr9 = emulatorPorts->emulator().instrument();

    // The emulator is the only pair: the scan finds it on its first try.
    MainComp main (*processor);
    controller.connection().openInputPort (1);
    controller.connection().openOutputPort (1);

    auto& programs = controller.model().programBank();
    const auto stored = test::makeRecord ("Threaded Test Piano", 300);
    constexpr int rounds = 200;
    constexpr int lastRoundOfChannel16 = rounds - 1 - (rounds - 1 - 15) % 16;
    for (int round = 0; round < rounds; ++round)
    {
        const int channel = round % 16;
        controller.setLiveValue (round % 100, LiveTable::channelRow (channel, LiveTable::slotAux1Level), true);
        controller.setLiveValue (round % 128, LiveTable::controllerRow (channel, 7), true);
        if (round % 10 == 0)
            controller.connection().sendIdentityRequest(); // answered with an identity and global part 3
        if (round % 20 == 0)
            programs.storeRecord (1025 + round / 20, ByteView (stored));
        main.deliverNotifications();
        controller.deliverModelChanges();
    }

    ASSERT_TRUE (runMessageLoopUntil ([&] {
        return emulatorPorts->emulator().line().isIdle() && controller.connection().isConnected()
            && zr9.controllerValue (16, 7) == lastRoundOfChannel16 % 128;
    }, 10000));
    main.deliverNotifications();
    EXPECT_EQ (zr9.parameter ({ 1, 0, 5, 0, 2 }, 16, -1), lastRoundOfChannel16 % 100) << "channel 16's last aux level arrived last";
    EXPECT_EQ (main.footer().statusText(), "HALVORN ZR9: ON-LINE");
    for (int c = 0; c < 16; ++c)
        EXPECT_EQ (controller.currentProgram (c), zr9.channelProgram (c)) << c;
}
