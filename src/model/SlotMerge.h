#pragma once

#include "ByteView.h"

namespace zr9
{

/**
    Merging by slot: two copies of a block of fixed-size slots (the 64
    arrangements of the preset bank) that both changed since they were the
    same block.

    A slot counts as changed on one side when its bytes differ from the
    base's. The result holds every slot the other side changed plus every
    slot this side changed; where both changed one slot, this side's wins, as
    this side writes later. The result is as long as this side's block;
    a slot the other side's block does not reach counts as unchanged there.
    Any bytes may come in.
*/
namespace slotmerge
{
    struct Result
    {
        Bytes bytes;
        int ours = 0;   // slots this side changed (on both sides included)
        int theirs = 0; // slots only the other side changed
        int both = 0;   // slots both sides changed: this side's kept
    };

    /** Merges `mine` and `theirs`, both changed from `base`, slot by slot; slotSize must be above 0. */
    Result merge (ByteView base, ByteView mine, ByteView theirs, int slotSize);
} // namespace slotmerge

} // namespace zr9
