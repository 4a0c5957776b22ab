#include "model/BankIndex.h"
#include "model/FactoryBanks.h"
#include "support/BankBuilder.h"

#include <gtest/gtest.h>

#include <random>

using namespace zr9;
using namespace zr9::test;

namespace
{
BankIndex indexed (int type, const Bytes& bank, int cap)
{
    BankIndex b;
    b.index (type, bank, cap);
    return b;
}
} // namespace

TEST (BankIndex, RecordsOfPlainAndWrappedEntriesReadBackWithTheirSizes)
{
    for (const int type : { (int) typeKeyMap, (int) typeProgram })
    {
        const auto r3 = makeRecord ("Third Record", 60);
        const auto r5 = makeRecord ("Five", 25);
        const auto bank = indexed (type, makeFullBank (type, 11, { { 3, r3 }, { 5, r5 }, { 7, makeRecord ("x", 20) } }), 10);
        EXPECT_EQ (bank.count(), 11);
        EXPECT_EQ (bank.size (3), 60);
        EXPECT_EQ (bank.record (3), r3);
        EXPECT_EQ (bank.name (3), "Third Record        ");
        EXPECT_EQ (bank.size (1), 0) << "an empty slot";
        EXPECT_EQ (bank.name (5), "Five                ");
        EXPECT_FALSE (bank.exists (7)) << "a record of exactly 20 bytes holds only a name";
        EXPECT_EQ (bank.size (7), 20);
        EXPECT_TRUE (bank.record (7).empty());
        EXPECT_FALSE (bank.exists (0)) << "object 0 never exists";
        EXPECT_EQ (bank.size (0), 0);
        EXPECT_EQ (bank.size (11), 0) << "one beyond cap has no successor to measure against";
        EXPECT_EQ (bank.size (12), 0);
        EXPECT_EQ (bank.size (-1), 0);
    }
}

TEST (BankIndex, SizeThresholdsForRecordAndName)
{
    const auto bank = indexed (typeKeyMap, makeFullBank (typeKeyMap, 4, { { 1, makeRecord ("A", 23) }, { 2, makeRecord ("B", 24) }, { 3, makeRecord ("C", 25) } }), 3);
    EXPECT_TRUE (bank.exists (1));
    EXPECT_TRUE (bank.record (1).empty());
    EXPECT_EQ (bank.record (2).size(), 24u);
    EXPECT_EQ (bank.name (2), "");
    EXPECT_EQ (bank.name (3), "C                   ");
}

TEST (BankIndex, FieldReadsStayInsideTheRecord)
{
    auto program = makeRecord ("Grand", 40);
    program[30] = 0xFE; // category as a signed byte
    program[31] = 4;
    program[38] = 0x12;
    program[39] = 0x34;
    const auto bank = indexed (typeProgram, makeFullBank (typeProgram, 3, { { 1, program }, { 2, makeRecord ("Tiny", 2) } }), 2);
    EXPECT_EQ (bank.byteAt (1, 31), 4);
    EXPECT_EQ (bank.firstKey (1), -2);
    EXPECT_EQ (bank.secondKey (1), 4);
    EXPECT_EQ (bank.wordAt (1, 38), 0x1234);
    EXPECT_EQ (bank.wordAt (1, 39), 0) << "half a word beyond the record reads 0";
    EXPECT_EQ (bank.byteAt (1, 40), 0) << "the tag behind the record is not part of it";
    EXPECT_EQ (bank.byteAt (2, 30), 0);
    EXPECT_EQ (bank.byteAt (3, 0), 0);
    EXPECT_EQ (bank.programCategory (1), "-2");
}

TEST (BankIndex, ProgramCategoriesAndArpeggiatorModesReadAsText)
{
    auto piano = makeRecord ("Piano", 60);
    piano[30] = 1;
    auto odd = makeRecord ("Odd", 60);
    odd[30] = 11;
    const auto programs = indexed (typeProgram, makeFullBank (typeProgram, 3, { { 1, piano }, { 2, odd } }), 2);
    EXPECT_EQ (programs.programCategory (1), "PIANO");
    EXPECT_EQ (programs.programCategory (2), "11");
    EXPECT_EQ (programs.programCategory (3), "");

    auto classic = makeRecord ("Default Arp", 100);
    classic[61] = 0;
    auto step = makeRecord ("Stepper", 100);
    step[61] = 1;
    step[71] = 12;
    auto other = makeRecord ("Other", 100);
    other[61] = 2;
    const auto arps = indexed (typeArpeggiator, makeFullBank (typeArpeggiator, 4, { { 1, classic }, { 2, step }, { 3, other } }), 3);
    EXPECT_EQ (arps.arpModeText (1), "CLASSIC");
    EXPECT_EQ (arps.arpModeText (2), "STEP. SEQ: 12");
    EXPECT_EQ (arps.arpModeText (3), "");
    EXPECT_EQ (programs.arpModeText (1), "") << "only arpeggiator banks have modes";
}

