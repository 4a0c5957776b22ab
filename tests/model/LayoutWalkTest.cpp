#include "model/FxChainLayout.h"
#include "model/ProgramLayout.h"
#include "model/SetupLayout.h"

#include <gtest/gtest.h>

#include <chrono>
#include <random>

using namespace zr9;

namespace
{

void putDword (Bytes& b, long long pos, long long v)
{
    putWord (b, pos, (int) ((v >> 16) & 0xFFFF));
    putWord (b, pos + 2, (int) (v & 0xFFFF));
}

/** An info block of the given text lengths; the count and length words carry high bytes the walk must ignore. */
Bytes infoBlock (std::initializer_list<int> textLengths)
{
    Bytes b { 0x01, 0x02, 0x01, (std::uint8_t) textLengths.size() };
    for (int m : textLengths)
    {
        const Bytes head { 0, 0, 0, 28, 0, 5, 0x01, (std::uint8_t) m };
        b.insert (b.end(), head.begin(), head.end());
        b.insert (b.end(), (std::size_t) m, 'a');
    }
    return b;
}

} // namespace

// ---------------------------------------------------------------- program

TEST (ProgramLayout, InfoBlockSitsBehindTheLayersAndTheirZeroByte)
{
    Bytes r (300, 0);
    EXPECT_EQ (program::infoBlockOffset (r), 250);

    r[program::layerCountOffset] = 20;
    EXPECT_EQ (program::infoBlockOffset (r), 6610);
    EXPECT_EQ (program::layerOffset (20), 6609); // the zero byte behind layer 19

    r[program::layerCountOffset] = 255; // a count byte beyond 32 still places the block, it is never looped over
    EXPECT_EQ (program::infoBlockOffset (r), 250 + 318LL * 255);
}

TEST (ProgramLayout, InfoBlockSizeCountsLowBytesOnly)
{
    EXPECT_EQ (program::infoBlockSizeAt (infoBlock ({}), 0), 4);
    EXPECT_EQ (program::infoBlockSizeAt (infoBlock ({ 14 }), 0), 26);
    EXPECT_EQ (program::infoBlockSizeAt (infoBlock ({ 8, 13, 0 }), 0), 4 + 16 + 21 + 8);

    // Entries whose length byte lies beyond the view read as head only.
    Bytes cut = infoBlock ({ 10 });
    cut[3] = 200;
    EXPECT_EQ (program::infoBlockSizeAt (cut, 0), 4 + 18 + 199 * 8);
    EXPECT_EQ (program::infoBlockSizeAt (Bytes {}, 0), 4);
}

TEST (ProgramLayout, RouteBlockAndTrailingBlocks)
{
    Bytes route { 0, 3, 0, 3 };
    EXPECT_EQ (program::routeBlockSizeAt (route, 0), 16);
    route[2] = 0xFF;
    route[3] = 0xFF;
    EXPECT_EQ (program::routeBlockSizeAt (route, 0), 4 + 4 * 65535LL);

    Bytes r (250 + 318, 0);
    r[program::layerCountOffset] = 1;
    const Bytes info = infoBlock ({ 14, 11 });
    r.insert (r.end(), info.begin(), info.end());
    const Bytes routes { 0, 3, 0, 2, 1, 2, 3, 4, 5, 6, 7, 8 };
    r.insert (r.end(), routes.begin(), routes.end());
    r.resize (r.size() + 152, 0);

    const auto t = program::trailingBlocks (r);
    EXPECT_EQ (t.infoStart, 568);
    EXPECT_EQ (t.infoSize, 4 + 22 + 19);
    EXPECT_EQ (t.routeStart, 568 + 45);
    EXPECT_EQ (t.routeSize, 12);
    EXPECT_EQ (t.end() + 152, (long long) r.size());
}

// ---------------------------------------------------------------- setup

