// The library both ways against the emulator: programs sent to the
// instrument and fetched back unchanged, the read-back that finds a faulty
// store, an audition that plays a library program without storing it, a
// ".syx" file sent by a plain System Exclusive tool, and a run over every
// type that goes on past a type the instrument does not answer.

#include "library/ObjectFiles.h"
#include "model/ProgramSequences.h"
#include "model/SysexFile.h"
#include "support/EmulatorWindow.h"

#include <gtest/gtest.h>

using namespace zr9;
using namespace zr9::emulator;
using namespace zr9::test;

namespace
{
struct BothWays : ::testing::Test
{
    BothWays() : processor (makePersistentProcessorOnTheEmulator (folder, ports, clock))
    {
        controller().connection().sendIdentityRequest();
        settle();
        EXPECT_TRUE (controller().connection().isConnected());
    }

    MidiCntrState& controller() { return processor->controller(); }
    VirtualInstrument& zr9() { return ports->emulator().instrument(); }
    ReplyLine& line() { return ports->emulator().line(); }
    ObjProgramBankClass& programs() { return controller().model().programBank(); }

    void settle()
    {
        for (int i = 0; i < 100000; ++i)
        {
            runMessageLoopUntil ([&] { return line().isIdle(); });
            controller().bulkReceive().deliverNow();
            if (line().isIdle())
                return;
        }
    }

    /** Steps the clock through every wait and time-out until neither transfer is busy. */
    void runToTheEnd()
    {
        for (int i = 0; i < 2000 && (controller().bulkTransmit().isActive() || controller().bulkReceive().isActive()); ++i)
        {
            settle();
            if (controller().bulkTransmit().isActive() || controller().bulkReceive().isActive())
                clock->step (BulkTransmit::storeWaitMs);
        }
        settle();
    }

    /** Puts copies of factory programs into the library's user range under new names; the instrument has none of them. */
    std::map<int, Bytes> libraryPrograms (int first, const std::vector<std::string>& names)
    {
        std::map<int, Bytes> made;
        for (size_t i = 0; i < names.size(); ++i)
        {
            auto record = programs().bank().record (10 + (int) i);
            auto name = names[i];
            name.resize (20, ' ');
            std::copy (name.begin(), name.end(), record.begin());
            const int n = first + (int) i;
            EXPECT_FALSE (zr9().holds (typeProgram, n));
            programs().storeRecord (n, ByteView (record));
            made[n] = record;
        }
        return made;
    }

    TempFolder folder;
    std::shared_ptr<ManualClock> clock = std::make_shared<ManualClock>();
    std::shared_ptr<EmulatorPortProvider> ports = std::make_shared<EmulatorPortProvider> (std::make_shared<FakeMidiPorts> (2, 2));
    std::unique_ptr<RevuDIAudioProcessor> processor;
};
} // namespace

TEST_F (BothWays, ProgramsSentToTheInstrumentComeBackFromItByteForByte)
{
    const auto sentRecords = libraryPrograms (1500, { "Soft Pad", "Glass Keys", "Night Choir", "Sixteen Letters!", "A Name Longer Than 16" });
    ASSERT_EQ (controller().bulkTransmit().start (typeProgram, 1500, 1504, true), "");
    runToTheEnd();
    const auto& summary = controller().bulkTransmit().summary();
    EXPECT_EQ (summary.reason, BulkTransmit::StopReason::finished);
    EXPECT_EQ (summary.sent, 5);
    EXPECT_EQ (summary.verified, 5) << "a long name is checked as the instrument stores it, in 16 characters";
    EXPECT_EQ (summary.failed, 0);
    EXPECT_EQ (zr9().objectName (typeProgram, 1501), "Glass Keys");

    // The library forgets them; a receive of the same range brings back exactly what was sent.
    for (const auto& [n, record] : sentRecords)
        programs().storeRecord (n, ByteView());
    ASSERT_TRUE (controller().bulkReceive().startRange (typeProgram, false, 1500, 1504));
    runToTheEnd();
    EXPECT_EQ (controller().bulkReceive().summary().received, 5);
    for (const auto& [n, record] : sentRecords)
    {
        const auto back = programs().bank().record (n);
        if (n < 1504)
        {
            EXPECT_EQ (back, record) << n;
        }
        else
        {
            EXPECT_EQ (back, program::storedRecord (ByteView (record))) << "the name cut to 16 characters, nothing else changed";
        }
    }
    EXPECT_EQ (programs().bank().name (1504), "A Name Longer Th    ");

    // The edit buffer the run wrote through plays the channel's own program again.
    EXPECT_EQ (zr9().editedProgram (program::transferSlot), programs().bank().record (controller().currentProgram (0)));
}

TEST_F (BothWays, VerifyFindsTheProgramTheInstrumentStoredWrongAndTheLibraryStaysAsItWas)
{
    libraryPrograms (1600, { "One", "Two", "Three" });
    const auto libraryBefore = programs().bank().bytes();
    zr9().corruptNextStores (1);
    ASSERT_EQ (controller().bulkTransmit().start (typeProgram, 1600, 1602, true), "");
    runToTheEnd();
    const auto& summary = controller().bulkTransmit().summary();
    EXPECT_EQ (summary.verified, 2);
    EXPECT_EQ (summary.differed, 1);
    EXPECT_EQ (summary.differedNumbers, std::vector<int> { 1600 });
    EXPECT_EQ (programs().bank().bytes(), libraryBefore);

    // Without verify the same fault goes unseen: the run only says what it sent.
    zr9().corruptNextStores (1);
    ASSERT_EQ (controller().bulkTransmit().start (typeProgram, 1600, 1602, false), "");
    runToTheEnd();
    EXPECT_EQ (controller().bulkTransmit().summary().sent, 3);
    EXPECT_EQ (controller().bulkTransmit().summary().differed, 0);
}

