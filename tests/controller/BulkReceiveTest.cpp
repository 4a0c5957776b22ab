// The bulk receive against fake ports: requests out, the instrument's replies
// fed to the input, the reply time-out on a clock the test steps.

#include "controller/MidiCntrState.h"
#include "support/TestController.h"
#include "support/TestHelpers.h"
#include "support/TransferReplies.h"

#include <gtest/gtest.h>

using namespace zr9;
using namespace zr9::test;

namespace
{
struct ReceiveRecorder final : BulkReceive::Listener
{
    void receiveProgressed() override { ++progressed; }
    void receiveTypeChanged() override { ++typeChanges; }
    void receiveStopped() override { ++stopped; }
    int progressed = 0, typeChanges = 0, stopped = 0;
};

struct BulkReceiveFixture : ::testing::Test
{
    BulkReceiveFixture() : test (ports)
    {
        controller.connection().openOutputPort (1);
        controller.connection().openInputPort (1);
        run.addListener (&recorder);
        ports.log->clear();
    }
    ~BulkReceiveFixture() override { run.removeListener (&recorder); }

    /** A reply arriving on the input, then read by the run on this (the message) thread. */
    void answer (const Bytes& reply)
    {
        ports.feed (juce::MidiMessage (reply.data(), (int) reply.size()));
        run.deliverNow();
    }

    /** The object-transfer requests sent so far, as (sub-code, type, number, offset, length). */
    std::vector<std::array<int, 5>> requests() const
    {
        std::vector<std::array<int, 5>> out;
        for (const auto& m : ports.log->sysEx())
        {
            const sysex::Reader r (m);
            if (r[sysex::at::command] != sysex::commandTransfer)
                continue;
            const bool data = r[sysex::at::subCode] == dataRequest;
            out.push_back ({ r[sysex::at::subCode], r.number14Lo (sysex::at::typeId), r.number14Lo (sysex::at::objectNumber),
                             data ? r.number21Lo (sysex::at::offset) : 0, data ? r.number21Lo (sysex::at::size) : 0 });
        }
        return out;
    }
    std::array<int, 5> lastRequest() const { return requests().back(); }

    static constexpr int infoRequest = 0x20, dataRequest = 0;

    FakeMidiPorts ports;
    TestController test;
    MidiCntrState& controller = test.controller;
    BulkReceive& run = controller.bulkReceive();
    ReceiveRecorder recorder;
};
} // namespace

TEST_F (BulkReceiveFixture, ARunStoresNameAndBytesClearsRefusedNumbersAndCountsFailures)
{
    auto& programs = controller.model().programBank();
    ASSERT_TRUE (programs.exists (1));
    ASSERT_TRUE (run.startRange (typeProgram, false, 1, 3));
    EXPECT_EQ (lastRequest(), (std::array<int, 5> { infoRequest, typeProgram, 1, 0, 0 }));

    answer (refusalReply (4));
    EXPECT_FALSE (programs.exists (1)) << "the instrument has no program 1, so neither has the library";
    EXPECT_EQ (lastRequest(), (std::array<int, 5> { infoRequest, typeProgram, 2, 0, 0 }));

    const auto object = objectBytes (50, 5);
    answer (informationReply (typeProgram, 2, 50, "New EP"));
    EXPECT_EQ (lastRequest(), (std::array<int, 5> { dataRequest, typeProgram, 2, 0, 50 }));
    answer (dataReply (typeProgram, 2, 0, object));
    Bytes expected { 'N', 'e', 'w', ' ', 'E', 'P' };
    expected.resize (20, ' ');
    expected.insert (expected.end(), object.begin(), object.end());
    EXPECT_EQ (programs.bank().record (2), expected);
    EXPECT_EQ (programs.name (2), "New EP              ");

    // Number 3 never answers: the time-out runs on the controller's clock.
    const auto asked = requests().size();
    test.clock->step (BulkReceive::replyTimeoutMs - 1);
    EXPECT_EQ (requests().size(), asked);
    test.clock->step (1);
    EXPECT_EQ (requests().size(), asked + 1);
    EXPECT_EQ (lastRequest(), (std::array<int, 5> { infoRequest, typeProgram, 3, 0, 0 })) << "the same request again";
    test.clock->step (3 * BulkReceive::replyTimeoutMs);
    EXPECT_EQ (requests().size(), asked + 3);

    EXPECT_FALSE (run.isActive());
    EXPECT_EQ (run.summary().received, 1);
    EXPECT_EQ (run.summary().refused, 1);
    EXPECT_EQ (run.summary().failed, 1);
    EXPECT_EQ (run.summary().reason, FIFO_Class::StopReason::finished);
    EXPECT_EQ (run.changedTypes(), (std::set<int> { typeProgram }));
    EXPECT_EQ (recorder.stopped, 1);
    EXPECT_GT (recorder.progressed, 3);
    EXPECT_EQ (test.clock->runningTimers(), 0) << "nothing waits once the run is over";
}

