// The object fetch's state machine, driven with the instrument's replies as
// they arrive in its mailbox.

#include "model/FIFO_Class.h"
#include "model/TransferTypes.h"
#include "support/TransferReplies.h"

#include <gtest/gtest.h>

#include <random>

using namespace zr9;
using namespace zr9::test;
using Result = TransferAction::Result;
using Kind = TransferRequest::Kind;

namespace
{
struct Fetch : ::testing::Test
{
    /** Does what the controller does with an action: keeps its result and sends its request. */
    TransferAction follow (TransferAction action)
    {
        if (action.result != Result::none)
            results.push_back (action);
        if (action.request)
        {
            fifo.aboutToSend();
            sent.push_back (*action.request);
        }
        return action;
    }

    /** A reply handed over by the input and read by the fetch; the last letter's action. */
    TransferAction reply (const Bytes& message)
    {
        fifo.handOver (Bytes (message.begin() + 1, message.end()));
        TransferAction last;
        for (const auto& letter : fifo.takeLetters())
            last = follow (fifo.take (letter));
        return last;
    }

    /** Answers every information request with a refusal until the run ends. */
    void refuseEverything (std::vector<std::pair<int, transfer::Range>>& types)
    {
        for (int guard = 0; fifo.isActive() && guard < 20000; ++guard)
        {
            if (types.empty() || types.back().first != fifo.type())
                types.push_back ({ fifo.type(), { fifo.first(), fifo.last() } });
            reply (refusalReply());
        }
    }

    const TransferRequest& lastSent() const { return sent.back(); }

    FIFO_Class fifo;
    std::vector<TransferRequest> sent;
    std::vector<TransferAction> results;
};

TransferRequest info (int type, int number) { return { Kind::information, type, number, 0, 0 }; }
TransferRequest chunk (int type, int number, int offset, int length) { return { Kind::data, type, number, offset, length }; }
} // namespace

TEST (TransferTypes, RangesAreClampedPerTypeAndProgressNeverDividesByZero)
{
    using transfer::Range;
    EXPECT_EQ (transfer::clampRange (typeProgram, 0, -5), (Range { 1, 1 }));
    EXPECT_EQ (transfer::clampRange (typeSetup, 2048, 3000), (Range { 2047, 2048 }));
    EXPECT_EQ (transfer::clampRange (typeFxChain, 1, 9000), (Range { 1, 8192 }));
    EXPECT_EQ (transfer::clampRange (typeFxChain, 9000, 9500), (Range { 8191, 8192 }));
    EXPECT_EQ (transfer::clampRange (typeKeyMap, 1, 9000), (Range { 1, 9000 })) << "key maps stay as typed";
    EXPECT_EQ (transfer::clampRange (typeKeyMap, 1, 99999), (Range { 1, 16383 })) << "no request can name more";
    EXPECT_EQ (transfer::clampRange (typeProgram, 40, 30), (Range { 40, 40 }));

    for (const int t : { typeKeyMap, typeProgram, typeSetup, typeFxChain })
        EXPECT_EQ (transfer::defaultRange (t), (Range { 1025, 2048 })) << t;
    for (const int t : { typeIntonation, typeSong, typeAlgorithm, typeSample, typeShiftPattern, typeVelocityPattern })
        EXPECT_EQ (transfer::defaultRange (t), (Range { 1, 2560 })) << t;

    EXPECT_STREQ (transfer::typeName (typeSetup), "Multi");
    EXPECT_STREQ (transfer::typeName (typeAlgorithm), "Algs");
    EXPECT_STREQ (transfer::typeName (typeArpeggiator), "");
    EXPECT_EQ (transfer::singleFetchType (2), typeProgram);
    EXPECT_EQ (transfer::singleFetchType (11), typeSetup);
    EXPECT_EQ (transfer::singleFetchType (3), 0);

    EXPECT_DOUBLE_EQ (transfer::progressFraction (5, 5, 5), 0.0);
    EXPECT_DOUBLE_EQ (transfer::progressFraction (5, 5, 6), 1.0);
    EXPECT_DOUBLE_EQ (transfer::progressFraction (1, 101, 51), 0.5);
    EXPECT_DOUBLE_EQ (transfer::progressFraction (10, 20, 3), 0.0);
    EXPECT_DOUBLE_EQ (transfer::progressFraction (10, 20, 21), 1.0);
}

