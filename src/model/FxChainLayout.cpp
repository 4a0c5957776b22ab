#include "FxChainLayout.h"
#include "ProgramLayout.h"

namespace zr9::fxchain
{

int anchor (ByteView record) noexcept
{
    for (int a = anchorSearchFirst; a <= anchorSearchLast; ++a)
        if (record.contains (a - 2, 3)
            && record.byte (a - 2) == 0 && record.byte (a - 1) == 0 && record.byte (a) == anchorMarker)
            return a;

    return noAnchor;
}

Chain decode (ByteView record) noexcept
{
    Chain chain;
    const int a = anchor (record);
    if (a == noAnchor)
        return chain;

    const int count = record.signedByte (a + effectCountFromAnchor);
    chain.count = count > 0 ? count : 0;

    long long pos = a + firstEffectFromAnchor;
    for (int i = 0; i < chain.count; ++i)
    {
        const long long length = effectHeadSize + (long long) effectWordSize * record.word (pos + effectWordCountOffset);
        if (i < maxDecodedEffects)
            chain.effects[(std::size_t) i] = { pos, record.word (pos + effectTypeOffset), length };
        pos += length;
    }

    chain.end = pos;
    return chain;
}

long long infoBlockSize (ByteView record) noexcept
{
    if (anchor (record) == noAnchor)
        return 0;

    return program::infoBlockSizeAt (record, decode (record).end);
}

} // namespace zr9::fxchain