namespace
{

constexpr long long zoneStart = 462;     // extended format
constexpr long long zeroZoneLength = 261; // a zone of zero bytes: every part at its smallest

Bytes extendedSetup (int zones, std::size_t size = 4000)
{
    Bytes r (size, 0);
    r[setup::formatByte1Offset] = 3;
    r[setup::formatByte2Offset] = 11;
    r[setup::extendedZoneCountOffset] = (std::uint8_t) zones;
    return r;
}

long long zone0Length (const Bytes& r)
{
    return setup::walkZones (r).zones[0].length;
}

} // namespace

TEST (SetupLayout, FormatDecidesZoneCountAndCommonBlock)
{
    Bytes r (1000, 0);
    r[49] = 2;
    r[67] = 5;
    const std::pair<int, int> basic[] { { 3, 10 }, { 2, 50 }, { 0, 0 } };
    for (auto [b1, b2] : basic)
    {
        r[23] = (std::uint8_t) b1;
        r[24] = (std::uint8_t) b2;
        EXPECT_FALSE (setup::isExtended (r)) << b1 << "/" << b2;
        EXPECT_EQ (setup::zoneCount (r), 2);
        EXPECT_EQ (setup::commonBlockEnd (r), 369);
    }
    r[23] = 3;
    r[24] = 11;
    EXPECT_TRUE (setup::isExtended (r));
    EXPECT_EQ (setup::zoneCount (r), 5);
    EXPECT_EQ (setup::commonBlockEnd (r), 462);
}

TEST (SetupLayout, ShortRecordsAreNotWalked)
{
    const auto shortTable = setup::walkZones (extendedSetup (4, 999));
    EXPECT_EQ (shortTable.walked, 0);
    for (const auto& z : shortTable.zones)
        EXPECT_EQ (z.start + z.length + z.listA + z.listBEntries + z.segmentD, 0);

    EXPECT_EQ (setup::walkZones (extendedSetup (4, 1000)).walked, 4);
    EXPECT_EQ (setup::walkZones (extendedSetup (200)).walked, 16);
}

TEST (SetupLayout, ZeroZoneGivesEveryWorkingValue)
{
    const auto table = setup::walkZones (extendedSetup (2));
    const auto& z = table.zones[0];
    EXPECT_EQ (z.start, zoneStart);
    EXPECT_EQ (z.length, zeroZoneLength);
    EXPECT_EQ (z.listA, zoneStart + 35);
    EXPECT_EQ (z.listBEntries, zoneStart + 51);
    EXPECT_EQ (z.segmentCPlusOne, zoneStart + 136);
    EXPECT_EQ (z.segmentD, zoneStart + 205);
    EXPECT_EQ (z.segmentFPlusOne, zoneStart + 250);
    EXPECT_EQ (z.listACount, 0);
    EXPECT_EQ (z.listBCount, 0);
    EXPECT_EQ (table.zones[1].start, zoneStart + zeroZoneLength);
    EXPECT_EQ (table.end, zoneStart + 2 * zeroZoneLength);
}

TEST (SetupLayout, ListEntriesAreShortWhenMarked)
{
    Bytes r = extendedSetup (1);
    putDword (r, zoneStart + 35 + 5, 1);  // list A: one entry
    EXPECT_EQ (zone0Length (r), zeroZoneLength + 53);
    r[zoneStart + 43 + 3] = 0xFF;
    EXPECT_EQ (zone0Length (r), zeroZoneLength + 3);
    EXPECT_EQ (setup::walkZones (r).zones[0].listACount, 1);

    r = extendedSetup (1);
    putDword (r, zoneStart + 43 + 5, 1);  // list B: one entry
    EXPECT_EQ (zone0Length (r), zeroZoneLength + 157);
    r[setup::formatByte2Offset] = 10;     // basic: entries are 153 bytes, zone 0 starts at 369
    r[setup::basicZoneCountOffset] = 1;
    putDword (r, 369 + 43 + 5, 1);
    EXPECT_EQ (zone0Length (r), zeroZoneLength + 153);
    r = extendedSetup (1);
    putDword (r, zoneStart + 43 + 5, 1);
    r[zoneStart + 51 + 4] = 0xFF;
    EXPECT_EQ (zone0Length (r), zeroZoneLength + 4);
}

