#include "model/FactoryBanks.h"
#include "model/ObjBankHolder.h"
#include "model/ObjMultiClass.h"
#include "model/ObjProgramEditClass.h"
#include "model/ProgramLayout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

using namespace zr9;

namespace
{
template <typename Holder>
void indexFactory (Holder& h, int cap)
{
    h.indexBank (Factory_Banks_ZR9::image (h.typeId()), cap);
}
} // namespace

TEST (FactoryObjects, EveryProgramDecodesItsInfoBlockWhereTheWalkSays)
{
    ObjProgramBankClass programs;
    indexFactory (programs, 2304);
    ObjProgramEditClass edit;
    int decoded = 0;
    for (int n = 1; n <= 2304; ++n)
    {
        if (! programs.exists (n))
            continue;
        SCOPED_TRACE (n);
        const ByteView r = programs.recordView (n);
        const auto t = program::trailingBlocks (r);
        EXPECT_EQ (t.infoStart, 250 + 318LL * programs.layerCount (n));

        const Bytes info = programs.infoBlock (n);
        ASSERT_EQ ((long long) info.size(), t.infoSize);
        ASSERT_GE (info.size(), 4u);
        EXPECT_EQ (ByteView (info).word (0), 0x0102);

        edit.load (r);
        edit.decodeBlocks();
        const auto lists = edit.infoLists();
        const auto& own = lists.group[3];
        const int count = ByteView (info).byte (3);
        if (info.size() >= 20)
        {
            EXPECT_EQ (own.count, count);
            for (int k = 0; k < std::min (count, 39); ++k)
            {
                EXPECT_FALSE (own.text[(size_t) k].empty()) << k;
                EXPECT_EQ (own.text[(size_t) k], edit.infoText (k)) << k;
            }
        }
        EXPECT_EQ (lists.routeCount, programs.routeBlock (n).size() >= 20 ? (int) (programs.routeBlock (n).size() - 4) / 4 : 0);
        for (int k = 0; k < std::min (programs.layerCount (n), 32); ++k)
            EXPECT_EQ (edit.layerObject (k).keyMap(), programs.layerKeyMap (n, k));
        ++decoded;
    }
    EXPECT_EQ (decoded, 260);
}

TEST (FactoryObjects, EverySetupsLastZoneEndsAtTheRecordEnd)
{
    ObjSetupBankClass setups;
    indexFactory (setups, 2304);
    ObjMultiClass multi;
    for (int n = 1; n <= 130; ++n)
    {
        SCOPED_TRACE (n);
        multi.loadFromBank (setups, n);
        const int zones = multi.numberOfZones();
        ASSERT_TRUE (zones >= 1 && zones <= 16);
        EXPECT_EQ (multi.zoneStart (0), 462);
        EXPECT_EQ (multi.zoneStart (zones - 1) + multi.zoneLength (zones - 1), multi.record.size());
        EXPECT_EQ (multi.common.bytes.size(), 462u);
        for (int z = 0; z < zones; ++z)
        {
            // Each zone walks its own bytes to exactly their end, and its lists sit where the setup's walk put them.
            const auto& zone = multi.zones[(size_t) z];
            const auto own = zone.walk();
            EXPECT_EQ (own.length, (long long) zone.bytes.size()) << z;
            EXPECT_EQ (own.listA + multi.zoneStart (z), multi.zoneLists[ObjMultiClass::listAStart][(size_t) z]);
            EXPECT_EQ (own.listBEntries + multi.zoneStart (z), multi.zoneLists[ObjMultiClass::listBEntries][(size_t) z]);
        }
        EXPECT_EQ (multi.zoneLength (zones), 0);
    }
}

TEST (FactoryObjects, EveryChainEndsWithItsInfoBlockAndLittleBoothIsAReverb)
{
    ObjFXChainClass chains;
    indexFactory (chains, 6912);
    int booth = 0;
    for (int n = 1; n <= 6912; ++n)
    {
        if (! chains.bank().exists (n))
            continue;
        SCOPED_TRACE (n);
        chains.decodeFxChain (n);
        const auto& c = chains.current();
        EXPECT_GE (chains.fxAnchor (n), 30);
        EXPECT_EQ (c.end + chains.fxInfoBlockSize (n), chains.bank().size (n));
        EXPECT_EQ ((int) chains.fxInfoBlock (n).size(), chains.fxInfoBlockSize (n));
        EXPECT_EQ (ByteView (chains.fxInfoBlock (n)).word (0), 0x0102);
        if (chains.bank().name (n) == "Little Booth        ")
            booth = n;
    }
    ASSERT_NE (booth, 0);

    chains.categorise();
    const auto& reverbs = chains.categoryList (fxReverb);
    EXPECT_NE (std::find (reverbs.begin(), reverbs.end(), booth), reverbs.end());
    EXPECT_TRUE (chains.categoryList (fxEcho).empty());
    EXPECT_TRUE (chains.categoryList (fxDrums).empty());

    // A program decodes a chain's info block into its FX groups the same way.
    ObjProgramEditClass edit;
    edit.decodeChainInfo (0, chains.fxInfoBlock (booth));
    EXPECT_EQ (edit.infoLists().group[0].text[0], " Wet/Dry");
}

TEST (FactoryObjects, CutAndScrambledFactoryRecordsGiveShortResults)
{
    // Factory records cut short or with one byte changed: the edit objects
    // load and decode them without reading outside, giving short results.
    ObjProgramBankClass programs;
    indexFactory (programs, 8);
    ObjSetupBankClass setups;
    indexFactory (setups, 8);
    const Bytes program = programs.bank().record (1);
    const Bytes setupRecord = setups.bank().record (1);
    ASSERT_FALSE (program.empty());
    ASSERT_FALSE (setupRecord.empty());

    std::mt19937 random (77);
    ObjProgramEditClass edit;
    ObjMultiClass multi;
    for (int round = 0; round < 400; ++round)
    {
        Bytes p = program;
        p.resize (random() % (p.size() + 1));
        if (! p.empty() && round % 2 == 1)
            p[random() % p.size()] = (std::uint8_t) random();
        edit.load (p);
        edit.decodeBlocks();
        const auto lists = edit.infoLists();
        EXPECT_EQ (lists.entryCount, std::max (lists.group[3].count, lists.routeCount));
        (void) edit.infoText ((int) (random() % 40));
        edit.setRouteByte2 ((int) (random() % 40), 1);
        EXPECT_EQ (edit.recordSize(), (int) p.size());

        Bytes s = setupRecord;
        s.resize (random() % (s.size() + 1));
        if (! s.empty() && round % 2 == 1)
            s[random() % s.size()] = (std::uint8_t) random();
        multi.load (s);
        for (int z = 0; z < 16; ++z)
            EXPECT_LE (multi.zones[(size_t) z].bytes.size(), s.size());
    }
}
