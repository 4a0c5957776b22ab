#include "model/BankIndex.h"
#include "model/FactoryBanks.h"
#include "model/FxChainLayout.h"
#include "model/FxTypeTable.h"
#include "model/ObjectTypes.h"
#include "model/ProgramLayout.h"
#include "model/SetupLayout.h"

#include <gtest/gtest.h>

#include <set>

using namespace zr9;

namespace
{

/** One row of the factory bank table. */
struct ImageFacts
{
    int typeId;
    long long size;
    int lastNumber;
    int withData;
    std::vector<std::pair<int, int>> dataRuns; // where the objects with data lie, when fixed
    std::vector<std::string> names;
    int minRecord, maxRecord;                  // record sizes, 0 when not fixed
};

const ImageFacts imageFacts[] {
    { typeProgram, 950390, 2304, 260, { { 1, 256 }, { 1021, 1024 } }, { "Dyn 9ft Grand", "Rich Grand 7ft" }, 0, 0 },
    { typeSetup, 1558125, 2304, 130, { { 1, 130 } }, { "Arp & Pad", "Metallicscape" }, 1000, 0 },
    { typeFxChain, 1724699, 6912, 2247, {}, { "Little Booth", "Soundboard" }, 0, 0 },
    { typeKeyMap, 664056, 5120, 910, {}, { "Piano f Left", "Piano f Right" }, 52, 9999 },
    { typeIntonation, 72492, 2560, 18, { { 1, 18 } }, { "Equal", "Just", "Werkmeister" }, 44, 44 },
    { typeShiftPattern, 76048, 2560, 115, {}, { "major", "minor" }, 28, 60 },
    { typeVelocityPattern, 75976, 2560, 94, {}, { "PseudoSine", "LoHi" }, 28, 76 },
    { typeArpeggiator, 90672, 2560, 142, {}, { "Default Arp", "Minor Rap" }, 96, 160 },
};

std::string padded (std::string s, std::size_t n = 20)
{
    s.resize (n, ' ');
    return s;
}

std::string closeTag (const char* openTag)
{
    char close[10];
    makeCloseTag (openTag, close);
    return std::string (close, 10);
}

std::string fourDigits (int n)
{
    std::string s = std::to_string (n);
    return std::string (4 - s.size(), '0') + s;
}

/** A bank indexed over every number it holds plus one, so that every entry has a size. */
BankIndex indexWhole (int typeId, int lastNumber)
{
    BankIndex bank;
    bank.index (typeId, Factory_Banks_ZR9::image (typeId), lastNumber);
    return bank;
}

/** True when the entry of number n lies exactly where its tags say, directly behind entry n - 1. */
bool entryIsWellFormed (ByteView image, const ObjectTypeInfo& type, const BankIndex& bank, int n, long long entryStart)
{
    const long long record = bank.offset (n);
    const long long size = bank.size (n);
    std::string before = type.recordTag + fourDigits (n);
    std::string after = type.wrapped() ? closeTag (type.innerTag) : std::string();
    if (type.wrapped())
        before += type.innerTag;
    after += closeTag (type.recordTag) + fourDigits (n);
    return record - type.skip() == entryStart
        && image.matches (entryStart, before.data(), before.size())
        && image.matches (record + size, after.data(), after.size());
}

} // namespace

