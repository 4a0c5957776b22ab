// Sending programs of the library to the instrument against fake ports: what
// is refused before anything leaves, the write sequences and the waits
// between them on a clock the test steps, the read-back that verifies each
// program, and the end of a run whose instrument stops answering.

#include "controller/MidiCntrState.h"
#include "model/ProgramParts.h"
#include "model/ProgramSequences.h"
#include "model/SevenBitPacking.h"
#include "model/TransmitRules.h"
#include "support/TestController.h"
#include "support/TestHelpers.h"
#include "support/TransferReplies.h"

#include <gtest/gtest.h>

using namespace zr9;
using namespace zr9::test;

namespace
{

struct TransmitRecorder final : BulkTransmit::Listener
{
    void transmitProgressed() override { ++progressed; }
    void transmitStopped() override { ++stopped; }
    int progressed = 0, stopped = 0;
};

/** One program as a write sequence carried it: its number, slot and the record its three parts make. */
struct Written
{
    int number = 0;
    int slot = -1;
    Bytes record;
};

struct Transmit : ::testing::Test
{
    Transmit() : test (ports)
    {
        controller.connection().openOutputPort (1);
        controller.connection().openInputPort (1);
        feed (zr9Reply);
        ports.log->clear();
        run.addListener (&recorder);
    }
    ~Transmit() override { run.removeListener (&recorder); }

    void feed (const Bytes& bytes)
    {
        ports.feed (juce::MidiMessage (bytes.data(), (int) bytes.size()));
        controller.bulkReceive().deliverNow();
    }

    std::vector<Bytes> sent() const { return ports.log->wholeSysEx(); }

    /** The programs the write sequences sent so far carry, in order. */
    std::vector<Written> written() const
    {
        std::vector<Written> out;
        Bytes info, body;
        for (const auto& m : sent())
        {
            const sysex::Reader r (m);
            if (r[sysex::at::command] != sysex::commandProgramPart || m.size() <= 13)
                continue;
            const auto data = sysex::unpack (m.data() + 12, m.size() - 12);
            switch (r[sysex::at::part])
            {
                case 4: info = data; break;
                case 5: body = data; break;
                case 0: out.push_back ({ r.number14Hi (sysex::at::number), r[sysex::at::slot],
                                         program::fromWriteParts (ByteView (data), ByteView (body), ByteView (info)) });
                        break;
                default: break;
            }
        }
        return out;
    }

    int transferRequestsFor (int number) const
    {
        int n = 0;
        for (const auto& m : sent())
        {
            const sysex::Reader r (m);
            n += r[sysex::at::command] == sysex::commandTransfer && r.number14Lo (sysex::at::objectNumber) == number ? 1 : 0;
        }
        return n;
    }

    /** Answers the read-back of `number` as an instrument that keeps `record` (name and bytes). */
    void answerReadBack (int number, const Bytes& record)
    {
        const std::string name (record.begin(), record.begin() + 20);
        const Bytes data (record.begin() + 20, record.end());
        feed (informationReply (typeProgram, number, (int) data.size(), name));
        for (size_t offset = 0; offset < data.size(); offset += 2048)
        {
            const auto end = std::min (data.size(), offset + 2048);
            feed (dataReply (typeProgram, number, (int) offset, Bytes (data.begin() + (long) offset, data.begin() + (long) end)));
        }
    }

    /** Steps the clock through the wait after the object just sent. */
    void waitForTheStore() { test.clock->step (BulkTransmit::waitAfterMs (bytesOfLastSequence())); }

    std::size_t bytesOfLastSequence() const
    {
        const auto all = sent();
        std::size_t bytes = 0;
        for (size_t i = all.size() >= 3 ? all.size() - 3 : 0; i < all.size(); ++i)
            bytes += all[i].size();
        return bytes;
    }

    Bytes storedRecordOf (int number) const
    {
        return program::storedRecord (ByteView (controller.model().programBank().bank().record (number)));
    }

    FakeMidiPorts ports;
    TestController test;
    MidiCntrState& controller = test.controller;
    BulkTransmit& run = controller.bulkTransmit();
    TransmitRecorder recorder;
};
} // namespace

TEST_F (Transmit, WhatCannotBeSentIsRefusedBeforeAnythingLeaves)
{
    for (const int type : { typeSetup, typeFxChain, typeKeyMap, typeIntonation, typeShiftPattern, typeVelocityPattern,
                            typeArpeggiator, typeSong, typeAlgorithm, typeSample })
    {
        EXPECT_EQ (run.start (type, 1, 2048, false), transfer::transmitRefusal (type)) << type;
        EXPECT_FALSE (run.isActive());
    }
    EXPECT_TRUE (sent().empty());
    EXPECT_TRUE (transfer::canTransmit (typeProgram));

    ASSERT_TRUE (controller.bulkReceive().startRange (typeProgram, false, 1, 2));
    EXPECT_EQ (run.start (typeProgram, 1, 2, false), "Another transfer is under way.");
    controller.bulkReceive().cancel();
    ports.log->clear();

    controller.connection().output().close();
    EXPECT_EQ (run.start (typeProgram, 1, 2, false), "Nothing was sent: the instrument is not on line.");
    EXPECT_TRUE (sent().empty());
    EXPECT_EQ (recorder.stopped, 0);
}

