// The files objects are shared in: the tagged bank format and the System
// Exclusive file of program write sequences, written and read back, and what
// the readers make of damaged and foreign files; the import plan and the
// one-step store it ends in.

#include "model/BankFileFormat.h"
#include "model/FactoryBanks.h"
#include "model/ImportPlan.h"
#include "model/ObjBankHolder.h"
#include "model/ObjectFileReader.h"
#include "model/ProgramParts.h"
#include "model/ProgramSequences.h"
#include "model/SevenBitPacking.h"
#include "model/SysexFile.h"
#include "support/BankBuilder.h"

#include <gtest/gtest.h>

#include <random>

using namespace zr9;
using namespace zr9::test;

namespace
{
BankIndex factoryBank (int type)
{
    BankIndex b;
    b.index (type, Factory_Banks_ZR9::image (type), findBankType (type)->cap);
    return b;
}

/** The first `count` objects a bank holds, from `from` on, as entries to write. */
std::vector<std::pair<int, Bytes>> objectsOf (const BankIndex& bank, int count, int from = 1)
{
    std::vector<std::pair<int, Bytes>> out;
    for (int n = from; n <= bank.cap() && (int) out.size() < count; ++n)
        if (bank.exists (n))
            out.push_back ({ n, bank.record (n) });
    return out;
}

std::vector<bankfile::Entry> entriesOf (const std::vector<std::pair<int, Bytes>>& objects)
{
    std::vector<bankfile::Entry> entries;
    for (const auto& [n, r] : objects)
        entries.push_back ({ n, ByteView (r) });
    return entries;
}

/** A record of `size` bytes of the type with the given name (none for algorithms). */
Bytes madeRecord (int type, const std::string& name, size_t size, int seed)
{
    auto r = makeRecord (name, size);
    for (size_t i = 20; i < size; ++i)
        r[i] = (std::uint8_t) (i * 13 + (size_t) seed);
    if (type == typeAlgorithm)
        r.erase (r.begin(), r.begin() + 20);
    return r;
}

Bytes concat (std::initializer_list<Bytes> parts)
{
    Bytes out;
    for (const auto& p : parts)
        out.insert (out.end(), p.begin(), p.end());
    return out;
}

bool mentions (const FileContents& c, const std::string& words)
{
    for (const auto& p : c.problems)
        if (p.find (words) != std::string::npos)
            return true;
    return false;
}

/** Programs of the factory bank with at most 16 characters in their names, as the instrument stores them. */
std::vector<std::pair<int, Bytes>> programs (int count)
{
    return objectsOf (factoryBank (typeProgram), count);
}
} // namespace

// ----------------------------------------------------------------- bank files

TEST (BankFile, EveryTypeRoundTripsAndTheLibrarysOwnIndexReadsTheFileToo)
{
    for (const auto& type : bankTypes())
    {
        const auto t = (int) type.id;
        std::vector<std::pair<int, Bytes>> objects { { 3, madeRecord (t, "Three", 90, 1) },
                                                     { 4, madeRecord (t, "Four Follows", 300, 2) },
                                                     { 1030, madeRecord (t, "Far Away", 60, 3) } };
        const auto file = bankfile::write (t, entriesOf (objects));
        const auto back = bankfile::read (ByteView (file));
        EXPECT_EQ (back.format, FileContents::Format::bank) << t;
        EXPECT_EQ (back.typeId, t);
        EXPECT_TRUE (back.problems.empty()) << t << ": " << (back.problems.empty() ? "" : back.problems.front());
        ASSERT_EQ (back.objects.size(), objects.size()) << t;
        for (size_t i = 0; i < objects.size(); ++i)
        {
            EXPECT_EQ (back.objects[i].number, objects[i].first);
            EXPECT_EQ (back.objects[i].record, objects[i].second) << t << " " << objects[i].first;
        }

        // The same bytes as a data file: each record measured by the empty entry written after it.
        BankIndex index;
        index.index (t, ByteView (file), type.cap);
        for (const auto& [n, r] : objects)
            EXPECT_EQ (index.record (n), r) << t << " " << n;
        EXPECT_FALSE (index.exists (5));
    }
}

