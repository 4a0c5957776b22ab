#include "model/ArrangementLibrary.h"
#include "model/ArrangementListFile.h"
#include "model/ArrangementState.h"
#include "model/FactoryBanks.h"
#include "support/TestHelpers.h"

#include <gtest/gtest.h>

#include <random>

using namespace zr9;
using namespace zr9::test;

namespace
{

/** The ArrangementState of factory slot s (from 0). */
Bytes factoryState (int slot)
{
    const auto record = Factory_Banks_ZR9::arrangementBank().slice ((long long) slot * arrangement::recordSize, arrangement::recordSize);
    return ArrangementState::make (record);
}

Bytes numberBytes (std::uint64_t v)
{
    Bytes b;
    arrlist::appendNumber (b, v);
    return b;
}

/** A list file put together by hand: a count, then (stated length, bytes) pairs. */
Bytes handMadeList (std::uint64_t count, const std::vector<std::pair<std::uint64_t, Bytes>>& entries)
{
    auto out = numberBytes (count);
    for (const auto& [length, bytes] : entries)
    {
        const auto n = numberBytes (length);
        out.insert (out.end(), n.begin(), n.end());
        out.insert (out.end(), bytes.begin(), bytes.end());
    }
    return out;
}
} // namespace

TEST (ArrangementListFile, NumbersAreTenBase128DigitsLeastSignificantFirst)
{
    EXPECT_EQ (numberBytes (200), (Bytes { 72, 1, 0, 0, 0, 0, 0, 0, 0, 0 }));
    EXPECT_EQ (numberBytes (630), (Bytes { 118, 4, 0, 0, 0, 0, 0, 0, 0, 0 }));

    for (const std::uint64_t v : { 0ull, 127ull, 128ull, 16383ull, 16384ull, 1ull << 40, ~0ull })
    {
        const auto b = numberBytes (v);
        ASSERT_EQ (b.size(), 10u);
        EXPECT_EQ (arrlist::readNumber (ByteView (b), 0), v) << v;
        for (auto digit : b)
            EXPECT_LT (digit, 128);
    }

    // A digit of 128 or more is no number; nor is one cut off by the end; one beyond 64 bits reads as the largest.
    auto bad = numberBytes (5);
    bad[3] = 0x80;
    EXPECT_FALSE (arrlist::readNumber (ByteView (bad), 0).has_value());
    EXPECT_FALSE (arrlist::readNumber (ByteView (numberBytes (5)), 1).has_value());
    const Bytes huge (10, 127);
    EXPECT_EQ (arrlist::readNumber (ByteView (huge), 0), ~0ull);
}

TEST (ArrangementListFile, AOneEntryListOfAnEntryMadeHereIs650BytesAndReadsBackWhole)
{
    ArrangementLibrary library;
    library.add (u32 ("EDM set"), ByteView (factoryState (0)));
    ASSERT_EQ (library.entries()[0].size(), 630u);

    const auto file = arrlist::encode (library.entries());
    ASSERT_EQ (file.size(), 650u);
    EXPECT_EQ (Bytes (file.begin(), file.begin() + 20), (Bytes { 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 118, 4, 0, 0, 0, 0, 0, 0, 0, 0 }));

    // Entries of any length, an empty one included, come back in order.
    library.add (u32 ("Hip Hop"), ByteView (factoryState (1)));
    auto entries = library.entries();
    entries.push_back (Bytes (7, 0x41));
    entries.push_back ({});
    const auto decoded = arrlist::decode (ByteView (arrlist::encode (entries)));
    EXPECT_EQ (decoded.status, arrlist::Decoded::Status::whole);
    EXPECT_EQ (decoded.entries, entries);
}

TEST (ArrangementListFile, CountsAndLengthsThatRunPastTheEndKeepOnlyTheWholeEntries)
{
    using Status = arrlist::Decoded::Status;
    const Bytes a (630, 1), b (40, 2);

    // Three stated, two there: the two are read.
    auto d = arrlist::decode (ByteView (handMadeList (3, { { 630, a }, { 40, b } })));
    EXPECT_EQ (d.status, Status::cut);
    EXPECT_EQ (d.statedCount, 3u);
    EXPECT_EQ (d.entries, (std::vector<Bytes> { a, b }));

    // The second entry's length runs past the end: only the first is read, nothing of the second.
    d = arrlist::decode (ByteView (handMadeList (2, { { 630, a }, { 41, b } })));
    EXPECT_EQ (d.status, Status::cut);
    EXPECT_EQ (d.entries, (std::vector<Bytes> { a }));

    // A length beyond what 64 bits hold, or with a digit above 127, ends the reading too.
    auto file = handMadeList (2, { { 630, a } });
    file.insert (file.end(), 10, 127);
    EXPECT_EQ (arrlist::decode (ByteView (file)).entries.size(), 1u);
    file = handMadeList (2, { { 630, a }, { 1, { 9 } } });
    file[650] = 0xC8;
    EXPECT_EQ (arrlist::decode (ByteView (file)).entries.size(), 1u);

    // A count of 0, fewer than 12 bytes, or a count with a bad digit read as no list.
    EXPECT_EQ (arrlist::decode (ByteView (handMadeList (0, { { 630, a } }))).status, Status::empty);
    EXPECT_EQ (arrlist::decode (ByteView (Bytes { 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0 })).status, Status::notAList);
    auto badCount = handMadeList (1, { { 40, b } });
    badCount[9] = 0xFF;
    EXPECT_EQ (arrlist::decode (ByteView (badCount)).status, Status::notAList);
}