TEST_F (Transmit, EachProgramGoesUnderItsNumberAndTheNextWaitsUntilTheInstrumentHadTimeToStoreIt)
{
    const auto libraryBefore = controller.model().programBank().bank().bytes();
    ASSERT_EQ (run.start (typeProgram, 255, 1022, false), "");
    // The library holds 255, 256, 1021 and 1022 in that range.
    EXPECT_EQ (run.objectCount(), 4);
    ASSERT_EQ (written().size(), 1u);
    EXPECT_EQ (written()[0].number, 255);
    EXPECT_EQ (written()[0].slot, program::transferSlot);
    EXPECT_EQ (written()[0].record, storedRecordOf (255));

    const int wait = BulkTransmit::waitAfterMs (bytesOfLastSequence());
    EXPECT_EQ (wait, BulkTransmit::storeWaitMs + (int) ((bytesOfLastSequence() * 320 + 999) / 1000)) << "cable time plus the store";
    test.clock->step (wait - 1);
    EXPECT_EQ (written().size(), 1u) << "not before the wait is over";
    test.clock->step (1);
    ASSERT_EQ (written().size(), 2u);
    EXPECT_EQ (written()[1].number, 256);

    waitForTheStore();
    waitForTheStore();
    waitForTheStore();
    EXPECT_FALSE (run.isActive());
    const auto all = written();
    ASSERT_EQ (all.size(), 4u);
    EXPECT_EQ (all[2].number, 1021);
    EXPECT_EQ (all[3].number, 1022);
    EXPECT_EQ (all[3].record, storedRecordOf (1022));
    EXPECT_EQ (run.summary().sent, 4);
    EXPECT_EQ (run.summary().failed, 0);
    EXPECT_EQ (run.summary().reason, BulkTransmit::StopReason::finished);
    EXPECT_EQ (recorder.stopped, 1);
    EXPECT_EQ (transferRequestsFor (255), 0) << "no read-back without verify";

    // The slot's channel is given its program again, and the library is as it was.
    const auto last = sent().back();
    EXPECT_EQ (last, (Bytes { 0xF0, 0x07, 0x44, 0x03, 0, 0x20, 0, 0, 1, 0xF7 }));
    EXPECT_EQ (controller.model().programBank().bank().bytes(), libraryBefore);
    EXPECT_EQ (test.clock->runningTimers(), 0);
}

TEST_F (Transmit, VerifyReadsEachProgramBackAndCountsWhatCameBackTheSameWhatDifferedAndWhatFailed)
{
    const auto libraryBefore = controller.model().programBank().bank().bytes();
    ASSERT_EQ (run.start (typeProgram, 1, 3, true), "");
    waitForTheStore();
    EXPECT_TRUE (run.isVerifying());
    EXPECT_EQ (transferRequestsFor (1), 1) << "the information request of the read-back";
    answerReadBack (1, storedRecordOf (1));
    EXPECT_EQ (run.summary().verified, 1);
    ASSERT_EQ (written().size(), 2u) << "the next goes once the check is done";

    waitForTheStore();
    auto damaged = storedRecordOf (2);
    damaged[500] ^= 0x01;
    answerReadBack (2, damaged);
    waitForTheStore();
    feed (refusalReply (4));

    EXPECT_FALSE (run.isActive());
    const auto& s = run.summary();
    EXPECT_EQ (s.sent, 3);
    EXPECT_EQ (s.verified, 1);
    EXPECT_EQ (s.differed, 1);
    EXPECT_EQ (s.differedNumbers, std::vector<int> { 2 });
    EXPECT_EQ (s.failed, 1);
    EXPECT_EQ (controller.model().programBank().bank().bytes(), libraryBefore) << "a read-back stores nothing, a refusal clears nothing";
}

TEST_F (Transmit, ARunWhoseInstrumentStopsAnsweringEndsAfterThreeProgramsAndCancelEndsOneAtOnce)
{
    ASSERT_EQ (run.start (typeProgram, 1, 10, true), "");
    for (int object = 0; object < 3; ++object)
    {
        waitForTheStore();
        for (int i = 0; i <= FIFO_Class::maxRetries; ++i)
            test.clock->step (BulkReceive::replyTimeoutMs);
    }
    EXPECT_FALSE (run.isActive());
    EXPECT_EQ (run.summary().reason, BulkTransmit::StopReason::noAnswer);
    EXPECT_EQ (run.summary().sent, 3);
    EXPECT_EQ (run.summary().failed, 3);
    EXPECT_EQ (written().size(), 3u);
    EXPECT_FALSE (controller.bulkReceive().isActive());

    ports.log->clear();
    ASSERT_EQ (run.start (typeProgram, 1, 10, false), "");
    run.cancel();
    EXPECT_EQ (run.summary().reason, BulkTransmit::StopReason::cancelled);
    test.clock->step (60000);
    EXPECT_EQ (written().size(), 1u);
    EXPECT_EQ (test.clock->runningTimers(), 0);

    // A range the library holds nothing in is over at once.
    ASSERT_EQ (run.start (typeProgram, 300, 400, true), "");
    EXPECT_FALSE (run.isActive());
    EXPECT_EQ (run.summary().sent, 0);
    EXPECT_EQ (run.summary().reason, BulkTransmit::StopReason::finished);
}
