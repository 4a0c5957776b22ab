#include "model/FxCategories.h"
#include "model/FxTypeTable.h"
#include "model/ObjBankHolder.h"
#include "support/BankBuilder.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace zr9;

namespace
{

/** A chain of the given FX types (no parameter words), anchored at 30, with an empty info block. */
Bytes chainRecord (const std::vector<int>& types)
{
    const int anchor = 30;
    Bytes r ((size_t) anchor + 350, 0);
    r[(size_t) anchor] = 0x14;
    r[(size_t) anchor + 349] = (std::uint8_t) types.size();
    for (int t : types)
    {
        const Bytes entry { (std::uint8_t) (t >> 8), (std::uint8_t) t, 0, 0, 0, 0, 0, 0 };
        r.insert (r.end(), entry.begin(), entry.end());
    }
    const Bytes info { 1, 2, 0, 0 };
    r.insert (r.end(), info.begin(), info.end());
    return r;
}

int countOf (const std::vector<int>& list, int n)
{
    return (int) std::count (list.begin(), list.end(), n);
}

} // namespace

TEST (FxCategories, EveryPairingNamesItsListsAndOthersNone)
{
    const std::vector<std::pair<std::string, std::vector<int>>> pairs {
        { "Rvrb", { fxReverb } }, { "GRvb", { fxReverb } }, { "Lvrb", { fxReverb } }, { "RMod", { fxReverb } },
        { "CRvb", { fxChorus, fxReverb } }, { "CDRv", { fxChorus, fxReverb } }, { "DlyR", { fxReverb, fxDelay } },
        { "Dly ", { fxDelay } }, { "FDly", { fxDelay } }, { "CDly", { fxChorus, fxDelay } }, { "Chor", { fxChorus } },
        { "Flng", { fxFlanger } }, { "PchF", { fxFlanger } }, { "FShp", { fxFlanger } },
        { "FRvb", { fxFlanger, fxReverb } }, { "FDRv", { fxFlanger, fxReverb } }, { "RvCm", { fxReverb, fxCompressor } },
        { "Phsr", { fxPhaser } }, { "PLFO", { fxPhaser } }, { "Cmpr", { fxCompressor } }, { "CmpX", { fxCompressor } },
        { "Dist", { fxDistortion } }, { "Kaos", { fxDistortion } }, { "DstC", { fxDistortion, fxChorus } },
        { "Trem", { fxTremolo } }, { "Pan ", { fxPanner } }, { "Ster", { fxPanner } }, { "TW3a", { fxOrgan } },
        { "TW3b", { fxOrgan } }, { "TW3 ", { fxOrgan } }, { "EQ  ", { fxEq } }, { "Enhc", { fxEnhancer } },
        { "Filt", { fxFilter } }, { "Freq", { fxPitcher } }, { "PchC", { fxPitcher, fxChorus } },
        { "Pchr", { fxPitcher, fxChorus } }, { "Guit", { fxGuitar } }, { "GLvb", { fxGuitar } },
    };
    for (const auto& [abbreviation, lists] : pairs)
    {
        auto got = fxCategoriesOf (abbreviation);
        auto want = lists;
        std::sort (got.begin(), got.end());
        std::sort (want.begin(), want.end());
        EXPECT_EQ (got, want) << abbreviation;
    }
    for (const char* none : { "Stim", "Shpr", "QntA", "Expd", "Vocl", "Roto", "Gate", "Util", "    ", "Rvr", "Rvrb " })
        EXPECT_TRUE (fxCategoriesOf (none).empty()) << none;
    EXPECT_EQ (fxCategoryListName (fxReverb), "Reverb");
    EXPECT_EQ (fxCategoryListName (fxEq), "EQ");
    EXPECT_EQ (fxCategoryListName (18), "");
}

TEST (FxCategories, ChainsAreListedOncePerEffectAndLongChainsNever)
{
    std::vector<int> sixteen (16, 4);
    std::vector<int> fifteen (15, 4);
    ObjFXChainClass chains;
    chains.indexBank (
                         test::makeBank (typeFxChain, { { 1, chainRecord ({ 4, 150 }) },
                                                        { 2, chainRecord ({ 4, 7, 404 }) },
                                                        { 3, chainRecord (sixteen) },
                                                        { 4, chainRecord (fifteen) },
                                                        { 5, Bytes (40, 0) }, // no anchor
                                                        { 6, {} } }),
                         8);
    chains.categorise();
    const auto& reverb = chains.categoryList (fxReverb);
    EXPECT_EQ (countOf (reverb, 1), 1);
    EXPECT_EQ (countOf (reverb, 2), 3) << "two reverbs and a chorus-reverb";
    EXPECT_EQ (countOf (reverb, 3), 0) << "16 effects: left out";
    EXPECT_EQ (countOf (reverb, 4), 15);
    EXPECT_EQ (chains.categoryList (fxDelay), (std::vector<int> { 1 }));
    EXPECT_EQ (chains.categoryList (fxChorus), (std::vector<int> { 2 }));
    EXPECT_TRUE (chains.categoryList (0).empty());

    EXPECT_EQ (chains.fxAnchor (1), 30);
    EXPECT_EQ (chains.fxAnchor (5), -1);
    EXPECT_EQ (chains.fxAnchor (6), -1) << "an empty slot";
    EXPECT_EQ (chains.fxAnchor (99), -1) << "no such chain";
    chains.decodeFxChain (5);
    EXPECT_EQ (chains.current().count, 0);
    EXPECT_EQ (chains.current().end, 0);
    EXPECT_EQ (chains.fxInfoBlockSize (5), 0);
    EXPECT_TRUE (chains.fxInfoBlock (5).empty());
    chains.decodeFxChain (2);
    EXPECT_EQ (chains.current().count, 3);
    EXPECT_EQ (chains.current().effects[2].type, 404);
    EXPECT_EQ (chains.fxInfoBlockSize (2), 4);
    EXPECT_EQ (chains.fxInfoBlock (2), (Bytes { 1, 2, 0, 0 }));
}
