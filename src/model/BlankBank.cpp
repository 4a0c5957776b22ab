#include "BlankBank.h"

#include "ObjectTypes.h"

#include <algorithm>
#include <cstdio>

namespace zr9
{

namespace
{
    constexpr int tagLength = 10;
    constexpr int digits = 4;

    void appendTag (Bytes& b, const char* tag) { b.insert (b.end(), tag, tag + tagLength); }

    void appendClose (Bytes& b, const char* openTag)
    {
        char close[tagLength];
        makeCloseTag (openTag, close);
        b.insert (b.end(), close, close + tagLength);
    }

    void appendNumber (Bytes& b, int n)
    {
        // Record numbers run from 1; the tag holds the last four decimal digits.
        char text[digits + 1];
        std::snprintf (text, sizeof (text), "%04u", static_cast<unsigned> (n) % 10000u);
        b.insert (b.end(), text, text + digits);
    }
} // namespace

Bytes blankBankImage (int typeId, int lastNumber)
{
    const auto* info = findBankType (typeId);
    if (info == nullptr)
        return {};

    Bytes b;
    b.reserve ((size_t) (2 * tagLength + std::max (0, lastNumber) * info->gapOverhead()));
    appendTag (b, info->bankTag);
    for (int n = 1; n <= lastNumber; ++n)
    {
        appendTag (b, info->recordTag);
        appendNumber (b, n);
        if (info->wrapped())
        {
            appendTag (b, info->innerTag);
            appendClose (b, info->innerTag);
        }
        appendClose (b, info->recordTag);
        appendNumber (b, n);
    }
    appendClose (b, info->bankTag);
    return b;
}

} // namespace zr9
