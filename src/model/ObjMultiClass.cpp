#include "ObjMultiClass.h"
#include "ObjBankHolderBase.h"
#include "SetupValues.h"

#include <algorithm>

namespace zr9
{

namespace
{
constexpr int zoneKindOfZoneZero = 4;
constexpr std::uint8_t blank = 0x20;

Bytes copyOf (ByteView v)
{
    return Bytes (v.data(), v.data() + v.size());
}

int clampToInt (long long v) noexcept
{
    return (int) std::clamp<long long> (v, -2147483647LL, 2147483647LL);
}
} // namespace

void ObjMultiClass::loadFromBank (const ObjBankHolder& setupBank, int n)
{
    load (setupBank.recordView (n));
}

void ObjMultiClass::load (ByteView bytes)
{
    record = ObjectRecord (copyOf (bytes));
    const ByteView r = record.view();
    const bool ext = setup::isExtended (r);

    common.extended = ext;
    common.bytes = copyOf (r.slice (0, setup::commonBlockEnd (r)));

    walkZoneTable();
    const int loaded = std::min (setup::zoneCount (r), zoneCount);
    for (int z = 0; z < zoneCount; ++z)
    {
        auto& zone = zones[(size_t) z];
        zone.extended = ext;
        zone.bytes = z < loaded ? copyOf (r.slice (zoneLists[listZoneStart][(size_t) z], zoneLists[listZoneLength][(size_t) z]))
                                : Bytes();
    }
}

void ObjMultiClass::walkZoneTable()
{
    for (auto& list : zoneLists)
        list.fill (0);

    const auto table = setup::walkZones (record.view());
    for (int z = 0; z < table.walked; ++z)
    {
        const auto& w = table.zones[(size_t) z];
        const long long values[workingListCount] = { w.start, w.length, w.segmentCPlusOne, w.segmentD, w.segmentFPlusOne,
                                                     w.listBEntries, w.listA, w.listACount, w.listBCount };
        for (int l = 0; l < workingListCount; ++l)
            zoneLists[(size_t) l][(size_t) z] = clampToInt (values[l]);
    }
}

int ObjMultiClass::zoneStart (int z) const noexcept
{
    if (z == 0)
        return (int) setup::commonBlockEnd (record.view());
    return z > 0 && z < zoneCount ? zoneLists[listZoneStart][(size_t) z] : 0;
}

int ObjMultiClass::zoneLength (int z) const noexcept
{
    return z >= 0 && z < zoneCount ? zoneLists[listZoneLength][(size_t) z] : 0;
}

bool ObjMultiClass::loadZone (int z, ByteView bytes)
{
    if (z < 0 || z >= zoneCount || z > numberOfZones() + 1)
        return false;
    zones[(size_t) z].extended = extended();
    zones[(size_t) z].bytes = copyOf (bytes);
    broadcastChange (z);
    return true;
}

void ObjMultiClass::writeName (ByteView name)
{
    for (int i = 0; i < ObjectRecord::nameLength; ++i)
    {
        const int c = name.byte (i); // the block is made exactly 20 bytes: missing bytes read 0
        record.setByte (i, c == 0 ? blank : c);
    }
}

void ObjMultiClass::setHeader (const std::string& name, ByteView header)
{
    setHeader (ByteView (reinterpret_cast<const std::uint8_t*> (name.data()), name.size()), header);
}

void ObjMultiClass::setHeader (ByteView name, ByteView header)
{
    writeName (name);
    if (header.size() == (std::size_t) headerSize)
        for (int i = 0; i < headerSize; ++i)
            record.setByte (headerOffset + i, header.byte (i));

    // The header decides the format; the common part and the zone table follow it.
    common.extended = extended();
    common.bytes = copyOf (record.view().slice (0, setup::commonBlockEnd (record.view())));
    broadcastChange (codeHeader);
}

bool ObjMultiClass::setCommon (ByteView block)
{
    const bool ext = extended();
    const int expected = ext ? setup::extendedCommonSize : setup::basicCommonSize;
    const bool fits = block.size() == (std::size_t) expected;
    if (fits)
    {
        const int at = ext ? setup::extendedCommonOffset : setup::basicCommonOffset;
        for (int i = 0; i < expected; ++i)
            record.setByte (at + i, block.byte (i));
        common.bytes = copyOf (record.view().slice (0, setup::commonBlockEnd (record.view())));
    }
    broadcastChange (codeCommon);
    return fits;
}

int ObjMultiClass::value (int kind, int number, int zone) const noexcept
{
    const int z = kind == zoneKindOfZoneZero ? 0 : zone;
    const ByteView zoneBytes = z >= 0 && z < zoneCount ? ByteView (zones[(size_t) z].bytes) : ByteView();
    return setup::parameterValue (record.view(), zoneBytes, kind, number);
}

} // namespace zr9