TEST (BankFile, WritingSortsLeavesOutNamelessRecordsAndWritesANumberOnce)
{
    const auto a = madeRecord (typeKeyMap, "Aaa", 80, 1), b = madeRecord (typeKeyMap, "Bbb", 80, 2);
    const auto file = bankfile::write (typeKeyMap, { { 9, ByteView (b) }, { 2, ByteView (a) }, { 9, ByteView (a) },
                                                     { 0, ByteView (a) }, { 5, ByteView (makeRecord ("Only a name", 20)) } });
    const auto back = bankfile::read (ByteView (file));
    ASSERT_EQ (back.objects.size(), 2u);
    EXPECT_EQ (back.objects[0].number, 2);
    EXPECT_EQ (back.objects[1].number, 9);
    EXPECT_EQ (back.objects[1].record, b) << "the first of a number given twice";
    EXPECT_TRUE (bankfile::write (typeFxPreset, { { 1, ByteView (a) } }).empty()) << "no bank, no file";
}

TEST (BankFile, TheFactoryImageReadsAsAFileWithEveryObject)
{
    const auto image = Factory_Banks_ZR9::image (typeProgram);
    const auto back = bankfile::read (image);
    const auto bank = factoryBank (typeProgram);
    int expected = 0;
    for (int n = 1; n <= 2304; ++n)
        expected += n <= 2048 && bank.exists (n) ? 1 : 0;
    // The image holds numbers up to 2304; those beyond the bank's 2048 are read, and marked.
    EXPECT_GE ((int) back.objects.size(), expected);
    for (const auto& o : back.objects)
    {
        if (! o.outsideRange)
        {
            EXPECT_EQ (o.record, bank.record (o.number)) << o.number;
        }
    }
}

TEST (BankFile, ACutShortFileGivesTheWholeObjectsBeforeTheCut)
{
    const auto objects = objectsOf (factoryBank (typeProgram), 5);
    const auto file = bankfile::write (typeProgram, entriesOf (objects));

    // Cut anywhere: the objects before the cut come whole, and the reader says why it stopped.
    for (const size_t keep : { file.size() - 3, file.size() - 10, file.size() / 2, (size_t) 12, (size_t) 5 })
    {
        const auto back = bankfile::read (ByteView (file.data(), keep));
        EXPECT_TRUE (mentions (back, "cut short") || keep <= 10) << keep;
        EXPECT_LT (back.objects.size(), objects.size() + (keep >= file.size() - 10 ? 1u : 0u)) << keep;
        for (size_t i = 0; i < back.objects.size(); ++i)
            EXPECT_EQ (back.objects[i].record, objects[i].second) << "whole, and the ones before the cut";
    }
    // Only the closing tag missing: every object is there, and the file still counts as cut short.
    const auto withoutClose = bankfile::read (ByteView (file.data(), file.size() - 10));
    EXPECT_EQ (withoutClose.objects.size(), objects.size());
    EXPECT_TRUE (mentions (withoutClose, "closing tag"));
}

TEST (BankFile, DamageStopsTheReadingWhereItIsAndNamesAndNumbersAreChecked)
{
    const int t = typeIntonation;
    auto good = madeRecord (t, "Good", 60, 1);
    auto badName = madeRecord (t, "Bad\x01Name\xE9", 60, 2);
    auto bank = makeBank (t, { { 1, good }, { 2, {} }, { 3, badName }, { 4, {} }, { 3, good }, { 4, {} } });
    auto back = bankfile::read (ByteView (bank));
    ASSERT_EQ (back.objects.size(), 2u);
    EXPECT_EQ (back.objects[1].number, 3);
    EXPECT_TRUE (back.objects[1].nameCleaned);
    EXPECT_EQ (shownName (ByteView (back.objects[1].record), t), "Bad Name");
    for (size_t i = 0; i < 20; ++i)
        EXPECT_TRUE (back.objects[1].record[i] >= 0x20 && back.objects[1].record[i] <= 0x7E);
    EXPECT_TRUE (mentions (back, "characters in the name"));
    EXPECT_TRUE (mentions (back, "came before")) << "the second 3 is left out";

    // Numbers outside the type's range are read and marked: only a free number can take them.
    const auto outside = bankfile::read (ByteView (makeBank (t, { { 2600, good }, { 2601, {} } })));
    ASSERT_EQ (outside.objects.size(), 1u);
    EXPECT_TRUE (outside.objects[0].outsideRange);
    EXPECT_TRUE (mentions (outside, "outside 1 to 2560"));

    // Something that is not an entry: what came before stays, nothing after it is read.
    auto damaged = makeBank (t, { { 1, good }, { 2, {} } });
    const auto tail = makeEntry (t, 7, good);
    damaged.insert (damaged.end() - 10, { 'j', 'u', 'n', 'k' });
    damaged.insert (damaged.end() - 10, tail.begin(), tail.end());
    back = bankfile::read (ByteView (damaged));
    ASSERT_EQ (back.objects.size(), 1u);
    EXPECT_TRUE (mentions (back, "damaged"));

    // Letters where the digits belong, and a wrapped entry without its inner tag.
    auto letters = makeBank (t, { { 1, good } });
    letters[10 + 10] = 'x';
    EXPECT_TRUE (bankfile::read (ByteView (letters)).objects.empty());
    auto noInner = makeBank (typeProgram, { { 1, madeRecord (typeProgram, "P", 300, 1) } });
    noInner[10 + 14] = '#';
    EXPECT_TRUE (mentions (bankfile::read (ByteView (noInner)), "damaged"));
}