TEST_F (Fetch, AllObjectsRunsEveryTypeInItsOrderOverTheNumbersClampedForEach)
{
    follow (fifo.startRange (typeProgram, true, 1025, 2048));
    std::vector<std::pair<int, transfer::Range>> types;
    refuseEverything (types);

    ASSERT_EQ (types.size(), transfer::allTypesOrder.size());
    for (size_t i = 0; i < types.size(); ++i)
    {
        EXPECT_EQ (types[i].first, transfer::allTypesOrder[i]);
        EXPECT_EQ (types[i].second, (transfer::Range { 1025, 2048 })) << types[i].first;
    }
    EXPECT_EQ (results.size(), 10u * 1024u);
    EXPECT_EQ (fifo.stopReason(), FIFO_Class::StopReason::finished);
    EXPECT_EQ (fifo.mailboxCode(), FIFO_Class::mailboxStopped);

    // Typed numbers beyond the program bank are clamped for programs, and the
    // types after them run over the clamped numbers.
    types.clear();
    follow (fifo.startRange (typeProgram, true, 0, 9000));
    refuseEverything (types);
    EXPECT_EQ (types.front().second, (transfer::Range { 1, 2048 }));
    EXPECT_EQ (types[2].first, typeFxChain);
    EXPECT_EQ (types[2].second, (transfer::Range { 1, 2048 }));
}

TEST_F (Fetch, AnObjectOf5000BytesComesInThreeChunksAndIsHandedOverWhole)
{
    follow (fifo.startRange (typeProgram, false, 1025, 1025));
    EXPECT_EQ (lastSent(), info (typeProgram, 1025));

    const auto object = objectBytes (5000, 3);
    reply (informationReply (typeProgram, 1025, 5000, "Concert Grand"));
    EXPECT_EQ (fifo.objectName(), "Concert Grand       ");
    for (const int offset : { 0, 2048, 4096 })
    {
        const int length = std::min (2048, 5000 - offset);
        ASSERT_EQ (lastSent(), chunk (typeProgram, 1025, offset, length));
        reply (dataReply (typeProgram, 1025, offset, Bytes (object.begin() + offset, object.begin() + offset + length)));
    }

    ASSERT_EQ (results.size(), 1u);
    EXPECT_EQ (results[0].result, Result::received);
    EXPECT_EQ (results[0].number, 1025);
    EXPECT_EQ (results[0].object, object);
    EXPECT_EQ (results[0].name, "Concert Grand       ");
    EXPECT_FALSE (fifo.isActive()) << "a run over one number ends after it";
    EXPECT_EQ (sent.size(), 4u);
}

TEST_F (Fetch, ARefusalGoesOnWithTheVeryNextNumber)
{
    follow (fifo.startRange (typeProgram, false, 1030, 1040));
    reply (refusalReply (4));
    ASSERT_EQ (results.size(), 1u);
    EXPECT_EQ (results[0].result, Result::refused);
    EXPECT_EQ (results[0].number, 1030);
    EXPECT_EQ (lastSent(), info (typeProgram, 1031));
    EXPECT_TRUE (fifo.objectName().empty());
}

TEST_F (Fetch, ADataReplyMayAnnounceOneByteMoreThanItCarriesButNoMore)
{
    const auto object = objectBytes (100);
    for (const int sizeField : { 100, 101, 102, 150 })
    {
        results.clear();
        follow (fifo.startRange (typeSetup, false, 7, 7));
        reply (informationReply (typeSetup, 7, 100, "Split"));
        reply (dataReply (typeSetup, 7, 0, object, sizeField));
        if (sizeField <= 101)
        {
            ASSERT_EQ (results.size(), 1u) << sizeField;
            EXPECT_EQ (results[0].object, object);
        }
        else
        {
            EXPECT_TRUE (results.empty()) << sizeField << " is not stored";
            EXPECT_EQ (lastSent(), chunk (typeSetup, 7, 0, 100)) << "the chunk is asked for again";
            EXPECT_EQ (fifo.retries(), 1);
            fifo.stop (FIFO_Class::StopReason::cancelled);
        }
    }
}