TEST (SetupLayout, TypedRecordLengthsFollowTheirType)
{
    const int lengths[] { 10, 12, 21, 39, 9 };
    for (int t = 0; t < 5; ++t)
        EXPECT_EQ (setup::typedRecordLength (t), lengths[t]);
    EXPECT_EQ (setup::typedRecordLength (7), 6);
    EXPECT_EQ (setup::typedRecordLength (0x100000000LL), 6);

    Bytes r = extendedSetup (1);
    putDword (r, zoneStart + 51 + 3, 7);   // first typed record: type 7
    EXPECT_EQ (zone0Length (r), zeroZoneLength - 4);
    EXPECT_EQ (setup::walkZones (r).zones[0].segmentCPlusOne, zoneStart + 136 - 4);
}

TEST (SetupLayout, SegmentCBlocksAndLinkedForm)
{
    const long long c = zoneStart + 135;
    Bytes r = extendedSetup (1);
    r[c + 49] = 0x80;                      // negative flag: the length is carried but no data follows
    putWord (r, c + 51, 20);
    EXPECT_EQ (zone0Length (r), zeroZoneLength);
    r[c + 49] = 1;
    EXPECT_EQ (zone0Length (r), zeroZoneLength + 20);
    r[c + 87] = 1;                         // fourth block, behind the first block's 20 bytes
    putWord (r, c + 89, 5);
    EXPECT_EQ (zone0Length (r), zeroZoneLength + 25);
    EXPECT_EQ (setup::walkZones (r).zones[0].segmentD, c + 70 + 25);

    r = extendedSetup (1);
    r[c + 42] = 1;                         // linked form: each length byte adds its value
    EXPECT_EQ (zone0Length (r), zeroZoneLength);
    r[c + 52] = 10;
    r[c + 52 + 16] = 3;                    // second length byte, behind the first run
    EXPECT_EQ (zone0Length (r), zeroZoneLength + 13);

    r = extendedSetup (1);
    putWord (r, zoneStart + 254 + 3, 2);   // segment G: two entries
    EXPECT_EQ (zone0Length (r), zeroZoneLength + 8);
}

TEST (SetupLayout, HugeCountsAreAddedNotLooped)
{
    Bytes r = extendedSetup (1, 1000);
    putDword (r, zoneStart + 35 + 5, 0xFFFFFFFFLL);
    const auto start = std::chrono::steady_clock::now();
    const auto z = setup::walkZones (r).zones[0];
    EXPECT_LT (std::chrono::steady_clock::now() - start, std::chrono::seconds (1));
    EXPECT_EQ (z.listACount, 0xFFFFFFFFLL);
    EXPECT_EQ (z.listBEntries, zoneStart + 43 + 0xFFFFFFFFLL * 53 + 8);
}

// ---------------------------------------------------------------- FX chain

namespace
{

/** A chain with the anchor at 30 and effects of the given parameter word counts, then an info block. */
Bytes chainWith (std::initializer_list<int> wordCounts, const Bytes& info)
{
    Bytes r (380, 0x11);
    r[28] = 0;
    r[29] = 0;
    r[30] = 0x14;
    r[30 + 349] = (std::uint8_t) wordCounts.size();
    for (int n : wordCounts)
    {
        Bytes e (8 + 2 * (std::size_t) n, 0);
        putWord (e, 0, 4);
        putWord (e, 6, n);
        r.insert (r.end(), e.begin(), e.end());
    }
    r.insert (r.end(), info.begin(), info.end());
    return r;
}

} // namespace