TEST (BankIndex, StoreSplicesTheBankAndShiftsLaterRecords)
{
    for (const int type : { (int) typeVelocityPattern, (int) typeSetup })
    {
        const auto r4 = makeRecord ("Four", 50);
        const auto raw = makeFullBank (type, 9, { { 4, r4 } });
        auto bank = indexed (type, raw, 8);
        const int offset4 = bank.offset (4);
        const int offset5 = bank.offset (5);

        const auto hundred = makeRecord ("Hundred", 100);
        ASSERT_TRUE (bank.store (3, hundred));
        EXPECT_EQ (bank.bytes().size(), raw.size() + 100);
        EXPECT_EQ (bank.offset (4), offset4 + 100);
        EXPECT_EQ (bank.offset (5), offset5 + 100);
        EXPECT_EQ (bank.record (3), hundred);
        EXPECT_EQ (bank.record (4), r4) << "the next record is unchanged";

        const auto thirty = makeRecord ("Thirty", 30);
        ASSERT_TRUE (bank.store (3, thirty));
        EXPECT_EQ (bank.bytes().size(), raw.size() + 30);
        EXPECT_EQ (bank.record (3), thirty);
        EXPECT_EQ (bank.record (4), r4);

        ASSERT_TRUE (bank.clear (3));
        EXPECT_EQ (bank.bytes(), raw) << "clearing restores the empty slot with its tags";

        // The bank stays well formed: indexing it again gives the same records.
        ASSERT_TRUE (bank.store (8, thirty));
        const auto again = indexed (type, bank.bytes(), 8);
        EXPECT_EQ (again.record (8), thirty);
        EXPECT_EQ (again.record (4), r4);
    }
}

TEST (BankIndex, StoreAndClearOutsideTheFoundTagsChangeNothing)
{
    const auto raw = makeBank (typeKeyMap, { { 1, makeRecord ("One", 30) }, { 2, {} }, { 4, makeRecord ("Four", 30) }, { 5, {} } });
    auto bank = indexed (typeKeyMap, raw, 6);
    const auto record = makeRecord ("New", 40);
    EXPECT_FALSE (bank.store (3, record)) << "3's tag is missing";
    EXPECT_FALSE (bank.store (0, record));
    EXPECT_FALSE (bank.store (7, record));
    EXPECT_FALSE (bank.store (100, record));
    EXPECT_FALSE (bank.store (-1, record));
    EXPECT_FALSE (bank.clear (6));
    EXPECT_EQ (bank.bytes(), raw);
    EXPECT_EQ (bank.size (2), 0) << "the number before a missing one cannot be measured";
    EXPECT_EQ (bank.size (4), 30);
}

TEST (BankIndex, EachSearchStartsBehindThePreviousHit)
{
    // Order 1, 3, 2: the search for 2 starts behind 1 and finds 2 past 3; the
    // search for 3 then starts behind 2 and finds nothing.
    const auto bank = indexed (typeShiftPattern,
                               makeBank (typeShiftPattern, { { 1, makeRecord ("One", 30) }, { 3, makeRecord ("Three", 30) },
                                                             { 2, makeRecord ("Two", 30) }, { 4, {} } }),
                               3);
    EXPECT_NE (bank.offset (1), 0);
    EXPECT_NE (bank.offset (2), 0);
    EXPECT_EQ (bank.offset (3), 0);
    EXPECT_NE (bank.offset (4), 0);
    EXPECT_GT (bank.offset (2), bank.offset (1));
    EXPECT_EQ (bank.size (2), 0) << "its successor was not found";
    EXPECT_FALSE (bank.exists (3));

    // A number whose first tag stands before the previous hit is found at a later copy.
    const auto twice = indexed (typeShiftPattern,
                                makeBank (typeShiftPattern, { { 2, makeRecord ("Early", 30) }, { 1, makeRecord ("One", 30) },
                                                              { 2, makeRecord ("Late", 40) }, { 3, {} } }),
                                2);
    EXPECT_EQ (twice.name (2), "Late                ");
    EXPECT_EQ (twice.size (2), 40);
}

