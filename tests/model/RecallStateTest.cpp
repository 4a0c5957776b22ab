#include "model/FactoryBanks.h"
#include "model/RecallState.h"

#include <gtest/gtest.h>

using namespace zr9;

namespace
{
/** A bank whose slots differ: slot s starts with the byte s + 1 and ends with 0xA5. */
Bytes bankWithSlotsNumbered()
{
    Bytes bank (arrangement::bankSize, 0);
    for (int s = 0; s < arrangement::slotCount; ++s)
    {
        bank[(size_t) (s * arrangement::recordSize)] = (std::uint8_t) (s + 1);
        bank[(size_t) ((s + 1) * arrangement::recordSize - 1)] = 0xA5;
    }
    return bank;
}

RecallState::Recall someRecall()
{
    RecallState::Recall r;
    r.slot = 37;
    const auto rock = Factory_Banks_ZR9::arrangementBank().slice (2 * arrangement::recordSize, arrangement::recordSize);
    r.record.assign (rock.data(), rock.data() + rock.size());
    // A pan far left, a level below zero, a chain number above 32767 as a program byte pair can give, a controller.
    r.values = { { 41, -64 }, { 42, -96 }, { 0, 65535 }, { LiveRowLayout::controllerRow (15, 7), 127 }, { 2313, 5 } };
    return r;
}
} // namespace

TEST (RecallState, TheBlockFollowsTheBankAndReadsBackAsWritten)
{
    const auto bank = bankWithSlotsNumbered();
    const auto recall = someRecall();
    const auto state = RecallState::make (ByteView (bank), recall);

    ASSERT_EQ (state.size(), 19226u + 329u + 6u * 5u);
    EXPECT_EQ (std::string (state.begin(), state.begin() + 26), "ZR9PianoPlugBankVersion100");
    EXPECT_TRUE (std::equal (bank.begin(), bank.end(), state.begin() + 26)) << "the 64 records where they always were";
    EXPECT_EQ (std::string (state.begin() + 19226, state.begin() + 19252), "ZR9PianoLiveValsVersion100");
    EXPECT_EQ (state[19252], 37);
    // The first value: row 41 as a word, -64 as four bytes of two's complement.
    EXPECT_EQ (std::vector<int> (state.begin() + 19555, state.begin() + 19561), (std::vector<int> { 0, 41, 0xFF, 0xFF, 0xFF, 0xC0 }));

    const auto back = RecallState::read (ByteView (state));
    ASSERT_TRUE (back.has_value());
    EXPECT_EQ (back->slot, 37);
    EXPECT_EQ (back->record, recall.record);
    EXPECT_EQ (back->values, recall.values);
}

TEST (RecallState, AReaderOfTheBankFormatAloneGetsTheSixtyFourSlotsAndNothingElse)
{
    const auto saved = bankWithSlotsNumbered();
    const auto state = RecallState::make (ByteView (saved), someRecall());

    // Today's reader: whole records up to the 64th slot.
    Bytes bank (arrangement::bankSize, 0x11);
    EXPECT_EQ (BankState::readInto (ByteView (state), bank), 64);
    EXPECT_EQ (bank, saved);

    // A reader that copies every byte after the header: its first 19,200 bytes are the bank as saved.
    const Bytes copied (state.begin() + BankState::recordsOffset, state.end());
    EXPECT_TRUE (std::equal (saved.begin(), saved.end(), copied.begin()));
}

TEST (RecallState, StatesWithoutAWholeBlockCarryNone)
{
    const auto bank = bankWithSlotsNumbered();
    EXPECT_FALSE (RecallState::read (ByteView (BankState::make (ByteView (bank)))).has_value()) << "an earlier version's state";

    auto state = RecallState::make (ByteView (bank), someRecall());
    EXPECT_FALSE (RecallState::read (ByteView (state.data(), 19226 + 328)).has_value()) << "cut before the count";
    EXPECT_TRUE (RecallState::read (ByteView (state.data(), 19226 + 329)).has_value());

    auto foreign = state;
    foreign[19226 + 3] = 'Q';
    EXPECT_FALSE (RecallState::read (ByteView (foreign)).has_value());
    EXPECT_FALSE (RecallState::read (ByteView (state.data(), 26 + 300)).has_value()) << "a one-record bank state";
}

TEST (RecallState, DamagedBlocksGiveOnlyWhatIsWholeAndInTheTable)
{
    auto state = RecallState::make (ByteView (bankWithSlotsNumbered()), someRecall());

    // Cut in the middle of the third value: two values are whole.
    auto cut = RecallState::read (ByteView (state.data(), state.size() - 6 * 3 + 2));
    ASSERT_TRUE (cut.has_value());
    EXPECT_EQ (cut->values.size(), 2u);

    // A count beyond what follows, a row beyond the table, a slot beyond the bank.
    auto damaged = state;
    damaged[19226 + 327] = 0xFF;
    damaged[19226 + 329 + 6] = 0x7F; // second value's row: 0x7F2A
    damaged[19226 + 26] = 200;
    const auto read = RecallState::read (ByteView (damaged));
    ASSERT_TRUE (read.has_value());
    EXPECT_EQ (read->slot, -1);
    ASSERT_EQ (read->values.size(), 4u);
    EXPECT_EQ (read->values[1].row, 0) << "the row beyond the table is left out";
}
