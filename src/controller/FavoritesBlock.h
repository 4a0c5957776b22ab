#pragma once

#include "model/ByteView.h"

#include <atomic>

namespace zr9
{

/**
    The 32 favourites: one program or one setup per slot, kept as the 96
    bytes of "Favorites.dat" (3 bytes a slot: kind, then the number
    big-endian; number 0 is an empty slot), plus the favourites grid's
    vertical offset, which lasts for the run.

    The block holds whatever the file held. A file of another length gives a
    block of that length: its slots are read within it only (a slot beyond
    its end reads empty, a slot cut by its end is not read at all), and such
    a block is never written back, so a file this program does not
    understand is left as it is.

    Message thread.
*/
class FavoritesBlock
{
public:
    static constexpr int slotCount = 32;
    static constexpr int slotSize = 3;
    static constexpr int blockSize = slotCount * slotSize; // 96
    static constexpr int kindProgram = 0;
    static constexpr int kindSetup = 1;
    static constexpr int maxNumber = 0xFFFF;

    struct Slot
    {
        int kind = kindProgram;
        int number = 0; // 0: empty
        bool isEmpty() const noexcept { return number == 0; }
    };

    FavoritesBlock() { clear(); }

    /** 32 empty slots, 96 zero bytes. */
    void clear() { block.assign ((size_t) blockSize, 0); }
    /** The block becomes these bytes, whatever their length. */
    void replace (ByteView bytes) { block.assign (bytes.data(), bytes.data() + bytes.size()); }
    const Bytes& bytes() const noexcept { return block; }

    /** Only a block of exactly 96 bytes is stored. */
    bool isStorable() const noexcept { return (int) block.size() == blockSize; }

    /** Slot i (0 to 31); empty for another i or a slot that does not lie whole within the block. */
    Slot slot (int i) const noexcept;

    /**
        Writes kind, number / 256 and number mod 256 into slot i. False, and
        nothing changes, for a slot outside 0 to 31 or beyond the block's end,
        a kind other than 0 or 1, or a number outside 0 to 65535.
    */
    bool assign (int i, int kind, int number);

    /** The favourites grid's vertical offset in pixels (0 or less: scrolled up). */
    int gridOffset() const noexcept { return offset.load(); }
    void setGridOffset (int pixels) noexcept { offset = pixels; }

private:
    static bool holdsSlot (const Bytes& b, int i) noexcept
    {
        return i >= 0 && i < slotCount && (long long) (i + 1) * slotSize <= (long long) b.size();
    }

    Bytes block;
    std::atomic<int> offset { 0 };
};

} // namespace zr9
