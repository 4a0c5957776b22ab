// Merging two changed copies of a bank by record, and a block of slots by
// slot, against the version both started from.

#include "model/BankMerge.h"
#include "model/SlotMerge.h"
#include "support/BankBuilder.h"

#include <gtest/gtest.h>

using namespace zr9;
using namespace zr9::test;

namespace
{
constexpr int lastInBank = 12; // numbers 1 to 12 in the bank, indexedBank with cap 11

BankIndex indexedBank (int type, const Bytes& bytes, int cap = lastInBank - 1)
{
    BankIndex b;
    b.index (type, bytes, cap);
    return b;
}

/** A bank of the type with the given records and empty slots elsewhere. */
BankIndex bankOf (int type, const std::map<int, Bytes>& records)
{
    return indexedBank (type, makeFullBank (type, lastInBank, records));
}

/** `from` with record n replaced (an empty record clears it). */
BankIndex changed (const BankIndex& from, int n, const Bytes& record)
{
    auto b = from;
    b.store (n, ByteView (record));
    return b;
}

struct Merging : ::testing::TestWithParam<int>
{
    int type() const { return GetParam(); }
    BankIndex base = bankOf (type(), { { 2, makeRecord ("Two", 40) }, { 5, makeRecord ("Five", 60) }, { 9, makeRecord ("Nine", 33) } });
};
} // namespace

TEST_P (Merging, RecordsChangedOnEitherSideAreAllKeptAddedReplacedAndRemoved)
{
    // This side adds 3 and removes 9; the other replaces 5 with a longer record and adds 11.
    const auto mine = changed (changed (base, 3, makeRecord ("Mine 3", 70)), 9, {});
    const auto theirs = changed (changed (base, 5, makeRecord ("Their Five", 200)), 11, makeRecord ("Their 11", 25));

    const auto merged = bankmerge::merge (base, mine, theirs);
    EXPECT_EQ (merged.ours, (std::vector<int> { 3, 9 }));
    EXPECT_EQ (merged.theirs, (std::vector<int> { 5, 11 }));
    EXPECT_TRUE (merged.both.empty());
    EXPECT_TRUE (merged.unplaced.empty());

    const auto result = indexedBank (type(), merged.bytes);
    EXPECT_TRUE (bankmerge::isWholeBank (type(), ByteView (merged.bytes)));
    EXPECT_EQ (result.record (2), base.record (2)) << "untouched on both sides";
    EXPECT_EQ (result.record (3), mine.record (3));
    EXPECT_EQ (result.record (5), theirs.record (5));
    EXPECT_EQ (result.size (9), 0) << "removed here";
    EXPECT_EQ (result.record (11), theirs.record (11));
    EXPECT_EQ (result.size (12), 0);
    // The result is exactly what storing both sides' changes one by one gives.
    EXPECT_EQ (merged.bytes, changed (changed (theirs, 3, mine.record (3)), 9, {}).bytes());
}

TEST_P (Merging, ANumberBothChangedTakesThisSidesRecordAndNothingElseIsLost)
{
    const auto mine = changed (changed (base, 5, makeRecord ("Five here", 80)), 1, makeRecord ("One here", 30));
    const auto theirs = changed (changed (base, 5, makeRecord ("Five there", 90)), 10, makeRecord ("Ten there", 30));

    const auto merged = bankmerge::merge (base, mine, theirs);
    EXPECT_EQ (merged.both, (std::vector<int> { 5 }));
    EXPECT_EQ (merged.ours, (std::vector<int> { 1, 5 }));
    EXPECT_EQ (merged.theirs, (std::vector<int> { 10 }));
    const auto result = indexedBank (type(), merged.bytes);
    EXPECT_EQ (result.name (5), "Five here           ") << "the later write wins the number";
    EXPECT_EQ (result.record (1), mine.record (1));
    EXPECT_EQ (result.record (10), theirs.record (10));
    EXPECT_EQ (result.record (9), base.record (9));
}

TEST_P (Merging, WithNothingChangedOnOneSideTheResultIsTheOtherSideByteForByte)
{
    const auto theirs = changed (base, 4, makeRecord ("Four", 50));
    EXPECT_EQ (bankmerge::merge (base, base, theirs).bytes, theirs.bytes());
    const auto mine = changed (base, 4, makeRecord ("Four", 50));
    EXPECT_EQ (bankmerge::merge (base, mine, base).bytes, mine.bytes());
    EXPECT_TRUE (bankmerge::changedNumbers (base, base).empty());
    EXPECT_EQ (bankmerge::changedNumbers (base, mine), (std::vector<int> { 4 }));
}