TEST (BankIndex, TypesWithoutABankAndEmptyInputGiveEmptyBanks)
{
    const auto bytes = makeFullBank (typeKeyMap, 3, { { 1, makeRecord ("One", 30) } });
    for (const int type : { (int) typeFxPreset, 0, 999 })
    {
        const auto bank = indexed (type, bytes, 2);
        EXPECT_TRUE (bank.bytes().empty());
        EXPECT_FALSE (bank.exists (1));
    }
    const auto empty = indexed (typeKeyMap, Bytes(), 8192);
    EXPECT_FALSE (empty.exists (1));
    EXPECT_EQ (empty.idList (4).size(), 0u);
    EXPECT_EQ (empty.idList (0).size(), 8192u);
}

TEST (BankIndex, IdListsByMode)
{
    std::map<int, Bytes> records;
    for (const int n : { 2, 5, 1024, 1025, 1030 })
    {
        auto r = makeRecord ("P" + std::to_string (n), 40);
        r[30] = n == 5 || n == 1030 ? 3 : 1;
        records[n] = r;
    }
    const auto bank = indexed (typeProgram, makeFullBank (typeProgram, 1041, records), 1040);
    EXPECT_EQ (bank.idList (0).size(), 1040u);
    EXPECT_EQ (bank.idList (1, 0), (std::vector<int> { 2, 5, 1024 }));
    EXPECT_EQ (bank.idList (1, 1), (std::vector<int> { 1025, 1030 }));
    EXPECT_EQ (bank.idList (1, 100).size(), 16u);
    EXPECT_EQ (bank.idList (1, 100).front(), 1025);
    EXPECT_EQ (bank.idList (2, 3), (std::vector<int> { 5, 1030 }));
    EXPECT_TRUE (bank.idList (2, 7).empty()) << "a category no record has";
    EXPECT_EQ (bank.idList (4), (std::vector<int> { 2, 5, 1024, 1025, 1030 }));
    EXPECT_TRUE (bank.idList (3).empty());
    EXPECT_TRUE (bank.idList (1, 5).empty());
}

TEST (BankIndex, DamagedBanksNeverReadOutside)
{
    const auto good = makeFullBank (typeFxChain, 30, { { 3, makeRecord ("Hall", 400) }, { 9, makeRecord ("Room", 90) } });
    // Cut anywhere, including inside a tag.
    for (size_t cut = 0; cut <= good.size(); cut += 7)
    {
        const Bytes truncated (good.begin(), good.begin() + (long) cut);
        auto bank = indexed (typeFxChain, truncated, 29);
        for (int n = 0; n <= 31; ++n)
        {
            const auto r = bank.record (n);
            EXPECT_LE (r.size(), truncated.size());
            (void) bank.name (n);
            (void) bank.wordAt (n, 18);
        }
        bank.store (3, ByteView (makeRecord ("New", 50)));
    }
    const auto whole = indexed (typeFxChain, good, 29);
    const auto cut = (long) whole.offset (9) + 50;
    const auto bank = indexed (typeFxChain, Bytes (good.begin(), good.begin() + cut), 29);
    EXPECT_TRUE (bank.exists (3));
    EXPECT_FALSE (bank.exists (9)) << "a truncated bank has no records from the cut onwards";

    std::mt19937 random (3);
    for (int round = 0; round < 200; ++round)
    {
        auto noisy = good;
        for (int i = 0; i < 40; ++i)
            noisy[random() % noisy.size()] = (std::uint8_t) random();
        auto b = indexed (typeFxChain, noisy, 29);
        for (int n = 1; n <= 30; ++n)
            EXPECT_LE (b.record (n).size(), noisy.size());
        b.store ((int) (random() % 32), ByteView (makeRecord ("Z", (size_t) (random() % 200))));
        b.clear ((int) (random() % 32));
    }
}

TEST (BankIndex, FactoryProgramImageWithCap2048)
{
    BankIndex bank;
    bank.index (typeProgram, Factory_Banks_ZR9::image (typeProgram), 2048);
    int found = 0;
    for (int n = 1; n <= 2049; ++n)
        found += bank.offset (n) != 0 ? 1 : 0;
    EXPECT_EQ (found, 2049);
    EXPECT_EQ (bank.offset (2050), 0);
    EXPECT_EQ (bank.size (2048), 0);
    EXPECT_TRUE (bank.exists (256));
    EXPECT_FALSE (bank.exists (257));
}