TEST_F (Fetch, AShortChunkIsFollowedByARequestForTheRest)
{
    const auto object = objectBytes (100, 9);
    follow (fifo.startRange (typeKeyMap, false, 1, 10));
    reply (informationReply (typeKeyMap, 1, 100, "Map"));
    reply (dataReply (typeKeyMap, 1, 0, Bytes (object.begin(), object.begin() + 60)));
    EXPECT_EQ (lastSent(), chunk (typeKeyMap, 1, 60, 40));
    reply (dataReply (typeKeyMap, 1, 60, Bytes (object.begin() + 60, object.end())));
    ASSERT_EQ (results.size(), 1u);
    EXPECT_EQ (results[0].object, object);
    EXPECT_EQ (lastSent(), info (typeKeyMap, 2));
}

TEST_F (Fetch, AnObjectAnnouncedEmptyFailsWithoutAskingForNothing)
{
    follow (fifo.startRange (typeSong, false, 3, 4));
    reply (informationReply (typeSong, 3, 0, "Nothing"));
    ASSERT_EQ (results.size(), 1u);
    EXPECT_EQ (results[0].result, Result::failed);
    EXPECT_EQ (lastSent(), info (typeSong, 4)) << "no chunk of length 0 is asked for";
    reply (informationReply (typeSong, 4, 0, "Nothing"));
    EXPECT_FALSE (fifo.isActive());
    EXPECT_EQ (fifo.stopReason(), FIFO_Class::StopReason::finished);
}

TEST_F (Fetch, OnlyAnswersToTheOutstandingRequestCount)
{
    const auto object = objectBytes (3000, 1);
    auto action = fifo.startRange (typeProgram, false, 1025, 1026);
    // An answer already in the mailbox when the request leaves cannot be its answer.
    const auto early = informationReply (typeProgram, 1025, 3000, "Early");
    fifo.handOver (Bytes (early.begin() + 1, early.end()));
    follow (action);
    for (const auto& letter : fifo.takeLetters())
        EXPECT_TRUE (fifo.take (letter).ignored());

    ASSERT_TRUE (reply (informationReply (typeProgram, 1024, 3000, "Other number")).ignored());

    for (const auto& stray : { informationReply (typeProgram, 1026, 3000, "Next"),
                               informationReply (typeSetup, 1025, 3000, "Other type"),
                               dataReply (typeProgram, 1025, 0, Bytes (object.begin(), object.begin() + 2048)),
                               Bytes { 0xF0, 0x07, 0x44, 0x03, 0x00, 0x5A, 0x02, 0xF7 },         // acknowledgement
                               Bytes { 0xF0, 0x07, 0x44, 0x03, 0x00, 0x02, 0, 0, 0, 1, 0, 1, 0xF7 }, // a part dump
                               Bytes { 0xF0, 0x07, 0x44, 0x03, 0x00, 0x5A, 0x05 },               // cut short
                               Bytes { 0xF0 } })
        EXPECT_TRUE (reply (stray).ignored());
    EXPECT_EQ (fifo.outstanding(), info (typeProgram, 1025));
    EXPECT_TRUE (results.empty());

    reply (informationReply (typeProgram, 1025, 3000, "Real"));
    ASSERT_EQ (lastSent(), chunk (typeProgram, 1025, 0, 2048));
    EXPECT_TRUE (reply (dataReply (typeProgram, 1025, 2048, Bytes (object.begin() + 2048, object.end()))).ignored())
        << "a chunk at an offset nobody asked for";
    EXPECT_TRUE (reply (informationReply (typeProgram, 1025, 3000, "Real")).ignored()) << "a duplicated information reply";

    reply (dataReply (typeProgram, 1025, 0, Bytes (object.begin(), object.begin() + 2048)));
    const auto rest = dataReply (typeProgram, 1025, 2048, Bytes (object.begin() + 2048, object.end()));
    reply (rest);
    EXPECT_TRUE (reply (rest).ignored()) << "a duplicated last chunk";
    ASSERT_EQ (results.size(), 1u);
    EXPECT_EQ (results[0].object, object);
    EXPECT_EQ (lastSent(), info (typeProgram, 1026));
}

