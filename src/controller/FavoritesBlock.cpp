#include "FavoritesBlock.h"

namespace zr9
{

FavoritesBlock::Slot FavoritesBlock::slot (int i) const noexcept
{
    if (! holdsSlot (block, i))
        return {};
    const ByteView b (block);
    const int at = i * slotSize;
    return { b.byte (at), b.byte (at + 1) * 256 + b.byte (at + 2) };
}

bool FavoritesBlock::assign (int i, int kind, int number)
{
    if (! holdsSlot (block, i) || (kind != kindProgram && kind != kindSetup) || number < 0 || number > maxNumber)
        return false;
    const int at = i * slotSize;
    block[(size_t) at] = (std::uint8_t) kind;
    block[(size_t) at + 1] = (std::uint8_t) (number / 256);
    block[(size_t) at + 2] = (std::uint8_t) (number % 256);
    return true;
}

} // namespace zr9
