#pragma once

#include "ArrangementState.h"

#include <optional>
#include <vector>

namespace zr9
{

/**
    The plug-in's state as a host keeps it in a project: the BankState, then
    a recall block with what the instrument played when the project was
    saved, so that opening the project brings the instrument back.

    | Offset | Size   | Content                                                   |
    |--------|--------|-----------------------------------------------------------|
    | 0      | 19,226 | the BankState: tag, version and the 64 records            |
    | 19,226 | 16     | "ZR9PianoLiveVals"                                        |
    | 19,242 | 10     | "Version100"                                              |
    | 19,252 | 1      | the current program slot, 0 to 63                         |
    | 19,253 | 300    | the current arrangement: programs and global values       |
    | 19,553 | 2      | n, the number of live values that follow                  |
    | 19,555 | 6 n    | each: live row (16 bits), value (32 bits, two's complement) |

    Numbers are big-endian. The block follows the 64 records, so a reader
    that knows only the bank format still finds its 64 slots where they
    always were: today's takes whole records up to the 64th slot and nothing
    beyond, and one that copies every byte after the header into its bank
    only grows its bank data past the last slot, which no slot reaches. A
    state of 19,226 bytes or fewer, from a version before, has no block.
*/
namespace RecallState
{
    constexpr const char* tag = "ZR9PianoLiveVals";
    constexpr int tagSize = 16;
    constexpr const char* version = "Version100";
    constexpr int versionSize = 10;
    constexpr int blockOffset = BankState::size;                          // 19,226
    constexpr int slotOffset = tagSize + versionSize;                     // within the block: 26
    constexpr int recordOffset = slotOffset + 1;                          // 27
    constexpr int countOffset = recordOffset + arrangement::recordSize;   // 327
    constexpr int valuesOffset = countOffset + 2;                         // 329
    constexpr int valueSize = 6;
    constexpr int maxValues = LiveRowLayout::rowCount;

    struct LiveValue
    {
        int row = 0;
        int value = 0;
        bool operator== (const LiveValue& o) const noexcept { return row == o.row && value == o.value; }
    };

    struct Recall
    {
        /** The host's current program, 0 to 63; -1 when the block named none. */
        int slot = -1;
        /** The arrangement to apply first, 300 bytes. */
        Bytes record;
        /** The live values to apply after it, in the order they are applied. */
        std::vector<LiveValue> values;
    };

    /** The whole plug-in state: the BankState of `bank`, then the block (at most maxValues values are kept). */
    Bytes make (ByteView bank, const Recall& recall);

    /**
        The block a plug-in state carries after its bank, or nothing when it
        carries none (an earlier version's state, a bank state alone, a block
        without its tag or cut short before its values). Values are taken as
        far as they are whole; rows outside the live table are left out.
    */
    std::optional<Recall> read (ByteView state);
} // namespace RecallState

} // namespace zr9
