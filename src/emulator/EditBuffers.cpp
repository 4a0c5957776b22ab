#include "EditBuffers.h"

#include "model/PartMessages.h"
#include "model/ProgramLayout.h"
#include "model/ProgramParts.h"
#include "model/SetupLayout.h"
#include "model/SevenBitPacking.h"

#include <algorithm>

namespace zr9::emulator
{

namespace
{
    constexpr int kindLast = 1;
    constexpr int commonPart = 0, layerPart = 1, infoPart = 4, bodyPart = 5;
    constexpr int setupHeaderPart = 0, setupCommonPart = 1, setupZonePart = 2;
    constexpr int setupHeaderOffset = 23, setupHeaderSize = 45;

    bool isSlot (int slot) noexcept { return slot >= 0 && slot < EditBuffers::slotCount; }

    Bytes dataOf (const sysex::Reader& m, std::size_t from)
    {
        return m.size() > from ? sysex::unpack (m.bytes() + from, m.size() - from) : Bytes();
    }

    void overwrite (Bytes& target, long long at, ByteView source, long long count)
    {
        for (long long i = 0; i < count; ++i)
            putByte (target, at + i, source.byte (i));
    }
} // namespace

void EditBuffers::loadProgram (int slot, Bytes record)
{
    if (isSlot (slot))
        programs[(size_t) slot] = std::move (record);
}

Bytes EditBuffers::program (int slot) const
{
    return isSlot (slot) ? programs[(size_t) slot] : Bytes();
}

void EditBuffers::loadSetup (Bytes record)
{
    setupBuffer = std::move (record);
}

void EditBuffers::setProgramByte (int slot, int offset, int value)
{
    if (isSlot (slot))
        putByte (programs[(size_t) slot], offset, value);
}

std::vector<sysex::Message> EditBuffers::programReply (int slot) const
{
    if (! isSlot (slot) || programs[(size_t) slot].empty())
        return {};
    const ByteView r (programs[(size_t) slot]);
    std::vector<sysex::Message> replies { sysex::programCommonPart (deviceNumber, slot, r), sysex::programFurtherPart (deviceNumber, slot, r) };
    const int layers = std::min (program::layerCount (r), program::maxEditLayers);
    for (int k = 0; k < layers; ++k)
        replies.push_back (sysex::programLayerPart (deviceNumber, slot, k, r));
    replies.push_back (sysex::programInfoPart (deviceNumber, slot, r));
    return replies;
}

std::vector<sysex::Message> EditBuffers::setupReply (int part, int zone) const
{
    const ByteView r (setupBuffer);
    switch (part)
    {
        case setupHeaderPart: return { sysex::setupHeaderPart (deviceNumber, r) };
        case setupCommonPart: return { sysex::setupCommonPart (deviceNumber, r) };
        case setupZonePart:
        {
            const auto table = setup::walkZones (r);
            if (zone < 0 || zone >= table.walked)
                return {};
            const auto& z = table.zones[(size_t) zone];
            return { sysex::setupZonePart (deviceNumber, zone, r.slice (z.start, z.length)) };
        }
        default: return {};
    }
}

std::optional<EditBuffers::Store> EditBuffers::takeProgramDump (const sysex::Reader& m)
{
    const int slot = m[sysex::at::slot];
    if (! isSlot (slot))
        return std::nullopt;
    auto& buffer = programs[(size_t) slot];
    auto& wait = waiting[(size_t) slot];
    const auto data = dataOf (m, sysex::partDataAt);

    switch (m[sysex::at::part])
    {
        case layerPart:
        {
            const int k = m[sysex::at::element];
            if (k < program::layerCount (ByteView (buffer)))
                overwrite (buffer, program::layerOffset (k), ByteView (data), program::layerSize);
            return std::nullopt;
        }
        case infoPart:
            wait.infoPart = data;
            wait.hasInfo = true;
            return std::nullopt;
        case bodyPart:
            wait.bodyPart = data;
            wait.hasBody = true;
            return std::nullopt;
        case commonPart:
        {
            if (m[sysex::at::kind] != kindLast || ! wait.hasInfo || ! wait.hasBody)
                return std::nullopt;
            auto record = program::fromWriteParts (ByteView (data), ByteView (wait.bodyPart), ByteView (wait.infoPart));
            wait = {};
            if (record.empty())
                return std::nullopt;
            buffer = record;
            const int number = m.number14Hi (sysex::at::number);
            if (number < 1)
                return std::nullopt;
            return Store { number, std::move (record) };
        }
        default:
            return std::nullopt;
    }
}

void EditBuffers::takeSetupDump (const sysex::Reader& m)
{
    const ByteView r (setupBuffer);
    switch (m[sysex::at::part])
    {
        case setupHeaderPart:
        {
            for (int i = 0; i < sysex::partNameLength; ++i)
                putByte (setupBuffer, i, m[sysex::partNameAt + (std::size_t) i]);
            const auto header = dataOf (m, sysex::commonPartDataAt);
            if ((int) header.size() == setupHeaderSize)
                overwrite (setupBuffer, setupHeaderOffset, ByteView (header), setupHeaderSize);
            break;
        }
        case setupCommonPart:
        {
            const auto common = dataOf (m, sysex::partDataAt);
            const bool extended = setup::isExtended (r);
            const int size = extended ? setup::extendedCommonSize : setup::basicCommonSize;
            if ((int) common.size() >= size)
                overwrite (setupBuffer, extended ? setup::extendedCommonOffset : setup::basicCommonOffset, ByteView (common), size);
            break;
        }
        case setupZonePart:
        {
            const int z = m[sysex::at::element];
            const auto table = setup::walkZones (r);
            if (z < 0 || z >= table.walked)
                break;
            const auto& zone = table.zones[(size_t) z];
            if (zone.start < 0 || zone.length < 0 || zone.end() > (long long) setupBuffer.size())
                break;
            const auto bytes = dataOf (m, sysex::partDataAt);
            Bytes rebuilt (setupBuffer.begin(), setupBuffer.begin() + zone.start);
            rebuilt.insert (rebuilt.end(), bytes.begin(), bytes.end());
            rebuilt.insert (rebuilt.end(), setupBuffer.begin() + zone.end(), setupBuffer.end());
            setupBuffer = std::move (rebuilt);
            break;
        }
        default: break;
    }
}

} // namespace zr9::emulator
