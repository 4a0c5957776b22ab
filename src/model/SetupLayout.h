#pragma once

#include "ByteView.h"

#include <array>

namespace zr9::setup
{

// Header and common block. A setup is extended when format byte 1 is 3 and
// format byte 2 is above 10; otherwise basic. The zones follow the common block.
constexpr int formatByte1Offset = 23;
constexpr int formatByte2Offset = 24;
constexpr int extendedFormatByte1 = 3;
constexpr int extendedFormatByte2Above = 10;
constexpr int basicZoneCountOffset = 49;
constexpr int extendedZoneCountOffset = 67;
constexpr int basicCommonOffset = 50;
constexpr int extendedCommonOffset = 68;
constexpr int basicCommonSize = 319;
constexpr int extendedCommonSize = 394;
constexpr int maxZones = 16;            // zones beyond the 16th are not walked
constexpr int minWalkedRecordSize = 1000;

// Zone: head, list A, list B, eight typed records, four bytes, segments C, D, F, G, three bytes.
constexpr int zoneHeadSize = 35;
constexpr int listCountOffset = 5;      // 32-bit entry count
constexpr int listEntriesOffset = 8;
constexpr int shortEntryMarker = 0xFF;
constexpr int listAMarkerOffset = 3;
constexpr int listAShortEntrySize = 3;
constexpr int listALongEntrySize = 53;
constexpr int listBMarkerOffset = 4;
constexpr int listBShortEntrySize = 4;
constexpr int listBLongEntrySizeExtended = 157;
constexpr int listBLongEntrySizeBasic = 153;
constexpr int typedRecordCount = 8;
constexpr int typedRecordTypeOffset = 3; // 32-bit type
constexpr int bytesAfterTypedRecords = 4;

// Segment C: either a linked run of length bytes (flag byte = 1) or four optional blocks.
constexpr int segmentCLinkedFlagOffset = 42;
constexpr int segmentCLinkedFlag = 1;
constexpr int segmentCLinkedFirstOffset = 52;
constexpr int segmentCLinkedHeads[] = { 6, 6, 4 }; // a length byte advances the walk by its value plus this
constexpr int segmentCLinkedGap = 6;
constexpr int segmentCLinkedLastHead = 4;
constexpr int segmentCLinkedEndBack = 8;
constexpr int segmentCBlocksOffset = 49;
constexpr int segmentCBlockCount = 4;
constexpr int segmentCBlockLengthOffset = 2;  // 16-bit data length w
constexpr int segmentCBlockStep = 6;          // flag byte to next flag byte, without data
constexpr int segmentCLastBlockSize = 3;      // the fourth block ends at its length's low byte

constexpr int segmentDSize = 44;
constexpr int segmentFSize = 5;
constexpr int segmentGCountOffset = 3;        // 16-bit
constexpr int segmentGHeaderSize = 4;
constexpr int segmentGEntrySize = 4;
constexpr int zoneTailSize = 3;

/** Length of a typed record of the given type: 0 → 10, 1 → 12, 2 → 21, 3 → 39, 4 → 9, other → 6. */
int typedRecordLength (long long type) noexcept;

bool isExtended (ByteView record) noexcept;

/** Byte 67 (extended) or 49 (basic). */
int zoneCount (ByteView record) noexcept;

/** End of the common block, where zone 0 begins: 462 (extended) or 369 (basic). */
long long commonBlockEnd (ByteView record) noexcept;

/** The nine working values that the zone walk records for one zone. */
struct Zone
{
    long long start = 0;            // S(z)
    long long length = 0;           // L(z)
    long long segmentCPlusOne = 0;  // start of segment C + 1
    long long segmentD = 0;
    long long segmentFPlusOne = 0;  // start of segment F + 1
    long long listBEntries = 0;
    long long listA = 0;
    long long listACount = 0;
    long long listBCount = 0;

    long long end() const noexcept { return start + length; }
};

/** Walks one zone starting at `start`; every byte beyond the view reads 0. */
Zone walkZone (ByteView bytes, long long start, bool extended) noexcept;

struct ZoneTable
{
    std::array<Zone, maxZones> zones {};
    int walked = 0;       // zones walked: the zone count, at most 16
    long long end = 0;    // behind the last walked zone
};

/** The zone table of a setup record; all zero for a record shorter than 1000 bytes. */
ZoneTable walkZones (ByteView record) noexcept;

} // namespace zr9::setup
