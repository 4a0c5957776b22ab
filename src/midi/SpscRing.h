#pragma once

#include <juce_core/juce_core.h>

#include <array>

namespace zr9
{

/**
    A fixed ring of items between one writing and one reading thread, without
    locks and without allocation: what a host's audio thread may touch. A
    push into a full ring is refused.
*/
template <typename Item, int capacity>
class SpscRing
{
public:
    bool push (const Item& item) noexcept
    {
        const auto scope = fifo.write (1);
        if (scope.blockSize1 < 1)
            return false;
        items[(std::size_t) scope.startIndex1] = item;
        return true;
    }

    bool pop (Item& item) noexcept
    {
        const auto scope = fifo.read (1);
        if (scope.blockSize1 < 1)
            return false;
        item = items[(std::size_t) scope.startIndex1];
        return true;
    }

    /** The item the next pop takes, left in place; nullptr when none waits. On the reading side. */
    const Item* front() const noexcept
    {
        int start1 = 0, size1 = 0, start2 = 0, size2 = 0;
        fifo.prepareToRead (1, start1, size1, start2, size2);
        return size1 > 0 ? &items[(std::size_t) start1] : nullptr;
    }

    /** Drops what waits; on the reading side. */
    void discardAll() noexcept
    {
        Item ignored;
        while (pop (ignored)) {}
    }

    int waiting() const noexcept { return fifo.getNumReady(); }

private:
    juce::AbstractFifo fifo { capacity };
    std::array<Item, (std::size_t) capacity> items {};
};

} // namespace zr9
