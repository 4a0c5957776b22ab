#pragma once

#include "app/MainComp.h"
#include "emulator/ZR9Emulator.h"
#include "library/BankFiles.h"
#include "library/RevuDIAudioProcessor.h"
#include "support/ProcessorFixture.h"

#include <gtest/gtest.h>

#include <functional>

namespace zr9::test
{

/**
    The program's window on a processor that finds the emulator behind two
    fake port pairs, on a clock the test steps; the library folder is
    temporary and nothing is written to disk.
*/
struct EmulatorWindowFixture : ::testing::Test
{
    /** Makes the window and steps the port scan until the emulator answered and its channel programs arrived. */
    void openWindowOnTheEmulator()
    {
        main = std::make_unique<MainComp> (*processor);
        for (int tick = 0; tick < 50 && controller().scan().state() == PortScan::State::running; ++tick)
        {
            waitForReplies();
            clock->step (PortScan::tickMs);
        }
        waitForReplies();
        runMessageLoopUntil ([&] { return controller().currentProgram (15) == zr9().channelProgram (15); });
    }

    MidiCntrState& controller() { return processor->controller(); }
    emulator::VirtualInstrument& zr9() { return ports->emulator().instrument(); }
    void waitForReplies() { runMessageLoopUntil ([&] { return ports->emulator().line().isIdle(); }); }
    /** Lets the instrument's messages arrive and the window hand the notifications to its pages. */
    bool deliveredUntil (const std::function<bool()>& done)
    {
        return runMessageLoopUntil ([&] { main->deliverNotifications(); return done(); });
    }

    TempFolder folder;
    std::shared_ptr<ManualClock> clock = std::make_shared<ManualClock>();
    std::shared_ptr<emulator::EmulatorPortProvider> ports
        = std::make_shared<emulator::EmulatorPortProvider> (std::make_shared<FakeMidiPorts> (2, 2));
    std::unique_ptr<RevuDIAudioProcessor> processor = makeTestProcessor (folder, ports, clock);
    std::unique_ptr<MainComp> main;
};

/** A processor that keeps its files, on the emulator's ports (behind two fake pairs), opened directly. */
inline std::unique_ptr<RevuDIAudioProcessor> makePersistentProcessorOnTheEmulator (const TempFolder& folder,
                                                                                  std::shared_ptr<emulator::EmulatorPortProvider> ports,
                                                                                  std::shared_ptr<Clock> clock)
{
    auto options = processorOptions (folder, std::move (ports), std::move (clock), Files::kept);
    options.useDevices = false;
    auto processor = std::make_unique<RevuDIAudioProcessor> (options);
    processor->controller().connection().openInputPort (3);
    processor->controller().connection().openOutputPort (3);
    return processor;
}

/** The record the library keeps for one of the instrument's objects: its 20-character name (none for algorithms), then its bytes. */
inline Bytes libraryRecordOf (emulator::VirtualInstrument& instrument, int type, int number)
{
    Bytes record;
    if (type != typeAlgorithm)
    {
        auto name = instrument.objectName (type, number);
        name.resize (20, ' ');
        record.assign (name.begin(), name.end());
    }
    const auto data = instrument.objectData (type, number);
    record.insert (record.end(), data.begin(), data.end());
    return record;
}

/** The bank of one type as its data file in the library folder holds it. */
inline BankIndex bankFileOf (const TempFolder& folder, int type)
{
    const auto block = readDataFile (folder.libraryFile (bankFileName (type)));
    BankIndex bank;
    bank.index (type, ByteView (static_cast<const std::uint8_t*> (block.getData()), block.getSize()), findBankType (type)->cap);
    return bank;
}

} // namespace zr9::test