TEST_F (Fetch, DataBeyondTheAnnouncedTotalIsNeverStored)
{
    follow (fifo.startRange (typeProgram, false, 1025, 1025));
    reply (informationReply (typeProgram, 1025, 100, "Small"));
    for (int attempt = 0; attempt <= FIFO_Class::maxRetries; ++attempt)
        reply (dataReply (typeProgram, 1025, 0, objectBytes (120)));
    ASSERT_EQ (results.size(), 1u);
    EXPECT_EQ (results[0].result, Result::failed) << "asked three more times, then given up";
    EXPECT_EQ (sent.size(), 1u + 1u + FIFO_Class::maxRetries);
}

TEST_F (Fetch, GarbageInTheMailboxNeverStoresOrStopsTheRun)
{
    follow (fifo.startRange (typeFxChain, false, 1, 8000));
    std::mt19937 random (14);
    for (int i = 0; i < 3000; ++i)
    {
        Bytes m { 0xF0, 0x07, 0x44, 0x03, 0x00, (std::uint8_t) (i % 2 == 0 ? 0x5A : 0x5B) };
        const auto n = random() % 40;
        for (size_t k = 0; k < n; ++k)
            m.push_back ((std::uint8_t) (random() % 128));
        if (random() % 2 == 0)
            m.push_back (0xF7);
        reply (m);
    }
    for (const auto& r : results)
        EXPECT_NE (r.result, Result::received);
    // The run still answers to its time-out.
    EXPECT_TRUE (fifo.isActive());
    EXPECT_FALSE (follow (fifo.timedOut()).ignored());

    for (int i = 0; i < 100; ++i)
        fifo.handOver ({ 0x07, 0x44, 0x03, 0x00, 0x5A, 0x02, 0xF7 });
    EXPECT_EQ (fifo.takeLetters().size(), FIFO_Class::mailboxCapacity) << "a flood keeps only the newest letters";
}

TEST_F (Fetch, ARequestWithoutAnswerIsAskedThreeMoreTimesAndThreeSilentNumbersEndTheRun)
{
    follow (fifo.startRange (typeProgram, false, 1025, 1100));
    for (int i = 0; i < FIFO_Class::maxRetries; ++i)
    {
        follow (fifo.timedOut());
        EXPECT_EQ (lastSent(), info (typeProgram, 1025));
    }
    follow (fifo.timedOut());
    ASSERT_EQ (results.size(), 1u);
    EXPECT_EQ (results[0].result, Result::failed);
    EXPECT_EQ (lastSent(), info (typeProgram, 1026));

    // Any answer shows the instrument is there: the silence counts from scratch.
    reply (refusalReply());
    for (int number = 1027; number <= 1029; ++number)
    {
        EXPECT_EQ (lastSent(), info (typeProgram, number));
        for (int i = 0; i <= FIFO_Class::maxRetries; ++i)
            follow (fifo.timedOut());
    }
    EXPECT_FALSE (fifo.isActive());
    EXPECT_EQ (fifo.stopReason(), FIFO_Class::StopReason::noAnswer);
    EXPECT_EQ (results.back().number, 1029);
    EXPECT_EQ (sent.size(), 4u * 4u + 1u);
}

TEST_F (Fetch, TheLateAnswerToARequestSentTwiceIsNotTakenForTheNextOne)
{
    follow (fifo.startRange (typeProgram, false, 1025, 1100));
    follow (fifo.timedOut()); // the first answer was only slow
    const auto action = reply (refusalReply());
    EXPECT_EQ (action.result, Result::refused);
    EXPECT_TRUE (action.waiting) << "the request for 1026 waits for the second answer";
    EXPECT_EQ (lastSent(), info (typeProgram, 1025));

    reply (refusalReply()); // the answer to the second request for 1025
    EXPECT_EQ (results.size(), 1u);
    ASSERT_EQ (lastSent(), info (typeProgram, 1026));
    reply (refusalReply());
    EXPECT_EQ (results.size(), 2u);
    EXPECT_EQ (lastSent(), info (typeProgram, 1027)) << "answered at once: nothing to wait for";

    // When the second answer was lost instead, the time-out ends the wait.
    follow (fifo.timedOut());
    reply (refusalReply());
    EXPECT_EQ (lastSent(), info (typeProgram, 1027));
    follow (fifo.timedOut());
    EXPECT_EQ (lastSent(), info (typeProgram, 1028));
    EXPECT_EQ (results.size(), 3u);
}