TEST (FactoryImages, MeetEveryFactOfTheFactoryTable)
{
    for (const auto& facts : imageFacts)
    {
        SCOPED_TRACE (facts.typeId);
        const auto* type = findBankType (facts.typeId);
        const ByteView image = Factory_Banks_ZR9::image (facts.typeId);
        ASSERT_EQ ((long long) image.size(), facts.size);
        EXPECT_TRUE (image.matches (0, type->bankTag, 10));
        EXPECT_EQ (closeTag (type->bankTag), std::string (reinterpret_cast<const char*> (image.data()) + facts.size - 10, 10));

        // Every number from 1 to the last, in order, each entry right behind the one before.
        const BankIndex whole = indexWhole (facts.typeId, facts.lastNumber);
        long long entryStart = 10;
        std::vector<int> withData;
        std::set<std::string> names;
        for (int n = 1; n <= facts.lastNumber; ++n)
        {
            ASSERT_TRUE (entryIsWellFormed (image, *type, whole, n, entryStart)) << "entry " << n;
            entryStart = whole.offset (n) + whole.size (n) + type->gapOverhead() - type->skip();
            if (! whole.exists (n))
                continue;
            withData.push_back (n);
            names.insert (whole.name (n));
            if (facts.minRecord > 0)
            {
                EXPECT_GE (whole.size (n), facts.minRecord) << n;
            }
            if (facts.maxRecord > 0)
            {
                EXPECT_LE (whole.size (n), facts.maxRecord) << n;
            }
        }
        EXPECT_EQ (entryStart + 10, facts.size);
        EXPECT_FALSE (image.matches (entryStart, type->recordTag, 10));
        EXPECT_EQ ((int) withData.size(), facts.withData);

        std::vector<int> expected;
        for (auto [first, last] : facts.dataRuns)
            for (int n = first; n <= last; ++n)
                expected.push_back (n);
        if (! expected.empty())
        {
            EXPECT_EQ (withData, expected);
        }
        for (const auto& name : facts.names)
            EXPECT_EQ (names.count (padded (name)), 1u) << name;

        // Indexed with the start-up cap, every object within it is found.
        BankIndex capped;
        capped.index (facts.typeId, image, type->cap);
        int found = 0;
        for (int n = 1; n <= type->cap; ++n)
            found += capped.exists (n) ? 1 : 0;
        EXPECT_EQ (found, (int) std::count_if (withData.begin(), withData.end(), [&] (int n) { return n <= type->cap; }));
    }
}

TEST (FactoryImages, ProgramCapFindsOneEntryBeyondIt)
{
    BankIndex programs;
    programs.index (typeProgram, Factory_Banks_ZR9::image (typeProgram), 2048);
    for (int n = 1; n <= 2049; ++n)
        ASSERT_NE (programs.offset (n), 0) << n;
    EXPECT_EQ (programs.size (2048), 0);
    EXPECT_TRUE (programs.exists (256));
    EXPECT_EQ (programs.name (1), padded ("Dyn 9ft Grand"));
}

TEST (FactoryImages, ProgramsWalkToTheirEndAndNameFactoryObjects)
{
    const BankIndex programs = indexWhole (typeProgram, 2304);
    const BankIndex keyMaps = indexWhole (typeKeyMap, 5120);
    const BankIndex chains = indexWhole (typeFxChain, 6912);
    for (int n = 1; n <= 1024; ++n)
    {
        if (! programs.exists (n))
            continue;
        SCOPED_TRACE (n);
        const Bytes r = programs.record (n);
        const ByteView v (r);
        const int layers = program::layerCount (v);
        const auto blocks = program::trailingBlocks (v);
        EXPECT_EQ (blocks.end() + 152, (long long) r.size());
        EXPECT_TRUE (v.matches (20, "RK2\x04\x07", 5) && v.matches (25, "RK2\x03\x03", 5));
        EXPECT_TRUE (v.matches (141, "ProgramRFU012567", 16));
        EXPECT_TRUE (layers >= 1 && layers <= 31);
        EXPECT_EQ (v.byte (program::layerOffset (layers)), 0);
        EXPECT_EQ (v.word (blocks.infoStart), 0x0102);
        EXPECT_EQ (v.word (blocks.routeStart), 0x0003);
        EXPECT_TRUE (v.byte (30) >= 1 && v.byte (30) <= 10);
        EXPECT_EQ (v.byte (157) == 'x', v.byte (30) == 4 && v.byte (31) == 1);
        for (int k = 0; k < layers; ++k)
        {
            const long long at = program::layerOffset (k);
            EXPECT_EQ (v.byte (at), 0x09);
            EXPECT_LE (v.byte (at + 2), v.byte (at + 3));
            EXPECT_TRUE (keyMaps.exists (v.word (at + 142))) << "layer " << k;
            EXPECT_TRUE (v.matches (at + 290, "LayerNameHere0123456", 20) || v.matches (at + 290, "                    ", 20));
            EXPECT_TRUE (v.matches (at + 310, "LayerRFU", 8));
        }
        for (int at : { 84, 96, 108 })
            EXPECT_TRUE (v.word (at) <= 2048 && chains.exists (v.word (at))) << at;
        EXPECT_LE (v.byte (86) & 0x7F, 100);
        EXPECT_LE (v.byte (87) & 0x7F, 120);
        EXPECT_TRUE (v.signedByte (55) >= -96 && v.signedByte (55) <= 24);
    }
}