TEST_F (BothWays, AnInstrumentThatFallsSilentStopsAVerifiedRunAfterThreePrograms)
{
    libraryPrograms (1700, { "A", "B", "C", "D", "E", "F" });
    Faults silent;
    silent.dropNext = 1000000;
    line().setFaults (silent);
    ASSERT_EQ (controller().bulkTransmit().start (typeProgram, 1700, 1705, true), "");
    for (int i = 0; i < 200 && controller().bulkTransmit().isActive(); ++i)
    {
        settle();
        clock->step (BulkReceive::replyTimeoutMs);
    }
    EXPECT_EQ (controller().bulkTransmit().summary().reason, BulkTransmit::StopReason::noAnswer);
    EXPECT_EQ (controller().bulkTransmit().summary().sent, 3);
    EXPECT_FALSE (zr9().holds (typeProgram, 1703));
}

TEST_F (BothWays, AnAuditionPlaysALibraryProgramInTheChannelsEditBufferAndStoresNothing)
{
    libraryPrograms (1800, { "Soft Pad" });
    const auto record = programs().bank().record (1800);
    const auto userBefore = zr9().userObjects (typeProgram);
    const auto playedBefore = zr9().channelProgram (2);
    auto& audition = controller().audition();

    ASSERT_TRUE (audition.start (2, 1800));
    settle();
    EXPECT_EQ (zr9().editedProgram (2), program::storedRecord (ByteView (record)));
    EXPECT_EQ (zr9().userObjects (typeProgram), userBefore) << "nothing stored anywhere";
    EXPECT_FALSE (zr9().holds (typeProgram, 1800));
    EXPECT_EQ (zr9().channelProgram (2), playedBefore);
    ASSERT_TRUE (audition.current().has_value());
    EXPECT_EQ (ProgramAudition::describe (*audition.current()), "Auditioning 1800 Soft Pad from the library, not stored");

    // A program chosen on the instrument ends it; so does stopping it, which puts the channel's own program back.
    zr9().sendProgramChange (3, 0, 9);
    EXPECT_TRUE (runMessageLoopUntil ([&] { return ! audition.current().has_value(); }));

    ASSERT_TRUE (audition.start (2, 1800));
    settle();
    audition.stop();
    settle();
    EXPECT_FALSE (audition.current().has_value());
    EXPECT_EQ (zr9().editedProgram (2), programs().bank().record (zr9().channelProgram (2)));

    // Choosing a program on a page ends it as well.
    ASSERT_TRUE (audition.start (2, 1800));
    controller().setLiveValue (5, LiveTable::channelRow (2, LiveTable::slotProgram), true);
    EXPECT_FALSE (audition.current().has_value());
    EXPECT_FALSE (audition.start (2, 1999)) << "the library holds no program 1999";
}

TEST_F (BothWays, ASyxFileSentMessageByMessageStoresItsProgramsUnderTheirNumbers)
{
    const auto made = libraryPrograms (1900, { "Shared One", "Shared Two", "Shared Three" });
    const auto file = folder.path().getChildFile ("shared.syx");
    const auto written = objectfiles::exportObjects (programs().bank(), { 1900, 1901, 1902 }, objectfiles::Format::sysex, file);
    ASSERT_EQ (written.written, 3) << written.error;

    // As any System Exclusive tool would: each message from 0xF0 to 0xF7 in turn, nothing else.
    juce::MemoryBlock bytes;
    ASSERT_TRUE (file.loadFileAsData (bytes));
    const auto* data = static_cast<const std::uint8_t*> (bytes.getData());
    size_t start = 0;
    int messages = 0;
    for (size_t i = 0; i < bytes.getSize(); ++i)
        if (data[i] == 0xF7)
        {
            controller().connection().output().sendSysEx (data + start, i + 1 - start);
            start = i + 1;
            ++messages;
        }
    settle();
    EXPECT_EQ (messages, 9);
    for (const auto& [n, record] : made)
        EXPECT_EQ (libraryRecordOf (zr9(), typeProgram, n), record) << n;
}

TEST_F (BothWays, AllObjectsGoesOnPastATypeTheInstrumentDoesNotAnswerAndSaysWhichItLeft)
{
    zr9().ignoreTransfersOf (typeAlgorithm);
    ASSERT_TRUE (controller().bulkReceive().startRange (typeProgram, true, 1025, 1030));
    for (int i = 0; i < 2000 && controller().bulkReceive().isActive(); ++i)
    {
        settle();
        if (controller().bulkReceive().isActive())
            clock->step (BulkReceive::replyTimeoutMs);
    }
    const auto& summary = controller().bulkReceive().summary();
    EXPECT_EQ (summary.reason, FIFO_Class::StopReason::finished);
    EXPECT_EQ (summary.skippedTypes, std::vector<int> { typeAlgorithm });
    EXPECT_EQ (controller().model().song.bank().record (1026), libraryRecordOf (zr9(), typeSong, 1026)) << "the last type still came";
    EXPECT_EQ (controller().model().keyMap.bank().record (1025), libraryRecordOf (zr9(), typeKeyMap, 1025));
}
