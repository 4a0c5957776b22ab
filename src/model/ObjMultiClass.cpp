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
    rebuildRecord();
    broadcastChange (z);
    return true;
}

void ObjMultiClass::rebuildRecord()
{
    const ByteView old = record.view();
    const long long commonEnd = setup::commonBlockEnd (old);

    Bytes rebuilt = copyOf (old.slice (0, commonEnd));
    rebuilt.resize ((size_t) commonEnd, 0);
    const int count = setup::zoneCount (old);
    const int loaded = std::min (count, zoneCount);
    for (int z = 0; z < loaded; ++z)
        rebuilt.insert (rebuilt.end(), zones[(size_t) z].bytes.begin(), zones[(size_t) z].bytes.end());

    // Zones beyond the 16th are not loaded: they stay as they were, behind the 16th.
    if (count > zoneCount)
    {
        const auto table = setup::walkZones (old);
        const long long walkedEnd = table.walked == zoneCount ? table.zones[(size_t) zoneCount - 1].end() : (long long) old.size();
        if (walkedEnd >= commonEnd && walkedEnd < (long long) old.size())
            rebuilt.insert (rebuilt.end(), old.data() + walkedEnd, old.data() + old.size());
    }

    record = ObjectRecord (std::move (rebuilt));
    walkZoneTable();
    common.extended = extended();
    common.bytes = copyOf (record.view().slice (0, setup::commonBlockEnd (record.view())));
}

void ObjMultiClass::setName (const std::string& text)
{
    for (int i = 0; i < ObjectRecord::nameLength; ++i)
    {
        const int c = i < (int) text.size() ? (unsigned char) text[(size_t) i] : ' ';
        record.setByte (i, c >= 0x20 && c <= 0x7E ? c : blank);
    }
    common.bytes = copyOf (record.view().slice (0, setup::commonBlockEnd (record.view())));
    broadcastChange (codeHeader);
}

void ObjMultiClass::setCommonValue (setup::CommonValueField field, int value)
{
    setup::writeCommonField (record.bytes(), field, value);
    common.bytes = copyOf (record.view().slice (0, setup::commonBlockEnd (record.view())));
    broadcastChange (codeCommon);
}

int ObjMultiClass::zoneValue (int z, setup::ZoneValueField field) const noexcept
{
    return z >= 0 && z < zoneCount ? setup::readZoneField (ByteView (zones[(size_t) z].bytes), field) : 0;
}

void ObjMultiClass::setZoneValue (int z, setup::ZoneValueField field, int value)
{
    if (z < 0 || z >= std::min (numberOfZones(), zoneCount))
        return;
    setup::writeZoneField (zones[(size_t) z].bytes, field, value);
    rebuildRecord();
    broadcastChange (z);
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

void ObjMultiClass::makeRoom (long long size)
{
    if ((long long) record.size() < size)
        record.bytes().resize ((std::size_t) size, 0);
}

void ObjMultiClass::setHeader (ByteView name, ByteView header)
{
    // A setup put together from its parts (one the library does not hold) starts empty.
    makeRoom (ObjectRecord::nameLength);
    writeName (name);
    if (header.size() == (std::size_t) headerSize)
    {
        makeRoom (headerOffset + headerSize);
        for (int i = 0; i < headerSize; ++i)
            record.setByte (headerOffset + i, header.byte (i));
        makeRoom (setup::commonBlockEnd (record.view()));
    }

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
        makeRoom (setup::commonBlockEnd (record.view()));
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