TEST (BankFile, NeitherBankNorSysexIsSaidSoAndAWrongExtensionIsNamed)
{
    const Bytes text { 'h', 'e', 'l', 'l', 'o' };
    auto c = readObjectFile (ByteView (text), ".zr9bank");
    EXPECT_TRUE (c.objects.empty());
    EXPECT_EQ (c.format, FileContents::Format::unknown);
    EXPECT_TRUE (mentions (c, "not a ZR9 bank file"));
    EXPECT_TRUE (mentions (readObjectFile (ByteView (text), ".SYX"), "not a System Exclusive file"));
    EXPECT_TRUE (mentions (readObjectFile (ByteView (text), ".txt"), "neither"));
    EXPECT_TRUE (mentions (readObjectFile (ByteView(), ".syx"), "empty"));

    const auto objects = programs (2);
    const auto bank = bankfile::write (typeProgram, entriesOf (objects));
    c = readObjectFile (ByteView (bank), ".syx");
    EXPECT_EQ (c.objects.size(), 2u) << "read for what it is";
    EXPECT_TRUE (mentions (c, "it is a ZR9 bank file"));

    const auto syx = syxfile::write ({ { 1025, ByteView (objects[0].second) } });
    c = readObjectFile (ByteView (syx), ".zr9bank");
    EXPECT_EQ (c.objects.size(), 1u);
    EXPECT_TRUE (mentions (c, "System Exclusive messages"));
    EXPECT_TRUE (readObjectFile (ByteView (syx), ".dat").problems.empty()) << "a file of any other name is read by its content";
}

// ------------------------------------------------------------------ .syx files

TEST (SysexFile, ProgramsTravelAsWriteSequencesAndComeBackUnderTheirStoredNames)
{
    const auto objects = programs (4);
    std::vector<syxfile::Program> list;
    for (const auto& [n, r] : objects)
        list.push_back ({ n + 1024, ByteView (r) });
    const auto file = syxfile::write (list);

    // Three messages a program, each a whole program-part dump through the transfer slot, with the number in it.
    int messages = 0;
    for (const auto b : file)
        messages += b == sysex::start ? 1 : 0;
    EXPECT_EQ (messages, 12);
    EXPECT_EQ (file[5], sysex::commandProgramPart);
    EXPECT_EQ (sysex::Reader (file).number14Hi (sysex::at::number), objects[0].first + 1024);
    EXPECT_EQ (file[sysex::at::part], 4);

    const auto back = syxfile::read (ByteView (file));
    EXPECT_TRUE (back.problems.empty()) << back.problems.front();
    ASSERT_EQ (back.objects.size(), objects.size());
    for (size_t i = 0; i < objects.size(); ++i)
    {
        EXPECT_EQ (back.objects[i].number, objects[i].first + 1024);
        EXPECT_EQ (back.objects[i].record, program::storedRecord (ByteView (objects[i].second)));
        EXPECT_EQ (back.objects[i].record.size(), objects[i].second.size());
    }
}

