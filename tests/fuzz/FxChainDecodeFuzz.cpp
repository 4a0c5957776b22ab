// Decodes arbitrary bytes as an FX chain record: anchor, effect entries, info
// block size and the categories of its effects. Entries must follow one
// another from the anchor and the info block must start where they end.

#include "model/FxCategories.h"
#include "model/FxChainLayout.h"
#include "model/FxTypeTable.h"

#include <cstdlib>
#include <vector>

using namespace zr9;

extern "C" int LLVMFuzzerTestOneInput (const std::uint8_t* data, size_t size)
{
    const ByteView record (data, size);
    const auto chain = fxchain::decode (record);
    const int a = fxchain::anchor (record);
    if (a == fxchain::noAnchor)
    {
        if (chain.count != 0 || chain.end != 0 || fxchain::infoBlockSize (record) != 0)
            std::abort();
        return 0;
    }
    if (a < 20 || a > 59 || chain.count < 0 || chain.count > 127)
        std::abort();

    long long pos = a + fxchain::firstEffectFromAnchor;
    std::vector<int> types;
    for (int i = 0; i < chain.decodedCount(); ++i)
    {
        const auto& e = chain.effects[(size_t) i];
        if (e.start != pos || e.length < 8)
            std::abort();
        pos += e.length;
        types.push_back (e.type);
        (void) fxTypeAbbreviation (e.type);
    }
    if (chain.count <= fxchain::maxDecodedEffects && chain.end != pos)
        std::abort();
    if (fxchain::infoBlockSize (record) < 4)
        std::abort();

    FxCategoryLists lists {};
    categoriseChain (lists, 1, types);
    return 0;
}