TEST (ArrangementListFile, RandomBytesNeverGiveMoreThanTheyHold)
{
    std::mt19937 random (18);
    for (int round = 0; round < 2000; ++round)
    {
        Bytes file ((size_t) (random() % 700));
        for (auto& b : file)
            b = (std::uint8_t) (round % 2 == 0 ? random() % 256 : random() % 3); // small digits make plausible lengths
        const auto d = arrlist::decode (ByteView (file));
        std::size_t held = 0;
        for (const auto& e : d.entries)
            held += e.size() + (size_t) arrlist::numberSize;
        ASSERT_LE (held + (d.entries.empty() ? 0 : (size_t) arrlist::numberSize), file.size());
        if (d.status == arrlist::Decoded::Status::whole)
        {
            ASSERT_EQ (d.entries.size(), d.statedCount);
        }
    }
}

TEST (LibraryEntry, NamesAreCutAt256AndKeepOnlyBytes14To127)
{
    const auto state = factoryState (0);
    const auto entry = libentry::make (u32 (std::string (300, 'x')), ByteView (state));
    ASSERT_EQ (entry.size(), 630u);
    EXPECT_EQ (libentry::name (ByteView (entry)), std::string (256, 'x'));
    EXPECT_TRUE (std::all_of (entry.begin() + 256, entry.begin() + 300, [] (auto b) { return b == 0; }));
    EXPECT_EQ (Bytes (entry.begin() + 300, entry.end()), state);

    // Characters above 127 read back without them; those above 255 never alias to a letter by their low byte.
    EXPECT_EQ (libentry::name (ByteView (libentry::make (U"Caf\u00e9 Bl\u00fces", ByteView (state)))), "Caf Bles");
    EXPECT_EQ (libentry::name (ByteView (libentry::make (U"Sz\u0141\u0161 \u20ac5", ByteView (state)))), "Sz 5");
    EXPECT_EQ (libentry::name (ByteView (libentry::make (u32 ("Organ  \t  "), ByteView (state)))), "Organ") << "trailing blanks go";

    // A name field filled with bytes of every value keeps only 14 to 127.
    Bytes odd (300, 0);
    for (int i = 0; i < 256; ++i)
        odd[(size_t) i] = (std::uint8_t) i;
    const auto name = libentry::name (ByteView (odd));
    EXPECT_EQ (name.size(), 114u);
    EXPECT_EQ (name.front(), '\x0e');
    EXPECT_EQ (name.back(), '\x7f');
}

TEST (LibraryEntry, EntriesShorterThan300BytesHaveNoNameNoDataAndCannotBeRenamed)
{
    for (const size_t size : { 0u, 1u, 256u, 299u })
    {
        Bytes shortEntry (size, 'A');
        EXPECT_EQ (libentry::name (ByteView (shortEntry)), "");
        EXPECT_TRUE (libentry::arrangementData (ByteView (shortEntry)).empty());
        EXPECT_FALSE (libentry::rename (shortEntry, u32 ("New")));
        EXPECT_EQ (shortEntry, Bytes (size, 'A'));
    }
    Bytes headerOnly (300, 'A');
    EXPECT_TRUE (libentry::arrangementData (ByteView (headerOnly)).empty());
    ASSERT_TRUE (libentry::rename (headerOnly, u32 ("Ballad")));
    EXPECT_EQ (libentry::name (ByteView (headerOnly)), "Ballad");
    EXPECT_EQ (headerOnly[6], 0) << "the rest of the field is zero";
    EXPECT_EQ (headerOnly[256], 'A') << "bytes after the name field are kept";
}

TEST (ArrangementLibrary, ChangesSetTheModifiedFlagAndTakingAFileClearsIt)
{
    ArrangementLibrary library;
    EXPECT_FALSE (library.isModified());
    library.add (u32 ("One"), ByteView (factoryState (0)));
    library.add (u32 ("Two"), ByteView (factoryState (1)));
    EXPECT_TRUE (library.isModified());

    library.replace (library.entries());
    EXPECT_FALSE (library.isModified());
    EXPECT_FALSE (library.rename (5, u32 ("x")));
    EXPECT_FALSE (library.remove (-1));
    EXPECT_FALSE (library.isModified()) << "nothing outside the list changes anything";

    EXPECT_TRUE (library.rename (1, u32 ("Second")));
    EXPECT_EQ (library.name (1), "Second");
    EXPECT_TRUE (library.isModified());
    library.markSaved();
    EXPECT_TRUE (library.remove (0));
    EXPECT_EQ (library.name (0), "Second");
    EXPECT_TRUE (library.isModified());
    library.markSaved();
    library.clear();
    EXPECT_TRUE (library.empty());
    EXPECT_TRUE (library.isModified());
}
