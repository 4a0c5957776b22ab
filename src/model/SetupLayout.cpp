#include "SetupLayout.h"

#include <algorithm>

namespace zr9::setup
{

namespace
{

struct ListShape
{
    int markerOffset;
    int shortSize;
    int longSize;
};

/**
    Walks `count` list entries from `pos`: an entry is short when its marker
    byte is 0xFF. Once a marker lies beyond the view it reads 0, so all the
    remaining entries are long and are added in one step.
*/
long long walkList (ByteView bytes, long long pos, long long count, ListShape shape) noexcept
{
    long long walked = 0;
    for (; walked < count && bytes.contains (pos + shape.markerOffset); ++walked)
        pos += bytes.byte (pos + shape.markerOffset) == shortEntryMarker ? shape.shortSize : shape.longSize;

    return pos + (count - walked) * shape.longSize;
}

long long linkedSegmentCEnd (ByteView bytes, long long segmentC) noexcept
{
    long long a = segmentC + segmentCLinkedFirstOffset;
    for (const int head : segmentCLinkedHeads)
        a += bytes.byte (a) + head;
    a += segmentCLinkedGap;
    a += bytes.byte (a) + segmentCLinkedLastHead;
    return a - segmentCLinkedEndBack;
}

long long blockSegmentCEnd (ByteView bytes, long long segmentC) noexcept
{
    long long p = segmentC + segmentCBlocksOffset;
    for (int block = 0; block < segmentCBlockCount; ++block)
    {
        const int length = bytes.word (p + segmentCBlockLengthOffset);
        const bool hasData = bytes.signedByte (p) > 0 && length > 0;
        const bool last = block == segmentCBlockCount - 1;
        p += (last ? segmentCLastBlockSize : segmentCBlockStep) + (hasData ? length : 0);
    }
    return p;
}

long long segmentCEnd (ByteView bytes, long long segmentC) noexcept
{
    return bytes.byte (segmentC + segmentCLinkedFlagOffset) == segmentCLinkedFlag
             ? linkedSegmentCEnd (bytes, segmentC)
             : blockSegmentCEnd (bytes, segmentC);
}

} // namespace

int typedRecordLength (long long type) noexcept
{
    switch (type)
    {
        case 0: return 10;
        case 1: return 12;
        case 2: return 21;
        case 3: return 39;
        case 4: return 9;
        default: return 6;
    }
}

bool isExtended (ByteView record) noexcept
{
    return record.byte (formatByte1Offset) == extendedFormatByte1
        && record.byte (formatByte2Offset) > extendedFormatByte2Above;
}

int zoneCount (ByteView record) noexcept
{
    return record.byte (isExtended (record) ? extendedZoneCountOffset : basicZoneCountOffset);
}

long long commonBlockEnd (ByteView record) noexcept
{
    return isExtended (record) ? extendedCommonOffset + extendedCommonSize
                               : basicCommonOffset + basicCommonSize;
}

Zone walkZone (ByteView bytes, long long start, bool extended) noexcept
{
    Zone z;
    z.start = start;

    z.listA = start + zoneHeadSize;
    z.listACount = bytes.dword (z.listA + listCountOffset);
    long long pos = walkList (bytes, z.listA + listEntriesOffset, z.listACount,
                              { listAMarkerOffset, listAShortEntrySize, listALongEntrySize });

    z.listBCount = bytes.dword (pos + listCountOffset);
    z.listBEntries = pos + listEntriesOffset;
    pos = walkList (bytes, z.listBEntries, z.listBCount,
                    { listBMarkerOffset, listBShortEntrySize,
                      extended ? listBLongEntrySizeExtended : listBLongEntrySizeBasic });

    for (int r = 0; r < typedRecordCount; ++r)
        pos += typedRecordLength (bytes.dword (pos + typedRecordTypeOffset));
    pos += bytesAfterTypedRecords;

    z.segmentCPlusOne = pos + 1;
    z.segmentD = segmentCEnd (bytes, pos);
    pos = z.segmentD + segmentDSize;

    z.segmentFPlusOne = pos + 1;
    pos += segmentFSize;

    pos += segmentGHeaderSize + (long long) segmentGEntrySize * bytes.word (pos + segmentGCountOffset);
    pos += zoneTailSize;

    z.length = pos - start;
    return z;
}

ZoneTable walkZones (ByteView record) noexcept
{
    ZoneTable table;
    if (record.size() < (std::size_t) minWalkedRecordSize)
        return table;

    const bool extended = isExtended (record);
    table.walked = std::min (zoneCount (record), maxZones);
    long long start = commonBlockEnd (record);

    for (int z = 0; z < table.walked; ++z)
    {
        table.zones[(std::size_t) z] = walkZone (record, start, extended);
        start = table.zones[(std::size_t) z].end();
    }

    table.end = start;
    return table;
}

} // namespace zr9::setup
