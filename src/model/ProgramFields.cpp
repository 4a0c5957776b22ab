#include "ProgramFields.h"

namespace zr9::program
{

namespace
{
constexpr int bit7 = 0x80;
constexpr int low7Mask = 0x7F;
} // namespace

int readField (ByteView bytes, Field f) noexcept
{
    switch (f.kind)
    {
        case FieldKind::byte:        return bytes.byte (f.offset);
        case FieldKind::signedByte:  return bytes.signedByte (f.offset);
        case FieldKind::negatedByte: return -bytes.byte (f.offset);
        case FieldKind::signedWord:  return bytes.signedWord (f.offset);
        case FieldKind::bit:         return (bytes.byte (f.offset) >> f.bit) & 1;
        case FieldKind::low7:        return bytes.byte (f.offset) & low7Mask;
    }
    return 0;
}

void writeField (Bytes& bytes, Field f, int value) noexcept
{
    const int old = ByteView (bytes).byte (f.offset);
    switch (f.kind)
    {
        case FieldKind::byte:
        case FieldKind::signedByte:  putByte (bytes, f.offset, value); break;
        case FieldKind::negatedByte: putByte (bytes, f.offset, -value); break;
        case FieldKind::signedWord:  putWord (bytes, f.offset, value); break;
        case FieldKind::bit:
            putByte (bytes, f.offset, value != 0 ? old | (1 << f.bit) : old & ~(1 << f.bit));
            break;
        case FieldKind::low7:        putByte (bytes, f.offset, (old & bit7) | (value & low7Mask)); break;
    }
}

} // namespace zr9::program