TEST (SysexFile, ForeignBrokenAndIncompleteMessagesArePassedOverAndCounted)
{
    const auto objects = programs (3);
    const auto seq = [&] (size_t i, int number) { return syxfile::write ({ { number, ByteView (objects[i].second) } }); };
    const Bytes identity { 0xF0, 0x7E, 0x00, 0x06, 0x02, 0x07, 0x44, 0x00, 0x03, 0x00, 0xF7 };
    const Bytes otherMaker { 0xF0, 0x43, 0x10, 0x4C, 0x00, 0x00, 0x7E, 0x00, 0xF7 };
    const auto storeName = sysex::storeWithName (0, sysex::commandProgramPart, 1030, 0, "Grand");
    const Bytes noteOn { 0x90, 0x3C, 0x64 };

    // A sequence missing its part 5, and one whose part 0 names another number.
    auto first = seq (0, 1025);
    const auto sequence1 = seq (1, 1026);
    const auto part4End = (size_t) (std::find (sequence1.begin(), sequence1.end(), sysex::end) - sequence1.begin()) + 1;
    const auto part5End = (size_t) (std::find (sequence1.begin() + (long) part4End, sequence1.end(), sysex::end) - sequence1.begin()) + 1;
    Bytes missingBody (sequence1.begin(), sequence1.begin() + (long) part4End);
    missingBody.insert (missingBody.end(), sequence1.begin() + (long) part5End, sequence1.end());
    auto renumbered = seq (2, 1027);
    const auto lastStart = (size_t) (std::find (renumbered.rbegin(), renumbered.rend(), sysex::start).base() - renumbered.begin()) - 1;
    renumbered[lastStart + sysex::at::number + 1] ^= 0x01;

    // A broken message: a status byte before its end.
    Bytes broken { 0xF0, 0x07, 0x44, 0x03, 0x00, 0x02, 0x10, 0x90 };

    const auto last = seq (0, 1041);
    const auto file = concat ({ identity, first, otherMaker, storeName, noteOn, missingBody, renumbered, broken, seq (2, 1040),
                                Bytes { 0xF8 }, Bytes (last.begin(), last.end() - 5) });
    const auto back = syxfile::read (ByteView (file));
    ASSERT_EQ (back.objects.size(), 2u);
    EXPECT_EQ (back.objects[0].number, 1025);
    EXPECT_EQ (back.objects[1].number, 1040);
    EXPECT_EQ (back.objects[1].record, program::storedRecord (ByteView (objects[2].second)));
    EXPECT_TRUE (mentions (back, "2 messages of other makers or instruments"));
    EXPECT_TRUE (mentions (back, "1 message of the instrument that stores no program"));
    EXPECT_TRUE (mentions (back, "2 broken messages")) << "the status byte and the cut last message";
    EXPECT_TRUE (mentions (back, "ends inside a message"));
    EXPECT_TRUE (mentions (back, "1 run of bytes outside any message"));
    EXPECT_TRUE (mentions (back, "3 program write sequences were incomplete")) << "no part 5, another number, the cut one";
}

TEST (SysexFile, PartsThatDoNotFitOneProgramAndNumbersOutsideTheBankAreNotTakenAsTheyAre)
{
    const auto objects = programs (1);
    auto record = objects[0].second;
    // Part 5 one layer short of what part 0's layer count needs.
    const auto info = program::writeInfoPart (ByteView (record));
    auto body = program::writeBodyPart (ByteView (record));
    body.resize (body.size() - 318);
    const auto seqShort = sysex::programWriteSequence (0, 0, 1030, info, body, program::writeCommonPart (ByteView (record), "Short"));
    Bytes file;
    for (const auto& m : seqShort)
        file.insert (file.end(), m.begin(), m.end());
    auto back = syxfile::read (ByteView (file));
    EXPECT_TRUE (back.objects.empty());
    EXPECT_TRUE (mentions (back, "did not fit together"));

    // Number 0 only loads an edit buffer, 3000 lies beyond the bank: both offered for free numbers only.
    Bytes loads;
    for (const auto& m : program::loadSequenceFor (0, 0, ByteView (record)))
        loads.insert (loads.end(), m.begin(), m.end());
    const auto far = syxfile::write ({ { 3000, ByteView (record) } });
    back = syxfile::read (ByteView (concat ({ loads, far })));
    ASSERT_EQ (back.objects.size(), 2u);
    EXPECT_TRUE (back.objects[0].outsideRange);
    EXPECT_TRUE (back.objects[1].outsideRange);
    EXPECT_TRUE (mentions (back, "outside 1 to 2048"));
}