INSTANTIATE_TEST_SUITE_P (PlainAndWrappedEntries, Merging, ::testing::Values ((int) typeKeyMap, (int) typeProgram));

TEST (BankMerge, AnOtherBankWithoutAPlaceForThisSidesRecordCarriesNothingAndTheMergeBuildsOnThisSide)
{
    const auto base = bankOf (typeSong, { { 2, makeRecord ("Song", 40) }, { 9, makeRecord ("Nine", 40) } });
    const auto mine = changed (base, 8, makeRecord ("Mine 8", 40));
    // The other side's bank ends at 6: neither 8 nor anything after has an entry there.
    auto theirs = indexedBank (typeSong, makeFullBank (typeSong, 6, { { 2, makeRecord ("Song", 40) }, { 3, makeRecord ("Theirs", 30) } }));

    const auto merged = bankmerge::merge (base, mine, theirs);
    const auto result = indexedBank (typeSong, merged.bytes);
    EXPECT_EQ (result.record (8), mine.record (8));
    EXPECT_EQ (result.record (3), theirs.record (3));
    // Where the other side has no entry (7 on) it changed nothing: this side's records stand.
    EXPECT_EQ (result.record (9), base.record (9));
    EXPECT_EQ (merged.theirs, (std::vector<int> { 3 }));
    EXPECT_TRUE (merged.unplaced.empty());
}

TEST (BankMerge, OnlyABankWithItsOpenAndCloseTagsIsWhole)
{
    const auto bytes = makeFullBank (typeProgram, 4, { { 1, makeRecord ("One", 30) } });
    EXPECT_TRUE (bankmerge::isWholeBank (typeProgram, ByteView (bytes)));
    EXPECT_FALSE (bankmerge::isWholeBank (typeSetup, ByteView (bytes))) << "another type's bank";

    auto cut = bytes;
    cut.resize (cut.size() - 30);
    EXPECT_FALSE (bankmerge::isWholeBank (typeProgram, ByteView (cut))) << "cut short";
    const std::string text = "Prog*Bank><Prog*Bank";
    EXPECT_TRUE (bankmerge::isWholeBank (typeProgram, ByteView (reinterpret_cast<const std::uint8_t*> (text.data()), text.size())));
    EXPECT_FALSE (bankmerge::isWholeBank (typeProgram, ByteView (reinterpret_cast<const std::uint8_t*> (text.data()), 19)));
    EXPECT_FALSE (bankmerge::isWholeBank (typeFxPreset, ByteView (bytes))) << "a type without a bank";

    EXPECT_TRUE (bankmerge::holdsRecords (bankOf (typeSample, { { 3, makeRecord ("S", 21) } })));
    EXPECT_FALSE (bankmerge::holdsRecords (bankOf (typeSample, {})));
}

TEST (BankMerge, BanksOfDifferentTypesAreNeverMixed)
{
    const auto programs = bankOf (typeProgram, { { 1, makeRecord ("P", 30) } });
    const auto keyMaps = bankOf (typeKeyMap, { { 1, makeRecord ("K", 30) } });
    EXPECT_EQ (bankmerge::merge (programs, programs, keyMaps).bytes, programs.bytes());
}

TEST (SlotMerge, SlotsMergeThreeWaysWithThisSideWinningASlotBothChanged)
{
    constexpr int slot = 4;
    const Bytes base { 1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3, 4, 4, 4, 4 };
    Bytes mine = base, theirs = base;
    mine[0] = 9;      // slot 0 here
    mine[9] = 8;      // slot 2 on both sides
    theirs[10] = 7;
    theirs[13] = 6;   // slot 3 there

    const auto merged = slotmerge::merge (ByteView (base), ByteView (mine), ByteView (theirs), slot);
    EXPECT_EQ (merged.bytes, (Bytes { 9, 1, 1, 1, 2, 2, 2, 2, 3, 8, 3, 3, 4, 6, 4, 4 }));
    EXPECT_EQ (merged.ours, 2);
    EXPECT_EQ (merged.theirs, 1);
    EXPECT_EQ (merged.both, 1);

    // A shorter other side changes only the slots it reaches; the result is as long as this side.
    const Bytes shortTheirs { 5, 5, 5, 5, 2, 2 };
    const auto cut = slotmerge::merge (ByteView (base), ByteView (base), ByteView (shortTheirs), slot);
    EXPECT_EQ (cut.bytes, (Bytes { 5, 5, 5, 5, 2, 2, 2, 2, 3, 3, 3, 3, 4, 4, 4, 4 }));
    EXPECT_EQ (slotmerge::merge (ByteView (base), ByteView (mine), ByteView (theirs), 0).bytes, mine);
}