TEST (FactoryImages, SetupsAndChainsWalkToTheirEnd)
{
    const BankIndex setups = indexWhole (typeSetup, 2304);
    for (int n = 1; n <= 130; ++n)
    {
        const Bytes r = setups.record (n);
        const auto table = setup::walkZones (r);
        EXPECT_TRUE (setup::isExtended (r)) << n;
        EXPECT_LE (setup::zoneCount (r), 16) << n;
        EXPECT_EQ (table.walked, setup::zoneCount (r)) << n;
        EXPECT_EQ (table.end, (long long) r.size()) << n;
    }

    const BankIndex chains = indexWhole (typeFxChain, 6912);
    for (int n = 1; n <= 6912; ++n)
    {
        if (! chains.exists (n))
            continue;
        const Bytes r = chains.record (n);
        const auto chain = fxchain::decode (r);
        EXPECT_TRUE (chain.count >= 1 && chain.count <= 8) << n;
        EXPECT_EQ (fxchain::anchor (r), 26 + 4 * chain.count) << n;
        EXPECT_EQ (chain.end + fxchain::infoBlockSize (r), (long long) r.size()) << n;
        for (int i = 0; i < chain.decodedCount(); ++i)
            EXPECT_NE (fxTypeAbbreviation (chain.effects[(std::size_t) i].type), "    ") << n;
    }
}

TEST (FactoryImages, LittleBoothIsOneSmallReverb)
{
    const BankIndex chains = indexWhole (typeFxChain, 6912);
    int booth = 0;
    for (int n = 1; n <= 6912 && booth == 0; ++n)
        if (chains.name (n) == padded ("Little Booth"))
            booth = n;
    ASSERT_NE (booth, 0);

    const Bytes r = chains.record (booth);
    const auto chain = fxchain::decode (r);
    ASSERT_EQ (chain.count, 1);
    EXPECT_EQ (chain.effects[0].type, 4);
    EXPECT_EQ (fxTypeAbbreviation (4), "Rvrb");
    EXPECT_EQ (chain.effects[0].length, 34);
    EXPECT_EQ (fxchain::infoBlockSize (r), 20);
    EXPECT_TRUE (ByteView (r).matches (chain.end + 12, " Wet/Dry", 8));
}