TEST_F (BulkReceiveFixture, AlgorithmsHaveNoNamePartAndSongsFillTheirEmptyBank)
{
    const auto algorithm = objectBytes (96, 1);
    run.startRange (typeAlgorithm, false, 5, 5);
    answer (informationReply (typeAlgorithm, 5, 96, ""));
    answer (dataReply (typeAlgorithm, 5, 0, algorithm));
    EXPECT_EQ (controller.model().algorithm.bank().record (5), algorithm);

    const auto song = objectBytes (2500, 2);
    run.startRange (typeSong, false, 2560, 2560);
    answer (informationReply (typeSong, 2560, 2500, "Encore"));
    answer (dataReply (typeSong, 2560, 0, Bytes (song.begin(), song.begin() + 2048)));
    answer (dataReply (typeSong, 2560, 2048, Bytes (song.begin() + 2048, song.end())));
    EXPECT_EQ (controller.model().song.bank().name (2560), "Encore              ");
    EXPECT_EQ (controller.model().song.bank().size (2560), 2520);
    EXPECT_EQ (run.summary().received, 1);
}

TEST_F (BulkReceiveFixture, AnObjectTheBankHasNoPlaceForCountsAsFailedAndChangesNothing)
{
    const auto before = controller.model().keyMap.bank().bytes();
    run.startRange (typeKeyMap, false, 9000, 9000); // key maps keep typed numbers beyond their bank
    answer (informationReply (typeKeyMap, 9000, 60, "Far Away"));
    answer (dataReply (typeKeyMap, 9000, 0, objectBytes (60)));
    EXPECT_EQ (run.summary().failed, 1);
    EXPECT_EQ (run.summary().received, 0);
    EXPECT_EQ (controller.model().keyMap.bank().bytes(), before);
    EXPECT_TRUE (run.changedTypes().empty());
}

TEST_F (BulkReceiveFixture, TheSingleFetchTakesProgramsAndSetupsOnlyAndOneFetchAtATime)
{
    EXPECT_FALSE (run.fetchSingle (3, 1100));
    EXPECT_FALSE (run.fetchSingle (11, 0));
    EXPECT_TRUE (requests().empty());

    ASSERT_TRUE (run.fetchSingle (11, 1100));
    EXPECT_EQ (lastRequest(), (std::array<int, 5> { infoRequest, typeSetup, 1100, 0, 0 }));
    EXPECT_FALSE (run.startRange (typeProgram, false, 1, 10)) << "one fetch at a time";
    EXPECT_FALSE (run.fetchSingle (2, 5));

    answer (informationReply (typeSetup, 1100, 40, "Stage Multi"));
    answer (dataReply (typeSetup, 1100, 0, objectBytes (40)));
    EXPECT_FALSE (run.isActive());
    EXPECT_EQ (controller.model().transfer().mailboxCode(), FIFO_Class::mailboxStopped);
    EXPECT_EQ (controller.model().setupBank().bank().name (1100), "Stage Multi         ");
    EXPECT_EQ (recorder.stopped, 1);

    // Cancelling ends a fetch where it stands and says so.
    ASSERT_TRUE (run.fetchSingle (2, 7));
    run.cancel();
    EXPECT_FALSE (run.isActive());
    EXPECT_EQ (run.summary().reason, FIFO_Class::StopReason::cancelled);
    EXPECT_EQ (recorder.stopped, 2);
    test.clock->step (10 * BulkReceive::replyTimeoutMs);
    EXPECT_EQ (requests().size(), 3u) << "a cancelled fetch asks nothing more";
}

TEST_F (BulkReceiveFixture, InFifoModeEveryProtocolMessageGoesToTheRunAndNoneToTheModel)
{
    run.setFifoMode (true);
    run.startRange (typeSetup, false, 1025, 1025);
    // Global part 3 would otherwise land in the master data.
    Bytes master (200, 0);
    master[3] = 9; // channel 1 plays program 9
    answer (sysex::partDump (0, sysex::commandGlobalPart, 0, 3, 0, 1, master.data(), master.size()));
    EXPECT_EQ (controller.model().master().channelProgram (0), 0);
    EXPECT_TRUE (run.isActive()) << "and the run ignored it";
    EXPECT_EQ (requests().size(), 1u);
    run.setFifoMode (false);
    EXPECT_FALSE (run.isFifoMode());
}
