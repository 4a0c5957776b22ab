#include "ArrangementRecord.h"

namespace zr9::arrangement
{

namespace
{
    constexpr int maxByte = 0xFF;
    constexpr std::uint8_t blank = ' ';

    std::array<LiveField, channelCount + 8> makeLiveFields() noexcept
    {
        std::array<LiveField, channelCount + 8> f {};
        for (int c = 0; c < channelCount; ++c)
            f[(std::size_t) c] = { programRow (c), firstProgramOffset + 2 * c, 2, false };
        std::size_t i = channelCount;
        using rows = LiveRowLayout;
        f[i++] = { rows::rowMulti, 56, 2, false };
        f[i++] = { rows::rowPlayingMode, 58, 1, true };
        f[i++] = { rows::rowAux1Override, 59, 2, false };
        f[i++] = { rows::rowAux1OverrideOn, 61, 1, true };
        f[i++] = { rows::rowAux1OverrideMod, 62, 1, true };
        f[i++] = { rows::rowAux2Override, 63, 2, false };
        f[i++] = { rows::rowAux2OverrideOn, 65, 1, true };
        f[i++] = { rows::rowAux2OverrideMod, 66, 1, true };
        return f;
    }
} // namespace

const std::array<LiveField, channelCount + 8>& liveFields() noexcept
{
    static const auto fields = makeLiveFields();
    return fields;
}

int readField (ByteView record, const LiveField& field) noexcept
{
    if (field.width == 2)
        return record.word (field.offset);
    return field.isSigned ? record.signedByte (field.offset) : record.byte (field.offset);
}

void writeField (Bytes& record, const LiveField& field, int value) noexcept
{
    if (field.width == 2)
    {
        putByte (record, field.offset, (value / 256) & maxByte);
        putByte (record, field.offset + 1, (value % 256) & maxByte);
    }
    else
    {
        putByte (record, field.offset, value & maxByte);
    }
}

std::u32string readName (ByteView record)
{
    std::u32string name;
    for (int i = 0; i < nameLength; ++i)
        name.push_back ((char32_t) record.byte (i));
    return name;
}

void writeName (Bytes& record, const std::u32string& name)
{
    for (int i = 0; i < nameLength; ++i)
    {
        const auto c = (std::size_t) i < name.size() ? nameByte ((int) name[(std::size_t) i]) : blank;
        putByte (record, i, c);
    }
}

Bytes normalised (ByteView record)
{
    Bytes b (recordSize, 0);
    for (int i = 0; i < recordSize; ++i)
        b[(std::size_t) i] = (std::uint8_t) record.byte (i);
    return b;
}

} // namespace zr9::arrangement