TEST (FxChainLayout, AnchorIsTheFirstMarkerWithinItsWindow)
{
    Bytes r (400, 0x11);
    EXPECT_EQ (fxchain::anchor (r), -1);
    EXPECT_EQ (fxchain::decode (r).count, 0);
    EXPECT_EQ (fxchain::decode (r).end, 0);
    EXPECT_EQ (fxchain::infoBlockSize (r), 0);

    r[60 - 2] = 0, r[60 - 1] = 0, r[60] = 0x14;
    EXPECT_EQ (fxchain::anchor (r), -1);   // 60 lies beyond the window
    r[57] = 0, r[58] = 0, r[59] = 0x14;
    EXPECT_EQ (fxchain::anchor (r), 59);
    r[32] = 0, r[33] = 0, r[34] = 0x14;
    EXPECT_EQ (fxchain::anchor (r), 34);
    r[18] = 0, r[19] = 0, r[20] = 0x14;
    EXPECT_EQ (fxchain::anchor (r), 20);
    EXPECT_EQ (fxchain::anchor (Bytes (21, 0)), -1);
}

TEST (FxChainLayout, DecodeWalksEffectsToTheInfoBlock)
{
    const Bytes r = chainWith ({ 13, 2 }, infoBlock ({ 8 }));
    const auto chain = fxchain::decode (r);
    ASSERT_EQ (chain.count, 2);
    EXPECT_EQ (chain.effects[0].start, 380);
    EXPECT_EQ (chain.effects[0].type, 4);
    EXPECT_EQ (chain.effects[0].length, 34);
    EXPECT_EQ (chain.effects[1].start, 414);
    EXPECT_EQ (chain.effects[1].length, 12);
    EXPECT_EQ (chain.end, 426);
    EXPECT_EQ (fxchain::infoBlockSize (r), 20);
    EXPECT_EQ (chain.end + 20, (long long) r.size());

    EXPECT_EQ (fxchain::infoBlockSize (chainWith ({ 1 }, infoBlock ({}))), 4);
}

TEST (FxChainLayout, CountIsSignedAndDecodedListIsCapped)
{
    Bytes r = chainWith ({}, {});
    r[379] = 0x80;
    EXPECT_EQ (fxchain::decode (r).count, 0);
    EXPECT_EQ (fxchain::decode (r).end, 380);

    r[379] = 40;                           // 40 effects beyond the record: 8 bytes each
    const auto chain = fxchain::decode (r);
    EXPECT_EQ (chain.count, 40);
    EXPECT_EQ (chain.decodedCount(), 32);
    EXPECT_EQ (chain.effects[31].start, 380 + 31 * 8);
    EXPECT_EQ (chain.end, 380 + 40 * 8);
}

// ---------------------------------------------------------------- any input

TEST (LayoutWalks, SurviveRandomAndTruncatedRecords)
{
    std::mt19937 random (12345);
    const Bytes shapes[] { chainWith ({ 13, 40, 7 }, infoBlock ({ 8, 30 })), extendedSetup (3), Bytes (3000, 0xFF) };
    for (int round = 0; round < 3000; ++round)
    {
        Bytes r;
        if (round % 2 == 0)
        {
            r.resize (random() % 4000);
            for (auto& b : r)
                b = (std::uint8_t) (random() % 4 == 0 ? 0xFF : random());
        }
        else
        {
            r = shapes[round % 3];
            r.resize (random() % (r.size() + 1));
            if (! r.empty())
                r[random() % r.size()] = (std::uint8_t) random();
        }

        const auto t = program::trailingBlocks (r);
        EXPECT_GE (t.end(), t.infoStart);
        const auto zones = setup::walkZones (r);
        EXPECT_LE (zones.walked, 16);
        for (int z = 1; z < zones.walked; ++z)
            EXPECT_EQ (zones.zones[(std::size_t) z].start, zones.zones[(std::size_t) z - 1].end());
        const auto chain = fxchain::decode (r);
        EXPECT_GE (chain.count, 0);
        EXPECT_LE (chain.count, 127);
        EXPECT_GE (fxchain::infoBlockSize (r), 0);
    }
}
