#include "ProgramLayout.h"

namespace zr9::program
{

int layerCount (ByteView record) noexcept
{
    return record.byte (layerCountOffset);
}

long long layerOffset (int k) noexcept
{
    return firstLayerOffset + (long long) layerSize * k;
}

long long infoBlockOffset (ByteView record) noexcept
{
    return infoBlockBase + (long long) layerSize * layerCount (record);
}

long long infoBlockSizeAt (ByteView bytes, long long start) noexcept
{
    const int count = bytes.byte (start + infoCountLowOffset);
    long long entry = start + infoHeaderSize;
    int walked = 0;

    // Once an entry's length byte lies beyond the view it reads 0, and so
    // does every later one: those entries are head only.
    // (The length byte was just found inside the view: it is read without a second check.)
    for (; walked < count && bytes.contains (entry + infoEntryTextLengthLowOffset); ++walked)
        entry += infoEntryHeadSize + bytes.data()[entry + infoEntryTextLengthLowOffset];

    entry += (long long) (count - walked) * infoEntryHeadSize;
    return entry - start;
}

long long routeBlockSizeAt (ByteView bytes, long long start) noexcept
{
    return routeHeaderSize + (long long) routeEntrySize * bytes.word (start + routeCountOffset);
}

TrailingBlocks trailingBlocks (ByteView record) noexcept
{
    TrailingBlocks t;
    t.infoStart = infoBlockOffset (record);
    t.infoSize = infoBlockSizeAt (record, t.infoStart);
    t.routeStart = t.infoStart + t.infoSize;
    t.routeSize = routeBlockSizeAt (record, t.routeStart);
    return t;
}

} // namespace zr9::program