TEST_F (Fetch, ASingleFetchAsksForOneObjectAndStops)
{
    EXPECT_TRUE (fifo.startSingle (typeSetup, 0).ignored());
    EXPECT_FALSE (fifo.isActive());

    follow (fifo.startSingle (typeSetup, 1100));
    EXPECT_EQ (fifo.fetchMode(), FIFO_Class::fetchModeSingle);
    EXPECT_EQ (lastSent(), info (typeSetup, 1100));
    reply (informationReply (typeSetup, 1100, 30, "My Multi"));
    const auto action = reply (dataReply (typeSetup, 1100, 0, objectBytes (30)));
    EXPECT_EQ (action.result, Result::received);
    EXPECT_TRUE (action.stopped);
    EXPECT_EQ (fifo.mailboxCode(), FIFO_Class::mailboxStopped);
    EXPECT_EQ (sent.size(), 2u);
}

TEST_F (Fetch, AllObjectsLeavesATypeThatDoesNotAnswerAndGivesUpWhenTheNextIsSilentToo)
{
    const auto silentNumber = [&] { for (int i = 0; i <= FIFO_Class::maxRetries; ++i) follow (fifo.timedOut()); };

    follow (fifo.startRange (typeProgram, true, 1025, 1030));
    reply (refusalReply()); // programs answer
    silentNumber();
    silentNumber();
    EXPECT_EQ (fifo.type(), typeProgram) << "two silent numbers are not yet three";
    EXPECT_TRUE (results.back().unanswered);
    silentNumber();

    // The third silent number leaves programs: algorithms come next, from the run's first number.
    EXPECT_EQ (fifo.type(), typeAlgorithm);
    EXPECT_EQ (lastSent(), info (typeAlgorithm, 1025));
    EXPECT_TRUE (results.back().typeSkipped);
    EXPECT_EQ (fifo.skippedTypes(), std::vector<int> { typeProgram });

    // Algorithms answer; FX chains do not, and are left too.
    for (int n = 1025; n <= 1030; ++n)
        reply (refusalReply());
    ASSERT_EQ (fifo.type(), typeFxChain);
    for (int i = 0; i < FIFO_Class::silentNumbersToGiveUp; ++i)
        silentNumber();
    EXPECT_EQ (fifo.type(), typeSetup);
    EXPECT_TRUE (fifo.isActive());

    // Multis are silent as well: six silent numbers in a row across two types, and the instrument is taken to be gone.
    for (int i = 0; i < FIFO_Class::silentNumbersToGiveUp; ++i)
        silentNumber();
    EXPECT_FALSE (fifo.isActive());
    EXPECT_EQ (fifo.stopReason(), FIFO_Class::StopReason::noAnswer);
    EXPECT_EQ (fifo.skippedTypes(), (std::vector<int> { typeProgram, typeFxChain }));
}

TEST_F (Fetch, ASingleTypeRunStillEndsAfterThreeSilentNumbersAndAnAnsweredFailureIsNotSilent)
{
    follow (fifo.startRange (typeKeyMap, false, 1, 10));
    reply (informationReply (typeKeyMap, 1, 100, "Map"));
    for (int i = 0; i <= FIFO_Class::maxRetries; ++i)
        follow (fifo.timedOut()); // the chunk never comes, but the instrument was heard
    EXPECT_EQ (results.back().result, Result::failed);
    EXPECT_FALSE (results.back().unanswered);
    for (int n = 0; n < FIFO_Class::silentNumbersToGiveUp; ++n)
        for (int i = 0; i <= FIFO_Class::maxRetries; ++i)
            follow (fifo.timedOut());
    EXPECT_EQ (fifo.stopReason(), FIFO_Class::StopReason::noAnswer);
    EXPECT_TRUE (fifo.skippedTypes().empty());
}
