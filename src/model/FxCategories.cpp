#include "FxCategories.h"
#include "FxTypeTable.h"
#include "ParameterNames.h"

namespace zr9
{

namespace
{

struct Pairing
{
    const char* abbreviation; // four characters, compared whole
    int first;
    int second; // 0 when the abbreviation names one category
};

constexpr Pairing pairings[] = {
    { "Rvrb", fxReverb, 0 },      { "GRvb", fxReverb, 0 },      { "Lvrb", fxReverb, 0 },
    { "RMod", fxReverb, 0 },      { "CRvb", fxChorus, fxReverb }, { "CDRv", fxChorus, fxReverb },
    { "DlyR", fxReverb, fxDelay }, { "Dly ", fxDelay, 0 },      { "FDly", fxDelay, 0 },
    { "CDly", fxChorus, fxDelay }, { "Chor", fxChorus, 0 },     { "Flng", fxFlanger, 0 },
    { "PchF", fxFlanger, 0 },     { "FShp", fxFlanger, 0 },     { "FRvb", fxFlanger, fxReverb },
    { "FDRv", fxFlanger, fxReverb }, { "RvCm", fxReverb, fxCompressor }, { "Phsr", fxPhaser, 0 },
    { "PLFO", fxPhaser, 0 },      { "Cmpr", fxCompressor, 0 },  { "CmpX", fxCompressor, 0 },
    { "Dist", fxDistortion, 0 },  { "Kaos", fxDistortion, 0 },  { "DstC", fxDistortion, fxChorus },
    { "Trem", fxTremolo, 0 },     { "Pan ", fxPanner, 0 },      { "Ster", fxPanner, 0 },
    { "TW3a", fxOrgan, 0 },       { "TW3b", fxOrgan, 0 },       { "TW3 ", fxOrgan, 0 },
    { "EQ  ", fxEq, 0 },          { "Enhc", fxEnhancer, 0 },    { "Filt", fxFilter, 0 },
    { "Freq", fxPitcher, 0 },     { "PchC", fxPitcher, fxChorus }, { "Pchr", fxPitcher, fxChorus },
    { "Guit", fxGuitar, 0 },      { "GLvb", fxGuitar, 0 },
};

} // namespace

std::string fxCategoryListName (int category)
{
    return category >= 1 && category <= fxCategoryCount ? fxCategoryName (category) : std::string();
}

std::vector<int> fxCategoriesOf (const std::string& abbreviation)
{
    for (const auto& p : pairings)
        if (abbreviation == p.abbreviation)
            return p.second != 0 ? std::vector<int> { p.first, p.second } : std::vector<int> { p.first };
    return {};
}

void categoriseChain (FxCategoryLists& lists, int number, const std::vector<int>& types)
{
    if ((int) types.size() >= maxCategorisedEffects)
        return;
    for (const int type : types)
        for (const int category : fxCategoriesOf (fxTypeAbbreviation (type)))
            lists[(size_t) category - 1].push_back (number);
}

} // namespace zr9
