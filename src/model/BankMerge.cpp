#include "BankMerge.h"

#include <algorithm>
#include <cstring>

namespace zr9::bankmerge
{

namespace
{
    constexpr int tagLength = 10;

    /** Where record n lies in a bank, when the bank has an entry for it whose record can be measured. */
    struct Place
    {
        bool found = false;
        std::size_t offset = 0;
        std::size_t size = 0;
    };

    Place placeOf (const BankIndex& bank, int n) noexcept
    {
        const auto* info = findBankType (bank.typeId());
        if (info == nullptr || n < 1 || n >= bank.count())
            return {};
        const long long start = bank.offset (n);
        const long long next = bank.offset (n + 1);
        // Without the next entry the record has no measurable end, and it cannot be read back either.
        if (start <= 0 || next <= 0 || next - start < info->gapOverhead())
            return {};
        const long long size = next - start - info->gapOverhead();
        if (! ByteView (bank.bytes()).contains (start, size))
            return {};
        return { true, (std::size_t) start, (std::size_t) size };
    }

    ByteView viewOf (const BankIndex& bank, const Place& p) noexcept
    {
        return p.found ? ByteView (bank.bytes()).slice ((long long) p.offset, (long long) p.size) : ByteView();
    }

    bool contains (const std::vector<int>& sorted, int n)
    {
        return std::binary_search (sorted.begin(), sorted.end(), n);
    }

    /** A number whose record is replaced, and the bank its new bytes come from. */
    struct Replacement
    {
        int number;
        const BankIndex* source;
    };

    /** True when every replacement has an entry in the carrier bank. */
    bool allPlaced (const BankIndex& carrier, const std::vector<Replacement>& replacements)
    {
        return std::all_of (replacements.begin(), replacements.end(),
                            [&] (const Replacement& r) { return placeOf (carrier, r.number).found; });
    }

    /**
        The carrier's bytes with each replaced record's bytes swapped for the
        source's: one pass, since records stand in ascending order of number
        and offset. A replacement without an entry in the carrier is left out.
    */
    Bytes rebuild (const BankIndex& carrier, const std::vector<Replacement>& replacements, std::vector<int>& unplaced)
    {
        const auto& in = carrier.bytes();
        Bytes out;
        out.reserve (in.size());
        std::size_t cursor = 0;
        for (const auto& r : replacements)
        {
            const auto at = placeOf (carrier, r.number);
            if (! at.found || at.offset < cursor)
            {
                unplaced.push_back (r.number);
                continue;
            }
            out.insert (out.end(), in.begin() + (std::ptrdiff_t) cursor, in.begin() + (std::ptrdiff_t) at.offset);
            const auto record = viewOf (*r.source, placeOf (*r.source, r.number));
            if (! record.empty())
                out.insert (out.end(), record.data(), record.data() + record.size());
            cursor = at.offset + at.size;
        }
        out.insert (out.end(), in.begin() + (std::ptrdiff_t) cursor, in.end());
        return out;
    }
} // namespace

bool isWholeBank (int typeId, ByteView bytes) noexcept
{
    const auto* info = findBankType (typeId);
    if (info == nullptr || bytes.size() < 2 * (std::size_t) tagLength)
        return false;
    char close[tagLength];
    makeCloseTag (info->bankTag, close);
    return bytes.matches (0, info->bankTag, tagLength)
        && bytes.matches ((long long) bytes.size() - tagLength, close, tagLength);
}

bool holdsRecords (const BankIndex& bank) noexcept
{
    for (int n = 1; n <= bank.cap(); ++n)
        if (bank.size (n) > 0)
            return true;
    return false;
}

bool sameRecord (const BankIndex& a, const BankIndex& b, int n) noexcept
{
    const auto pa = placeOf (a, n);
    const auto pb = placeOf (b, n);
    if (pa.found != pb.found)
        return false;
    if (! pa.found)
        return true;
    if (pa.size != pb.size)
        return false;
    return pa.size == 0 || std::memcmp (a.bytes().data() + pa.offset, b.bytes().data() + pb.offset, pa.size) == 0;
}

std::vector<int> changedNumbers (const BankIndex& from, const BankIndex& to)
{
    std::vector<int> changed;
    const int last = std::max (from.cap(), to.cap());
    for (int n = 1; n <= last; ++n)
        if (! sameRecord (from, to, n))
            changed.push_back (n);
    return changed;
}

namespace
{
    /**
        The numbers one side changed: those it holds an entry for whose record
        differs from the base's. A side without an entry for a number cannot
        have changed it (stores never remove tags): it only lacks the place.
    */
    std::vector<int> changedOn (const BankIndex& base, const BankIndex& side)
    {
        std::vector<int> changed;
        for (const int n : changedNumbers (base, side))
            if (placeOf (side, n).found)
                changed.push_back (n);
        return changed;
    }
} // namespace

Result merge (const BankIndex& base, const BankIndex& mine, const BankIndex& theirs)
{
    Result result;
    if (mine.typeId() != theirs.typeId() || mine.typeId() != base.typeId())
    {
        // Banks of different types have no records in common: this side's bank stands.
        result.bytes = mine.bytes();
        return result;
    }

    result.ours = changedOn (base, mine);
    const auto theirsChanged = changedOn (base, theirs);
    for (const int n : theirsChanged)
        (contains (result.ours, n) ? result.both : result.theirs).push_back (n);

    // Usually the other side's bank carries the result and this side's records go into it.
    std::vector<Replacement> ours;
    for (const int n : result.ours)
        ours.push_back ({ n, &mine });
    if (allPlaced (theirs, ours))
    {
        result.bytes = rebuild (theirs, ours, result.unplaced);
        return result;
    }

    // The other side's bank lacks entries this side needs: this side's bank carries the other's changes.
    std::vector<Replacement> others;
    for (const int n : result.theirs)
        others.push_back ({ n, &theirs });
    result.bytes = rebuild (mine, others, result.unplaced);
    return result;
}

} // namespace zr9::bankmerge
