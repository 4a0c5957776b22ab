#include "ProgramInfoLists.h"
#include "ProgramLayout.h"

#include <algorithm>

namespace zr9::program
{

namespace
{

constexpr int firstPrintable = 15; // a text starting below this carries a lead byte
constexpr int negativeFrom = 128;

std::string entryText (ByteView block, long long textStart, int m)
{
    const int lead = block.byte (textStart);
    if (lead < firstPrintable || lead >= negativeFrom)
        ++textStart;
    return nameFromBytes (block, textStart, m);
}

} // namespace

void decodeInfoBlock (ByteView block, ProgramInfoLists::Group& into)
{
    into = {};
    if (block.size() < (std::size_t) minDecodedBlockSize)
        return;

    into.tag = block.word (0);
    into.count = block.word (2);

    long long entry = infoHeaderSize;
    const int decoded = std::min (into.count, ProgramInfoLists::entries);
    for (int k = 0; k < decoded && block.contains (entry, infoEntryHeadSize); ++k)
    {
        // The length's low byte alone, as in the block's size: the walk must
        // step exactly as the size computation did.
        const int m = block.byte (entry + infoEntryTextLengthLowOffset);
        const int b = block.word (entry + infoEntryValueBOffset);
        into.valueA[(std::size_t) k] = block.word (entry + infoEntryValueAOffset);
        into.valueB[(std::size_t) k] = b >= negativeFrom ? -1 : b;
        into.text[(std::size_t) k] = entryText (block, entry + infoEntryHeadSize, m);
        entry += infoEntryHeadSize + m;
    }
}

void decodeRouteBlock (ByteView block, ProgramInfoLists& into)
{
    for (auto& list : into.routeByte)
        list.fill (0);
    into.routeTag = 0;
    into.routeCount = 0;
    if (block.size() <= (std::size_t) minDecodedRouteSize)
        return;

    into.routeTag = block.word (0);
    into.routeCount = block.word (routeCountOffset);
    const int decoded = std::min (into.routeCount, ProgramInfoLists::entries);
    for (int i = 0; i < decoded; ++i)
        for (int b = 0; b < routeEntrySize; ++b)
            into.routeByte[(std::size_t) b][(std::size_t) i] = block.byte (routeHeaderSize + (long long) routeEntrySize * i + b);
}

void decodeProgramBlocks (ByteView record, ProgramInfoLists& into)
{
    const auto t = trailingBlocks (record);
    const ByteView info = record.slice (t.infoStart, t.infoSize);
    const ByteView route = record.slice (t.routeStart, t.routeSize);

    auto& own = into.group[ProgramInfoLists::programGroup];
    if (info.size() >= (std::size_t) minDecodedBlockSize)
        decodeInfoBlock (info, own);
    else
        own = {};

    if (route.size() >= (std::size_t) minDecodedBlockSize)
        decodeRouteBlock (route, into);
    else
        decodeRouteBlock ({}, into);

    into.entryCount = std::max (own.count, into.routeCount);
}

std::string infoText (ByteView record, int k)
{
    const auto t = trailingBlocks (record);
    const ByteView info = record.slice (t.infoStart, t.infoSize);
    if (info.size() < (std::size_t) minDecodedBlockSize || k < 0 || k >= info.byte (infoCountLowOffset))
        return {};

    long long entry = infoHeaderSize;
    for (int i = 0; i < k && info.contains (entry + infoEntryTextLengthLowOffset); ++i)
        entry += infoEntryHeadSize + info.data()[entry + infoEntryTextLengthLowOffset];

    if (! info.contains (entry, infoEntryHeadSize))
        return {};
    return nameFromBytes (info, entry + infoEntryHeadSize, info.byte (entry + infoEntryTextLengthLowOffset));
}

} // namespace zr9::program