TEST (ObjectFileReaders, SurviveRandomBytesAndRandomDamageToGoodFiles)
{
    const auto objects = programs (3);
    const auto bank = bankfile::write (typeProgram, entriesOf (objects));
    const auto syx = syxfile::write ({ { 1025, ByteView (objects[0].second) }, { 1026, ByteView (objects[1].second) } });
    std::mt19937 random (25);
    for (int round = 0; round < 300; ++round)
    {
        for (const auto* good : { &bank, &syx })
        {
            auto damaged = *good;
            for (int i = 0; i < 4; ++i)
                damaged[random() % damaged.size()] = (std::uint8_t) random();
            damaged.resize (random() % (damaged.size() + 1));
            const auto c = readObjectFile (ByteView (damaged), good == &bank ? ".zr9bank" : ".syx");
            for (const auto& o : c.objects)
                EXPECT_GT (o.record.size(), 20u);
        }
    }
}

// ------------------------------------------------------------------ import plans

namespace
{
struct Planning : ::testing::Test
{
    Planning()
    {
        holder.indexBank (ByteView (makeFullBank (typeKeyMap, 1100, { { 10, madeRecord (typeKeyMap, "Library Ten", 80, 10) },
                                                                        { 1025, madeRecord (typeKeyMap, "Taken", 80, 11) },
                                                                        { 1027, madeRecord (typeKeyMap, "Also Taken", 80, 12) } })),
                          8192);
    }

    FileContents file (std::vector<std::pair<int, Bytes>> objects)
    {
        FileContents c;
        c.format = FileContents::Format::bank;
        c.typeId = typeKeyMap;
        for (auto& [n, r] : objects)
            c.objects.push_back ({ n, r, false, false });
        checkObjects (c);
        return c;
    }

    ObjKeyMapClass holder;
};
} // namespace

TEST_F (Planning, OwnNumbersShowWhatIsReplacedWhatIsAlreadyThereAndWhatCannotGo)
{
    const auto same = holder.bank().record (1025);
    const auto c = file ({ { 10, madeRecord (typeKeyMap, "New Ten", 90, 1) }, { 1025, same }, { 11, madeRecord (typeKeyMap, "Free", 90, 2) },
                           { 9000, madeRecord (typeKeyMap, "Far", 90, 3) }, { 2000, madeRecord (typeKeyMap, "No Tag", 90, 4) } });
    const auto plan = planImport (c, holder.bank(), ImportDestination::ownNumbers);
    ASSERT_EQ (plan.rows.size(), 5u);
    EXPECT_EQ (plan.rows[0].destination, 10);
    EXPECT_TRUE (plan.rows[0].replaces);
    EXPECT_EQ (plan.rows[0].replacedName, "Library Ten");
    EXPECT_EQ (plan.rows[0].name, "New Ten");
    EXPECT_TRUE (plan.rows[1].identical);
    EXPECT_FALSE (plan.rows[1].replaces);
    EXPECT_EQ (plan.rows[2].destination, 11);
    EXPECT_FALSE (plan.rows[2].replaces);
    EXPECT_EQ (plan.rows[3].destination, 0) << "beyond the key maps' 8192";
    EXPECT_EQ (plan.rows[3].why, "number outside the range");
    EXPECT_EQ (plan.rows[4].destination, 0) << "this library's bank has no entry for 2000";
    EXPECT_EQ (plan.storing(), 2);
    EXPECT_EQ (plan.replacing(), 1);
    EXPECT_EQ (plan.identical(), 1);
    EXPECT_EQ (plan.leftOut(), 2);
}