TEST (FactoryImages, ArpeggiatorsAndArrangements)
{
    const BankIndex arps = indexWhole (typeArpeggiator, 2560);
    for (int n = 1; n <= 2560; ++n)
        if (arps.exists (n))
        {
            EXPECT_LE (n, 2046);
            EXPECT_LE (arps.byteAt (n, 61), 1) << n;
        }

    const ByteView bank = Factory_Banks_ZR9::arrangementBank();
    ASSERT_EQ (bank.size(), 64u * 300u);
    const std::pair<const char*, int> firsts[] { { "EDM", 261 }, { "Hip Hop", 17 }, { "Rock", 3 } };
    const Bytes factoryGlobals { 0, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0 };
    const Bytes blankGlobals { 0, 0, 0, 0, 0, 0, 0, 0x7F, 0, 0, 0x40 };
    const std::pair<int, int> carried[] { { 69, 0x40 }, { 78, 0x6F }, { 79, 0x22 }, { 80, 0x65 }, { 82, 0x1F }, { 84, 0x14 },
                                          { 191, 0x7F }, { 194, 0x40 }, { 207, 0x02 }, { 210, 0x2D }, { 212, 0x31 } };
    for (int s = 0; s < 64; ++s)
    {
        SCOPED_TRACE (s + 1);
        const ByteView r = bank.slice (s * 300, 300);
        const std::string name = s < 3 ? padded (firsts[s].first, 24) : std::string (24, '-');
        EXPECT_TRUE (r.matches (0, name.data(), 24));
        EXPECT_EQ (r.word (24), s < 3 ? firsts[s].second : 1);
        const Bytes& globals = s < 3 ? factoryGlobals : blankGlobals;
        for (int i = 0; i < 11; ++i)
            EXPECT_EQ (r.byte (56 + i), globals[(std::size_t) i]);
        int carriedSum = 0;
        for (auto [at, value] : carried)
            EXPECT_EQ (r.byte (at), value);
        for (int at = 67; at < 300; ++at)
            carriedSum += r.byte (at);
        EXPECT_EQ (carriedSum, 0x40 + 0x6F + 0x22 + 0x65 + 0x1F + 0x14 + 0x7F + 0x40 + 0x02 + 0x2D + 0x31);
    }
    EXPECT_EQ (bank.word (300 + 24 + 2 * 15), 244);   // Hip Hop, channel 16
    EXPECT_EQ (bank.word (600 + 24 + 2 * 10), 511);   // Rock, channel 11
}

TEST (FxTypeTable, NumbersGivenForEachEffectType)
{
    EXPECT_EQ (fxTypeCountInUse(), 211);
    int inUse = 0;
    for (int t = 0; t < fxTypeTableSize; ++t)
        inUse += fxTypeAbbreviation (t) != "    " ? 1 : 0;
    EXPECT_EQ (inUse, 211);

    struct Run { int first, last; const char* abbreviation; };
    const Run fixed[] { { 1, 2, "Rvrb" }, { 3, 3, "GRvb" }, { 4, 15, "Rvrb" }, { 50, 52, "RvCm" }, { 56, 56, "RvCm" },
        { 53, 55, "Vocl" }, { 100, 103, "Lvrb" }, { 104, 104, "GLvb" }, { 105, 106, "DlyR" }, { 150, 192, "Dly " },
        { 200, 203, "Chor" }, { 225, 227, "Flng" }, { 250, 259, "Phsr" }, { 270, 272, "Trem" }, { 275, 278, "Pan " },
        { 280, 282, "Ster" }, { 290, 296, "TW3 " }, { 297, 297, "Roto" }, { 299, 299, "TW3b" }, { 308, 308, "QntA" },
        { 309, 309, "QntF" }, { 321, 321, "FShp" }, { 322, 322, "ShpR" }, { 350, 354, "EQ  " }, { 380, 380, "RMod" },
        { 383, 383, "PchR" }, { 384, 384, "FPch" }, { 387, 387, "PLFO" }, { 390, 390, "Kaos" }, { 392, 396, "Snth" },
        { 404, 404, "CRvb" }, { 454, 454, "FRvb" }, { 498, 499, "Util" }, { 500, 502, "TDst" }, { 600, 600, "Reso" } };
    for (const auto& run : fixed)
        for (int t = run.first; t <= run.last; ++t)
            EXPECT_EQ (fxTypeAbbreviation (t), run.abbreviation) << t;

    std::set<std::string> present;
    for (int t = 0; t < fxTypeTableSize; ++t)
        present.insert (fxTypeAbbreviation (t));
    for (const char* a : { "Filt", "Guit", "TW3a", "Dist", "Shpr", "DstC", "DstF", "Cmpr", "Expd", "CmpX", "Gate", "Enhc",
                           "Stim", "Pchr", "Freq", "Mod ", "CDly", "CDRv", "PchC", "FDly", "FDRv", "PchF" })
        EXPECT_EQ (present.count (a), 1u) << a;

    for (int t : { -1, 0, 16, 1500, 1501, 100000 })
        EXPECT_EQ (fxTypeAbbreviation (t), "    ") << t;
}
