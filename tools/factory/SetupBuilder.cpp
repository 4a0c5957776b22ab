#include "SetupBuilder.h"

#include "FactoryFacts.h"
#include "LaidBytes.h"
#include "NameSource.h"
#include "RecordBytes.h"
#include "Sizing.h"

#include "model/SetupLayout.h"

#include <array>
#include <numeric>

namespace zr9::factory
{

using namespace setup;

namespace
{

constexpr int setupCount = 130;
constexpr int extendedFormatByte2 = 11;
constexpr int keyByteOffset = 26;
constexpr int headerValueOffsets[] { 39, 46, 48 };
constexpr int headerFirst = 20;
constexpr int extendedCommonEnd = extendedCommonOffset + extendedCommonSize;
constexpr int segmentCFixedSize = 70;       // segment C without data, in either form
constexpr long long maxListBLong = 24;
constexpr long long maxSegmentCExtra = 40;

// Zone head bytes the setup editor shows.
constexpr int headChannelOffset = 2;
constexpr int headLowKeyOffset = 5;
constexpr int headHighKeyOffset = 6;
constexpr int headProgramOffset = 11;      // word
constexpr int headVolumeOffset = 13;
constexpr int headPanOffset = 14;
constexpr int headTransposeOffset = 15;    // signed

struct ZonePlan
{
    int channel = 0;
    int program = 1;
    int lowKey = 0;
    int highKey = 127;
    int listALong = 0, listAShort = 0;
    long long listBLong = 0;
    int listBShort = 0;
    std::array<int, typedRecordCount> typedTypes {};
    bool linkedC = false;
    std::array<int, 4> linkedLengths {};      // the four length bytes of the linked form
    std::array<int, segmentCBlockCount> blockFlags {};
    std::array<int, segmentCBlockCount> blockLengths {};
    long long segmentCExtra = 0;              // added to the first linked length or the first block
    int segmentGCount = 0;
};

struct SetupPlan
{
    std::string name;
    int keyByte = 1;
    std::vector<ZonePlan> zones;
};

long long segmentCData (const ZonePlan& z)
{
    if (z.linkedC)
        return std::accumulate (z.linkedLengths.begin(), z.linkedLengths.end(), 0LL) + z.segmentCExtra;

    long long data = z.segmentCExtra;
    for (int b = 0; b < segmentCBlockCount; ++b)
        if ((std::int8_t) z.blockFlags[(std::size_t) b] > 0 && z.blockLengths[(std::size_t) b] > 0)
            data += z.blockLengths[(std::size_t) b];
    return data;
}

long long zoneSizeWithoutListB (const ZonePlan& z)
{
    long long size = zoneHeadSize + listEntriesOffset + (long long) listALongEntrySize * z.listALong
                   + (long long) listAShortEntrySize * z.listAShort + listEntriesOffset
                   + (long long) listBShortEntrySize * z.listBShort;
    for (int t : z.typedTypes)
        size += typedRecordLength (t);
    size += bytesAfterTypedRecords + segmentCFixedSize + segmentCData (z);
    size += segmentDSize + segmentFSize + segmentGHeaderSize + (long long) segmentGEntrySize * z.segmentGCount + zoneTailSize;
    return size;
}

long long zoneSize (const ZonePlan& z)
{
    return zoneSizeWithoutListB (z) + (long long) listBLongEntrySizeExtended * z.listBLong;
}

long long setupSize (const SetupPlan& s)
{
    long long size = extendedCommonEnd;
    for (const auto& z : s.zones)
        size += zoneSize (z);
    return size;
}

ZonePlan plannedZone (int index, int zones, int programCount, Prng& prng)
{
    ZonePlan z;
    z.channel = index;
    z.program = prng.range (1, programCount);
    const bool split = zones > 1 && prng.chance (50);
    z.lowKey = split ? 21 + (87 * index) / zones : 0;
    z.highKey = split ? 21 + (87 * (index + 1)) / zones - 1 : 127;
    z.listALong = prng.range (2, 10);
    z.listAShort = prng.range (0, 2);
    z.listBLong = prng.range (2, 9);
    z.listBShort = prng.range (0, 2);
    static const int types[] { 0, 1, 2, 3, 4, 5, 7 };
    for (auto& t : z.typedTypes)
        t = types[prng.range (0, 6)];
    z.linkedC = prng.chance (25);
    for (auto& v : z.linkedLengths)
        v = prng.range (0, 24);
    for (int b = 0; b < segmentCBlockCount; ++b)
    {
        const int kind = b == 0 ? 0 : prng.range (0, 2);  // the first block always holds data
        z.blockFlags[(std::size_t) b] = kind == 0 ? 1 : kind == 1 ? 0x80 : 0;
        z.blockLengths[(std::size_t) b] = kind == 2 ? 0 : prng.range (1, 16);
    }
    z.segmentGCount = prng.range (0, 4);
    return z;
}

/** Lays out list entries from `pos`; long entries first, the short (empty) ones at the end. */
long long layList (LaidBytes& b, long long pos, int longCount, int shortCount,
                   int markerOffset, int longSize, int shortSize, Prng& prng)
{
    for (int i = 0; i < longCount; ++i)
    {
        b.fix (pos + markerOffset, prng.range (0, 119));
        pos += longSize;
    }
    for (int i = 0; i < shortCount; ++i)
    {
        b.fix (pos + markerOffset, shortEntryMarker);
        pos += shortSize;
    }
    return pos;
}

long long laySegmentC (LaidBytes& b, long long c, const ZonePlan& z)
{
    if (z.linkedC)
    {
        b.fix (c + segmentCLinkedFlagOffset, segmentCLinkedFlag);
        long long a = c + segmentCLinkedFirstOffset;
        for (std::size_t i = 0; i < 3; ++i)
        {
            const int length = z.linkedLengths[i] + (i == 0 ? (int) z.segmentCExtra : 0);
            b.fix (a, length);
            a += length + segmentCLinkedHeads[i];
        }
        a += segmentCLinkedGap;
        b.fix (a, z.linkedLengths[3]);
        return a + z.linkedLengths[3] + segmentCLinkedLastHead - segmentCLinkedEndBack;
    }

    b.fix (c + segmentCLinkedFlagOffset, 0);
    long long p = c + segmentCBlocksOffset;
    for (int k = 0; k < segmentCBlockCount; ++k)
    {
        const int flag = z.blockFlags[(std::size_t) k];
        const int length = z.blockLengths[(std::size_t) k] + (k == 0 ? (int) z.segmentCExtra : 0);
        b.fix (p, flag);
        b.fixWord (p + segmentCBlockLengthOffset, length);
        const bool hasData = (std::int8_t) flag > 0 && length > 0;
        p += (k == segmentCBlockCount - 1 ? segmentCLastBlockSize : segmentCBlockStep) + (hasData ? length : 0);
    }
    return p;
}

long long layZone (LaidBytes& b, long long s, const ZonePlan& z, Prng& prng)
{
    b.fix (s + headChannelOffset, z.channel);
    b.fix (s + headLowKeyOffset, z.lowKey);
    b.fix (s + headHighKeyOffset, z.highKey);
    b.fixWord (s + headProgramOffset, z.program);
    b.fix (s + headVolumeOffset, prng.range (90, 127));
    b.fix (s + headPanOffset, prng.range (44, 84));
    b.fix (s + headTransposeOffset, z.lowKey < 40 && z.highKey < 100 ? -12 : 0);

    const long long listA = s + zoneHeadSize;
    b.fixDword (listA + listCountOffset, z.listALong + z.listAShort);
    const long long listB = layList (b, listA + listEntriesOffset, z.listALong, z.listAShort,
                                     listAMarkerOffset, listALongEntrySize, listAShortEntrySize, prng);

    b.fixDword (listB + listCountOffset, z.listBLong + z.listBShort);
    long long pos = layList (b, listB + listEntriesOffset, (int) z.listBLong, z.listBShort,
                             listBMarkerOffset, listBLongEntrySizeExtended, listBShortEntrySize, prng);

    for (int t : z.typedTypes)
    {
        b.fixDword (pos + typedRecordTypeOffset, t);
        pos += typedRecordLength (t);
    }
    pos += bytesAfterTypedRecords;

    pos = laySegmentC (b, pos, z) + segmentDSize + segmentFSize;
    b.fixWord (pos + segmentGCountOffset, z.segmentGCount);
    return pos + segmentGHeaderSize + (long long) segmentGEntrySize * z.segmentGCount + zoneTailSize;
}

Bytes setupRecord (const SetupPlan& s, Prng& prng)
{
    LaidBytes b ((std::size_t) setupSize (s));
    b.fixText (0, padded (s.name));
    for (int o = headerFirst; o < formatByte1Offset; ++o)
        b.fix (o, 0);
    b.fix (formatByte1Offset, extendedFormatByte1);
    b.fix (formatByte2Offset, extendedFormatByte2);
    b.fix (keyByteOffset, s.keyByte);
    for (int o : headerValueOffsets)
        b.fix (o, prng.range (0, 64));
    b.fix (extendedZoneCountOffset, (int) s.zones.size());

    long long pos = extendedCommonEnd;
    for (const auto& z : s.zones)
    {
        const long long end = layZone (b, pos, z, prng);
        if (end - pos != zoneSize (z))
            throw std::runtime_error ("setup zone laid out at a size other than planned: " + s.name);
        pos = end;
    }
    return b.finish (prng, 30);
}

SetupPlan plannedSetup (NameSource& names, int programCount, Prng& prng)
{
    static const std::vector<std::string> sounds { "Piano", "EP", "Organ", "Strings", "Pad", "Bass", "Brass", "Choir",
                                                   "Synth", "Lead", "Drums", "Guitar", "Arp", "Bells", "Sax", "Flute" };
    static const std::vector<std::string> joins { "&", "/", "+", "Over" };
    static const std::vector<std::string> moods { "Night", "Glass", "Ocean", "Neon", "Crystal", "Storm", "Velvet",
                                                  "Golden", "Frozen", "Urban", "Desert", "Silent", "Electric", "Cosmic" };
    static const std::vector<std::string> places { "Drift", "Groove", "World", "Skyline", "Garden", "Journey", "Split",
                                                   "Stack", "Dreams", "Lounge", "Motion", "Horizon", "Pulse" };
    SetupPlan s;
    s.name = prng.chance (65) ? names.take ({ sounds, joins, sounds }) : names.take ({ moods, places });
    s.keyByte = prng.range (1, 4);
    const int zones = prng.range (2, 12);
    for (int z = 0; z < zones; ++z)
        s.zones.push_back (plannedZone (z, zones, programCount, prng));
    return s;
}

/** Long list B entries take up 157-byte steps; segment C data takes up the rest. */
void fitSetups (std::vector<SetupPlan>& setups, long long recordBytes)
{
    long long fixed = 0;
    std::vector<long long> listB, extra;
    for (const auto& s : setups)
    {
        fixed += extendedCommonEnd;
        for (const auto& z : s.zones)
        {
            fixed += zoneSizeWithoutListB (z);
            listB.push_back (z.listBLong);
            extra.push_back (0);
        }
    }
    const long long listBBytes = recordBytes - fixed;
    if (listBBytes < 0 || ! fitToTotal (listB, 0, maxListBLong, listBBytes / listBLongEntrySizeExtended)
        || ! fitToTotal (extra, 0, maxSegmentCExtra, listBBytes % listBLongEntrySizeExtended))
        throw std::runtime_error ("setup sizes cannot meet the image size");

    std::size_t i = 0;
    for (auto& s : setups)
        for (auto& z : s.zones)
        {
            z.listBLong = listB[i];
            z.segmentCExtra = extra[i++];
        }
}

} // namespace

BankContent buildSetups (long long recordBytes, int programCount)
{
    Prng prng (0x5345545550533031ull);
    NameSource names (0x53544E414D455331ull);

    const char* fixedNames[] { "Arp & Pad", "Metallicscape" };
    for (const char* fixed : fixedNames)
        names.claim (fixed);

    std::vector<SetupPlan> setups;
    for (int i = 0; i < setupCount; ++i)
        setups.push_back (plannedSetup (names, programCount, prng));
    for (std::size_t i = 0; i < std::size (fixedNames); ++i)
        setups[i].name = fixedNames[i];

    fitSetups (setups, recordBytes);

    BankContent bank { typeSetup, factsFor (typeSetup).lastNumber, {} };
    for (int i = 0; i < setupCount; ++i)
        bank.records[i + 1] = setupRecord (setups[(std::size_t) i], prng);
    return bank;
}

} // namespace zr9::factory
