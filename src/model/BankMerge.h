#pragma once

#include "BankIndex.h"

#include <vector>

namespace zr9
{

/**
    Merging by record: two copies of one bank that both changed since they
    were the same bank, as when two instances of the program share one bank
    file.

    A record counts as changed on one side when its bytes differ from those
    of the bank both started from (the base): added, replaced or removed
    (cleared; the entry's tags stay). A side without an entry for a number
    has not changed it. The
    merge holds every record the other side changed plus every record this
    side changed; where both changed one number, this side's record wins,
    because this side is the one writing now, the later write. Records
    neither side changed, the tags, and whatever lies beyond the indexed
    numbers come from the other side's bytes, so when this side changed
    nothing the merge is exactly what the other side wrote.

    The three banks must be of one type, indexed with one cap. Any bytes may
    come in: every offset is checked against its bank before it is used.
*/
namespace bankmerge
{
    /**
        True when the bytes start with the type's bank open tag and end with
        its close tag: a bank written whole, not something else and not a
        bank cut short.
    */
    bool isWholeBank (int typeId, ByteView bytes) noexcept;

    /** True when some record of the bank holds bytes. */
    bool holdsRecords (const BankIndex& bank) noexcept;

    /** True when record n stands the same in both banks (the same bytes, or no entry in either). */
    bool sameRecord (const BankIndex& a, const BankIndex& b, int n) noexcept;

    /** The numbers from 1 to the higher cap whose record differs between the two banks, ascending. */
    std::vector<int> changedNumbers (const BankIndex& from, const BankIndex& to);

    struct Result
    {
        Bytes bytes;                // the merged bank byte string
        std::vector<int> ours;      // numbers this side changed (on both sides included)
        std::vector<int> theirs;    // numbers only the other side changed
        std::vector<int> both;      // numbers both sides changed: this side's record was kept
        std::vector<int> unplaced;  // changed numbers for which the merged bank has no entry (ill-formed banks only)
    };

    /** Merges `mine` and `theirs`, both changed from `base` (see the namespace comment). */
    Result merge (const BankIndex& base, const BankIndex& mine, const BankIndex& theirs);
} // namespace bankmerge

} // namespace zr9
