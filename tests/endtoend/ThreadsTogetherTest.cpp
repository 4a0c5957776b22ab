// Every thread of the program at work at once: the message thread changing
// live values, storing banks and delivering notifications to the window; the
// output's sending thread carrying what it queues to the emulator; and the
// emulator's reply thread, which is the MIDI input thread, answering with
// identities and global parts; and a host's audio thread exchanging MIDI with
// the instrument through the processor. Built with ThreadSanitizer, this is
// where a race between them shows.

#include "app/MainComp.h"
#include "emulator/ZR9Emulator.h"
#include "support/BankBuilder.h"
#include "support/ProcessorFixture.h"
#include "support/ThreadedOutputs.h"

#include <atomic>
#include <thread>

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

TEST (ThreadsTogether, AHostsAudioThreadTheInputTheSendingAndTheMessageThreadAtOnce)
{
    TempFolder folder;
    auto emulatorPorts = std::make_shared<emulator::EmulatorPortProvider> (std::shared_ptr<MidiPortProvider>());
    std::atomic<int> hostNotesArrived { 0 };
    emulatorPorts->emulator().setMonitor ([&] (const std::uint8_t* bytes, std::size_t size) {
        if (size == 3 && bytes[0] == 0x90)
            ++hostNotesArrived;
    });
    auto processor = makeTestProcessor (folder, std::make_shared<ThreadedOutputs> (emulatorPorts), Clock::system());
    auto& controller = processor->controller();
    auto& zr9 = emulatorPorts->emulator().instrument();
    MainComp main (*processor);
    controller.connection().openInputPort (1);
    controller.connection().openOutputPort (1);
    // The processor's own port scan finds the emulator first: a pair it tries again is
    // opened afresh, which drops the host's notes still waiting for the port it closed.
    ASSERT_TRUE (runMessageLoopUntil ([&] { return controller.scan().state() == PortScan::State::connected; }, 5000));
    processor->prepareToPlay (48000.0, 256);

    // The instrument plays a controller sweep; the host plays a note in every block and records.
    constexpr int played = 300, maxBlocks = 1000;
    std::atomic<bool> audioDone { false };
    std::vector<int> recorded;
    int blocks = 0;
    std::thread audio ([&] {
        juce::AudioBuffer<float> buffer (2, 256);
        juce::MidiBuffer midi;
        midi.ensureSize (2048);
        for (; (int) recorded.size() < played && blocks < maxBlocks; ++blocks)
        {
            midi.clear();
            midi.addEvent (juce::MidiMessage::noteOn (1, blocks % 128, (juce::uint8) 100), blocks % 200);
            midi.addEvent (juce::MidiMessage::noteOff (1, blocks % 128), 255);
            processor->processBlock (buffer, midi);
            for (const auto meta : midi)
                if (meta.numBytes == 3 && meta.data[0] == 0xB1 && meta.data[1] == 70)
                    recorded.push_back (meta.data[2]);
            std::this_thread::sleep_for (std::chrono::milliseconds (5)); // about a block of 256 samples at 48 kHz
        }
        audioDone = true;
    });
    std::thread instrument ([&] {
        for (int i = 0; i < played; ++i)
        {
            zr9.sendController (2, 70, i % 128);
            if (i % 10 == 9)
                std::this_thread::sleep_for (std::chrono::milliseconds (1));
        }
    });
    while (! audioDone.load())
    {
        processor->deliverHostChanges();
        main.deliverNotifications();
        runMessageLoopFor (5);
    }
    audio.join();
    instrument.join();

    ASSERT_EQ ((int) recorded.size(), played) << "every controller the instrument played reached the host";
    for (int i = 0; i < played; ++i)
        ASSERT_EQ (recorded[(size_t) i], i % 128) << "in the order played, at " << i;
    EXPECT_TRUE (runMessageLoopUntil ([&] { return hostNotesArrived.load() == blocks; }, 5000))
        << hostNotesArrived.load() << " of " << blocks << " host notes reached the instrument";
    processor->releaseResources();
}
