// Fetching objects from the emulator into the library banks and their files,
// with the emulator's fault injection: lost, split and duplicated replies.

#include "support/EmulatorWindow.h"

#include <gtest/gtest.h>

using namespace zr9;
using namespace zr9::emulator;
using namespace zr9::test;

namespace
{
struct BulkEndToEnd : ::testing::Test
{
    BulkEndToEnd() : processor (makePersistentProcessorOnTheEmulator (folder, ports, clock)) {}

    MidiCntrState& controller() { return processor->controller(); }
    BulkReceive& run() { return controller().bulkReceive(); }
    VirtualInstrument& zr9() { return ports->emulator().instrument(); }
    ReplyLine& line() { return ports->emulator().line(); }

    /** Lets the emulator answer and the run read the answers until nothing is on its way. */
    void settle()
    {
        for (int i = 0; i < 100000; ++i)
        {
            runMessageLoopUntil ([&] { return line().isIdle(); });
            run().deliverNow();
            if (line().isIdle())
                return;
        }
    }

    /** Settles, and steps the clock by a reply time-out whenever the run waits, until it is over. */
    void runToTheEnd()
    {
        for (int i = 0; i < 500 && run().isActive(); ++i)
        {
            settle();
            if (run().isActive())
                clock->step (BulkReceive::replyTimeoutMs);
        }
        settle();
    }

    /** The record the library keeps for an object, as the instrument keeps it. */
    Bytes expectedRecord (int type, int number) { return libraryRecordOf (zr9(), type, number); }
    BankIndex bankFile (int type) { return bankFileOf (folder, type); }

    TempFolder folder;
    std::shared_ptr<ManualClock> clock = std::make_shared<ManualClock>();
    std::shared_ptr<EmulatorPortProvider> ports = std::make_shared<EmulatorPortProvider> (std::make_shared<FakeMidiPorts> (2, 2));
    std::unique_ptr<RevuDIAudioProcessor> processor;
};
} // namespace

TEST_F (BulkEndToEnd, ProgramsArriveWholeAndTheBankFileHoldsThemAsSoonAsTheRunEnds)
{
    ASSERT_TRUE (run().startRange (typeProgram, false, 1025, 1030));
    runToTheEnd();
    EXPECT_EQ (run().summary().received, 3);
    EXPECT_EQ (run().summary().refused, 3);
    EXPECT_EQ (run().summary().failed, 0);

    const auto& programs = controller().model().programBank();
    const auto onDisk = bankFile (typeProgram);
    for (int n = 1025; n <= 1027; ++n)
    {
        ASSERT_GT (zr9().objectData (typeProgram, n).size(), 2048u) << "more than one chunk each";
        EXPECT_EQ (programs.bank().record (n), expectedRecord (typeProgram, n)) << n;
        EXPECT_EQ (onDisk.record (n), expectedRecord (typeProgram, n)) << "on disk before any shutdown";
    }
    EXPECT_EQ (programs.name (1025), "Stage Grand Bright  ");
    EXPECT_FALSE (onDisk.exists (1028));
}

TEST_F (BulkEndToEnd, AllObjectsFetchesEveryTypeTheInstrumentHolds)
{
    ASSERT_TRUE (run().startRange (typeProgram, true, 1025, 1026));
    runToTheEnd();
    ASSERT_EQ (run().summary().reason, FIFO_Class::StopReason::finished);

    int held = 0;
    for (const auto type : transfer::allTypesOrder)
        for (int n = 1025; n <= 1026; ++n)
        {
            if (! zr9().holds (type, n))
                continue;
            ++held;
            EXPECT_EQ (controller().model().holderFor (type)->bank().record (n), expectedRecord (type, n)) << type << " " << n;
            EXPECT_EQ (bankFile (type).record (n), expectedRecord (type, n)) << type << " " << n;
        }
    EXPECT_GE (held, 14) << "every type has something in the user range";
    EXPECT_EQ (run().summary().received, held);
    EXPECT_EQ (run().summary().refused, 20 - held);
    EXPECT_EQ (controller().model().song.bank().size (1026), 20 + 5000) << "a song of three chunks";
}

TEST_F (BulkEndToEnd, ALostReplyIsRecoveredByARetry)
{
    Faults lost;
    lost.dropNext = 1;
    line().setFaults (lost);
    ASSERT_TRUE (run().startRange (typeProgram, false, 1025, 1026));
    settle();
    EXPECT_TRUE (run().isActive()) << "waiting for the lost reply";
    clock->step (BulkReceive::replyTimeoutMs);
    runToTheEnd();
    EXPECT_EQ (run().summary().received, 2);
    EXPECT_EQ (run().summary().failed, 0);
    EXPECT_EQ (controller().model().programBank().bank().record (1025), expectedRecord (typeProgram, 1025));
}

TEST_F (BulkEndToEnd, WhenEveryReplyIsLostTheRunFailsAndEnds)
{
    Faults lost;
    lost.dropNext = 1000000;
    line().setFaults (lost);
    const auto timersBefore = clock->runningTimers(); // the library's change watch runs all along
    ASSERT_TRUE (run().startRange (typeProgram, false, 1025, 2048));
    runToTheEnd();
    EXPECT_FALSE (run().isActive());
    EXPECT_EQ (run().summary().reason, FIFO_Class::StopReason::noAnswer);
    EXPECT_EQ (run().summary().failed, FIFO_Class::silentNumbersToGiveUp);
    EXPECT_EQ (run().summary().received, 0);
    EXPECT_EQ (clock->runningTimers(), timersBefore) << "no timer of the run is left";
    EXPECT_EQ (zr9().requestsOfKind (sysex::commandTransfer), FIFO_Class::silentNumbersToGiveUp * (1 + FIFO_Class::maxRetries));
}

TEST_F (BulkEndToEnd, SplitAndDuplicatedRepliesAreStoredOnce)
{
    Faults faults;
    faults.splitInto = 7;
    faults.duplicate = true;
    line().setFaults (faults);
    ASSERT_TRUE (run().startRange (typeSetup, false, 1025, 1026));
    runToTheEnd();
    EXPECT_EQ (run().summary().received, 2);
    EXPECT_EQ (run().summary().refused, 0);
    EXPECT_EQ (run().summary().failed, 0);
    for (int n = 1025; n <= 1026; ++n)
        EXPECT_EQ (controller().model().setupBank().bank().record (n), expectedRecord (typeSetup, n)) << n;
}
