#include "ObjFXChainClass.h"
#include "FxTypeTable.h"

namespace zr9
{

int ObjFXChainClass::fxAnchor (int n) const noexcept
{
    return bank().exists (n) ? fxchain::anchor (recordView (n)) : fxchain::noAnchor;
}

void ObjFXChainClass::decodeFxChain (int n)
{
    decoded = fxchain::decode (recordView (n));
    decodedNumber = n;
}

std::string ObjFXChainClass::fxTypeAbbreviation (int type)
{
    return zr9::fxTypeAbbreviation (type);
}

int ObjFXChainClass::fxInfoBlockSize (int n) const noexcept
{
    return (int) fxchain::infoBlockSize (recordView (n));
}

Bytes ObjFXChainClass::fxInfoBlock (int n) const
{
    const ByteView r = recordView (n);
    if (fxchain::anchor (r) == fxchain::noAnchor)
        return {};
    const auto slice = r.slice (fxchain::decode (r).end, fxchain::infoBlockSize (r));
    return Bytes (slice.data(), slice.data() + slice.size());
}

void ObjFXChainClass::categorise()
{
    if (categorised)
        return;
    categorised = true;
    for (auto& list : categories)
        list.clear();

    for (int n = 0; n <= bank().cap(); ++n)
    {
        if (! bank().exists (n))
            continue;
        // categoriseChain leaves out chains of 16 effects or more; a chain
        // of more than 32 still gives 32 types, enough to be left out.
        const auto chain = fxchain::decode (recordView (n));
        std::vector<int> types;
        for (int i = 0; i < chain.decodedCount(); ++i)
            types.push_back (chain.effects[(size_t) i].type);
        categoriseChain (categories, n, types);
    }
}

const std::vector<int>& ObjFXChainClass::categoryList (int c) const noexcept
{
    static const std::vector<int> none;
    return c >= 1 && c <= fxCategoryCount ? categories[(size_t) c - 1] : none;
}

} // namespace zr9