TEST_F (Planning, FreeNumbersSkipWhatTheLibraryHoldsAndRunOutAtTheBanksEnd)
{
    std::vector<std::pair<int, Bytes>> objects;
    for (int i = 0; i < 80; ++i)
        objects.push_back ({ 10 + i, madeRecord (typeKeyMap, "K" + std::to_string (i), 70, i) });
    objects.push_back ({ 9500, madeRecord (typeKeyMap, "Outside", 70, 99) });
    const auto plan = planImport (file (objects), holder.bank(), ImportDestination::firstFreeUserNumbers);
    EXPECT_EQ (plan.rows[0].destination, 1026);
    EXPECT_EQ (plan.rows[1].destination, 1028) << "1027 is taken";
    EXPECT_EQ (plan.rows[2].destination, 1029);
    EXPECT_EQ (plan.replacing(), 0);
    // This library's bank has places up to 1099 only (1100 has no entry after it to measure it by):
    // 1026 and 1028 to 1099 are 73 numbers.
    EXPECT_EQ (plan.storing(), 73);
    EXPECT_EQ (plan.rows.back().destination, 0);
    EXPECT_EQ (plan.rows.back().why, "no free number left in the user range");
}

TEST_F (Planning, AnImportIsOneChangeOfTheBankAndAPlanMadeOnAnotherLibraryIsSeenAsOther)
{
    const auto c = file ({ { 10, madeRecord (typeKeyMap, "New Ten", 90, 1) }, { 12, madeRecord (typeKeyMap, "Twelve", 50, 2) },
                           { 1025, holder.bank().record (1025) } });
    const auto plan = planImport (c, holder.bank(), ImportDestination::ownNumbers);
    const auto before = holder.snapshot();

    holder.deliverPendingChanges(); // the bank's own indexing
    int changes = 0;
    struct Counter final : ObjectChangeListener
    {
        explicit Counter (int& n) : count (n) {}
        void objectChanged (ObjectChangeNotifier&, int code) override { count += code == ObjBankHolder::codeBankChanged ? 1 : 0; }
        int& count;
    } counter (changes);
    holder.addChangeListener (&counter);
    EXPECT_EQ (applyImport (plan, c, holder), 2);
    holder.deliverPendingChanges();
    holder.removeChangeListener (&counter);
    EXPECT_EQ (changes, 1) << "one change for the whole import";
    EXPECT_EQ (holder.bank().record (10), c.objects[0].record);
    EXPECT_EQ (holder.bank().record (12), c.objects[1].record);
    EXPECT_EQ (before->name (10), "Library Ten         ") << "a reader's snapshot is untouched";

    EXPECT_FALSE (samePlan (plan, planImport (c, holder.bank(), ImportDestination::ownNumbers)))
        << "10 is now the imported one: nothing would be replaced";
}

TEST (BankIndexStoreMany, StoresAsOneStoreAfterAnotherWould)
{
    std::mt19937 random (7);
    for (int round = 0; round < 40; ++round)
    {
        std::map<int, Bytes> records;
        for (int n = 1; n <= 60; ++n)
            if (random() % 2 == 0)
                records[n] = madeRecord (typeProgram, "R" + std::to_string (n), 21 + random() % 200, n);
        BankIndex one, many;
        const auto image = makeFullBank (typeProgram, 61, records);
        one.index (typeProgram, ByteView (image), 60);
        many.index (typeProgram, ByteView (image), 60);

        std::vector<Bytes> kept;
        std::vector<BankIndex::Replacement> changes;
        for (int n = 0; n <= 62; ++n)
            if (random() % 3 == 0)
            {
                kept.push_back (random() % 4 == 0 ? Bytes() : madeRecord (typeProgram, "New", 21 + random() % 300, n + round));
                changes.push_back ({ n, ByteView (kept.back()) });
            }
        int stored = 0;
        for (const auto& c : changes)
            stored += one.store (c.number, c.record) ? 1 : 0;
        EXPECT_EQ (many.storeMany (changes), stored);
        EXPECT_EQ (many.bytes(), one.bytes());
        for (int n = 0; n <= 61; ++n)
            EXPECT_EQ (many.offset (n), one.offset (n)) << n;
    }
    BankIndex b;
    b.index (typeProgram, ByteView (makeFullBank (typeProgram, 5, {})), 4);
    const auto r = madeRecord (typeProgram, "x", 40, 1);
    EXPECT_EQ (b.storeMany ({ { 3, ByteView (r) }, { 2, ByteView (r) } }), 0) << "numbers must rise";
    EXPECT_FALSE (b.exists (2));
}
