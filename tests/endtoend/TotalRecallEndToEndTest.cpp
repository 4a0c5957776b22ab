// Total recall against the emulator: a project saved after the musician
// changed live values on top of an arrangement, opened in a fresh plug-in on
// a fresh instrument, leaves that instrument as the first one was and gives
// the host the values it saved.

#include "model/MidiControllers.h"
#include "support/EmulatorWindow.h"

#include <gtest/gtest.h>

using namespace zr9;
using namespace zr9::emulator;
using namespace zr9::test;

namespace
{
/** A processor on an emulator of its own, its ports opened directly, nothing written to disk. */
struct OnItsEmulator
{
    explicit OnItsEmulator (std::shared_ptr<ManualClock> c) : clock (std::move (c))
    {
        auto options = processorOptions (folder, ports, clock, Files::notWritten);
        options.useDevices = false;
        processor = std::make_unique<RevuDIAudioProcessor> (options);
        processor->controller().connection().openInputPort (3);
        processor->controller().connection().openOutputPort (3);
    }

    VirtualInstrument& zr9() { return ports->emulator().instrument(); }
    MidiCntrState& controller() { return processor->controller(); }
    /** Lets time pass as the instrument and the message thread see it. */
    void settle (int ms)
    {
        for (int t = 0; t < ms; t += LiveRecall::sendIntervalMs)
        {
            clock->step (LiveRecall::sendIntervalMs);
            runMessageLoopUntil ([&] { return ports->emulator().line().isIdle(); });
        }
        runMessageLoopFor (20);
    }

    TempFolder folder;
    std::shared_ptr<ManualClock> clock;
    std::shared_ptr<EmulatorPortProvider> ports = std::make_shared<EmulatorPortProvider> (std::make_shared<FakeMidiPorts> (2, 2));
    std::unique_ptr<RevuDIAudioProcessor> processor;
};

const VirtualInstrument::Address addressed[] { { 1, 0, 5, 0, 1 }, { 1, 0, 5, 0, 0 }, { 1, 0, 5, 1, 1 }, { 1, 0, 5, 0, 2 },
                                               { 1, 0, 5, 2, 1 }, { 1, 0, 5, 0, 3 }, { 1, 0, 1, 0, 22 }, { 1, 0, 1, 0, 20 },
                                               { 12, 0, 0, 0, 11 } };
constexpr int unset = -99999;
} // namespace

TEST (TotalRecallEndToEnd, AProjectOpenedInAFreshInstanceLeavesTheInstrumentAsItWasAndTheHostReadsItsValues)
{
    const auto clock = std::make_shared<ManualClock>();
    OnItsEmulator saved (clock);
    saved.processor->setCurrentProgram (2); // "Rock"
    saved.settle (2000);

    // What the musician did on top of it: on the pages, from the host, on the instrument.
    auto& c = saved.controller();
    c.setLiveValue (-30, LiveTable::channelRow (2, LiveTable::slotPan), true);
    c.setLiveValue (55, LiveTable::channelRow (0, LiveTable::slotAux1Level), true);
    c.setLiveValue (-12, LiveTable::channelRow (15, LiveTable::slotLevel), true);
    c.setLiveValue (3, LiveTable::channelRow (1, LiveTable::slotInsertChain), true);
    saved.processor->getParameters()[LiveTable::controllerRow (0, 7)]->setValue (100.0f / 127.0f);
    saved.zr9().sendController (2, 11, 77);
    saved.zr9().sendProgramChange (5, 0, 20);
    saved.settle (100);
    ASSERT_EQ (c.currentProgram (4), 20);
    ASSERT_EQ (c.getLiveValue (LiveTable::controllerRow (1, 11)), 77);

    juce::MemoryBlock project;
    saved.processor->getStateInformation (project);

    OnItsEmulator opened (clock);
    opened.processor->setStateInformation (project.getData(), (int) project.getSize());
    EXPECT_EQ (opened.processor->getCurrentProgram(), 2);
    for (int row = 0; row < LiveTable::rowCount; ++row)
        ASSERT_EQ (opened.processor->getParameters()[row]->getValue(), saved.processor->getParameters()[row]->getValue())
            << "the host reads row " << row << " as it saved it";

    opened.settle (2000 + 10 * LiveRecall::sendIntervalMs);
    for (int ch = 1; ch <= 16; ++ch)
    {
        EXPECT_EQ (opened.zr9().channelProgram (ch - 1), saved.zr9().channelProgram (ch - 1)) << ch;
        for (const auto& a : addressed)
        {
            EXPECT_EQ (opened.zr9().parameter (a, ch, unset), saved.zr9().parameter (a, ch, unset))
                << "channel " << ch << " address " << a[2] << " " << a[3] << " " << a[4];
        }
        for (int n = 0; n < midicc::count; ++n)
        {
            if (! midicc::holdsSetting (n))
                continue;
            EXPECT_EQ (opened.zr9().controllerValue (ch, n), saved.zr9().controllerValue (ch, n)) << "channel " << ch << " controller " << n;
        }
    }
    EXPECT_EQ (opened.zr9().parameter ({ 1, 0, 1, 0, 22 }, 3, unset), -30);
    EXPECT_EQ (opened.zr9().controllerValue (2, 11), 77);
    EXPECT_EQ (opened.zr9().channelProgram (4), 20);
}
