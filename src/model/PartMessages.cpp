#include "PartMessages.h"

#include "ProgramFields.h"
#include "ProgramLayout.h"
#include "ProgramParts.h"
#include "SetupLayout.h"
#include "SevenBitPacking.h"

namespace zr9::sysex
{

namespace
{
    constexpr int kindData = 1;
    constexpr int programCommonPartNumber = 0, programLayerPartNumber = 1, programFurtherPartNumber = 2,
                  programInfoPartNumber = 4;
    constexpr int setupHeaderPartNumber = 0, setupCommonPartNumber = 1, setupZonePartNumber = 2;
    constexpr int setupHeaderOffset = 23, setupHeaderSize = 45;
    constexpr int furtherPadding = 1;

    Bytes bytesOf (ByteView v, long long from, long long size)
    {
        Bytes out (size > 0 ? (std::size_t) size : 0, 0);
        for (long long i = 0; i < size; ++i)
            out[(std::size_t) i] = (std::uint8_t) v.byte (from + i);
        return out;
    }

    Message head (int device, std::uint8_t command, int slot, int part, int element)
    {
        return frame (device, command, { 0, 0, (std::uint8_t) (slot & 0x7F), (std::uint8_t) (part & 0x7F),
                                         (std::uint8_t) (element & 0x7F), (std::uint8_t) kindData });
    }

    Message withData (Message m, const Bytes& data)
    {
        pack (data.data(), data.size(), m);
        return m;
    }

    /** A common part: the 20 name bytes (7-bit) as they are, then the packed data. */
    Message withName (Message m, ByteView record, const Bytes& data)
    {
        for (int i = 0; i < partNameLength; ++i)
            m.push_back ((std::uint8_t) (record.byte (i) & 0x7F));
        return withData (std::move (m), data);
    }
} // namespace

Message programCommonPart (int device, int slot, ByteView record)
{
    const auto common = bytesOf (record, program::common::commonStart, program::common::commonSize);
    return withName (head (device, commandProgramPart, slot, programCommonPartNumber, 0), record, common);
}

Message programFurtherPart (int device, int slot, ByteView record)
{
    // 91 bytes pack into 104; the message's length of 119 leaves room for one more, which is 0.
    auto further = bytesOf (record, program::furtherOffset, program::furtherSize + furtherPadding);
    further.back() = 0;
    return withData (head (device, commandProgramPart, slot, programFurtherPartNumber, 0), further);
}

Message programLayerPart (int device, int slot, int k, ByteView record)
{
    const auto layer = bytesOf (record, program::layerOffset (k), program::layerSize);
    return withData (head (device, commandProgramPart, slot, programLayerPartNumber, k), layer);
}

Message programInfoPart (int device, int slot, ByteView record)
{
    return withData (head (device, commandProgramPart, slot, programInfoPartNumber, 0), program::writeInfoPart (record));
}

Message setupHeaderPart (int device, ByteView record)
{
    const auto header = bytesOf (record, setupHeaderOffset, setupHeaderSize);
    return withName (head (device, commandSetupPart, 0, setupHeaderPartNumber, 0), record, header);
}

Message setupCommonPart (int device, ByteView record)
{
    const bool extended = setup::isExtended (record);
    const auto common = bytesOf (record, extended ? setup::extendedCommonOffset : setup::basicCommonOffset,
                                 extended ? setup::extendedCommonSize : setup::basicCommonSize);
    return withData (head (device, commandSetupPart, 0, setupCommonPartNumber, 0), common);
}

Message setupZonePart (int device, int z, ByteView zone)
{
    return withData (head (device, commandSetupPart, 0, setupZonePartNumber, z), bytesOf (zone, 0, (long long) zone.size()));
}

} // namespace zr9::sysex
